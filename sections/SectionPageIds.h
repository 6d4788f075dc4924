// The sixteen section pages, in tab order. Control ids are unique only within
// one page, so every lookup of a control names its page too.
#pragma once

namespace sections {

enum class SectionPageId : int {
    Background,
    Borders,
    Size,
    TopOfPage,
    Navbar,
    NameInfo,
    Contact,
    MySpaceUrl,
    Profile,
    ExtendedNetwork,
    Blog,
    Blurb,
    FriendSpace,
    FriendsComments,
    BottomNavbar,
    Copyright,
};

constexpr int kSectionPageCount = 16;

// The page's tab title, with one blank before and after the words
// (" Background ").
const char* SectionPageTitle(SectionPageId page);

inline int PageIndex(SectionPageId page) { return static_cast<int>(page); }
inline SectionPageId PageAt(int index) { return static_cast<SectionPageId>(index); }

} // namespace sections
