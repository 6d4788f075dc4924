// Arithmetic of the tab strip that needs no window: the sizes of its parts
// for a display's DPI, the strip height, the colours derived from the system
// colours, the run of tabs, the scroll buttons and scrolling. Colours are
// 0x00BBGGRR values; positions in pixels of the strip's display.
#pragma once

#include <cstdint>
#include <vector>

namespace tabstrip {

// The fixed sizes of the strip, given at 96 DPI and scaled to the DPI of the
// strip's window. Lines stay one pixel wide at every DPI, as the system's
// own borders do.
struct Metrics {
    int dpi = 96;
    int defaultHeight = 24;  // the tab area height until the font is known
    int scrollStep = 40;     // pixels per scroll step
    int scrollMargin = 20;   // room left beside a tab scrolled into view
    int buttonWidth = 16;    // each scroll button
    int buttonGap = 2;       // between the visible tabs and the scroll buttons
    int titlePadding = 10;   // on each side of a title
    int imageSize = 16;      // a tab's image, square
    int imageGap = 4;        // between a tab's image and its title
    int separatorInset = 4;  // a flat tab's separator ends this far from the strip's edges
    int selectedInset = 2;   // the selected tab stands back from the strip's outer edge
    int arrowHalfWidth = 2;  // a scroll arrow reaches this far left and right of the middle
    int arrowHalfHeight = 4; // and this far above and below it
};

// Every size above scaled from 96 DPI to dpi (96 gives them unchanged).
Metrics MetricsForDpi(int dpi);

// (24 x ascent / 11 rounded - 24) / 2 + 24: an 11-pixel ascent gives 24.
// The ratio 24 / 11 is the same at every DPI (the ascent grows with it); the
// 24 pixels that the height is pulled towards are the DPI's default height.
int StripHeight(int ascent, const Metrics& metrics);

// A tab's width for the width of its title (drawn as it would be selected).
int TabWidth(int titleWidth, bool hasImage, const Metrics& metrics);

// A stretch of the strip from left to right, over its whole height.
struct Span {
    int left = 0;
    int right = 0;
    bool operator==(const Span& other) const { return left == other.left && right == other.right; }
};

// Where the scroll buttons go and how far the tabs are scrolled, for a strip
// of the given width whose tabs end at tabsEnd (unscrolled). The buttons
// show only when the strip has them (scrollButtons) and the tabs do not fit;
// without them nothing is scrolled.
struct StripLayout {
    bool buttonsShown = false;
    Span scrollLeft;  // empty when not shown
    Span scrollRight;
    int visibleWidth = 0; // the tabs are clipped to [0, visibleWidth)
    int offset = 0;
    bool canScrollLeft = false;
    bool canScrollRight = false;
};
StripLayout LayOutStrip(int width, int tabsEnd, bool scrollButtons, int offset, const Metrics& metrics);

struct Point {
    int x = 0;
    int y = 0;
};
// The three corners of a scroll button's arrow, for a button from left to
// right and top to bottom.
struct Arrow {
    Point corners[3];
};
Arrow ScrollArrow(Span button, int top, int bottom, bool pointsLeft, const Metrics& metrics);

// The background: the button-face colour lightened by 35 (or by 255 - m
// when its brightest channel m is above 220), in proportion to each channel.
std::uint32_t LightenedBackground(std::uint32_t buttonFace);

// The scroll-arrow and close-cross colour: the grey-text colour darkened.
std::uint32_t DarkenedGlyphs(std::uint32_t grayText);

// Left edges of tabs of the given widths laid side by side from x = 0;
// one more entry than widths: the end of the last tab.
std::vector<int> TabEdges(const std::vector<int>& widths);

// The tab under x (in strip coordinates, before the scroll offset is
// applied to the edges), or -1.
int HitTestTabs(const std::vector<int>& edges, int offset, int x);

// The scroll offset is zero or negative: the tabs are drawn shifted by it.
bool CanScrollLeft(int offset);
bool CanScrollRight(int offset, int tabsEnd, int visibleWidth);
int ScrollLeftOnce(int offset, const Metrics& metrics);
int ScrollRightOnce(int offset, const Metrics& metrics);

// The offset kept within its range: never above 0 (no blank before the first
// tab) and never so low that more than the scroll margin stays blank after
// the last tab, while tabs are hidden on the left. Applied after every
// layout and every scroll.
int ClampOffset(int offset, int tabsEnd, int visibleWidth, const Metrics& metrics);

// The offset that brings [tabLeft, tabRight) into the visible width with the
// scroll margin to spare; the offset unchanged when it is already in view,
// or when nothing is visible (a width of 0 or less).
int ScrollIntoView(int offset, int tabLeft, int tabRight, int visibleWidth, const Metrics& metrics);

} // namespace tabstrip
