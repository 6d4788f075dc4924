#include "controls/VisualStyles.h"

#include "framework/SystemLibraries.h"

namespace {

template <class F>
F Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

const VisualStyles& VisualStyles::Get()
{
    static const VisualStyles library;
    return library;
}

VisualStyles::VisualStyles()
{
    // From the system folder only: a library of that name beside the
    // program is never loaded.
    HMODULE module = LoadSystemLibrary(L"uxtheme.dll");
    if (!module) return;
    openThemeData_ = Lookup<OpenThemeDataFn>(module, "OpenThemeData");
    openThemeDataForDpi_ = Lookup<OpenThemeDataForDpiFn>(module, "OpenThemeDataForDpi");
    closeThemeData_ = Lookup<CloseThemeDataFn>(module, "CloseThemeData");
    drawThemeBackground_ = Lookup<DrawThemeBackgroundFn>(module, "DrawThemeBackground");
    drawThemeParentBackground_ = Lookup<DrawThemeParentBackgroundFn>(module, "DrawThemeParentBackground");
    isPartiallyTransparent_ = Lookup<IsPartiallyTransparentFn>(module, "IsThemeBackgroundPartiallyTransparent");
    getContentRect_ = Lookup<GetContentRectFn>(module, "GetThemeBackgroundContentRect");
    getColor_ = Lookup<GetColorFn>(module, "GetThemeColor");
    if (!openThemeData_ || !closeThemeData_ || !drawThemeBackground_ || !getContentRect_) openThemeData_ = nullptr;
}

HANDLE VisualStyles::Open(HWND window, const wchar_t* classList, int dpi) const
{
    if (!openThemeData_) return nullptr;
    if (dpi > 0 && openThemeDataForDpi_) return openThemeDataForDpi_(window, classList, static_cast<UINT>(dpi));
    return openThemeData_(window, classList);
}

bool VisualStyles::TextColor(HANDLE theme, int part, int state, COLORREF& color) const
{
    constexpr int kTextColorProperty = 3803; // TMT_TEXTCOLOR
    return theme && getColor_ && SUCCEEDED(getColor_(theme, part, state, kTextColorProperty, &color));
}

void VisualStyles::Close(HANDLE theme) const
{
    if (theme && closeThemeData_) closeThemeData_(theme);
}

void VisualStyles::DrawBackground(HANDLE theme, HWND window, HDC dc, int part, int state, const RECT& rect) const
{
    if (!theme) return;
    if (isPartiallyTransparent_ && drawThemeParentBackground_ && isPartiallyTransparent_(theme, part, state))
        drawThemeParentBackground_(window, dc, &rect);
    drawThemeBackground_(theme, dc, part, state, &rect, nullptr);
}

RECT VisualStyles::ContentRect(HANDLE theme, HDC dc, int part, int state, const RECT& rect) const
{
    RECT content = rect;
    if (theme && getContentRect_) getContentRect_(theme, dc, part, state, &rect, &content);
    return content;
}

void ThemeHandle::Open(HWND window, const wchar_t* classList, int dpi)
{
    Reset();
    theme_ = VisualStyles::Get().Open(window, classList, dpi);
}

void ThemeHandle::Reset()
{
    if (theme_) VisualStyles::Get().Close(theme_);
    theme_ = nullptr;
}
