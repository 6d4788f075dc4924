#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>
#include <string>

#include "controls/ColorPaletteLayout.h"
#include "framework/DpiScale.h"
#include "controls/PaletteColors.h"

using namespace palette;

namespace {

const Size kEdge{2, 2};
const int kDpis[] = {96, 120, 144, 192};

// A size of 96 DPI at another DPI, unrounded.
double Exact(int at96, int dpi)
{
    return at96 * dpi / 96.0;
}

} // namespace

TEST(PaletteColors, TableHasFortyDistinctNamedColoursInRowOrder)
{
    std::set<std::uint32_t> colors;
    for (const PaletteColor& entry : kPaletteColors) {
        EXPECT_NE(std::string(entry.name), "");
        colors.insert(entry.color);
    }
    EXPECT_EQ(colors.size(), 40u);
    EXPECT_STREQ(kPaletteColors[1].name, "Brown");
    EXPECT_EQ(kPaletteColors[1].color, 0x00002AA5u); // rgb(165, 42, 0)
    EXPECT_STREQ(kPaletteColors[9].name, "Orange");  // row 2, column 2
    EXPECT_EQ(kPaletteColors[9].color, MakeColor(255, 104, 32));
    EXPECT_STREQ(kPaletteColors[35].name, "Pale green "); // the trailing blank is part of the name
    EXPECT_EQ(kPaletteColors[39].color, 0x00FFFFFFu);
}

TEST(ColorPaletteLayout, GridIsCentredBetweenTextEntriesAndWindowAddsEdges)
{
    const Layout wide = LayOutPalette(true, true, Size{170, 13}, kEdge, 96);
    // Text entries: extent plus 5 on each side.
    EXPECT_EQ(wide.automatic.Width(), 180);
    EXPECT_EQ(wide.automatic.Height(), 23);
    EXPECT_EQ(wide.automatic.left, 2);
    EXPECT_EQ(wide.automatic.top, 2);
    EXPECT_EQ(wide.grid.Width(), 144);
    EXPECT_EQ(wide.grid.Height(), 90);
    EXPECT_EQ(wide.grid.left, 2 + (180 - 144) / 2);
    EXPECT_EQ(wide.grid.top, 25);
    EXPECT_EQ(wide.custom.top, 115);
    EXPECT_EQ(wide.window.width, 184);
    EXPECT_EQ(wide.window.height, 2 + 23 + 90 + 23 + 2);

    // Narrow texts: the grid sets the width.
    const Layout narrow = LayOutPalette(true, true, Size{60, 13}, kEdge, 96);
    EXPECT_EQ(narrow.window.width, 148);
    EXPECT_EQ(narrow.automatic.Width(), 144);
    EXPECT_EQ(narrow.grid.left, 2);

    // Absent entries take no room.
    const Layout bare = LayOutPalette(false, false, Size{60, 13}, kEdge, 96);
    EXPECT_EQ(bare.grid.top, 2);
    EXPECT_EQ(bare.window.height, 94);
}

