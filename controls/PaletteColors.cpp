#include "controls/PaletteColors.h"

const PaletteColor kPaletteColors[kPaletteColorCount] = {
    {"Black", MakeColor(0, 0, 0)},
    {"Brown", MakeColor(165, 42, 0)},
    {"Dark Olive Green", MakeColor(0, 64, 64)},
    {"Dark Green", MakeColor(0, 85, 0)},
    {"Dark Teal", MakeColor(0, 0, 94)},
    {"Dark blue", MakeColor(0, 0, 139)},
    {"Indigo", MakeColor(75, 0, 130)},
    {"Dark grey", MakeColor(40, 40, 40)},

    {"Dark red", MakeColor(139, 0, 0)},
    {"Orange", MakeColor(255, 104, 32)},
    {"Dark yellow", MakeColor(139, 139, 0)},
    {"Green", MakeColor(0, 147, 0)},
    {"Teal", MakeColor(56, 142, 142)},
    {"Blue", MakeColor(0, 0, 255)},
    {"Blue-grey", MakeColor(123, 123, 192)},
    {"Grey - 40", MakeColor(102, 102, 102)},

    {"Red", MakeColor(255, 0, 0)},
    {"Light orange", MakeColor(255, 173, 91)},
    {"Lime", MakeColor(50, 205, 50)},
    {"Sea green", MakeColor(60, 179, 113)},
    {"Aqua", MakeColor(127, 255, 212)},
    {"Light blue", MakeColor(125, 158, 192)},
    {"Violet", MakeColor(128, 0, 128)},
    {"Grey - 50", MakeColor(127, 127, 127)},

    {"Pink", MakeColor(255, 192, 203)},
    {"Gold", MakeColor(255, 215, 0)},
    {"Yellow", MakeColor(255, 255, 0)},
    {"Bright green", MakeColor(0, 255, 0)},
    {"Turquoise", MakeColor(64, 224, 208)},
    {"Skyblue", MakeColor(192, 255, 255)},
    {"Plum", MakeColor(72, 0, 72)},
    {"Light grey", MakeColor(192, 192, 192)},

    {"Rose", MakeColor(255, 228, 225)},
    {"Tan", MakeColor(210, 180, 140)},
    {"Light yellow", MakeColor(255, 255, 224)},
    {"Pale green ", MakeColor(152, 251, 152)},
    {"Pale turquoise", MakeColor(175, 238, 238)},
    {"Pale blue", MakeColor(104, 131, 139)},
    {"Lavender", MakeColor(230, 230, 250)},
    {"White", MakeColor(255, 255, 255)},
};

std::string ColorInWords(ColorValue color, const std::string& automaticText)
{
    if (color == kAutomaticColor) return automaticText;
    for (const PaletteColor& entry : kPaletteColors) {
        if (entry.color != color) continue;
        std::string name = entry.name;
        name.erase(name.find_last_not_of(' ') + 1);
        name.erase(0, name.find_first_not_of(' '));
        return name;
    }
    const auto channel = [color](int shift) { return std::to_string((color >> shift) & 0xFF); };
    return "red " + channel(0) + ", green " + channel(8) + ", blue " + channel(16);
}
