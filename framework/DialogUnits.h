// The dialog manager's measure of a template, for any DPI: the template's
// font made for a display of that DPI, its base units, and dialog units
// turned into pixels as the dialog manager turns them. A dialog made at one
// DPI and shown at another is placed again from its template with these,
// never by scaling the pixels it has, so that rounding cannot add up over
// several changes.
#pragma once

#include <windows.h>

#include <string>

// The font a template names with DS_SETFONT.
struct DialogFontDescription {
    int pointSize = 0;   // 0: the template names none
    int weight = FW_NORMAL;
    bool italic = false;
    std::wstring face;
};

// The width of an average character of the font and the height of its
// characters, in pixels: four dialog units across, eight down.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    bool operator==(const DialogBaseUnits& other) const { return x == other.x && y == other.y; }
    bool operator!=(const DialogBaseUnits& other) const { return !(*this == other); }
};

// The template's font as the dialog manager makes it on a display of dpi:
// the point size at that DPI. The caller owns it; nullptr when the template
// names no font or none can be made.
HFONT MakeDialogFont(const DialogFontDescription& font, int dpi);

// A font's base units as the dialog manager measures them: the mean width
// of the 52 Latin letters, rounded, and the font's height.
DialogBaseUnits BaseUnitsOf(HFONT font);

// The base units a dialog was made with.
DialogBaseUnits BaseUnitsOfDialog(HWND dialog);

// A rectangle of a template (x, y, width, height in dialog units) in pixels:
// each value converted on its own, as the dialog manager converts them.
RECT DialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits units);
