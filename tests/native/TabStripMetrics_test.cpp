#include <gtest/gtest.h>

#include <cmath>

#include "framework/DpiScale.h"
#include "controls/TabStripMetrics.h"

using namespace tabstrip;

namespace {

const Metrics kAt96 = MetricsForDpi(96);
const int kDpis[] = {96, 120, 144, 192};

// Every size of the strip, for checks that go through all of them.
int Metrics::* const kSizes[] = {
    &Metrics::defaultHeight, &Metrics::scrollStep,     &Metrics::scrollMargin,  &Metrics::buttonWidth,
    &Metrics::buttonGap,     &Metrics::titlePadding,   &Metrics::imageSize,     &Metrics::imageGap,
    &Metrics::separatorInset, &Metrics::selectedInset, &Metrics::arrowHalfWidth, &Metrics::arrowHalfHeight,
};

// What a size of 96 DPI is at dpi, unrounded.
double Exact(int at96, int dpi)
{
    return at96 * dpi / 96.0;
}

} // namespace

TEST(TabStripMetrics, StripHeightFollowsTheFontAscent)
{
    EXPECT_EQ(StripHeight(11, kAt96), 24);
    EXPECT_EQ(StripHeight(12, kAt96), 25); // 26 - 24 = 2, halved
    EXPECT_EQ(StripHeight(13, kAt96), 26); // 28.36 -> 28
    EXPECT_EQ(StripHeight(14, kAt96), 27); // 30.55 -> 31, (31 - 24) / 2 = 3
    EXPECT_EQ(StripHeight(22, kAt96), 36);
    EXPECT_EQ(StripHeight(9, kAt96), 22);  // 19.6 -> 20, (20 - 24) / 2 = -2
    EXPECT_EQ(kAt96.defaultHeight, 24);
}

TEST(TabStripMetrics, EverySizeScalesWithTheDpiAndNoneChangesAt96)
{
    const Metrics unscaled;
    for (int Metrics::* size : kSizes) EXPECT_EQ(kAt96.*size, unscaled.*size);
    for (int dpi : kDpis) {
        const Metrics metrics = MetricsForDpi(dpi);
        EXPECT_EQ(metrics.dpi, dpi);
        for (int Metrics::* size : kSizes) {
            EXPECT_LE(std::abs(metrics.*size - Exact(kAt96.*size, dpi)), 0.5) << dpi;
            EXPECT_EQ(metrics.*size, ScaleForDpi(kAt96.*size, dpi));
        }
        // A font whose ascent grows with the DPI gives a strip that grows
        // with it, within a pixel (and what the rounding of the ascent itself
        // adds, at 24 / 11 of it, halved), for every ascent a font may have.
        for (int ascent = 8; ascent <= 24; ++ascent) {
            const int scaledAscent = ScaleForDpi(ascent, dpi);
            const double ascentRounding = std::abs(scaledAscent - Exact(ascent, dpi)) * 12.0 / 11.0;
            EXPECT_LE(std::abs(StripHeight(scaledAscent, metrics) - Exact(StripHeight(ascent, kAt96), dpi)),
                      1.0 + ascentRounding)
                << "ascent " << ascent << " at " << dpi;
        }
    }
}

