// Sizes given in pixels at 96 DPI (100 %), at another DPI. No system header:
// the portable layout arithmetic (the palette's, the tab strip's) scales
// here, and so do the windows (framework/Dpi.h), so both always agree. The
// rounding is the system's MulDiv: to nearest, halves away from zero.
#pragma once

#include <cstdint>

// The DPI at 100 %.
constexpr int kDefaultDpi = 96;

constexpr int ScaleForDpi(int pixelsAt96, int dpi)
{
    if (dpi == kDefaultDpi) return pixelsAt96;
    const std::int64_t product = static_cast<std::int64_t>(pixelsAt96) * dpi;
    const std::int64_t half = kDefaultDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDefaultDpi : -((-product + half) / kDefaultDpi));
}
