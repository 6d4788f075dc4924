// The table-driven handler kinds, each run through its real table row on a
// small working page.
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "tests/native/FakePage.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

using namespace sections;
using testing_support::FakePage;
using testing_support::SmallPage;
using testing_support::WorkingFolder;

namespace {

const PropertyRow& Row(SectionPageId page, int id, Trigger trigger)
{
    const PropertyRow* row = FindPropertyRow(page, id, trigger);
    if (!row) throw std::runtime_error("no row for control " + std::to_string(id));
    return *row;
}

// Runs a handler on a page holding one rule block and returns that block as
// the handler left it (or the whole style block when the page's shape changed).
class KindTest : public ::testing::Test {
protected:
    WorkingFolder folder_{"glimmer-kinds"};
    FakePage page_;

    std::string Run(const PropertyRow& row, const std::string& body, const UpDownChange& change = {})
    {
        const std::string block = row.selector + "\r\n" + body + "}\r\n";
        folder_.SetPage(SmallPage(block));
        EXPECT_EQ(RunPropertyHandler(row, page_, change), StoreResult::Stored);
        const std::string after = folder_.Page();
        EXPECT_EQ(page_.storedAtRefresh, std::vector<StoreResult>{StoreResult::Stored});
        if (page_.Refreshes() > 0) {
            EXPECT_EQ(page_.pagesAtRefresh.back(), after) << "refresh before a write";
        }
        const std::string prefix = SmallPage("");
        const std::string head = prefix.substr(0, prefix.find("</style>\r\n<body>"));
        const std::string tail = "</style>\r\n<body></body>\r\n</html>\r\n";
        if (after.compare(0, head.size(), head) != 0 || after.size() < head.size() + tail.size() ||
            after.compare(after.size() - tail.size(), tail.size(), tail) != 0)
            return after;
        return after.substr(head.size(), after.size() - head.size() - tail.size());
    }
};

} // namespace

TEST(RgbText, FormatsRedGreenBlueAndIgnoresTheTopByte)
{
    EXPECT_EQ(RgbText(0x00996633), "rgb(51, 102, 153)");
    EXPECT_EQ(RgbText(0), "rgb(0, 0, 0)");
    EXPECT_EQ(RgbText(0x00FFFFFF), "rgb(255, 255, 255)");
    EXPECT_EQ(RgbText(0x7F0A0B0C), "rgb(12, 11, 10)");
}

TEST_F(KindTest, ColorWritesRgbOrTheRowsAutomaticLiteralAsWritten)
{
    const PropertyRow& heading = Row(SectionPageId::Blurb, 1274, Trigger::ColorChanged);
    page_.colors[1274] = 0x00996633;
    EXPECT_EQ(Run(heading, "\tcolor: rgb(1, 2, 3);\r\n\tbackground-color: red;\r\n"),
              heading.selector + "\r\n\tbackground-color: red;\r\n\tcolor: rgb(51, 102, 153);\r\n}\r\n");

    page_ = FakePage();
    const PropertyRow& subheadings = Row(SectionPageId::Profile, 1170, Trigger::ColorChanged);
    EXPECT_EQ(Run(subheadings, ""), subheadings.selector + "\r\n\tcolor: rgb(51,102,153);\r\n}\r\n");

    // The Background page's buttons write background-color; "Content Color"'s
    // automatic literal is "none" although its button shows white.
    page_ = FakePage();
    const PropertyRow& background = Row(SectionPageId::Background, 1002, Trigger::ColorChanged);
    EXPECT_EQ(Run(background, "\tcolor: blue;\r\n"),
              "body{\r\n\tcolor: blue;\r\n\tbackground-color: rgb(229, 229, 229);\r\n}\r\n");
    page_ = FakePage();
    const PropertyRow& content = Row(SectionPageId::Background, 1012, Trigger::ColorChanged);
    EXPECT_EQ(Run(content, ""), "table table table td{\r\n\tbackground-color: none;\r\n}\r\n");
}

TEST_F(KindTest, BorderColorHasNoAutomaticLiteral)
{
    const PropertyRow& row = Row(SectionPageId::Borders, 1570, Trigger::ColorChanged);
    EXPECT_EQ(Run(row, "\tborder-color: rgb(255, 255, 255);\r\n"),
              row.selector + "\r\n\tborder-color: rgb(0, 0, 0);\r\n}\r\n");
    page_ = FakePage();
    page_.colors[1570] = 0x00000080;
    EXPECT_EQ(Run(row, ""), row.selector + "\r\n\tborder-color: rgb(128, 0, 0);\r\n}\r\n");
}

TEST_F(KindTest, TextWritesTheSelectedItemUnchanged)
{
    const PropertyRow& family = Row(SectionPageId::Copyright, 1542, Trigger::SelChange);
    page_.texts[1542] = "Comic Sans MS";
    EXPECT_EQ(Run(family, "\tfont-family: Verdana;\r\n\tfont-size: 8pt;\r\n"),
              "table tr td div font{\r\n\tfont-size: 8pt;\r\n\tfont-family: Comic Sans MS;\r\n}\r\n");

    page_ = FakePage();
    const PropertyRow& position = Row(SectionPageId::Background, 1008, Trigger::SelChange);
    page_.texts[1008] = "center center";
    EXPECT_EQ(Run(position, ""), "body{\r\n\tbackground-position: center center;\r\n}\r\n");

    page_ = FakePage();   // no selection: an empty value
    const PropertyRow& weight = Row(SectionPageId::Copyright, 1546, Trigger::SelChange);
    EXPECT_EQ(Run(weight, ""), "table tr td div font{\r\n\tfont-weight: ;\r\n}\r\n");
}