TEST(TabStripMetrics, ScrollButtonsAndArrowsAtEveryDpi)
{
    for (int dpi : kDpis) {
        const Metrics metrics = MetricsForDpi(dpi);
        const int width = ScaleForDpi(400, dpi);
        const int tabsEnd = 3 * width;
        // Tabs that fit, or a strip without buttons: nothing scrolls.
        for (const StripLayout& still : {LayOutStrip(width, width, true, -50, metrics),
                                         LayOutStrip(width, tabsEnd, false, -50, metrics)}) {
            EXPECT_FALSE(still.buttonsShown);
            EXPECT_EQ(still.visibleWidth, width);
            EXPECT_EQ(still.offset, 0);
            EXPECT_EQ(still.scrollLeft, Span{});
            EXPECT_FALSE(still.canScrollLeft || still.canScrollRight);
        }

        // Too many tabs: the two buttons side by side at the right end, the
        // tabs clipped short of them.
        const StripLayout layout = LayOutStrip(width, tabsEnd, true, 0, metrics);
        ASSERT_TRUE(layout.buttonsShown);
        EXPECT_EQ(layout.scrollRight.right, width);
        EXPECT_EQ(layout.scrollLeft.right, layout.scrollRight.left);
        for (const Span& button : {layout.scrollLeft, layout.scrollRight})
            EXPECT_EQ(button.right - button.left, metrics.buttonWidth);
        EXPECT_EQ(layout.visibleWidth + metrics.buttonGap, layout.scrollLeft.left);
        EXPECT_TRUE(layout.canScrollRight);
        EXPECT_FALSE(layout.canScrollLeft);

        // Stepping right ends with the last tab in view, at most the scroll
        // margin short of the buttons.
        int offset = 0;
        int steps = 0;
        for (StripLayout now = layout; now.canScrollRight; ++steps) {
            EXPECT_EQ(ScrollRightOnce(now.offset, metrics), now.offset - metrics.scrollStep);
            now = LayOutStrip(width, tabsEnd, true, ScrollRightOnce(now.offset, metrics), metrics);
            offset = now.offset;
            EXPECT_TRUE(now.canScrollLeft);
        }
        EXPECT_LE(tabsEnd + offset, layout.visibleWidth);
        EXPECT_GE(tabsEnd + offset, layout.visibleWidth - metrics.scrollMargin);
        // Selecting the last tab puts it the whole margin short of them.
        EXPECT_EQ(tabsEnd + ScrollIntoView(0, tabsEnd - 50, tabsEnd, layout.visibleWidth, metrics),
                  layout.visibleWidth - metrics.scrollMargin);
        EXPECT_GT(steps, 1);

        // The arrows sit in the middle of their buttons, pointing outwards.
        const int height = StripHeight(ScaleForDpi(10, dpi), metrics);
        for (bool pointsLeft : {true, false}) {
            const Span button = pointsLeft ? layout.scrollLeft : layout.scrollRight;
            const Arrow arrow = ScrollArrow(button, 0, height, pointsLeft, metrics);
            const Point& tip = arrow.corners[2];
            for (const Point& corner : arrow.corners) {
                EXPECT_GE(corner.x, button.left);
                EXPECT_LT(corner.x, button.right);
                EXPECT_GE(corner.y, 0);
                EXPECT_LT(corner.y, height);
            }
            EXPECT_EQ(arrow.corners[0].x, arrow.corners[1].x);
            EXPECT_EQ(arrow.corners[1].y - arrow.corners[0].y, 2 * metrics.arrowHalfHeight);
            EXPECT_EQ(tip.y, (arrow.corners[0].y + arrow.corners[1].y) / 2);
            EXPECT_EQ(std::abs(tip.x - arrow.corners[0].x), 2 * metrics.arrowHalfWidth);
            EXPECT_EQ(tip.x < arrow.corners[0].x, pointsLeft);
        }

        // A tab is its title with the padding on both sides, and its image.
        EXPECT_EQ(TabWidth(50, false, metrics) - 50, 2 * metrics.titlePadding);
        EXPECT_EQ(TabWidth(50, true, metrics) - TabWidth(50, false, metrics), metrics.imageSize + metrics.imageGap);
    }
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
    EXPECT_EQ(ScrollRightOnce(0, kAt96), -40);
    EXPECT_EQ(ScrollLeftOnce(-80, kAt96), -40);
    EXPECT_EQ(ScrollLeftOnce(-25, kAt96), 0); // never past the first tab
}

TEST(TabStripMetrics, ScrollIntoViewLeavesTwentyPixels)
{
    // Already visible: unchanged.
    EXPECT_EQ(ScrollIntoView(-40, 100, 150, 300, kAt96), -40);
    // Beyond the right end: its right edge lands 20 pixels inside.
    EXPECT_EQ(ScrollIntoView(0, 400, 480, 300, kAt96), 300 - 480 - 20);
    // Beyond the left end: its left edge lands 20 pixels inside.
    EXPECT_EQ(ScrollIntoView(-400, 200, 260, 300, kAt96), -180);
    // The first tab goes back to offset 0, never beyond.
    EXPECT_EQ(ScrollIntoView(-400, 0, 60, 300, kAt96), 0);
    // A strip not laid out yet keeps its offset.
    EXPECT_EQ(ScrollIntoView(0, 0, 60, 0, kAt96), 0);
}

TEST(TabStripMetrics, TheOffsetStaysWithinTheTabs)
{
    // 1000 pixels of tabs in 300 visible: from 0 down to 300 - 1000 - 20.
    EXPECT_EQ(ClampOffset(0, 1000, 300, kAt96), 0);
    EXPECT_EQ(ClampOffset(25, 1000, 300, kAt96), 0);
    EXPECT_EQ(ClampOffset(-500, 1000, 300, kAt96), -500);
    EXPECT_EQ(ClampOffset(-719, 1000, 300, kAt96), -719);
    EXPECT_EQ(ClampOffset(-760, 1000, 300, kAt96), -720);
    // Wider than the tabs: nothing to scroll.
    EXPECT_EQ(ClampOffset(-200, 1000, 1100, kAt96), 0);
    // Widened while scrolled to the end: no blank beyond the margin.
    EXPECT_EQ(ClampOffset(-720, 1000, 800, kAt96), -220);
}