TEST(ColorPaletteLayout, AtEveryDpiTheBoxesTileTheGridAndEveryPixelHitsItsEntry)
{
    const Layout at96 = LayOutPalette(true, true, Size{60, 13}, kEdge, 96);
    for (int dpi : kDpis) {
        auto scale = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
        for (int entries = 0; entries < 4; ++entries) {
            const bool automatic = (entries & 1) != 0;
            const bool custom = (entries & 2) != 0;
            // The palette font and the system's edges grow with the DPI too.
            const Size edge{scale(kEdge.width), scale(kEdge.height)};
            const Layout layout = LayOutPalette(automatic, custom, Size{scale(60), scale(13)}, edge, dpi);
            SCOPED_TRACE(testing::Message() << dpi << " DPI, entries " << entries);

            for (int size : {layout.boxSize, layout.boxBorder, layout.textPadding}) EXPECT_GT(size, 0);
            EXPECT_LE(std::abs(layout.boxSize - Exact(at96.boxSize, dpi)), 0.5);
            EXPECT_LE(std::abs(layout.boxBorder - Exact(at96.boxBorder, dpi)), 0.5);
            EXPECT_LE(std::abs(layout.textPadding - Exact(at96.textPadding, dpi)), 0.5);

            // Top to bottom without gaps: edge, automatic, grid, custom, edge.
            const int textHeight = scale(13) + 2 * layout.textPadding;
            EXPECT_EQ(layout.automatic.top, edge.height);
            EXPECT_EQ(layout.automatic.Height(), automatic ? textHeight : 0);
            EXPECT_EQ(layout.grid.top, layout.automatic.bottom);
            EXPECT_EQ(layout.grid.Height(), kRows * layout.boxSize);
            EXPECT_EQ(layout.custom.top, layout.grid.bottom);
            EXPECT_EQ(layout.custom.Height(), custom ? textHeight : 0);
            EXPECT_EQ(layout.window.height, layout.custom.bottom + edge.height);
            EXPECT_EQ(layout.window.width, layout.automatic.right + edge.width);
            EXPECT_EQ(layout.grid.left - layout.automatic.left, layout.automatic.right - layout.grid.right);

            // Each box in its row and column, all of one size; every pixel of
            // a box hits it, the corners included.
            for (int index = 0; index < kColorCount; ++index) {
                const Rect box = layout.BoxRect(index);
                EXPECT_EQ(box.Width(), layout.boxSize);
                EXPECT_EQ(box.Height(), layout.boxSize);
                EXPECT_EQ(box.left, layout.grid.left + (index % kColumns) * layout.boxSize);
                EXPECT_EQ(box.top, layout.grid.top + (index / kColumns) * layout.boxSize);
                for (int y = box.top; y < box.bottom; ++y) {
                    for (int x = box.left; x < box.right; ++x) ASSERT_EQ(HitTestPalette(layout, x, y), index);
                }
            }
            EXPECT_EQ(layout.BoxRect(kColorCount - 1).right, layout.grid.right);
            EXPECT_EQ(layout.BoxRect(kColorCount - 1).bottom, layout.grid.bottom);

            // The text entries over their whole width; the edges hit nothing.
            for (int x = layout.automatic.left; x < layout.automatic.right; ++x) {
                EXPECT_EQ(HitTestPalette(layout, x, layout.grid.bottom), custom ? kCustomEntry : kNoEntry);
                EXPECT_EQ(HitTestPalette(layout, x, layout.grid.top - 1), automatic ? kAutomaticEntry : kNoEntry);
                EXPECT_EQ(HitTestPalette(layout, x, 0), kNoEntry);
                EXPECT_EQ(HitTestPalette(layout, x, layout.window.height - 1), kNoEntry);
            }
        }
    }
}

TEST(ColorPickerFace, PartsScaleWithTheDpiAndStayInsideTheButton)
{
    const Rect content96{3, 3, 54, 39};
    const PickerFace at96 = LayOutPickerFace(content96, 96);
    // At 96 DPI: the 7-pixel arrow, the etched line and the swatch as always.
    EXPECT_EQ(at96.arrow[1].x - at96.arrow[0].x, 6);
    EXPECT_EQ(at96.arrow[2].y - at96.arrow[0].y, 3);
    EXPECT_EQ(at96.swatch.left, content96.left + 3);
    EXPECT_EQ(at96.separator.left - at96.swatch.right, 2);
    for (int dpi : kDpis) {
        auto scale = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
        const Rect content{scale(content96.left), scale(content96.top), scale(content96.right),
                           scale(content96.bottom)};
        const PickerFace face = LayOutPickerFace(content, dpi);
        SCOPED_TRACE(dpi);
        for (const Rect& part : {face.focus, face.swatch, face.separator}) {
            EXPECT_GT(part.Width(), 0);
            EXPECT_TRUE(content.Contains(part.left, part.top));
            EXPECT_TRUE(content.Contains(part.right - 1, part.bottom - 1));
        }
        // Each inset and gap between the parts is its size at 96 DPI scaled.
        auto gaps = [](const Rect& inside, const PickerFace& parts) {
            return std::vector<int>{parts.focus.left - inside.left,       parts.swatch.left - inside.left,
                                    parts.swatch.top - inside.top,         inside.bottom - parts.swatch.bottom,
                                    parts.separator.left - parts.swatch.right, parts.arrow[0].x - parts.separator.left,
                                    inside.right - parts.arrow[1].x,       parts.arrow[1].x - parts.arrow[0].x + 1};
        };
        const std::vector<int> scaled = gaps(content, face);
        const std::vector<int> unscaled = gaps(content96, at96);
        for (std::size_t i = 0; i < scaled.size(); ++i)
            EXPECT_LE(std::abs(scaled[i] - Exact(unscaled[i], dpi)), 1.0) << "gap " << i;
        // The arrow: a triangle pointing down with 45-degree slopes, right of
        // the etched line and inside the content.
        const Point* arrow = face.arrow;
        EXPECT_EQ(arrow[0].y, arrow[1].y);
        EXPECT_EQ(arrow[2].x - arrow[0].x, arrow[2].y - arrow[0].y);
        EXPECT_EQ(arrow[1].x - arrow[2].x, arrow[2].y - arrow[0].y);
        EXPECT_GE(arrow[0].x, face.separator.right);
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(content.Contains(arrow[i].x, arrow[i].y));
    }
}

