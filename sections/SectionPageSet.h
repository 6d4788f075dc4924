// The sixteen section pages as the main frame makes them:
//
//   sections::SectionPageSet pages;                   // a member of the main frame
//   pages.Start(tabContainer, mainFrameWindow);       // after the container exists
//   while (pages.MakeNextPage()) {}                   // one call per idle moment
//
// Start gives the container a tab for every page of the catalogue, titled
// with the page's title (the text the page takes as its window text), makes
// the first page and selects its tab, so that the window can show at once.
// The other pages are made one per MakeNextPage in tab order, or at once
// when their tab is selected before their turn. Every page is made the same
// way whenever it is made: from its catalogue entry, hidden, as a child of
// the container's window, with the main frame window stored in it (the
// target of WM_APP+1) right after, and placed among its siblings in tab order.
//
// Create makes all sixteen at once, each added to the container and selected
// as it is made, the first tab selected at the end.
//
// The set owns the page objects; their windows go with the container's or
// with the set, whichever goes first. After Start the container asks the set
// for pages, so the container object must outlive the set (declare it first).
#pragma once

#include <windows.h>

#include "controls/TabContainer.h"
#include "sections/SectionPage.h"

#include <functional>
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

    // False when the container has no window or the first page cannot be made.
    bool Start(TabContainer& container, HWND mainFrame);
    // Makes the next page in tab order that is not made and has not failed.
    // True while pages are left to make.
    bool MakeNextPage();

    // Called once, the first time a page cannot be made (its tab index): the
    // tab stays, showing nothing, and the page is not tried again.
    void SetFailureNotice(std::function<void(int tabIndex)> notice) { failureNotice_ = std::move(notice); }

    void Destroy();

    // The pages made so far.
    int Count() const;
    // nullptr for a page not made (yet).
    SectionPage* Page(int tabIndex) const;
    SectionPage* Page(SectionPageId page) const;

private:
    // The page of a tab, made now if it is not made yet; nullptr when it
    // cannot be made.
    HWND MakePage(int tabIndex);

    TabContainer* container_ = nullptr;
    HWND mainFrame_ = nullptr;
    // One slot per tab, empty until the page is made.
    std::vector<std::unique_ptr<Owned<SectionPage>>> pages_;
    std::vector<bool> failed_;
    std::function<void(int)> failureNotice_;
    bool failureTold_ = false;
};

} // namespace sections
