#include "sections/SectionPageIds.h"

#include "sections/SectionCatalogue.h"

namespace sections {

const char* SectionPageTitle(SectionPageId page)
{
    const int index = PageIndex(page);
    return index >= 0 && index < kSectionPageCount ? CataloguePageOf(page).title : "";
}

} // namespace sections
