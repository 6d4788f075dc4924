// The tab strip as a screen reader reads it: a page tab list with one page
// tab per page, named by its title without the blanks around it, with its
// place on the screen (a tab scrolled out of view is off screen), the shown
// page's tab selected and, while the strip has the focus, focused. A tab's
// default action shows its page, as a click does. Served by the strip
// (WM_GETOBJECT).
#pragma once

#include "framework/AccessibleObject.h"

class TabStrip;

class TabStripAccessible : public AccessibleObject {
public:
    explicit TabStripAccessible(TabStrip& strip);

protected:
    long ElementCount() const override;
    std::optional<std::wstring> Name(long child) const override;
    std::optional<long> Role(long child) const override;
    std::optional<long> State(long child) const override;
    std::optional<std::wstring> DefaultAction(long child) const override;
    bool DoDefaultAction(long child) override;
    std::optional<RECT> ElementRect(long child) const override;
    long FocusedElement() const override;
    long SelectedElement() const override;
    bool SelectElement(long flags, long child) override;

private:
    // Valid while connected: the strip disconnects the object before it goes.
    TabStrip& strip_;
};
