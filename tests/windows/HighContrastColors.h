// A high-contrast scheme (white on black) while the object lives, through
// SetSysColors, which tells every top-level window; the old colours come
// back at the end. Under Wine the colours are the whole session's (never
// the registry's): every program of the prefix shows them meanwhile.
#pragma once

#include <windows.h>

#include <iterator>

class HighContrastColors {
public:
    HighContrastColors()
    {
        for (int i = 0; i < kCount; ++i) original_[i] = GetSysColor(kElements[i]);
        SetSysColors(kCount, kElements, kScheme);
    }
    ~HighContrastColors() { SetSysColors(kCount, kElements, original_); }

private:
    static constexpr INT kElements[] = {COLOR_WINDOW,  COLOR_WINDOWTEXT, COLOR_BTNFACE,   COLOR_BTNTEXT,
                                        COLOR_GRAYTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_MENU,
                                        COLOR_MENUTEXT};
    static constexpr COLORREF kScheme[] = {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x00FF00,
                                           0xFFEB1A, 0x000000, 0x000000, 0xFFFFFF};
    static constexpr int kCount = static_cast<int>(std::size(kElements));
    COLORREF original_[kCount]{};
};
