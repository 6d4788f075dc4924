// Small owners of GDI and common-control handles: each releases its handle
// when it is reset or goes out of scope, so a control cannot forget to.
//
//   GdiObject<HFONT> font_;          font_.Reset(CreateFontIndirectW(&logFont));
//   ImageList images_;               images_.Reset(ImageList_Create(...));
//   IconHandle icon_;                icon_.Reset(LoadImageW(..., IMAGE_ICON, ...));
//   WindowDC dc(window);             // GetDC ... ReleaseDC
//   SelectedObject keep(dc, font);   // SelectObject ... and back
//   FillSolid(dc, rect, color);      // a rectangle in one colour
#pragma once

#include <windows.h>
#include <commctrl.h>

// A GDI object (font, brush, pen, bitmap, palette, region) deleted with
// DeleteObject. Stock objects may be held too: deleting them does nothing.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr)
    {
        if (handle_ && handle_ != handle) DeleteObject(handle_);
        handle_ = handle;
    }
    Handle Release()
    {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    Handle handle_ = nullptr;
};

// An image list of the common controls, destroyed with ImageList_Destroy.
class ImageList {
public:
    ImageList() = default;
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList() { Reset(); }

    HIMAGELIST Get() const { return list_; }
    explicit operator bool() const { return list_ != nullptr; }
    void Reset(HIMAGELIST list = nullptr)
    {
        if (list_ && list_ != list) ImageList_Destroy(list_);
        list_ = list;
    }

private:
    HIMAGELIST list_ = nullptr;
};

// An icon of our own (not a shared one), destroyed with DestroyIcon.
class IconHandle {
public:
    IconHandle() = default;
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    ~IconHandle() { Reset(); }

    HICON Get() const { return icon_; }
    explicit operator bool() const { return icon_ != nullptr; }
    void Reset(HICON icon = nullptr)
    {
        if (icon_ && icon_ != icon) DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// A window's device context (or the screen's, for nullptr) from GetDC,
// released with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC()
    {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context and selects the previous one
// back at the end of the scope (before the object itself is released:
// declare it after the object's owner).
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Fills a rectangle with one colour (through the device context's own
// background colour: no brush is made).
void FillSolid(HDC dc, const RECT& rect, COLORREF color);
// Frames a rectangle with a one-pixel line of one colour.
void FrameSolid(HDC dc, const RECT& rect, COLORREF color);
// A line of one pixel from (x1, y1) up to, not including, (x2, y2).
void DrawSolidLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color);
// A filled polygon in one colour, outline included.
void FillSolidPolygon(HDC dc, const POINT* points, int count, COLORREF color);
