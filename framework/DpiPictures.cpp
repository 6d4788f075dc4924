#include "framework/DpiPictures.h"

#include <algorithm>
#include <cmath>

#include "framework/Dpi.h"
#include "framework/GdiHandles.h"

namespace {

// The drawing for the smallest scale at or above dpi, else the largest.
const PictureDrawing& DrawingFor(const PictureDescription& picture, int dpi)
{
    const PictureDrawing* largest = &picture.drawings[0];
    for (const PictureDrawing& drawing : picture.drawings) {
        if (drawing.resourceId == 0) break;
        if (drawing.dpi >= dpi) return drawing;
        largest = &drawing;
    }
    return *largest;
}

// A COLORREF (0x00BBGGRR) as the pixels are read (0x00RRGGBB).
std::uint32_t PixelColour(COLORREF colour)
{
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

bool ReadPixels(HBITMAP bitmap, PicturePixels& out)
{
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;  // rows from the top
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    out.width = info.bmWidth;
    out.height = info.bmHeight;
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0);
    WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(out.height), out.pixels.data(), &header,
                  DIB_RGB_COLORS) != out.height)
        return false;
    for (std::uint32_t& pixel : out.pixels) pixel &= 0xFFFFFF;
    return true;
}

// A bottom-up 24-bit DIB section, as LoadImage makes of a 24-bit resource.
HBITMAP MakeBitmap(const PicturePixels& picture)
{
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = picture.width;
    header.bmiHeader.biHeight = picture.height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return bitmap;
    const size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~static_cast<size_t>(3);
    auto* bytes = static_cast<BYTE*>(bits);
    for (int y = 0; y < picture.height; ++y) {
        BYTE* line = bytes + stride * static_cast<size_t>(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            line[x * 3] = static_cast<BYTE>(pixel);
            line[x * 3 + 1] = static_cast<BYTE>(pixel >> 8);
            line[x * 3 + 2] = static_cast<BYTE>(pixel >> 16);
        }
    }
    GdiFlush();
    return bitmap;
}

// The source pixels a target pixel covers along one axis, with the part of
// each that lies under it (in target pixels, so the parts add up to one).
struct Span {
    int first;
    int last;   // inclusive
    double start;
    double end;
};

Span Cover(int target, int targetSize, int sourceSize)
{
    const double ratio = static_cast<double>(sourceSize) / targetSize;
    Span span;
    span.start = target * ratio;
    span.end = (target + 1) * ratio;
    span.first = static_cast<int>(std::floor(span.start));
    span.last = std::min(static_cast<int>(std::ceil(span.end)) - 1, sourceSize - 1);
    return span;
}

double Overlap(const Span& span, int source)
{
    const double low = std::max(span.start, static_cast<double>(source));
    const double high = std::min(span.end, static_cast<double>(source + 1));
    return std::max(0.0, high - low);
}

} // namespace

namespace {

bool IsPictureStatic(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

void ShowPicturesForDpi(HWND window, const PictureDescription& picture, int dpi)
{
    const SIZE size = PictureSizeForDpi(picture, dpi);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPictureStatic(child)) continue;
        BITMAP shown{};
        const auto current = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        if (current && GetObjectW(current, sizeof shown, &shown) && shown.bmWidth == size.cx &&
            shown.bmHeight == size.cy)
            continue;
        HBITMAP bitmap = LoadPictureForDpi(picture, dpi);
        if (!bitmap) continue;
        GdiObject<HBITMAP> previous(reinterpret_cast<HBITMAP>(
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap))));
    }
}

void ReleaseShownPictures(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPictureStatic(child)) continue;
        GdiObject<HBITMAP> shown(reinterpret_cast<HBITMAP>(SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, 0)));
    }
}

