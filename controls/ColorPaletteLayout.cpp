#include "controls/ColorPaletteLayout.h"

#include <algorithm>

namespace palette {

Rect Layout::BoxRect(int index) const
{
    if (index < 0 || index >= kColorCount) return Rect{};
    const int column = index % kColumns;
    const int row = index / kColumns;
    Rect box;
    box.left = grid.left + column * kBoxSize;
    box.top = grid.top + row * kBoxSize;
    box.right = box.left + kBoxSize;
    box.bottom = box.top + kBoxSize;
    return box;
}

Layout LayOutPalette(bool hasAutomatic, bool hasCustom, Size textExtent, Size edge)
{
    Layout layout;
    layout.hasAutomatic = hasAutomatic;
    layout.hasCustom = hasCustom;

    const int textWidth = textExtent.width + 2 * kTextPadding;
    const int textHeight = textExtent.height + 2 * kTextPadding;
    const int gridWidth = kColumns * kBoxSize;
    const int gridHeight = kRows * kBoxSize;
    const int contentWidth = std::max(gridWidth, textWidth);

    int y = edge.height;
    layout.automatic = Rect{edge.width, y, edge.width + contentWidth, y + (hasAutomatic ? textHeight : 0)};
    y = layout.automatic.bottom;

    const int gridLeft = edge.width + (contentWidth - gridWidth) / 2;
    layout.grid = Rect{gridLeft, y, gridLeft + gridWidth, y + gridHeight};
    y = layout.grid.bottom;

    layout.custom = Rect{edge.width, y, edge.width + contentWidth, y + (hasCustom ? textHeight : 0)};
    y = layout.custom.bottom;

    layout.window = Size{contentWidth + 2 * edge.width, y + edge.height};
    return layout;
}

int HitTestPalette(const Layout& layout, int x, int y)
{
    if (layout.hasCustom && layout.custom.Contains(x, y)) return kCustomEntry;
    if (layout.hasAutomatic && layout.automatic.Contains(x, y)) return kAutomaticEntry;
    if (!layout.grid.Contains(x, y)) return kNoEntry;
    const int column = (x - layout.grid.left) / kBoxSize;
    const int row = (y - layout.grid.top) / kBoxSize;
    const int index = row * kColumns + column;
    return index < kColorCount ? index : kNoEntry;
}

int MovePaletteEntry(int entry, int step, bool hasAutomatic, bool hasCustom)
{
    if (step == 0) return entry;
    const bool backward = step < 0;

    int next;
    if (entry == kAutomaticEntry)
        next = backward ? kCustomEntry : 0;
    else if (entry == kCustomEntry)
        next = backward ? kColorCount - 1 : kAutomaticEntry;
    else if (entry < 0 || entry >= kColorCount)
        next = backward ? kCustomEntry : kAutomaticEntry;
    else {
        next = entry + step;
        if (next < 0) next = kAutomaticEntry;
        else if (next >= kColorCount) next = kCustomEntry;
    }

    // Skip absent entries; two passes settle every case, as at least the
    // colour boxes are always there.
    for (int pass = 0; pass < 2; ++pass) {
        if (next == kAutomaticEntry && !hasAutomatic)
            next = backward ? kCustomEntry : 0;
        else if (next == kCustomEntry && !hasCustom)
            next = backward ? kColorCount - 1 : kAutomaticEntry;
    }
    return next;
}

Rect PlacePalette(const Rect& button, Size window, const Rect& workArea)
{
    Rect placed{button.left, button.bottom, button.left + window.width, button.bottom + window.height};
    if (placed.right > workArea.right) {
        const int shift = placed.right - workArea.right;
        placed.left -= shift;
        placed.right -= shift;
    }
    if (placed.left < workArea.left) {
        const int shift = workArea.left - placed.left;
        placed.left += shift;
        placed.right += shift;
    }
    if (placed.bottom > workArea.bottom) {
        placed.top = button.top - window.height;
        placed.bottom = button.top;
    }
    return placed;
}

} // namespace palette
