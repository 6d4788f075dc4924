#include "framework/DialogDpiLayout.h"

#include "framework/Dpi.h"

namespace {

HFONT FontOf(HWND window)
{
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

} // namespace

bool DialogDpiLayout::Start(HWND dialog, UINT templateId)
{
    if (!dialog || !template_.Load(GetModuleHandleW(nullptr), templateId) || !template_.Adopt(dialog)) return false;
    dialog_ = dialog;
    LayOutDialogWithoutSystemHelp(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        LayOutControlWithoutSystemHelp(child);
    // Placed from the template even where the dialog manager made it for the
    // same DPI: which DPI it took is its own business (the system's, on
    // per-monitor version 1).
    HWND owner = GetWindow(dialog, GW_OWNER);
    Apply(owner ? WindowDpi(owner) : MonitorDpi(dialog));
    return true;
}

void DialogDpiLayout::Apply(int dpi)
{
    const HFONT previousGui = guiFont_ ? guiFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    GdiObject<HFONT> gui(StockFontForDpi(DEFAULT_GUI_FONT, dpi));
    const HFONT nextGui = gui ? gui.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    template_.UseDpi(dpi);
    template_.PlaceControls();
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (FontOf(child) == previousGui) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(nextGui), FALSE);
    guiFont_ = std::move(gui);
    dpi_ = dpi;
    SetDecidedDpi(dialog_, dpi);
    FitClientArea();
    InvalidateRect(dialog_, nullptr, TRUE);
}

void DialogDpiLayout::FitClientArea()
{
    const SIZE wanted = template_.ClientSize();
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT window{}, client{};
        if (!GetWindowRect(dialog_, &window) || !GetClientRect(dialog_, &client)) return;
        if (client.right == wanted.cx && client.bottom == wanted.cy) return;
        SetWindowPos(dialog_, nullptr, 0, 0, window.right - window.left - client.right + wanted.cx,
                     window.bottom - window.top - client.bottom + wanted.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool DialogDpiLayout::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const int dpi = HIWORD(wParam);
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    if (!dialog_ || !IsUsableDpi(dpi) || LOWORD(wParam) != dpi || !suggested ||
        suggested->right <= suggested->left || suggested->bottom <= suggested->top)
        return false;
    SetWindowPos(dialog_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (dpi != dpi_) Apply(dpi);
    return true;
}

bool DialogDpiLayout::OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam) const
{
    const int dpi = static_cast<int>(wParam);
    auto* size = reinterpret_cast<SIZE*>(lParam);
    if (!dialog_ || !size || !IsUsableDpi(dpi)) return false;
    GdiObject<HFONT> font(MakeDialogFont(template_.Font(), dpi));
    const DialogBaseUnits units = BaseUnitsOf(font.Get());
    RECT window{}, client{};
    if (units.x <= 0 || units.y <= 0 || !GetWindowRect(dialog_, &window) || !GetClientRect(dialog_, &client))
        return false;
    // The frame the system draws scales with the DPI.
    const SIZE area = template_.ClientSizeFor(units);
    size->cx = area.cx + MulDiv(window.right - window.left - client.right, dpi, dpi_);
    size->cy = area.cy + MulDiv(window.bottom - window.top - client.bottom, dpi, dpi_);
    return true;
}

void DialogDpiLayout::Finish()
{
    if (dialog_) ForgetDecidedDpi(dialog_);
    dialog_ = nullptr;
}
