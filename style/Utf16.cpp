#include "style/Utf16.h"

#ifdef _WIN32
#include <windows.h>

namespace {

std::wstring Widen(const std::string& text, UINT codePage)
{
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

} // namespace

std::wstring WidenUtf8(const std::string& text)
{
    return Widen(text, CP_UTF8);
}

std::wstring WidenAnsi(const std::string& text)
{
    return Widen(text, CP_ACP);
}

std::string NarrowToUtf8(const std::wstring& text)
{
    if (text.empty()) return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length, nullptr,
                        nullptr);
    return narrow;
}
#endif