TEST(ColorPaletteLayout, HitTestFindsEntriesAndBoxes)
{
    const Layout layout = LayOutPalette(true, true, Size{60, 13}, kEdge, 96);
    EXPECT_EQ(HitTestPalette(layout, 10, 5), kAutomaticEntry);
    EXPECT_EQ(HitTestPalette(layout, layout.grid.left, layout.grid.top), 0);
    EXPECT_EQ(HitTestPalette(layout, layout.grid.left + 17, layout.grid.top + 17), 0);
    EXPECT_EQ(HitTestPalette(layout, layout.grid.left + 18, layout.grid.top), 1);
    EXPECT_EQ(HitTestPalette(layout, layout.grid.left + 7 * 18 + 3, layout.grid.top + 4 * 18 + 3), 39);
    EXPECT_EQ(HitTestPalette(layout, 10, layout.custom.top + 1), kCustomEntry);
    EXPECT_EQ(HitTestPalette(layout, 0, 0), kNoEntry); // the edge
    EXPECT_EQ(HitTestPalette(layout, -5, 40), kNoEntry);
    EXPECT_EQ(HitTestPalette(layout, 500, 40), kNoEntry);

    const Layout box = layout;
    const Rect r = box.BoxRect(9);
    EXPECT_EQ(r.left, layout.grid.left + 18);
    EXPECT_EQ(r.top, layout.grid.top + 18);
    EXPECT_EQ(HitTestPalette(layout, r.left + 9, r.top + 9), 9);

    // Without an automatic entry its old place belongs to the grid.
    const Layout noAutomatic = LayOutPalette(false, true, Size{60, 13}, kEdge, 96);
    EXPECT_EQ(HitTestPalette(noAutomatic, 10, 5), 0);
}

TEST(ColorPaletteLayout, KeyboardMovesWithAllEntries)
{
    // From no entry.
    EXPECT_EQ(MovePaletteEntry(kNoEntry, -1, true, true), kCustomEntry);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, -8, true, true), kCustomEntry);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, +1, true, true), kAutomaticEntry);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, +8, true, true), kAutomaticEntry);
    // From the text entries.
    EXPECT_EQ(MovePaletteEntry(kAutomaticEntry, -1, true, true), kCustomEntry);
    EXPECT_EQ(MovePaletteEntry(kAutomaticEntry, +8, true, true), 0);
    EXPECT_EQ(MovePaletteEntry(kCustomEntry, -8, true, true), 39);
    EXPECT_EQ(MovePaletteEntry(kCustomEntry, +1, true, true), kAutomaticEntry);
    // Inside the grid and off its ends.
    EXPECT_EQ(MovePaletteEntry(12, +1, true, true), 13);
    EXPECT_EQ(MovePaletteEntry(12, -8, true, true), 4);
    EXPECT_EQ(MovePaletteEntry(12, +8, true, true), 20);
    EXPECT_EQ(MovePaletteEntry(5, -8, true, true), kAutomaticEntry);  // Up from the top row
    EXPECT_EQ(MovePaletteEntry(0, -1, true, true), kAutomaticEntry);
    EXPECT_EQ(MovePaletteEntry(35, +8, true, true), kCustomEntry);    // Down from the bottom row
    EXPECT_EQ(MovePaletteEntry(39, +1, true, true), kCustomEntry);
}

