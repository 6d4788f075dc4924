#include "sections/PageControls.h"
#include "sections/PropertyTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace sections;

TEST(PropertyTable, ExpandsEveryLineOfTheData)
{
    // A line that cannot be expanded is left out rather than thrown about
    // (the table is first made inside a page's message handler).
    EXPECT_EQ(PropertyTableProblems(), std::vector<std::string>{});
}

// How many rows each page has is held against the catalogue's controls
// (SectionCatalogue_test); here, the font controls come in whole sets.
TEST(PropertyTable, EveryFontFamilyHasItsWeightStyleAndSizeInTheSameGroup)
{
    std::map<std::string, std::set<std::string>> fontProperties;
    for (const PropertyRow& row : PropertyTable())
        if (row.property.rfind("font-", 0) == 0)
            fontProperties[SectionPageTitle(row.page) + std::string(" ") + row.group].insert(row.property);
    ASSERT_FALSE(fontProperties.empty());
    for (const auto& [group, properties] : fontProperties)
        EXPECT_EQ(properties, (std::set<std::string>{"font-family", "font-size", "font-style", "font-weight"})) << group;
}

TEST(PropertyTable, EveryRowIsCompleteAndConsistentWithItsKind)
{
    std::map<SpecialHandler, int> specials;
    for (const PropertyRow& row : PropertyTable()) {
        SCOPED_TRACE(std::string(SectionPageTitle(row.page)) + " " + row.group + " " + std::to_string(row.controlId));
        EXPECT_EQ(row.trigger, TriggerOf(row.kind));
        EXPECT_GT(row.controlId, 1000);
        ASSERT_FALSE(row.selector.empty());
        EXPECT_EQ(row.selector.back(), '{');
        EXPECT_EQ(row.selector.find(" {"), std::string::npos);
        EXPECT_EQ(row.special != SpecialHandler::None, row.kind == HandlerKind::Special);
        if (row.kind == HandlerKind::Special) ++specials[row.special];
        if (row.kind == HandlerKind::Color) {
            EXPECT_TRUE(row.literal == "none" || row.literal.rfind("rgb(", 0) == 0) << row.literal;
        }
        if (row.kind == HandlerKind::Size) {
            EXPECT_EQ(row.literal, row.property == "font-size" ? "pt" : "px");
            EXPECT_NE(row.edit, 0);
            EXPECT_NE(row.edit, row.controlId);
        }
        if (row.kind == HandlerKind::Underline) {
            EXPECT_EQ(row.property, "text-decoration");
        }
    }
    EXPECT_EQ(specials.size(), 8u);
    EXPECT_EQ(specials[SpecialHandler::CustomWidth], 2);
}

TEST(PropertyTable, ControlIdsAreUniqueWithinAPageAndRepeatAcrossPages)
{
    for (int i = 0; i < kSectionPageCount; ++i) {
        std::set<int> ids;
        for (const PropertyRow* row : PageRows(PageAt(i)))
            EXPECT_TRUE(ids.insert(row->controlId).second) << SectionPageTitle(PageAt(i)) << row->controlId;
    }

    const PropertyRow* transparent = RouteCommand(SectionPageId::Background, 1557, 0);
    const PropertyRow* removeBorders = RouteCommand(SectionPageId::Borders, 1557, 0);
    ASSERT_TRUE(transparent && removeBorders);
    EXPECT_EQ(transparent->special, SpecialHandler::Transparent);
    EXPECT_EQ(removeBorders->special, SpecialHandler::RemoveDefaultBorders);

    // 1577 to 1580: a spin box of each of three pages, with the edit and the
    // up-down the other way round on Blurb.
    const PropertyRow* blogSize = RouteNotify(SectionPageId::Blog, 1578, kDeltaPosCode);
    ASSERT_TRUE(blogSize);
    EXPECT_EQ(blogSize->selector, "table tr td.text table tr td .btext{");
    EXPECT_EQ(blogSize->edit, 1577);
    EXPECT_EQ(RouteNotify(SectionPageId::Blurb, 1578, kDeltaPosCode), nullptr);
    const PropertyRow* blurbSize = RouteNotify(SectionPageId::Blurb, 1579, kDeltaPosCode);
    ASSERT_TRUE(blurbSize);
    EXPECT_EQ(blurbSize->selector, "table tr td.text table tr td.text .orangetext15{");
    EXPECT_EQ(blurbSize->edit, 1580);
    const PropertyRow* bordersSize = RouteNotify(SectionPageId::Borders, 1580, kDeltaPosCode);
    ASSERT_TRUE(bordersSize);
    EXPECT_EQ(bordersSize->property, "border-width");
    EXPECT_EQ(bordersSize->selector, "table table table{");
    const PropertyRow* borderColor = RouteNotify(SectionPageId::Borders, 1577, kColorChangedCode);
    ASSERT_TRUE(borderColor);
    EXPECT_EQ(borderColor->kind, HandlerKind::BorderColor);
    EXPECT_EQ(borderColor->selector, "div table form tr td{");
}