PicturePixels ResizePicture(const PicturePixels& source, int across, int cellWidth, int cellHeight, bool masked,
                            std::uint32_t mask)
{
    PicturePixels out;
    if (across <= 0 || cellWidth <= 0 || cellHeight <= 0 || source.width < across || source.height <= 0 ||
        source.pixels.size() != static_cast<size_t>(source.width) * source.height)
        return out;
    out.width = cellWidth * across;
    out.height = cellHeight;
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, mask);
    const int sourceCell = source.width / across;
    for (int y = 0; y < cellHeight; ++y) {
        const Span rows = Cover(y, cellHeight, source.height);
        for (int x = 0; x < out.width; ++x) {
            const int cell = x / cellWidth;
            const Span columns = Cover(x % cellWidth, cellWidth, sourceCell);
            double sum[3] = {0, 0, 0};
            double drawn = 0;
            double total = 0;
            for (int sy = rows.first; sy <= rows.last; ++sy) {
                const double wy = Overlap(rows, sy);
                for (int sx = columns.first; sx <= columns.last; ++sx) {
                    const double weight = wy * Overlap(columns, sx);
                    total += weight;
                    const std::uint32_t pixel =
                        source.pixels[static_cast<size_t>(sy) * source.width + cell * sourceCell + sx];
                    if (masked && pixel == mask) continue;
                    drawn += weight;
                    sum[0] += weight * ((pixel >> 16) & 0xFF);
                    sum[1] += weight * ((pixel >> 8) & 0xFF);
                    sum[2] += weight * (pixel & 0xFF);
                }
            }
            // Mostly background stays background, so that no grey fringe
            // shows once the mask colour is made transparent.
            if (drawn <= 0 || drawn * 2 < total) continue;
            std::uint32_t mean = 0;
            for (double channel : sum)
                mean = (mean << 8) | static_cast<std::uint32_t>(std::lround(std::min(255.0, channel / drawn)));
            if (masked && mean == mask) mean ^= 1;
            out.pixels[static_cast<size_t>(y) * out.width + x] = mean;
        }
    }
    return out;
}

SIZE PictureSizeForDpi(const PictureDescription& picture, int dpi)
{
    return SIZE{ScaleForDpi(picture.width, dpi), ScaleForDpi(picture.height, dpi)};
}

HBITMAP LoadPictureForDpi(const PictureDescription& picture, int dpi)
{
    if (dpi <= 0) dpi = kDefaultDpi;
    const SIZE size = PictureSizeForDpi(picture, dpi);
    const int resourceId = DrawingFor(picture, dpi).resourceId;
    if (size.cx <= 0 || size.cy <= 0 || picture.across <= 0 || resourceId == 0) return nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    GdiObject<HBITMAP> drawn(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!drawn) return nullptr;
    BITMAP info{};
    if (!GetObjectW(drawn.Get(), sizeof info, &info)) return nullptr;
    // A DPI the picture was drawn for: that drawing as it is.
    if (info.bmWidth == size.cx * picture.across && info.bmHeight == size.cy) return drawn.Release();
    PicturePixels pixels;
    if (!ReadPixels(drawn.Get(), pixels)) return nullptr;
    const PicturePixels resized = ResizePicture(pixels, picture.across, size.cx, size.cy, picture.masked,
                                                PixelColour(picture.maskColour));
    return resized.pixels.empty() ? nullptr : MakeBitmap(resized);
}

HIMAGELIST LoadPictureListForDpi(const PictureDescription& picture, int dpi)
{
    GdiObject<HBITMAP> strip(LoadPictureForDpi(picture, dpi));
    if (!strip) return nullptr;
    const SIZE size = PictureSizeForDpi(picture, dpi);
    HIMAGELIST images =
        ImageList_Create(size.cx, size.cy, ILC_COLOR24 | (picture.masked ? ILC_MASK : 0), picture.across, 0);
    if (!images) return nullptr;
    if (picture.masked)
        ImageList_AddMasked(images, strip.Get(), picture.maskColour);
    else
        ImageList_Add(images, strip.Get(), nullptr);
    return images;
}
