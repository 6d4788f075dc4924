// The sixteen section pages as the main frame makes them:
//
//   sections::SectionPageSet pages;                   // a member of the main frame
//   pages.Start(tabContainer, mainFrameWindow);       // after the container exists
//   while (pages.MakeNextPage()) {}                   // one call per idle moment
//
// Start gives the container a tab for every page of the catalogue, titled
// with the page's title (the text the page takes as its window text), makes
// the first page and selects its tab, so that the window can show at once.
// The other pages are made in tab order by MakeNextPage, a few controls per
// call (a large page takes several calls, none much longer than
// kPageStepMilliseconds), or at once when their tab is selected before their
// turn; a page half made when its tab is selected is finished at once. Every
// page is made the one way, in steps (SectionPage::CreateInSteps), and ends
// the same however fast: from its catalogue entry, hidden, as a child of the
// container's window, with the main frame window stored in it (the target of
// kPageChangedMessage) once it is initialised, and placed among its siblings
// in tab order.
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
    static constexpr unsigned kPageStepMilliseconds = 30;

    SectionPageSet() = default;
    SectionPageSet(const SectionPageSet&) = delete;
    SectionPageSet& operator=(const SectionPageSet&) = delete;
    ~SectionPageSet();

    // False when the container has no window or a page could not be made;
    // the pages made until then stay in place.
    bool Create(TabContainer& container, HWND mainFrame);

    // False when the container has no window or the first page cannot be made.
    bool Start(TabContainer& container, HWND mainFrame);
    // Goes on with the next page in tab order that is not made and has not
    // failed, for about `milliseconds` (at least one control). True while
    // pages are left to make.
    bool MakeNextPage(unsigned milliseconds = kPageStepMilliseconds);

    // Called once, the first time a page cannot be made (its tab index): the
    // tab stays, showing nothing, and the page is not tried again.
    void SetFailureNotice(std::function<void(int tabIndex)> notice) { failureNotice_ = std::move(notice); }

    // Called after every refresh that a page's handler sends, with whether
    // the change reached the working page. Set it before the pages are made.
    void SetStoreNotice(std::function<void(StoreResult)> notice) { storeNotice_ = std::move(notice); }

    void Destroy();

    // The pages made so far (not counting one half made).
    int Count() const;
    // nullptr for a page not made (yet) or half made.
    SectionPage* Page(int tabIndex) const;
    SectionPage* Page(SectionPageId page) const;

private:
    // The page of a tab, made now if it is not made yet; nullptr when it
    // cannot be made.
    HWND MakePage(int tabIndex);
    // A page's window, made or half made, or nullptr.
    HWND WindowOf(std::size_t index) const;
    // Among the container's children the pages stand in tab order, as if
    // all had been made one after the other: behind the nearest page before it.
    void PlaceInTabOrder(std::size_t index, HWND page) const;
    // The page is given to its tab and kept; false when it could not be made.
    bool Keep(std::size_t index, std::unique_ptr<Owned<SectionPage>> page);
    void Fail(std::size_t index);

    TabContainer* container_ = nullptr;
    HWND mainFrame_ = nullptr;
    // One slot per tab, empty until the page is made.
    std::vector<std::unique_ptr<Owned<SectionPage>>> pages_;
    std::vector<bool> failed_;
    // The page being made in steps, and its tab.
    std::unique_ptr<Owned<SectionPage>> building_;
    std::size_t buildingIndex_ = 0;
    std::function<void(int)> failureNotice_;
    std::function<void(StoreResult)> storeNotice_;
    bool failureTold_ = false;
};

} // namespace sections
