// What a colour picker button tells its parent: WM_NOTIFY, sent (not
// posted), with the button's control id as wParam and this record as lParam.
#pragma once

#include <windows.h>

// Notification codes, in the order in which they can arrive.
constexpr UINT kColorPickerDropDown = 0x8001;     // clicked, before the palette opens
constexpr UINT kColorPickerColorChanged = 0x8000; // the current colour changed
constexpr UINT kColorPickerCloseUp = 0x8002;      // the palette has closed
constexpr UINT kColorPickerChosen = 0x8003;       // after kColorPickerCloseUp: a colour was chosen
constexpr UINT kColorPickerCancelled = 0x8004;    // after kColorPickerCloseUp: the palette was cancelled

struct ColorPickerNotification {
    NMHDR header;   // the button's window, its control id, the code
    COLORREF color; // 0x00BBGGRR, or kAutomaticColor (style/ColorValue.h)
    BOOL valid;     // 0 while tracking with no entry under the pointer
};
