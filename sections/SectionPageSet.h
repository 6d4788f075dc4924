// The sixteen section pages as the main frame makes them:
//
//   sections::SectionPageSet pages;                   // a member of the main frame
//   pages.Create(tabContainer, mainFrameWindow);      // after the container exists
//
// Create makes every page of the catalogue, in tab order, hidden, as a child
// of the tab container's window; right after each page is made it stores the
// main frame window in it (the target of WM_APP+1) and adds it to the
// container, whose tab takes the page's window text as its title. At the end
// the first tab is selected. The set owns the page objects; their windows
// go with the container's or with the set, whichever goes first.
#pragma once

#include <windows.h>

#include "controls/TabContainer.h"
#include "sections/SectionPage.h"

#include <memory>
#include <vector>

namespace sections {

class SectionPageSet {
public:
    SectionPageSet() = default;
    SectionPageSet(const SectionPageSet&) = delete;
    SectionPageSet& operator=(const SectionPageSet&) = delete;
    ~SectionPageSet();

    // False when the container has no window or a page could not be made;
    // the pages made until then stay in place.
    bool Create(TabContainer& container, HWND mainFrame);
    void Destroy();

    int Count() const { return static_cast<int>(pages_.size()); }
    SectionPage* Page(int tabIndex) const;
    SectionPage* Page(SectionPageId page) const;

private:
    std::vector<std::unique_ptr<Owned<SectionPage>>> pages_;
};

} // namespace sections
