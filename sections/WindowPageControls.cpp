#include "sections/WindowPageControls.h"

#include "sections/ProgramMessages.h"
#include "style/Utf16.h"

#include <commctrl.h>

#include <string>

namespace sections {

// The portable core's copies of the Windows codes, tied to the real values
// here: a wrong copy does not compile.
static_assert(kDeltaPosCode == static_cast<int>(UDN_DELTAPOS), "UDN_DELTAPOS");
static_assert(kSelChangeCode == CBN_SELCHANGE, "CBN_SELCHANGE");
static_assert(kColorChangedCode == static_cast<int>(kColorPickerColorChanged),
              "the colour picker's colour-changed code");

void WindowPageControls::Clear()
{
    controls_.clear();
    buttons_.clear();
}

HWND WindowPageControls::Control(int id) const
{
    const auto found = controls_.find(id);
    if (found != controls_.end()) return found->second;
    const auto button = buttons_.find(id);
    return button != buttons_.end() ? button->second->Handle() : nullptr;
}

ColorPickerButton* WindowPageControls::ColorButton(int id) const
{
    const auto found = buttons_.find(id);
    return found == buttons_.end() ? nullptr : found->second;
}

ColorValue WindowPageControls::ButtonColor(int id) const
{
    const ColorPickerButton* button = ColorButton(id);
    return button ? static_cast<ColorValue>(button->GetColor()) : kAutomaticColor;
}

void WindowPageControls::SetButtonColor(int id, ColorValue color)
{
    if (ColorPickerButton* button = ColorButton(id)) button->SetColor(static_cast<COLORREF>(color));
}

std::string WindowPageControls::ControlText(int id) const
{
    HWND control = Control(id);
    if (!control) return std::string();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return NarrowToUtf8(text);
}

void WindowPageControls::SetControlText(int id, const std::string& text)
{
    if (HWND control = Control(id)) SetWindowTextW(control, WidenUtf8(text).c_str());
}

bool WindowPageControls::IsChecked(int id) const
{
    HWND control = Control(id);
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
}

std::uint32_t WindowPageControls::UpDownRange(int id) const
{
    HWND control = Control(id);
    return control ? static_cast<std::uint32_t>(SendMessageW(control, UDM_GETRANGE, 0, 0)) : 0;
}

void WindowPageControls::EnableControl(int id)
{
    if (HWND control = Control(id)) EnableWindow(control, TRUE);
}

void WindowPageControls::DisableControl(int id)
{
    if (HWND control = Control(id)) EnableWindow(control, FALSE);
}

bool WindowPageControls::IsControlEnabled(int id) const
{
    HWND control = Control(id);
    return control && IsWindowEnabled(control);
}

void WindowPageControls::SendRefresh(StoreResult stored)
{
    if (!mainFrame_ || !IsWindow(mainFrame_)) return;
    SendMessageW(mainFrame_, kPageChangedMessage, 0, 0);
    if (storeNotice_) storeNotice_(stored);
}

} // namespace sections
