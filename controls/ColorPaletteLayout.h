// Geometry of the colour picker's palette window, free of any window: the
// layout of its entries, the hit test, the keyboard moves between entries
// and the placement of the window inside a work area. All sizes in pixels.
#pragma once

#include "controls/PaletteColors.h"

namespace palette {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Size {
    int width = 0;
    int height = 0;
};

// Entry numbers: 0 to 39 are the colour boxes.
constexpr int kNoEntry = -1;
constexpr int kCustomEntry = -2;
constexpr int kAutomaticEntry = -3;

constexpr int kColorCount = kPaletteColorCount;
constexpr int kColumns = 8;
constexpr int kRows = (kColorCount + kColumns - 1) / kColumns;
constexpr int kBoxSize = 18;     // a 14 x 14 core inside a highlight border of 2
constexpr int kBoxBorder = 2;
constexpr int kTextPadding = 3 + 2; // on each side of a text entry's text

struct Layout {
    bool hasAutomatic = false;
    bool hasCustom = false;
    Rect automatic; // empty (height 0) when absent
    Rect grid;
    Rect custom;    // empty (height 0) when absent
    Size window;    // the whole window, edges included

    Rect BoxRect(int index) const;
};

// textExtent: the larger extent of the two entry texts in the palette font.
// edge: the system's 3-D edge width and height.
Layout LayOutPalette(bool hasAutomatic, bool hasCustom, Size textExtent, Size edge);

// The entry under a point in window coordinates, or kNoEntry.
int HitTestPalette(const Layout& layout, int x, int y);

// The entry that a key moves to from `entry`: step -1 (Left), +1 (Right),
// -kColumns (Up) or +kColumns (Down). Absent entries are skipped.
int MovePaletteEntry(int entry, int step, bool hasAutomatic, bool hasCustom);

// Where the window goes: its top left at the button's bottom left, kept
// inside the work area; it opens above the button when it would pass the
// bottom.
Rect PlacePalette(const Rect& button, Size window, const Rect& workArea);

} // namespace palette
