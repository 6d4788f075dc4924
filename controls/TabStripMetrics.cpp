#include "controls/TabStripMetrics.h"

#include <algorithm>
#include <cmath>

#include "framework/DpiScale.h"

namespace tabstrip {

namespace {

int Red(std::uint32_t color) { return static_cast<int>(color & 0xFF); }
int Green(std::uint32_t color) { return static_cast<int>((color >> 8) & 0xFF); }
int Blue(std::uint32_t color) { return static_cast<int>((color >> 16) & 0xFF); }

std::uint32_t Compose(int red, int green, int blue)
{
    auto clamp = [](int value) { return static_cast<std::uint32_t>(std::min(255, std::max(0, value))); };
    return clamp(red) | (clamp(green) << 8) | (clamp(blue) << 16);
}

// numerator / denominator rounded half up, for non-negative values.
int RoundedQuotient(int numerator, int denominator)
{
    return (2 * numerator + denominator) / (2 * denominator);
}

} // namespace

Metrics MetricsForDpi(int dpi)
{
    const Metrics base;
    auto scale = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
    Metrics metrics;
    metrics.dpi = dpi;
    metrics.defaultHeight = scale(base.defaultHeight);
    metrics.scrollStep = scale(base.scrollStep);
    metrics.scrollMargin = scale(base.scrollMargin);
    metrics.buttonWidth = scale(base.buttonWidth);
    metrics.buttonGap = scale(base.buttonGap);
    metrics.titlePadding = scale(base.titlePadding);
    metrics.imageSize = scale(base.imageSize);
    metrics.imageGap = scale(base.imageGap);
    metrics.separatorInset = scale(base.separatorInset);
    metrics.selectedInset = scale(base.selectedInset);
    metrics.arrowHalfWidth = scale(base.arrowHalfWidth);
    metrics.arrowHalfHeight = scale(base.arrowHalfHeight);
    return metrics;
}

int StripHeight(int ascent, const Metrics& metrics)
{
    const int scaled = static_cast<int>(std::lround(24.0 * ascent / 11.0));
    return (scaled - metrics.defaultHeight) / 2 + metrics.defaultHeight;
}

int TabWidth(int titleWidth, bool hasImage, const Metrics& metrics)
{
    return titleWidth + 2 * metrics.titlePadding + (hasImage ? metrics.imageSize + metrics.imageGap : 0);
}

StripLayout LayOutStrip(int width, int tabsEnd, bool scrollButtons, int offset, const Metrics& metrics)
{
    StripLayout layout;
    layout.buttonsShown = scrollButtons && tabsEnd > width;
    if (layout.buttonsShown) {
        layout.scrollRight = Span{width - metrics.buttonWidth, width};
        layout.scrollLeft = Span{width - 2 * metrics.buttonWidth, width - metrics.buttonWidth};
        layout.visibleWidth = std::max(0, width - 2 * metrics.buttonWidth - metrics.buttonGap);
        layout.offset = ClampOffset(offset, tabsEnd, layout.visibleWidth, metrics);
        layout.canScrollLeft = CanScrollLeft(layout.offset);
        layout.canScrollRight = CanScrollRight(layout.offset, tabsEnd, layout.visibleWidth);
    } else {
        layout.visibleWidth = width;
    }
    return layout;
}

Arrow ScrollArrow(Span button, int top, int bottom, bool pointsLeft, const Metrics& metrics)
{
    const int middleX = (button.left + button.right) / 2;
    const int middleY = (top + bottom) / 2;
    const int back = pointsLeft ? middleX + metrics.arrowHalfWidth : middleX - metrics.arrowHalfWidth;
    const int tip = pointsLeft ? middleX - metrics.arrowHalfWidth : middleX + metrics.arrowHalfWidth;
    return Arrow{{{back, middleY - metrics.arrowHalfHeight}, {back, middleY + metrics.arrowHalfHeight}, {tip, middleY}}};
}

std::uint32_t LightenedBackground(std::uint32_t buttonFace)
{
    const int channels[3] = {Red(buttonFace), Green(buttonFace), Blue(buttonFace)};
    const int brightest = std::max({channels[0], channels[1], channels[2]});
    const int lift = brightest > 220 ? 255 - brightest : 35;
    int result[3];
    for (int i = 0; i < 3; ++i) {
        const int x = channels[i];
        result[i] = brightest == 0 ? x + lift : x + RoundedQuotient(lift * x, brightest);
    }
    return Compose(result[0], result[1], result[2]);
}

std::uint32_t DarkenedGlyphs(std::uint32_t grayText)
{
    const int channels[3] = {Red(grayText), Green(grayText), Blue(grayText)};
    const int brightest = std::max({channels[0], channels[1], channels[2]});
    int result[3];
    for (int i = 0; i < 3; ++i) {
        const int x = channels[i];
        result[i] = x > 42 ? x - RoundedQuotient(43 * x, brightest) : x / 2;
    }
    return Compose(result[0], result[1], result[2]);
}

std::vector<int> TabEdges(const std::vector<int>& widths)
{
    std::vector<int> edges;
    edges.reserve(widths.size() + 1);
    int x = 0;
    edges.push_back(x);
    for (int width : widths) {
        x += width;
        edges.push_back(x);
    }
    return edges;
}

int HitTestTabs(const std::vector<int>& edges, int offset, int x)
{
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        if (x >= edges[i] + offset && x < edges[i + 1] + offset) return static_cast<int>(i);
    }
    return -1;
}

bool CanScrollLeft(int offset)
{
    return offset < 0;
}

bool CanScrollRight(int offset, int tabsEnd, int visibleWidth)
{
    return tabsEnd + offset > visibleWidth;
}

int ScrollLeftOnce(int offset, const Metrics& metrics)
{
    return std::min(0, offset + metrics.scrollStep);
}

int ScrollRightOnce(int offset, const Metrics& metrics)
{
    return offset - metrics.scrollStep;
}

int ClampOffset(int offset, int tabsEnd, int visibleWidth, const Metrics& metrics)
{
    const int lowest = std::min(0, visibleWidth - tabsEnd - metrics.scrollMargin);
    return std::min(0, std::max(offset, lowest));
}

int ScrollIntoView(int offset, int tabLeft, int tabRight, int visibleWidth, const Metrics& metrics)
{
    const int margin = metrics.scrollMargin;
    // A strip without width yet (its container not laid out) shows no tab:
    // there is nothing to bring into view, and the offset must not push the
    // selected tab out of sight once the strip gets its width.
    if (visibleWidth <= 0) return offset;
    if (tabLeft + offset < 0) return std::min(0, margin - tabLeft);
    if (tabRight + offset > visibleWidth) return std::min(0, visibleWidth - tabRight - margin);
    return offset;
}

} // namespace tabstrip
