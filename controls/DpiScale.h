// Pixel sizes of the controls for a display's DPI, without any system
// header, so that the controls' layout arithmetic stays portable. The
// rounding is the system's MulDiv (to nearest, halves away from zero), so a
// size scaled here equals the one framework/Dpi.h's ScaleForDpi gives the
// windows.
#pragma once

#include <cstdint>

namespace controls {

// The DPI at which every size of the controls is given (100 %).
constexpr int kBaseDpi = 96;

constexpr int ScaleToDpi(int pixelsAt96, int dpi)
{
    if (dpi == kBaseDpi) return pixelsAt96;
    const std::int64_t product = static_cast<std::int64_t>(pixelsAt96) * dpi;
    const std::int64_t half = kBaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi));
}

} // namespace controls
