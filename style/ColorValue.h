// A colour as the program passes it between the colour picker buttons, the
// section pages and the property handlers: 0x00BBGGRR, bits 0-7 red, 8-15
// green, 16-23 blue, the layout of the Windows COLORREF. The controls and the
// portable core share this one definition, so neither needs the other.
#pragma once

#include <cstdint>

using ColorValue = std::uint32_t;

// The colour a colour picker button holds while its automatic entry is
// chosen; the property handlers write the property's literal value for it.
constexpr ColorValue kAutomaticColor = 0xFF000000;
