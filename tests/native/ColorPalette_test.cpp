#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/ColorPaletteLayout.h"
#include "controls/PaletteColors.h"

using namespace palette;

namespace {

const Size kEdge{2, 2};

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
    const Layout wide = LayOutPalette(true, true, Size{170, 13}, kEdge);
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
    const Layout narrow = LayOutPalette(true, true, Size{60, 13}, kEdge);
    EXPECT_EQ(narrow.window.width, 148);
    EXPECT_EQ(narrow.automatic.Width(), 144);
    EXPECT_EQ(narrow.grid.left, 2);

    // Absent entries take no room.
    const Layout bare = LayOutPalette(false, false, Size{60, 13}, kEdge);
    EXPECT_EQ(bare.grid.top, 2);
    EXPECT_EQ(bare.window.height, 94);
}

TEST(ColorPaletteLayout, HitTestFindsEntriesAndBoxes)
{
    const Layout layout = LayOutPalette(true, true, Size{60, 13}, kEdge);
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
    const Layout noAutomatic = LayOutPalette(false, true, Size{60, 13}, kEdge);
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
