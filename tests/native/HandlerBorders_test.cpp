// The Borders page: the three branches of a group's "Style" and the
// "Remove default borders" box, which share the content tables' rules.
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "style/StyleDocument.h"
#include "tests/native/FakePage.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

using namespace sections;
using testing_support::FakePage;
using testing_support::SmallPage;
using testing_support::WorkingFolder;

namespace {

const std::vector<std::string> kNoChanges;

class BordersTest : public ::testing::Test {
protected:
    WorkingFolder folder_{"glimmer-borders"};
    FakePage page_;

    void SetUp() override
    {
        // The dialog starts every group on "none" with its colour and width disabled.
        for (int id : {1559, 1560, 1564, 1580, 1579, 1571, 1568, 1570, 1582, 1581, 1578, 1575, 1577, 1584, 1583})
            page_.disabled.insert(id);
    }

    // Selects a style and runs the group's handler.
    void ChooseStyle(int styleBox, const std::string& text)
    {
        page_.texts[styleBox] = text;
        page_.changes.clear();
        const PropertyRow* row = RouteCommand(SectionPageId::Borders, styleBox, kSelChangeCode);
        ASSERT_TRUE(row);
        RunPropertyHandler(*row, page_);
    }

    void ClickRemoveDefaultBorders(bool checked)
    {
        if (checked)
            page_.checked.insert(1557);
        else
            page_.checked.erase(1557);
        const PropertyRow* row = RouteCommand(SectionPageId::Borders, 1557, 0);
        ASSERT_TRUE(row);
        RunPropertyHandler(*row, page_);
    }

    static std::string Value(const std::string& selector, const char* property)
    {
        std::string text = property;
        return StyleDocument::GetPropertyValue(selector, text);
    }
};

const std::string kContentBlocks = "table table table{\r\n\twidth: 435px;\r\n}\r\ntable table table td{\r\n}\r\n";

} // namespace

