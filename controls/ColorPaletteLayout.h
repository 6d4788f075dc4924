// Geometry of the colour picker, free of any window: the layout of the
// palette's entries, the hit test, the keyboard moves between entries, the
// placement of the window inside a work area and the parts of the button's
// face. All sizes in pixels of the display; the fixed ones are given at
// 96 DPI and scaled to the DPI of the button's window.
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

struct Point {
    int x = 0;
    int y = 0;
};

// Entry numbers: 0 to 39 are the colour boxes.
constexpr int kNoEntry = -1;
constexpr int kCustomEntry = -2;
constexpr int kAutomaticEntry = -3;

constexpr int kColorCount = kPaletteColorCount;
constexpr int kColumns = 8;
constexpr int kRows = (kColorCount + kColumns - 1) / kColumns;
// At 96 DPI:
constexpr int kBoxSize = 18;     // a 14 x 14 core inside a highlight border of 2
constexpr int kBoxBorder = 2;
constexpr int kTextPadding = 3 + 2; // on each side of a text entry's text

struct Layout {
    bool hasAutomatic = false;
    bool hasCustom = false;
    int boxSize = kBoxSize;     // at the layout's DPI
    int boxBorder = kBoxBorder; // the highlight border inside each box
    int textPadding = kTextPadding;
    Rect automatic; // empty (height 0) when absent
    Rect grid;
    Rect custom;    // empty (height 0) when absent
    Size window;    // the whole window, edges included

    Rect BoxRect(int index) const;
};

// textExtent: the larger extent of the two entry texts in the palette font
// (made for the DPI). edge: the system's 3-D edge width and height at the DPI.
Layout LayOutPalette(bool hasAutomatic, bool hasCustom, Size textExtent, Size edge, int dpi);

// The entry under a point in window coordinates, or kNoEntry.
int HitTestPalette(const Layout& layout, int x, int y);

// The entry that a key moves to from `entry`: step -1 (Left), +1 (Right),
// -kColumns (Up) or +kColumns (Down). Absent entries are skipped.
int MovePaletteEntry(int entry, int step, bool hasAutomatic, bool hasCustom);

// The entries in the order a list shows them, top to bottom: the automatic
// entry, the colour boxes, the custom entry, each where the layout has it.
// Positions count from 1 (a screen reader's child ids); 0 is no entry.
int EntryCount(const Layout& layout);
int EntryAtPosition(const Layout& layout, int position); // kNoEntry outside
int PositionOfEntry(const Layout& layout, int entry);    // 0 for kNoEntry and absent entries

// Where the window goes: its top left at the button's bottom left, kept
// inside the work area; it opens above the button when it would pass the
// bottom.
Rect PlacePalette(const Rect& button, Size window, const Rect& workArea);

// The parts of the colour picker button's face inside its content rectangle
// (the button's frame left out): the focus rectangle, the swatch, the etched
// line beside it and the drop-down arrow (a filled triangle pointing down).
struct PickerFace {
    Rect focus;
    Rect swatch;    // may be empty on a very narrow button
    Rect separator; // its left edge carries the etched line
    Point arrow[3];
};
PickerFace LayOutPickerFace(const Rect& content, int dpi);

} // namespace palette