TEST(ColorPaletteLayout, KeyboardMovesSkipAbsentEntries)
{
    // No automatic entry.
    EXPECT_EQ(MovePaletteEntry(5, -8, false, true), kCustomEntry);
    EXPECT_EQ(MovePaletteEntry(kCustomEntry, +1, false, true), 0);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, +1, false, true), 0);
    // No custom entry.
    EXPECT_EQ(MovePaletteEntry(36, +8, true, false), kAutomaticEntry);
    EXPECT_EQ(MovePaletteEntry(kAutomaticEntry, -1, true, false), 39);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, -1, true, false), 39);
    // Neither: the grid wraps around.
    EXPECT_EQ(MovePaletteEntry(3, -8, false, false), 39);
    EXPECT_EQ(MovePaletteEntry(39, +1, false, false), 0);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, -1, false, false), 39);
    EXPECT_EQ(MovePaletteEntry(kNoEntry, +8, false, false), 0);
}

// A screen reader's list of the entries is the keyboard's order: position
// 1 is where a forward move from no entry lands, each next position one
// more forward move; positions and entries map back and forth.
TEST(ColorPaletteLayout, ListPositionsFollowTheKeyboardsForwardOrder)
{
    for (int entries = 0; entries < 4; ++entries) {
        Layout layout;
        layout.hasAutomatic = entries & 1;
        layout.hasCustom = entries & 2;
        int entry = kNoEntry;
        for (int position = 1; position <= kColorCount + 2; ++position) {
            entry = position <= EntryCount(layout) ? MovePaletteEntry(entry, +1, entries & 1, entries & 2) : kNoEntry;
            EXPECT_EQ(EntryAtPosition(layout, position), entry) << entries << " " << position;
            EXPECT_EQ(PositionOfEntry(layout, entry), entry == kNoEntry ? 0 : position);
        }
        EXPECT_EQ(EntryCount(layout), kColorCount + layout.hasAutomatic + layout.hasCustom);
    }
}

// A palette colour by its name without trailing blanks, the automatic
// colour by the given text, any other colour by its numbers.
TEST(PaletteColors, ColoursInWords)
{
    for (const PaletteColor& entry : kPaletteColors) {
        const std::string name = entry.name;
        EXPECT_EQ(ColorInWords(entry.color, "unused"), name.substr(0, name.find_last_not_of(' ') + 1));
    }
    EXPECT_EQ(ColorInWords(kAutomaticColor, "Default"), "Default");
    EXPECT_EQ(ColorInWords(MakeColor(10, 200, 30), "Default"), "red 10, green 200, blue 30");
}

TEST(ColorPaletteLayout, PlacementStaysInsideTheWorkArea)
{
    const Rect work{0, 0, 1280, 1000};
    const Size window{150, 140};

    const Rect normal = PlacePalette(Rect{100, 100, 150, 126}, window, work);
    EXPECT_EQ(normal.left, 100);
    EXPECT_EQ(normal.top, 126);
    EXPECT_EQ(normal.Width(), 150);
    EXPECT_EQ(normal.Height(), 140);

    const Rect right = PlacePalette(Rect{1200, 100, 1250, 126}, window, work);
    EXPECT_EQ(right.right, 1280);
    EXPECT_EQ(right.top, 126);

    const Rect left = PlacePalette(Rect{-40, 100, 10, 126}, window, Rect{0, 0, 1280, 1000});
    EXPECT_EQ(left.left, 0);

    // Near the bottom it opens above the button.
    const Rect above = PlacePalette(Rect{100, 900, 150, 926}, window, work);
    EXPECT_EQ(above.bottom, 900);
    EXPECT_EQ(above.top, 760);
    EXPECT_EQ(above.left, 100);

    // A work area that does not start at the origin (a second monitor).
    const Rect second = PlacePalette(Rect{1500, 100, 1550, 126}, window, Rect{1280, 0, 1600, 800});
    EXPECT_EQ(second.right, 1600);
    EXPECT_EQ(second.left, 1450);
}
