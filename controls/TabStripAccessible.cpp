#include "controls/TabStripAccessible.h"

#include "controls/TabStrip.h"

TabStripAccessible::TabStripAccessible(TabStrip& strip) : AccessibleObject(strip.Handle()), strip_(strip) {}

long TabStripAccessible::ElementCount() const
{
    return strip_.TabCount();
}

std::optional<std::wstring> TabStripAccessible::Name(long child) const
{
    if (child == CHILDID_SELF) return std::nullopt;
    // The titles carry a blank on each side for the eye only.
    std::wstring title = strip_.TabTitle(child - 1);
    title.erase(title.find_last_not_of(L' ') + 1);
    title.erase(0, title.find_first_not_of(L' '));
    return title;
}

std::optional<long> TabStripAccessible::Role(long child) const
{
    return child == CHILDID_SELF ? ROLE_SYSTEM_PAGETABLIST : ROLE_SYSTEM_PAGETAB;
}

std::optional<long> TabStripAccessible::State(long child) const
{
    if (child == CHILDID_SELF) return StandardState() | STATE_SYSTEM_FOCUSABLE;
    long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (child == SelectedElement()) state |= STATE_SYSTEM_SELECTED;
    if (child == FocusedElement()) state |= STATE_SYSTEM_FOCUSED;
    if (child - 1 == strip_.HotIndex()) state |= STATE_SYSTEM_HOTTRACKED;
    const std::optional<RECT> shown = ElementRect(child);
    if (!shown || IsRectEmpty(&*shown)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return state;
}

std::optional<std::wstring> TabStripAccessible::DefaultAction(long child) const
{
    if (child == CHILDID_SELF) return std::nullopt;
    return std::wstring(L"Switch");
}

bool TabStripAccessible::DoDefaultAction(long child)
{
    if (child == CHILDID_SELF) return false;
    strip_.SelectTab(child - 1);
    return true;
}

// The part of the tab that shows between the strip's edge and its scroll
// buttons; empty for a tab scrolled out of view.
std::optional<RECT> TabStripAccessible::ElementRect(long child) const
{
    RECT tab = strip_.TabRect(child - 1);
    const RECT visible{0, tab.top, strip_.VisibleWidth(), tab.bottom};
    RECT shown{};
    IntersectRect(&shown, &tab, &visible);
    return shown;
}

long TabStripAccessible::FocusedElement() const
{
    if (GetFocus() != strip_.Handle()) return -1;
    return strip_.SelectedIndex() >= 0 ? strip_.SelectedIndex() + 1 : CHILDID_SELF;
}

long TabStripAccessible::SelectedElement() const
{
    return strip_.SelectedIndex() + 1;
}

bool TabStripAccessible::SelectElement(long flags, long child)
{
    if (flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) return false;
    // Selected first: showing a page moves the focus to it.
    if (flags & SELFLAG_TAKESELECTION) strip_.SelectTab(child - 1);
    if (flags & SELFLAG_TAKEFOCUS) SetFocus(strip_.Handle());
    return true;
}
