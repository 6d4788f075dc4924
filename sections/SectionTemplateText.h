// The resource script text of the sixteen section page templates, written
// from the catalogue (sections/SectionCatalogue.h). The Windows build runs
// a small host program over it (sections/tools/WriteSectionTemplates.cpp)
// and includes the result from resources/SectionPages.rc.
#pragma once

#include <string>

namespace sections {

// One DIALOGEX statement per page, in tab order. Styles are written as
// numbers; each control line carries a comment naming its kind.
std::string SectionTemplatesText();

} // namespace sections
