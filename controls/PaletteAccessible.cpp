#include "controls/PaletteAccessible.h"

#include "controls/ColorPaletteWindow.h"

PaletteAccessible::PaletteAccessible(const ColorPaletteWindow& palette)
    : AccessibleObject(palette.Handle()), palette_(palette)
{
}

long PaletteAccessible::ElementCount() const
{
    return palette::EntryCount(palette_.PaletteLayout());
}

std::optional<std::wstring> PaletteAccessible::Name(long child) const
{
    if (child == CHILDID_SELF) return std::nullopt;
    return palette_.EntryName(palette::EntryAtPosition(palette_.PaletteLayout(), child));
}

std::optional<long> PaletteAccessible::Role(long child) const
{
    return child == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
}

std::optional<long> PaletteAccessible::State(long child) const
{
    if (child == CHILDID_SELF) return std::nullopt;
    long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (child == FocusedElement()) state |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
    if (palette::EntryAtPosition(palette_.PaletteLayout(), child) == palette_.HotEntry())
        state |= STATE_SYSTEM_HOTTRACKED;
    return state;
}

std::optional<RECT> PaletteAccessible::ElementRect(long child) const
{
    return palette_.EntryRect(palette::EntryAtPosition(palette_.PaletteLayout(), child));
}

// The palette has the keys while it is open: the highlighted entry, or
// before any is highlighted the current colour's.
long PaletteAccessible::FocusedElement() const
{
    const palette::Layout& layout = palette_.PaletteLayout();
    const int entry = palette_.HotEntry() != palette::kNoEntry ? palette_.HotEntry() : palette_.SelectedEntry();
    return palette::PositionOfEntry(layout, entry);
}

long PaletteAccessible::Neighbour(long child, long direction) const
{
    int step = 0;
    switch (direction) {
    case NAVDIR_LEFT: step = -1; break;
    case NAVDIR_RIGHT: step = 1; break;
    case NAVDIR_UP: step = -palette::kColumns; break;
    case NAVDIR_DOWN: step = palette::kColumns; break;
    default: return AccessibleObject::Neighbour(child, direction);
    }
    const palette::Layout& layout = palette_.PaletteLayout();
    const int entry = palette::MovePaletteEntry(palette::EntryAtPosition(layout, child), step, layout.hasAutomatic,
                                                layout.hasCustom);
    return palette::PositionOfEntry(layout, entry);
}
