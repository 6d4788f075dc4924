// The visual-styles library, loaded where it exists ("uxtheme.dll", from the
// system folder only); where it does not, every call reports no theme and
// the caller draws classic. Nothing imports uxtheme.dll directly.
#pragma once

#include <windows.h>

class VisualStyles;

// The theme data of one window, closed when replaced and at the end.
class ThemeHandle {
public:
    ThemeHandle() = default;
    ThemeHandle(const ThemeHandle&) = delete;
    ThemeHandle& operator=(const ThemeHandle&) = delete;
    ~ThemeHandle() { Reset(); }

    HANDLE Get() const { return theme_; }
    explicit operator bool() const { return theme_ != nullptr; }
    // Opens the theme of a window class list for a window (nothing without
    // the library or an active theme); closes the one held before. With a
    // DPI (above 0) its parts are measured for that DPI where the system
    // can do so.
    void Open(HWND window, const wchar_t* classList, int dpi = 0);
    void Reset();

private:
    HANDLE theme_ = nullptr;
};

class VisualStyles {
public:
    // The library of the process, loaded on first use and kept until exit.
    static const VisualStyles& Get();

    bool Available() const { return openThemeData_ != nullptr; }

    // Returns nullptr when there is no library or no active theme. A dpi of
    // 0 takes the window's.
    HANDLE Open(HWND window, const wchar_t* classList, int dpi = 0) const;
    void Close(HANDLE theme) const;
    void DrawBackground(HANDLE theme, HWND window, HDC dc, int part, int state, const RECT& rect) const;
    RECT ContentRect(HANDLE theme, HDC dc, int part, int state, const RECT& rect) const;
    // The colour the theme draws a part's text in; false when it has none.
    bool TextColor(HANDLE theme, int part, int state, COLORREF& color) const;

private:
    VisualStyles();

    using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
    using OpenThemeDataForDpiFn = HANDLE(WINAPI*)(HWND, LPCWSTR, UINT);
    using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
    using DrawThemeParentBackgroundFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
    using IsPartiallyTransparentFn = BOOL(WINAPI*)(HANDLE, int, int);
    using GetContentRectFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, RECT*);
    using GetColorFn = HRESULT(WINAPI*)(HANDLE, int, int, int, COLORREF*);

    OpenThemeDataFn openThemeData_ = nullptr;
    OpenThemeDataForDpiFn openThemeDataForDpi_ = nullptr; // newer systems only
    CloseThemeDataFn closeThemeData_ = nullptr;
    DrawThemeBackgroundFn drawThemeBackground_ = nullptr;
    DrawThemeParentBackgroundFn drawThemeParentBackground_ = nullptr;
    IsPartiallyTransparentFn isPartiallyTransparent_ = nullptr;
    GetContentRectFn getContentRect_ = nullptr;
    GetColorFn getColor_ = nullptr;
};
