#include "sections/SectionPageIds.h"

namespace sections {

const char* SectionPageTitle(SectionPageId page)
{
    static const char* const kTitles[kSectionPageCount] = {
        " Background ", " Borders ", " Size ", " Top of Page ", " Navbar ", " Name/Info ",
        " Contact ", " MySpace Url ", " Profile ", " Extended Network ", " Blog ", " Blurb ",
        " FriendSpace ", " FriendsComments ", " Bottom Navbar ", " Copyright ",
    };
    const int index = PageIndex(page);
    return index >= 0 && index < kSectionPageCount ? kTitles[index] : "";
}

} // namespace sections
