#include "framework/ButtonPresses.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 0x47504450; // any number of ours

LRESULT CALLBACK DoubleClickAsPress(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_LBUTTONDBLCLK:
        // The control's own handling of a button-down: capture, pressed
        // state, and BN_CLICKED on the release.
        return DefSubclassProc(button, WM_LBUTTONDOWN, wParam, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, &DoubleClickAsPress, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

bool TreatDoubleClicksAsPresses(HWND button)
{
    return button && SetWindowSubclass(button, &DoubleClickAsPress, kSubclassId, 0);
}
