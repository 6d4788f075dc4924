#include "framework/SystemChanges.h"

#include <vector>

bool IsSystemChange(UINT message)
{
    return message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE || message == WM_THEMECHANGED;
}

void PassToChildren(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!window) return;
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    for (HWND child : children)
        if (IsWindow(child)) SendMessageW(child, message, wParam, lParam);
}
