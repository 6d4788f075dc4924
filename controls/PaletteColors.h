// The 40 named colours of the colour picker's palette, in display order
// (8 columns, filled row by row).
#pragma once

#include <string>

#include "style/ColorValue.h"

struct PaletteColor {
    const char* name; // the tooltip of the colour's box
    ColorValue color;
};

constexpr int kPaletteColorCount = 40;

extern const PaletteColor kPaletteColors[kPaletteColorCount];

constexpr ColorValue MakeColor(int red, int green, int blue)
{
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) |
           (static_cast<ColorValue>(blue) << 16);
}

// A colour as a screen reader says it: the palette's name for one of its 40
// colours (without the blanks around it), automaticText for the automatic
// colour, and otherwise its numbers, "red 10, green 200, blue 30".
std::string ColorInWords(ColorValue color, const std::string& automaticText);
