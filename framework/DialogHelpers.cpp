#include "framework/DialogHelpers.h"

#include "resources/ResourceIds.h"

std::wstring ApplicationTitle()
{
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands out the resource's own text.
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text) return L"Glimmerpatch";
    return std::wstring(text, static_cast<std::size_t>(length));
}

int ShowUserMessage(HWND owner, const std::wstring& text, UINT type)
{
    return MessageBoxW(owner, text.c_str(), ApplicationTitle().c_str(), type);
}

bool AskUser(HWND owner, const std::wstring& question)
{
    return ShowUserMessage(owner, question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CenterOverOwner(HWND window)
{
    HWND owner = GetWindow(window, GW_OWNER);
    RECT box;
    GetWindowRect(window, &box);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT over = monitor.rcWork;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &over);
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    LONG x = over.left + (over.right - over.left - width) / 2;
    LONG y = over.top + (over.bottom - over.top - height) / 2;
    if (x + width > monitor.rcWork.right) x = monitor.rcWork.right - width;
    if (y + height > monitor.rcWork.bottom) y = monitor.rcWork.bottom - height;
    if (x < monitor.rcWork.left) x = monitor.rcWork.left;
    if (y < monitor.rcWork.top) y = monitor.rcWork.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
