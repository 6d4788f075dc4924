#include "sections/PropertyTable.h"

#include "sections/PageControls.h"
#include "sections/PropertyTableData.h"

#include <array>

namespace sections {
namespace {

using table_data::Line;
using table_data::PageLines;

// Link-state groups follow their link group in this order.
const char* const kLinkStates[] = {":visited", ":hover", ":active"};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Fills in what a control's code leaves to its line and page.
PropertyRow Complete(PropertyRow row, const PageLines& page, const std::string& group, const std::string& selector)
{
    row.page = page.page;
    row.group = group;
    row.selector = selector;
    if (row.kind == HandlerKind::Color && row.property.empty()) row.property = page.colorProperty;
    return row;
}

// A line whose rows cannot be made is left out and named in `problems`:
// the table is first expanded inside a page's message handler, where nothing
// may throw; the table's test requires the list to be empty.
void AddPlainLine(std::vector<PropertyRow>& rows, std::vector<std::string>& problems, const PageLines& page,
                  const Line& line, const std::string& group)
{
    for (const PropertyRow& control : line.controls) {
        PropertyRow row = Complete(control, page, group, line.selector);
        if (row.special == SpecialHandler::Transparent) {
            // Unticking "Transparent" does what the line's colour button does.
            const PropertyRow* button = nullptr;
            for (const PropertyRow& other : line.controls)
                if (other.kind == HandlerKind::Color) button = &other;
            if (!button) {
                problems.push_back("\"Transparent\" without a colour button in " + group);
                continue;
            }
            row.button = button->controlId;
            row.property = page.colorProperty;
            row.literal = button->literal;
        }
        rows.push_back(std::move(row));
    }
}

void AddLinkStateLine(std::vector<PropertyRow>& rows, std::vector<std::string>& problems, const PageLines& page,
                      const Line& line)
{
    const Line* linkLine = nullptr;
    for (const Line& other : page.lines)
        if (other.linkGroup.empty() && !other.groups.empty() && other.groups.front() == line.linkGroup) {
            linkLine = &other;
            break;
        }
    if (!linkLine || linkLine->selector.find(":link") == std::string::npos) {
        problems.push_back("no \":link\" group \"" + line.linkGroup + "\" for its link states");
        return;
    }

    std::vector<const PropertyRow*> colors, underlines;
    for (const PropertyRow& control : line.controls)
        (control.kind == HandlerKind::Underline ? underlines : colors).push_back(&control);
    const std::size_t states = line.groups.size();
    if (states > 3 || colors.size() != states || (!underlines.empty() && underlines.size() != states)) {
        problems.push_back("link states of \"" + line.linkGroup + "\" do not match their controls");
        return;
    }

    for (std::size_t i = 0; i < states; ++i) {
        const std::string selector = ReplaceAll(linkLine->selector, ":link", kLinkStates[i]);
        rows.push_back(Complete(*colors[i], page, line.groups[i], selector));
        if (!underlines.empty()) rows.push_back(Complete(*underlines[i], page, line.groups[i], selector));
    }
}

struct ExpandedTable {
    std::vector<PropertyRow> rows;
    std::vector<std::string> problems;
};

ExpandedTable ExpandTable()
{
    ExpandedTable table;
    std::vector<PropertyRow>& rows = table.rows;
    for (const PageLines& page : table_data::PageTables()) {
        std::string group;   // the caption that a continuation line inherits
        for (const Line& line : page.lines) {
            if (!line.linkGroup.empty()) {
                AddLinkStateLine(rows, table.problems, page, line);
                group.clear();
                continue;
            }
            const std::string caption = line.groups.empty() ? std::string() : line.groups.front();
            if (line.outsideGroups)
                group.clear();
            else if (!caption.empty())
                group = caption;
            AddPlainLine(rows, table.problems, page, line, group);
        }
    }
    return table;
}

const ExpandedTable& Expanded()
{
    static const ExpandedTable table = ExpandTable();
    return table;
}

using PageRouting = std::array<std::vector<const PropertyRow*>, kSectionPageCount>;

PageRouting MakePageRouting()
{
    PageRouting routing;
    for (const PropertyRow& row : PropertyTable()) {
        const int index = PageIndex(row.page);
        if (index >= 0 && index < kSectionPageCount) routing[index].push_back(&row);
    }
    return routing;
}

} // namespace

Trigger TriggerOf(HandlerKind kind)
{
    switch (kind) {
    case HandlerKind::Color:
    case HandlerKind::BorderColor:
        return Trigger::ColorChanged;
    case HandlerKind::Size:
        return Trigger::DeltaPos;
    case HandlerKind::Text:
    case HandlerKind::Alignment:
    case HandlerKind::BorderStyle:
        return Trigger::SelChange;
    case HandlerKind::Underline:
    case HandlerKind::Special:
        break;
    }
    return Trigger::Command;
}

const std::vector<PropertyRow>& PropertyTable()
{
    return Expanded().rows;
}

const std::vector<std::string>& PropertyTableProblems()
{
    return Expanded().problems;
}

const std::vector<const PropertyRow*>& PageRows(SectionPageId page)
{
    static const PageRouting routing = MakePageRouting();
    static const std::vector<const PropertyRow*> none;
    const int index = PageIndex(page);
    return index >= 0 && index < kSectionPageCount ? routing[index] : none;
}

const PropertyRow* FindPropertyRow(SectionPageId page, int controlId, Trigger trigger)
{
    for (const PropertyRow* row : PageRows(page))
        if (row->controlId == controlId && row->trigger == trigger) return row;
    return nullptr;
}

const PropertyRow* RouteCommand(SectionPageId page, int controlId, int notifyCode)
{
    if (const PropertyRow* row = FindPropertyRow(page, controlId, Trigger::Command)) return row;
    if (notifyCode == kSelChangeCode) return FindPropertyRow(page, controlId, Trigger::SelChange);
    return nullptr;
}

const PropertyRow* RouteNotify(SectionPageId page, int controlId, int code)
{
    if (code == kColorChangedCode) return FindPropertyRow(page, controlId, Trigger::ColorChanged);
    if (code == kDeltaPosCode) return FindPropertyRow(page, controlId, Trigger::DeltaPos);
    return nullptr;
}

} // namespace sections