TEST_F(BordersTest, StyleLeavesNoneThenChangesOnlyTheStyleThenGoesBack)
{
    const std::string navbar = "div table tr td table tr td{\r\n\tpadding: 2px;\r\n}\r\n";
    folder_.SetPage(SmallPage(navbar));

    ChooseStyle(1567, "solid");
    EXPECT_EQ(page_.changes, (std::vector<std::string>{"enable 1571", "enable 1568", "enable 1570", "enable 1582",
                                                       "enable 1581", "color 1570=FFFFFF", "text 1581=4"}));
    EXPECT_EQ(folder_.Page(), SmallPage("div table tr td table tr td{\r\n\tpadding: 2px;\r\n\tborder-style: solid;\r\n"
                                        "\tborder-width: 4px;\r\n\tborder-color: rgb(255, 255, 255);\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 1);

    // The group has a style now: only the style line changes.
    ChooseStyle(1567, "dashed");
    EXPECT_EQ(page_.changes, kNoChanges);
    EXPECT_EQ(folder_.Page(), SmallPage("div table tr td table tr td{\r\n\tpadding: 2px;\r\n\tborder-width: 4px;\r\n"
                                        "\tborder-color: rgb(255, 255, 255);\r\n\tborder-style: dashed;\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 2);

    ChooseStyle(1567, "none");
    EXPECT_EQ(page_.changes, (std::vector<std::string>{"disable 1571", "disable 1568", "disable 1570", "disable 1582",
                                                       "disable 1581", "text 1581="}));
    EXPECT_EQ(folder_.Page(), SmallPage(navbar));
    EXPECT_EQ(page_.Refreshes(), 3);
    EXPECT_EQ(page_.pagesAtRefresh.back(), folder_.Page());

    // A fresh start from "none" again shows white and "4" whatever was there.
    page_.colors[1570] = 0x00123456;
    ChooseStyle(1567, "groove");
    EXPECT_EQ(page_.colors[1570], 0x00FFFFFFu);
    EXPECT_EQ(page_.texts[1581], "4");
    EXPECT_EQ(Value("div table tr td table tr td{", "border-color"), "rgb(255, 255, 255)");
}

TEST_F(BordersTest, ContentBordersToNoneKeepsNoneWhileTheCellRuleHasOne)
{
    // Without a border-style in the cell rule nothing is put back.
    folder_.SetPage(SmallPage(kContentBlocks));
    ChooseStyle(1563, "ridge");
    ChooseStyle(1563, "none");
    EXPECT_EQ(folder_.Page(), SmallPage(kContentBlocks));

    // With one, the content tables get border-style "none" under a key that
    // GetPropertyValue has given a TAB: the line begins with two TABs.
    folder_.SetPage(SmallPage("table table table{\r\n\twidth: 435px;\r\n}\r\n"
                              "table table table td{\r\n\t\tborder-style: none;\r\n}\r\n"));
    ChooseStyle(1563, "ridge");
    ChooseStyle(1563, "none");
    EXPECT_EQ(folder_.Page(), SmallPage("table table table{\r\n\twidth: 435px;\r\n\t\tborder-style: none;\r\n}\r\n"
                                        "table table table td{\r\n\t\tborder-style: none;\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 4);

    // The other groups never look at the cell rule.
    folder_.SetPage(SmallPage("div table form tr td{\r\n}\r\ntable table table td{\r\n\tborder-style: none;\r\n}\r\n"));
    ChooseStyle(1574, "none");
    EXPECT_EQ(Value("div table form tr td{", "border-style"), "");
}

TEST_F(BordersTest, RemoveDefaultBordersWithContentBordersOnNone)
{
    folder_.SetPage(SmallPage(kContentBlocks));
    ClickRemoveDefaultBorders(true);
    EXPECT_EQ(folder_.Page(), SmallPage("table table table{\r\n\twidth: 435px;\r\n\t\tborder-style: none;\r\n}\r\n"
                                        "table table table td{\r\n\t\tborder-style: none;\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 1);
    EXPECT_EQ(page_.pagesAtRefresh.back(), folder_.Page());

    ClickRemoveDefaultBorders(false);
    EXPECT_EQ(folder_.Page(), SmallPage(kContentBlocks));
    EXPECT_EQ(page_.Refreshes(), 2);
    EXPECT_TRUE(page_.changes.empty()) << "the box changes no other control";
}

TEST_F(BordersTest, RemoveDefaultBordersLeavesAChosenContentStyleAlone)
{
    folder_.SetPage(SmallPage(kContentBlocks));
    ChooseStyle(1563, "solid");
    const std::string solid = "table table table{\r\n\twidth: 435px;\r\n\tborder-style: solid;\r\n"
                              "\tborder-width: 4px;\r\n\tborder-color: rgb(255, 255, 255);\r\n}\r\n";
    ASSERT_EQ(folder_.Page(), SmallPage(solid + "table table table td{\r\n}\r\n"));

    ClickRemoveDefaultBorders(true);
    EXPECT_EQ(folder_.Page(), SmallPage(solid + "table table table td{\r\n\t\tborder-style: none;\r\n}\r\n"));
    ClickRemoveDefaultBorders(false);
    EXPECT_EQ(folder_.Page(), SmallPage(solid + "table table table td{\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 3);
}

TEST_F(BordersTest, ContentBordersGoingBackToNoneWhileTheBoxIsTicked)
{
    folder_.SetPage(SmallPage(kContentBlocks));
    ClickRemoveDefaultBorders(true);
    ChooseStyle(1563, "double");
    EXPECT_EQ(Value("table table table{", "border-style"), "double");
    ChooseStyle(1563, "none");
    EXPECT_EQ(Value("table table table{", "border-style"), "none");
    EXPECT_EQ(Value("table table table{", "border-width"), "");

    ClickRemoveDefaultBorders(false);
    EXPECT_EQ(Value("table table table{", "border-style"), "");
    EXPECT_EQ(Value("table table table td{", "border-style"), "");
    EXPECT_EQ(Value("table table table{", "width"), "435px");
}