TEST_F(KindTest, SizeAddsTheChangeAndClampsToTheUpDownsRange)
{
    struct Case {
        SectionPageId page;
        int upDown;
        int lower, upper;
        int position, delta;
        const char* written;
    };
    const Case cases[] = {
        {SectionPageId::Navbar, 1625, 4, 40, 8, 1, "9pt"},
        {SectionPageId::Navbar, 1625, 4, 40, 40, 1, "40pt"},
        {SectionPageId::Navbar, 1625, 4, 40, 37, 5, "40pt"},     // accelerated past the top
        {SectionPageId::Navbar, 1625, 4, 40, 3, -1, "4pt"},
        {SectionPageId::Navbar, 1625, 4, 40, 6, -5, "4pt"},      // accelerated past the bottom
        {SectionPageId::Navbar, 1625, 4, 40, 5, -1, "4pt"},
        {SectionPageId::Borders, 1582, 1, 50, 4, 1, "5px"},
        {SectionPageId::Borders, 1582, 1, 50, 48, 5, "50px"},
        {SectionPageId::Borders, 1582, 1, 50, 2, -3, "1px"},
        {SectionPageId::Size, 1647, 100, 1600, 800, 1, "801px"},
        {SectionPageId::Size, 1647, 100, 1600, 1595, 20, "1600px"},
        {SectionPageId::Size, 1654, 100, 1600, 105, -10, "100px"},
        {SectionPageId::Size, 1654, 100, 1600, 1234, -4, "1230px"},
    };
    for (const Case& c : cases) {
        const PropertyRow& row = Row(c.page, c.upDown, Trigger::DeltaPos);
        SCOPED_TRACE(std::to_string(c.upDown) + " at " + std::to_string(c.position) + " by " + std::to_string(c.delta));
        page_ = FakePage();
        page_.ranges[c.upDown] = FakePage::Range(c.lower, c.upper);
        page_.texts[row.edit] = "ignored";
        EXPECT_EQ(Run(row, "\t" + row.property + ": 2pt;\r\n", {c.position, c.delta}),
                  row.selector + "\r\n\t" + row.property + ": " + c.written + ";\r\n}\r\n");
    }

    // The range words are signed.
    const PropertyRow& row = Row(SectionPageId::Copyright, 1591, Trigger::DeltaPos);
    page_ = FakePage();
    page_.ranges[1591] = FakePage::Range(-10, -2);
    EXPECT_EQ(Run(row, "", {-30, 0}), row.selector + "\r\n\tfont-size: -10pt;\r\n}\r\n");
}

TEST_F(KindTest, UnderlineFollowsTheCheckState)
{
    const PropertyRow& row = Row(SectionPageId::Blog, 1267, Trigger::Command);
    page_.checked.insert(1267);
    EXPECT_EQ(Run(row, ""), "table tr td.text table tr td a:hover{\r\n\ttext-decoration: underline;\r\n}\r\n");
    page_ = FakePage();
    EXPECT_EQ(Run(row, "\ttext-decoration: underline;\r\n"),
              "table tr td.text table tr td a:hover{\r\n\ttext-decoration: none;\r\n}\r\n");
}

TEST_F(KindTest, AlignmentDefaultRemovesTextAlignAndShowsInline)
{
    const PropertyRow& row = Row(SectionPageId::MySpaceUrl, 1671, Trigger::SelChange);
    const std::string selector = "table tr td table tr td table tr td div{\r\n";

    page_.texts[1671] = "center";
    EXPECT_EQ(Run(row, "\tcolor: red;\r\n"),
              selector + "\tcolor: red;\r\n\ttext-align: center;\r\n\tdisplay: block;\r\n}\r\n");

    page_ = FakePage();
    page_.texts[1671] = "default";
    EXPECT_EQ(Run(row, "\ttext-align: center;\r\n\tdisplay: block;\r\n\tcolor: red;\r\n"),
              selector + "\tcolor: red;\r\n\tdisplay: inline;\r\n}\r\n");

    // The comparison is exact: any other text is written as an alignment.
    page_ = FakePage();
    page_.texts[1671] = "Default";
    EXPECT_EQ(Run(row, ""), selector + "\ttext-align: Default;\r\n\tdisplay: block;\r\n}\r\n");
}

TEST_F(KindTest, MissingRuleBlockIsAppendedAndStillRefreshes)
{
    const PropertyRow& row = Row(SectionPageId::Blurb, 1302, Trigger::SelChange);
    page_.texts[1302] = "900";
    folder_.SetPage(SmallPage("body{\r\n}\r\n"));
    RunPropertyHandler(row, page_);
    EXPECT_EQ(folder_.Page(), SmallPage("body{\r\n}\r\n" + row.selector + "\r\n\tfont-weight: 900;\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 1);
    EXPECT_TRUE(page_.changes.empty());
}
