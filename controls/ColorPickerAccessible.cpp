#include "controls/ColorPickerAccessible.h"

#include "controls/ColorPickerButton.h"

ColorPickerAccessible::ColorPickerAccessible(const ColorPickerButton& button)
    : AccessibleObject(button.Handle()), button_(button)
{
}

std::optional<std::wstring> ColorPickerAccessible::Name(long) const
{
    // Without a name of its own the button keeps what the system finds.
    if (button_.GetAccessibleName().empty()) return std::nullopt;
    return button_.GetAccessibleName();
}

std::optional<std::wstring> ColorPickerAccessible::Value(long) const
{
    return button_.ColorInWords();
}

std::optional<long> ColorPickerAccessible::Role(long) const
{
    return ROLE_SYSTEM_BUTTONDROPDOWN;
}

std::optional<long> ColorPickerAccessible::State(long) const
{
    long state = StandardState() | STATE_SYSTEM_HASPOPUP;
    if (button_.IsPaletteOpen()) state |= STATE_SYSTEM_EXPANDED;
    return state;
}
