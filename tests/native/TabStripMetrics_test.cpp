#include <gtest/gtest.h>

#include "controls/TabStripMetrics.h"

using namespace tabstrip;

TEST(TabStripMetrics, StripHeightFollowsTheFontAscent)
{
    EXPECT_EQ(StripHeight(11), 24);
    EXPECT_EQ(StripHeight(12), 25); // 26 - 24 = 2, halved
    EXPECT_EQ(StripHeight(13), 26); // 28.36 -> 28
    EXPECT_EQ(StripHeight(14), 27); // 30.55 -> 31, (31 - 24) / 2 = 3
    EXPECT_EQ(StripHeight(22), 36);
    EXPECT_EQ(StripHeight(9), 22);  // 19.6 -> 20, (20 - 24) / 2 = -2
}

TEST(TabStripMetrics, BackgroundIsTheButtonFaceLightened)
{
    // A dark face: lifted by 35 in proportion (brightest channel 200).
    EXPECT_EQ(LightenedBackground(0x00C8C8C8u), 0x00EBEBEBu); // 200 + 35 = 235
    // The classic face rgb(212, 208, 200): 212 + 35, 208 + 34.34, 200 + 33.02.
    EXPECT_EQ(LightenedBackground(0x00C8D0D4u), 0x00E9F2F7u);
    // A bright face (brightest 240 > 220) goes up by 15 at most.
    EXPECT_EQ(LightenedBackground(0x00F0F0F0u), 0x00FFFFFFu);
    EXPECT_EQ(LightenedBackground(0x00F0F0E0u), 0x00FFFFEEu); // 224 + 15 * 224 / 240 = 238
    // Black has no brightest channel to scale by.
    EXPECT_EQ(LightenedBackground(0x00000000u), 0x00232323u);
}

TEST(TabStripMetrics, GlyphColourIsTheGreyTextDarkened)
{
    EXPECT_EQ(DarkenedGlyphs(0x00808080u), 0x00555555u); // 128 - 43
    EXPECT_EQ(DarkenedGlyphs(0x006D6D6Du), 0x00424242u); // 109 - 43
    // rgb(200, 40, 100): 200 - 43, 40 halved, 100 - 21.5 rounded up.
    EXPECT_EQ(DarkenedGlyphs(0x006428C8u), 0x004E149Du);
    EXPECT_EQ(DarkenedGlyphs(0x00000000u), 0x00000000u);
}

TEST(TabStripMetrics, TabRunAndHitTest)
{
    const std::vector<int> edges = TabEdges({50, 60, 70});
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[1], 50);
    EXPECT_EQ(edges[3], 180);
    EXPECT_EQ(HitTestTabs(edges, 0, 0), 0);
    EXPECT_EQ(HitTestTabs(edges, 0, 49), 0);
    EXPECT_EQ(HitTestTabs(edges, 0, 50), 1);
    EXPECT_EQ(HitTestTabs(edges, 0, 180), -1);
    EXPECT_EQ(HitTestTabs(edges, -40, 15), 1); // shifted left by 40
    EXPECT_EQ(HitTestTabs(edges, 0, -1), -1);
    EXPECT_EQ(HitTestTabs(TabEdges({}), 0, 5), -1);
}

TEST(TabStripMetrics, ScrollingStepsAndLimits)
{
    EXPECT_FALSE(CanScrollLeft(0));
    EXPECT_TRUE(CanScrollLeft(-40));
    EXPECT_TRUE(CanScrollRight(0, 500, 300));
    EXPECT_FALSE(CanScrollRight(-200, 500, 300));
    EXPECT_TRUE(CanScrollRight(-160, 500, 300));
    EXPECT_EQ(ScrollRightOnce(0), -40);
    EXPECT_EQ(ScrollLeftOnce(-80), -40);
    EXPECT_EQ(ScrollLeftOnce(-25), 0); // never past the first tab
}

TEST(TabStripMetrics, ScrollIntoViewLeavesTwentyPixels)
{
    // Already visible: unchanged.
    EXPECT_EQ(ScrollIntoView(-40, 100, 150, 300), -40);
    // Beyond the right end: its right edge lands 20 pixels inside.
    EXPECT_EQ(ScrollIntoView(0, 400, 480, 300), 300 - 480 - 20);
    // Beyond the left end: its left edge lands 20 pixels inside.
    EXPECT_EQ(ScrollIntoView(-400, 200, 260, 300), -180);
    // The first tab goes back to offset 0, never beyond.
    EXPECT_EQ(ScrollIntoView(-400, 0, 60, 300), 0);
    // A strip not laid out yet keeps its offset.
    EXPECT_EQ(ScrollIntoView(0, 0, 60, 0), 0);
}

TEST(TabStripMetrics, TheOffsetStaysWithinTheTabs)
{
    // 1000 pixels of tabs in 300 visible: from 0 down to 300 - 1000 - 20.
    EXPECT_EQ(ClampOffset(0, 1000, 300), 0);
    EXPECT_EQ(ClampOffset(25, 1000, 300), 0);
    EXPECT_EQ(ClampOffset(-500, 1000, 300), -500);
    EXPECT_EQ(ClampOffset(-719, 1000, 300), -719);
    EXPECT_EQ(ClampOffset(-760, 1000, 300), -720);
    // Scrolling right by steps stops where selecting the last tab stops.
    int offset = 0;
    while (CanScrollRight(offset, 1000, 300)) offset = ClampOffset(ScrollRightOnce(offset), 1000, 300);
    EXPECT_EQ(offset, ScrollIntoView(0, 900, 1000, 300));
    // Wider than the tabs: nothing to scroll.
    EXPECT_EQ(ClampOffset(-200, 1000, 1100), 0);
    // Widened while scrolled to the end: no blank beyond the margin.
    EXPECT_EQ(ClampOffset(-720, 1000, 800), -220);
}
