// The program's pictures (the toolbar strip, the page picture and the
// donation button) for the DPI of the window that shows them. Each is drawn
// at 100 %, 150 % and 200 % (resources/make-*.py); for a DPI the picture
// drawn for the nearest scale at or above it is taken and, when it is
// larger than the DPI asks, reduced smoothly to the size for that DPI. Above
// 200 % the largest is enlarged. At 96 DPI the 100 % bitmap comes unchanged.
//
// A picture made of several equal pictures side by side (the toolbar's
// five, the donation button's two) is scaled picture by picture, so that
// each keeps exactly the size ScaleForDpi gives for one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The size of one picture of the bitmap pictureId (a 100 % resource id:
// IDB_GP_TOOLBAR, IDB_GP_PAGE_PICTURE or IDB_GP_DONATE) at dpi. For the
// toolbar that is one button's picture, for the donation button one state.
// {0, 0} for an id that is not one of them.
SIZE PictureSizeForDpi(int pictureId, int dpi);

// The bitmap pictureId for dpi: a 24-bit DIB section of PictureSizeForDpi
// times the number of pictures across. The caller owns it. nullptr when the
// id is not one of the program's pictures or a resource is missing.
HBITMAP LoadPictureForDpi(int pictureId, int dpi);

// Gives every picture static (SS_BITMAP) among window's children the
// picture pictureId for dpi, in place of the bitmap it has (the one its
// template loaded), which is deleted. A static whose bitmap already has the
// size for dpi keeps it, so at 96 DPI the template's bitmap stays. The
// static keeps the bitmap it is given: its window deletes it when it ends.
void ShowPicturesForDpi(HWND window, int pictureId, int dpi);

// Pixels as 0x00RRGGBB, rows from the top.
struct PicturePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Resizes a row of `across` equal pictures to pictures of cellWidth x
// cellHeight each, every target pixel the mean of the source area it covers.
// With a mask colour, pixels of that colour are background: a target pixel
// mostly over background stays exactly the mask colour, any other takes the
// mean of the drawn pixels under it and never equals the mask colour.
PicturePixels ResizePicture(const PicturePixels& source, int across, int cellWidth, int cellHeight,
                            bool masked, std::uint32_t mask);
