// The page catalogue held against the property table, and the page layouts
// against themselves: every routed control exists on its page with the kind
// its handler reads, every control of such a kind is routed, and no control
// leaves its group box or covers another. Also the resource script written
// from the catalogue, read back.
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "sections/SectionCatalogue.h"
#include "sections/SectionTemplateText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

using namespace sections;

namespace {

// The control kind a handler kind reads.
ControlKind ControlKindOf(const PropertyRow& row)
{
    switch (row.kind) {
    case HandlerKind::Color:
    case HandlerKind::BorderColor:
        return ControlKind::ColorButton;
    case HandlerKind::Text:
    case HandlerKind::Alignment:
    case HandlerKind::BorderStyle:
        return ControlKind::DropDown;
    case HandlerKind::Size:
        return ControlKind::UpDown;
    case HandlerKind::Underline:
        return ControlKind::CheckBox;
    case HandlerKind::Special:
        break;
    }
    const bool apply = row.special == SpecialHandler::BackgroundApplyImage ||
                       row.special == SpecialHandler::ContactApplyImage;
    return apply ? ControlKind::PushButton : ControlKind::CheckBox;
}

// The list whose items a text, alignment or border style handler writes.
ItemList ListOf(const PropertyRow& row)
{
    static const std::map<std::string, ItemList> lists = {
        {"font-family", ItemList::Family},         {"font-weight", ItemList::Weight},
        {"font-style", ItemList::FontStyle},       {"text-align", ItemList::Alignment},
        {"background-position", ItemList::Position}, {"background-repeat", ItemList::Repeat},
        {"background-attachment", ItemList::Attachment}, {"border-style", ItemList::BorderStyle},
    };
    const auto found = lists.find(row.property);
    return found == lists.end() ? ItemList::None : found->second;
}

std::string WithoutBlanks(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

std::string Where(SectionPageId page, int id)
{
    return std::string(SectionPageTitle(page)) + "control " + std::to_string(id);
}

// The height a control covers on the page: a closed drop-down list shows one
// line, whatever its template height (which includes the list).
int CoveredHeight(const TemplateControl& control)
{
    return control.kind == ControlKind::DropDown ? 14 : control.cy;
}

bool Overlap(const TemplateControl& a, const TemplateControl& b)
{
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + CoveredHeight(b) && b.y < a.y + CoveredHeight(a);
}

} // namespace

TEST(SectionCatalogue, PagesInTabOrderWithDistinctTemplatesAndTitles)
{
    ASSERT_EQ(SectionCatalogue().size(), static_cast<std::size_t>(kSectionPageCount));
    std::set<int> dialogs;
    for (int i = 0; i < kSectionPageCount; ++i) {
        const CataloguePage& page = SectionCatalogue()[i];
        EXPECT_EQ(page.page, PageAt(i));
        EXPECT_TRUE(dialogs.insert(page.dialogId).second) << page.title;
        const std::string title = page.title;
        ASSERT_GE(title.size(), 3u);
        EXPECT_EQ(title.front(), ' ') << title;
        EXPECT_EQ(title.back(), ' ') << title;
        EXPECT_NE(title[1], ' ') << title;
        EXPECT_NE(title[title.size() - 2], ' ') << title;
        EXPECT_STREQ(SectionPageTitle(page.page), page.title);
    }
}

TEST(SectionCatalogue, EveryRoutedControlExistsOnItsPageWithTheKindItsHandlerReads)
{
    for (const PropertyRow& row : PropertyTable()) {
        const std::string where = Where(row.page, row.controlId);
        const TemplateControl* control = FindTemplateControl(row.page, row.controlId);
        ASSERT_NE(control, nullptr) << where;
        EXPECT_EQ(control->kind, ControlKindOf(row)) << where;

        // The group the row names is the group box the control stands in.
        const CatalogueGroup& group = CataloguePageOf(row.page).groups.at(control->group);
        EXPECT_EQ(row.group, group.kind == GroupKind::CheckBox ? std::string() : group.caption) << where;

        if (control->kind == ControlKind::DropDown) {
            EXPECT_EQ(control->list, ListOf(row)) << where;
        }

        // Every other control a handler reads or switches is on the page.
        std::vector<int> others = row.switched;
        for (int id : {row.edit, row.button, row.label})
            if (id) others.push_back(id);
        for (int id : others) EXPECT_NE(FindTemplateControl(row.page, id), nullptr) << where << " names " << id;
    }
}

TEST(SectionCatalogue, EveryControlOfARoutedKindHasExactlyOneRow)
{
    for (const CataloguePage& page : SectionCatalogue()) {
        std::map<int, int> rowsPerId;
        for (const PropertyRow* row : PageRows(page.page)) ++rowsPerId[row->controlId];
        std::size_t routed = 0;
        std::set<int> ids;
        for (const TemplateControl& control : TemplateControls(page.page)) {
            if (control.id != -1) {
                EXPECT_TRUE(ids.insert(control.id).second) << Where(page.page, control.id) << " twice";
            }
            if (!IsRoutedKind(control.kind)) continue;
            ++routed;
            EXPECT_EQ(rowsPerId[control.id], 1) << Where(page.page, control.id);
        }
        EXPECT_EQ(routed, PageRows(page.page).size()) << page.title;
    }
}

TEST(SectionCatalogue, SpinBoxesPairTheEditBeforeEachUpDownAndRangeByProperty)
{
    const std::map<std::string, std::pair<int, int>> ranges = {
        {"font-size", {4, 40}}, {"border-width", {1, 50}}, {"width", {100, 1600}}};
    for (const PropertyRow& row : PropertyTable()) {
        if (row.kind != HandlerKind::Size) continue;
        const std::vector<TemplateControl>& controls = TemplateControls(row.page);
        const TemplateControl* upDown = FindTemplateControl(row.page, row.controlId);
        ASSERT_NE(upDown, nullptr);
        const std::size_t at = static_cast<std::size_t>(upDown - controls.data());
        ASSERT_GT(at, 0u);
        EXPECT_EQ(controls[at - 1].kind, ControlKind::SpinEdit) << Where(row.page, row.controlId);
        EXPECT_EQ(controls[at - 1].id, row.edit) << Where(row.page, row.controlId);
        EXPECT_EQ(std::make_pair(upDown->lower, upDown->upper), ranges.at(row.property))
            << Where(row.page, row.controlId);
    }
}

TEST(SectionCatalogue, AutomaticLiteralsAreTheRgbFormOfTheButtonsDefaultColours)
{
    int none = 0;
    for (const PropertyRow& row : PropertyTable()) {
        const TemplateControl* button = FindTemplateControl(row.page, row.controlId);
        if (row.kind == HandlerKind::BorderColor) {
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->defaultColor, 0x00FFFFFFu) << Where(row.page, row.controlId);
        }
        if (row.kind != HandlerKind::Color) continue;
        ASSERT_NE(button, nullptr);
        if (row.literal == "none") {
            ++none;   // the "Content Color" button: its automatic colour takes the colour away
            continue;
        }
        EXPECT_EQ(WithoutBlanks(row.literal), WithoutBlanks(RgbText(button->defaultColor)))
            << Where(row.page, row.controlId);
    }
    EXPECT_EQ(none, 1);
}

