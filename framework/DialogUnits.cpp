#include "framework/DialogUnits.h"

#include "framework/GdiHandles.h"

HFONT MakeDialogFont(const DialogFontDescription& font, int dpi)
{
    if (font.pointSize <= 0 || dpi <= 0) return nullptr;
    LOGFONTW logFont{};
    logFont.lfHeight = -MulDiv(font.pointSize, dpi, 72);
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = PROOF_QUALITY;
    lstrcpynW(logFont.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&logFont);
}

DialogBaseUnits BaseUnitsOf(HFONT font)
{
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    WindowDC screen(nullptr);
    if (!screen.Get() || !font) return {};
    SelectedObject selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    SIZE extent{};
    if (!GetTextMetricsW(screen.Get(), &metrics) || !GetTextExtentPoint32W(screen.Get(), kLetters, 52, &extent))
        return {};
    return {static_cast<int>((extent.cx / 26 + 1) / 2), static_cast<int>(metrics.tmHeight)};
}

DialogBaseUnits BaseUnitsOfDialog(HWND dialog)
{
    RECT units{0, 0, 4, 8};
    if (!dialog || !MapDialogRect(dialog, &units)) return {};
    return {static_cast<int>(units.right), static_cast<int>(units.bottom)};
}

RECT DialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits units)
{
    const int left = MulDiv(x, units.x, 4);
    const int top = MulDiv(y, units.y, 8);
    return {left, top, left + MulDiv(width, units.x, 4), top + MulDiv(height, units.y, 8)};
}
