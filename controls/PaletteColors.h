// The 40 named colours of the colour picker's palette, in display order
// (8 columns, filled row by row). Colours are 0x00BBGGRR values.
#pragma once

#include <cstdint>

#include "sections/PageControls.h"

struct PaletteColor {
    const char* name; // the tooltip of the colour's box
    std::uint32_t color;
};

constexpr int kPaletteColorCount = 40;

extern const PaletteColor kPaletteColors[kPaletteColorCount];

// The automatic colour (the user picked the automatic entry) is the one the
// portable core writes as the property's literal value.
using sections::kAutomaticColor;

constexpr std::uint32_t MakeColor(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16);
}