TEST(SectionCatalogue, InitialSelectionsAreItemsOfTheirLists)
{
    for (const CataloguePage& page : SectionCatalogue())
        for (const TemplateControl& control : TemplateControls(page.page)) {
            if (control.kind != ControlKind::DropDown || control.initialText.empty()) continue;
            const std::vector<std::string>& items = ItemsOf(control.list);
            EXPECT_NE(std::find(items.begin(), items.end(), control.initialText), items.end())
                << Where(page.page, control.id) << " starts on " << control.initialText;
        }
}

TEST(SectionCatalogue, GroupsStandInOneRowAndControlsInsideTheirGroupsWithoutCovering)
{
    for (const CataloguePage& page : SectionCatalogue()) {
        int previousRight = 0;
        for (const CatalogueGroup& group : page.groups) {
            EXPECT_GT(group.x, previousRight) << page.title << group.caption;
            previousRight = group.x + group.width;
        }
        EXPECT_LE(previousRight + 3, page.width) << page.title;

        const std::vector<TemplateControl>& controls = TemplateControls(page.page);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const TemplateControl& control = controls[i];
            EXPECT_LE(control.x + control.cx, page.width) << Where(page.page, control.id);
            EXPECT_LE(control.y + CoveredHeight(control), page.height) << Where(page.page, control.id);
            if (control.group >= 0 && control.kind != ControlKind::GroupBox) {
                const CatalogueGroup& group = page.groups[control.group];
                if (group.kind != GroupKind::CheckBox) {
                    EXPECT_GT(control.x, group.x) << Where(page.page, control.id) << " in " << group.caption;
                    EXPECT_LT(control.x + control.cx, group.x + group.width)
                        << Where(page.page, control.id) << " in " << group.caption;
                    EXPECT_LT(control.y + CoveredHeight(control), group.y + 55) << Where(page.page, control.id);
                }
            }
            if (control.kind == ControlKind::GroupBox) continue;
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const TemplateControl& other = controls[j];
                if (other.kind == ControlKind::GroupBox) continue;
                // An up-down sits on the right end of its buddy edit.
                const bool buddies = other.kind == ControlKind::UpDown && j == i + 1;
                EXPECT_TRUE(buddies || !Overlap(control, other))
                    << page.title << "controls " << i << " and " << j << " (" << control.text << control.id << ", "
                    << other.text << other.id << ")";
            }
        }
    }
}

