#include "framework/Reflection.h"


namespace {

HWND ChildWithId(HWND parent, UINT id)
{
    return GetDlgItem(parent, static_cast<int>(id));
}

} // namespace

HWND FindReflectionTarget(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Menu and accelerator commands carry no window.
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
        if (wParam == 0 || lParam == 0) return nullptr;
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
        if (wParam == 0 || lParam == 0) return nullptr;
        return ChildWithId(parent, reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID);
    case WM_COMPAREITEM:
        if (wParam == 0 || lParam == 0) return nullptr;
        return ChildWithId(parent, reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->CtlID);
    case WM_DELETEITEM:
        if (wParam == 0 || lParam == 0) return nullptr;
        return ChildWithId(parent, reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->CtlID);
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY) return reinterpret_cast<HWND>(lParam);
        return ChildWithId(parent, HIWORD(wParam));
    default:
        return IsControlColorMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = FindReflectionTarget(parent, message, wParam, lParam);
    if (!child || !IsWindow(child) || child == parent) return false;
    const LRESULT answer = SendMessageW(child, Reflected(message), wParam, lParam);
    if (IsControlColorMessage(message) && answer == 0) return false;
    result = answer;
    return true;
}
