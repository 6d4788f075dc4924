#include "app/ShellOpen.h"

#include <shellapi.h>

namespace {

void OpenThroughShell(HWND owner, const std::wstring& address)
{
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

ShellOpenFunction current = &OpenThroughShell;

} // namespace

void ShellOpenAddress(HWND owner, const std::wstring& address)
{
    current(owner, address);
}

ShellOpenFunction ReplaceShellOpen(ShellOpenFunction function)
{
    const ShellOpenFunction previous = current;
    current = function ? function : &OpenThroughShell;
    return previous;
}
