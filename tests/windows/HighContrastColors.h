// A high-contrast scheme (white on black) while the object lives, through
// SetSysColors, which tells every top-level window; the old colours come
// back at the end. Under Wine the colours are the whole session's (never
// the registry's): every program of the prefix shows them meanwhile.
#pragma once

#include <windows.h>

class HighContrastColors {
public:
    HighContrastColors()
    {
        for (int i = 0; i < kCount; ++i) original_[i] = GetSysColor(kElements[i]);
        SetSysColors(kCount, kElements, kScheme);
    }
    ~HighContrastColors() { SetSysColors(kCount, kElements, original_); }

private:
    static constexpr int kCount = 7;
    static constexpr INT kElements[kCount] = {COLOR_WINDOW,   COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT,
                                              COLOR_GRAYTEXT, COLOR_MENU,       COLOR_MENUTEXT};
    static constexpr COLORREF kScheme[kCount] = {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x00FF00, 0x000000, 0xFFFFFF};
    COLORREF original_[kCount]{};
};