TEST(PropertyTable, RoutingMatchesOnlyTheKindsTrigger)
{
    const SectionPageId page = SectionPageId::TopOfPage;
    // Drop-down: only CBN_SELCHANGE.
    EXPECT_NE(RouteCommand(page, 1036, kSelChangeCode), nullptr);
    EXPECT_EQ(RouteCommand(page, 1036, 9), nullptr);   // CBN_DROPDOWN
    EXPECT_EQ(RouteCommand(page, 1036, 0), nullptr);
    // Check box: any code.
    EXPECT_NE(RouteCommand(page, 1078, 0), nullptr);
    EXPECT_NE(RouteCommand(page, 1078, 5), nullptr);
    EXPECT_NE(RouteCommand(page, 1078, kSelChangeCode), nullptr);
    // Notifications: colour change from a colour button, UDN_DELTAPOS from an up-down.
    EXPECT_NE(RouteNotify(page, 1034, kColorChangedCode), nullptr);
    EXPECT_EQ(RouteNotify(page, 1034, 0x8001), nullptr);
    EXPECT_EQ(RouteNotify(page, 1034, kDeltaPosCode), nullptr);
    EXPECT_NE(RouteNotify(page, 1629, kDeltaPosCode), nullptr);
    EXPECT_EQ(RouteNotify(page, 1630, kDeltaPosCode), nullptr) << "the size edit is never routed";
    EXPECT_EQ(RouteCommand(page, 1034, 0), nullptr);
    // Edits have no handler.
    EXPECT_EQ(RouteCommand(SectionPageId::Background, 1007, 0x300), nullptr);   // EN_CHANGE
}

TEST(PropertyTable, LinkStatesVaryTheLinkSelector)
{
    const PropertyRow* hover = FindPropertyRow(SectionPageId::TopOfPage, 1047, Trigger::ColorChanged);
    ASSERT_TRUE(hover);
    EXPECT_EQ(hover->group, "Links Hover");
    EXPECT_EQ(hover->literal, "rgb(4, 12, 92)");
    EXPECT_EQ(hover->selector,
              "div table form tr td a.navbar:hover font, div table form tr td table tr td a.man:hover font{");
    const PropertyRow* hoverUnderline = FindPropertyRow(SectionPageId::TopOfPage, 1082, Trigger::Command);
    ASSERT_TRUE(hoverUnderline);
    EXPECT_EQ(hoverUnderline->selector, hover->selector);

    struct Expected {
        SectionPageId page;
        int id;
        const char* group;
        const char* selector;
    };
    const Expected samples[] = {
        {SectionPageId::Navbar, 1066, "Links Visited", "div table tr td table tr td font a.navbar:visited{"},
        {SectionPageId::FriendsComments, 1501, "Add Comment Link Active",
         "table tr td.text table tr td.text table tr td a:active{"},
        {SectionPageId::BottomNavbar, 1521, "Links Hover", "table tr td div div a:hover{"},
    };
    for (const Expected& sample : samples) {
        const PropertyRow* row = RouteNotify(sample.page, sample.id, kColorChangedCode);
        if (!row) row = RouteCommand(sample.page, sample.id, 0);
        ASSERT_TRUE(row) << sample.id;
        EXPECT_EQ(row->group, sample.group);
        EXPECT_EQ(row->selector, sample.selector);
    }

    // Every state selector is a link selector of the same page with the
    // state put in for ":link".
    int stateRows = 0;
    for (const PropertyRow& row : PropertyTable()) {
        for (const char* state : {":visited", ":hover", ":active"}) {
            const std::size_t at = row.selector.find(state);
            if (at == std::string::npos) continue;
            ++stateRows;
            std::string link = row.selector;
            while (link.find(state) != std::string::npos) link.replace(link.find(state), std::string(state).size(), ":link");
            bool found = false;
            for (const PropertyRow* other : PageRows(row.page)) found = found || other->selector == link;
            EXPECT_TRUE(found) << row.selector;
        }
    }
    // 11 link groups, each with three states: a colour and (10 of them) an
    // underline per state.
    EXPECT_EQ(stateRows, 11 * 3 + 10 * 3);
}

TEST(PropertyTable, ContinuationLinesKeepTheirGroupAndSelector)
{
    // Colour and underline to the ":link" rule, the font controls of the same
    // group to the plain one.
    const PropertyRow* color = RouteNotify(SectionPageId::NameInfo, 1112, kColorChangedCode);
    const PropertyRow* size = RouteNotify(SectionPageId::NameInfo, 1623, kDeltaPosCode);
    ASSERT_TRUE(color && size);
    EXPECT_EQ(color->selector, "table tr td table tr td table tr td a:link{");
    EXPECT_EQ(size->selector, "table tr td table tr td table tr td a{");
    EXPECT_EQ(size->group, "Pics Videos Links");
    const PropertyRow* topAlign = RouteCommand(SectionPageId::TopOfPage, 1041, kSelChangeCode);
    ASSERT_TRUE(topAlign);
    EXPECT_EQ(topAlign->selector, "div table form tr td{");
    EXPECT_EQ(topAlign->group, "Topmost Text");

    // Only the two "Remove default ..." boxes stand outside a group box.
    int ungrouped = 0;
    for (const PropertyRow& row : PropertyTable()) ungrouped += row.group.empty() ? 1 : 0;
    EXPECT_EQ(ungrouped, 2);

    // "Transparent" takes over the "Content Color" button's data.
    const PropertyRow* transparent = RouteCommand(SectionPageId::Background, 1557, 0);
    ASSERT_TRUE(transparent);
    EXPECT_EQ(transparent->button, 1012);
    EXPECT_EQ(transparent->literal, "none");
    EXPECT_EQ(transparent->property, "background-color");
    EXPECT_EQ(transparent->selector, "table table table td{");
}