// The template writer's script read back: a DIALOGEX statement per page in
// tab order with its id and size, then a CONTROL line per catalogue control
// in order with its text (quotes doubled; the picture's is its resource
// number), id, class, style and rectangle.
TEST(SectionTemplateText, TheScriptReadsBackAsTheCatalogue)
{
    std::istringstream script(SectionTemplatesText());
    std::string line;
    std::size_t page = 0, control = 0;
    const std::vector<CataloguePage>& pages = SectionCatalogue();
    while (std::getline(script, line) && page < pages.size()) {
        const std::vector<TemplateControl>& controls = TemplateControls(pages[page].page);
        int id = 0, x = 0, y = 0, cx = 0, cy = 0;
        unsigned style = 0;
        char className[64] = {};
        if (std::sscanf(line.c_str(), "%d DIALOGEX 0, 0, %d, %d", &id, &cx, &cy) == 3) {
            EXPECT_EQ(std::tie(id, cx, cy), std::tie(pages[page].dialogId, pages[page].width, pages[page].height));
            control = 0;
        } else if (line == "END") {
            EXPECT_EQ(control, controls.size()) << pages[page].title;
            ++page;
        } else if (line.rfind("    CONTROL ", 0) == 0 && control < controls.size()) {
            const TemplateControl& expected = controls[control++];
            std::string text;
            std::size_t at = 12;
            if (line[at] == '"')
                for (++at; at < line.size() && (line[at] != '"' || line[++at] == '"'); ++at) text += line[at];
            else
                for (; at < line.size() && line[at] != ','; ++at) text += line[at];
            std::sscanf(line.c_str() + at, ", %d, \"%63[^\"]\", 0x%X, %d, %d, %d, %d", &id, className, &style, &x, &y, &cx, &cy);
            EXPECT_EQ(std::make_tuple(text, id, std::string(className), style, x, y, cx, cy),
                      std::make_tuple(expected.kind == ControlKind::Bitmap ? std::to_string(kPagePictureId) : expected.text,
                                      expected.id, std::string(expected.className), expected.style, expected.x,
                                      expected.y, expected.cx, expected.cy));
        }
    }
    EXPECT_EQ(page, pages.size());
}
