#include "controls/ColorPaletteLayout.h"

#include <algorithm>

#include "framework/DpiScale.h"

namespace palette {

Rect Layout::BoxRect(int index) const
{
    if (index < 0 || index >= kColorCount) return Rect{};
    const int column = index % kColumns;
    const int row = index / kColumns;
    Rect box;
    box.left = grid.left + column * boxSize;
    box.top = grid.top + row * boxSize;
    box.right = box.left + boxSize;
    box.bottom = box.top + boxSize;
    return box;
}

Layout LayOutPalette(bool hasAutomatic, bool hasCustom, Size textExtent, Size edge, int dpi)
{
    Layout layout;
    layout.hasAutomatic = hasAutomatic;
    layout.hasCustom = hasCustom;
    layout.boxSize = ScaleForDpi(kBoxSize, dpi);
    layout.boxBorder = ScaleForDpi(kBoxBorder, dpi);
    layout.textPadding = ScaleForDpi(kTextPadding, dpi);

    const int textWidth = textExtent.width + 2 * layout.textPadding;
    const int textHeight = textExtent.height + 2 * layout.textPadding;
    const int gridWidth = kColumns * layout.boxSize;
    const int gridHeight = kRows * layout.boxSize;
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
    const int column = (x - layout.grid.left) / layout.boxSize;
    const int row = (y - layout.grid.top) / layout.boxSize;
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

int EntryCount(const Layout& layout)
{
    return (layout.hasAutomatic ? 1 : 0) + kColorCount + (layout.hasCustom ? 1 : 0);
}

int EntryAtPosition(const Layout& layout, int position)
{
    if (position < 1 || position > EntryCount(layout)) return kNoEntry;
    if (layout.hasAutomatic && position == 1) return kAutomaticEntry;
    const int box = position - 1 - (layout.hasAutomatic ? 1 : 0);
    return box < kColorCount ? box : kCustomEntry;
}

int PositionOfEntry(const Layout& layout, int entry)
{
    const int first = layout.hasAutomatic ? 2 : 1;
    if (entry >= 0 && entry < kColorCount) return first + entry;
    if (entry == kAutomaticEntry && layout.hasAutomatic) return 1;
    if (entry == kCustomEntry && layout.hasCustom) return first + kColorCount;
    return 0;
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

PickerFace LayOutPickerFace(const Rect& content, int dpi)
{
    auto scale = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
    PickerFace face;
    const int focusInset = scale(1);
    face.focus = Rect{content.left + focusInset, content.top + focusInset, content.right - focusInset,
                      content.bottom - focusInset};

    const int inset = scale(3);
    const Rect inner{content.left + inset, content.top + inset, content.right - inset, content.bottom - inset};
    // The arrow: a triangle as wide as 7 pixels at 96 DPI, its slopes at 45
    // degrees, its top a little above the middle. Its width stays odd, so
    // that the tip is a pixel of its own in the middle.
    const int arrowWidth = scale(7) | 1;
    const int arrowRight = inner.right - scale(1);
    const int arrowLeft = arrowRight - arrowWidth;
    const int arrowTop = (inner.top + inner.bottom) / 2 - scale(2);
    face.arrow[0] = Point{arrowLeft, arrowTop};
    face.arrow[1] = Point{arrowLeft + arrowWidth - 1, arrowTop};
    face.arrow[2] = Point{arrowLeft + arrowWidth / 2, arrowTop + (arrowWidth - 1) / 2};

    face.separator = Rect{arrowLeft - scale(4), inner.top, arrowLeft - scale(2), inner.bottom};
    face.swatch = Rect{inner.left, inner.top, face.separator.left - scale(2), inner.bottom};
    return face;
}

} // namespace palette
