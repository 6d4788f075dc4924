// A high-contrast colour scheme (white on black, as the system's "High
// Contrast Black") for this process while the object lives: SetSysColors,
// which also tells every top-level window, and the old colours put back
// at the end. For the tests and the showcases. Header-only.
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
    HighContrastColors(const HighContrastColors&) = delete;
    HighContrastColors& operator=(const HighContrastColors&) = delete;

private:
    static constexpr INT kElements[] = {COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_BTNFACE,      COLOR_BTNTEXT,
                                        COLOR_GRAYTEXT,  COLOR_HIGHLIGHT,  COLOR_HIGHLIGHTTEXT, COLOR_BTNSHADOW,
                                        COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_MENU,      COLOR_MENUTEXT};
    static constexpr COLORREF kScheme[] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 0, 0),       RGB(255, 255, 255),
                                           RGB(0, 255, 0),     RGB(26, 235, 255),  RGB(0, 0, 0),       RGB(255, 255, 255),
                                           RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(255, 255, 255)};
    static constexpr int kCount = static_cast<int>(std::size(kElements));
    COLORREF original_[std::size(kElements)]{};
};
