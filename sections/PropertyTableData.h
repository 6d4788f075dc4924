// The property table as it is written down: per page, lines of group caption,
// controls and selector, with short codes for the controls. PropertyTable.cpp
// expands the lines into rows. Only the table's own two files include this.
#pragma once

#include "sections/PropertyTable.h"

#include <string>
#include <vector>

namespace sections {
namespace table_data {

// One line of a page's table. A plain line gives one caption and the
// selector all its controls write to; an empty caption continues the group of
// the line before, and a line outside any group box has none at all. A link-state line
// gives the captions of the "Visited", "Hover" and "Active" groups in order,
// their colour buttons and underline boxes in the same order, and the caption
// of the link group whose ":link" selector they vary.
struct Line {
    std::vector<std::string> groups;
    std::vector<PropertyRow> controls;   // partly filled: no page, group, selector
    std::string selector;                // plain lines
    std::string linkGroup;               // link-state lines
    bool outsideGroups = false;          // a control outside any group box
};

struct PageLines {
    SectionPageId page;
    std::string colorProperty;           // what the page's "C" buttons write
    std::vector<Line> lines;
};

// The sixteen pages in tab order.
const std::vector<PageLines>& PageTables();

} // namespace table_data
} // namespace sections
