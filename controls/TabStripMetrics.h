// Arithmetic of the tab strip that needs no window: the strip height, the
// colours derived from the system colours, the run of tabs and scrolling.
// Colours are 0x00BBGGRR values; positions in pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace tabstrip {

constexpr int kDefaultStripHeight = 24; // also the tab area height until the font is known
constexpr int kScrollStep = 40;          // pixels per scroll step
constexpr int kScrollMargin = 20;        // room left beside a tab scrolled into view

// (24 x ascent / 11 rounded - 24) / 2 + 24: an 11-pixel ascent gives 24.
int StripHeight(int ascent);

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
int ScrollLeftOnce(int offset);
int ScrollRightOnce(int offset);

// The offset kept within its range: never above 0 (no blank before the first
// tab) and never so low that more than kScrollMargin pixels stay blank after
// the last tab, while tabs are hidden on the left. Applied after every
// layout and every scroll.
int ClampOffset(int offset, int tabsEnd, int visibleWidth);

// The offset that brings [tabLeft, tabRight) into the visible width with
// kScrollMargin to spare; the offset unchanged when it is already in view,
// or when nothing is visible (a width of 0 or less).
int ScrollIntoView(int offset, int tabLeft, int tabRight, int visibleWidth);

} // namespace tabstrip
