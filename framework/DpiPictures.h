// Pictures for the DPI of the window that shows them, as their callers
// describe them: a bitmap resource drawn at several scales (100 %, 150 %,
// 200 %, 300 %, say). For a DPI the drawing for the nearest scale at or above it is
// taken and, when it is larger than the DPI asks, reduced smoothly to the
// size for that DPI; above the largest scale the largest drawing is
// enlarged. At a scale it was drawn for, the drawing comes unchanged.
//
// A picture made of several equal pictures side by side (a toolbar's
// buttons, a button's states) is scaled picture by picture, so that each
// keeps exactly the size ScaleForDpi gives for one.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

// One drawing of a picture: the bitmap resource drawn for a DPI.
struct PictureDrawing {
    int dpi = 0;
    int resourceId = 0;
};

struct PictureDescription {
    static constexpr int kMostDrawings = 4;

    int width = 0;   // of one picture, in pixels at 96 DPI
    int height = 0;
    int across = 1;  // equal pictures side by side in the bitmap
    // Whether maskColour marks the background (drawn transparent where the
    // picture goes into an image list).
    bool masked = false;
    COLORREF maskColour = RGB(192, 192, 192);
    // In growing order of DPI, the first one at 96 DPI; unused ones are {}.
    PictureDrawing drawings[kMostDrawings];
};

// The size of one of the picture's pictures at dpi (for a toolbar strip one
// button's picture).
SIZE PictureSizeForDpi(const PictureDescription& picture, int dpi);

// The picture for dpi: a 24-bit DIB section of PictureSizeForDpi times the
// number of pictures across. The caller owns it. nullptr when a resource is
// missing or the description gives no size.
HBITMAP LoadPictureForDpi(const PictureDescription& picture, int dpi);

// The pictures across, for dpi, as an image list of 24-bit images (masked by
// the mask colour where the picture is masked). The caller owns it. nullptr
// when the picture or the list cannot be made.
HIMAGELIST LoadPictureListForDpi(const PictureDescription& picture, int dpi);

// Gives every picture static (SS_BITMAP) among window's children the picture
// for dpi, in place of the bitmap it has (the one its template loaded),
// which is deleted. A static whose bitmap already has the size for dpi keeps
// it, so at 96 DPI the template's bitmap stays.
void ShowPicturesForDpi(HWND window, const PictureDescription& picture, int dpi);
// Takes the bitmaps from the picture statics among window's children and
// deletes them: a static does not delete its bitmap when it ends, neither
// the one its template loaded nor one it was given.
void ReleaseShownPictures(HWND window);

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
