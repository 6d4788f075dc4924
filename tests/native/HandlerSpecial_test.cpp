// The special handlers of the Background, Size and Contact pages.
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "tests/native/FakePage.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>

using namespace sections;
using testing_support::FakePage;
using testing_support::SmallPage;
using testing_support::WorkingFolder;

namespace {

class SpecialTest : public ::testing::Test {
protected:
    WorkingFolder folder_{"glimmer-special"};
    FakePage page_;

    // Sets the check box (when it is one) and runs the control's handler.
    void Click(SectionPageId section, int id, bool checked = false)
    {
        if (checked)
            page_.checked.insert(id);
        else
            page_.checked.erase(id);
        const PropertyRow* row = RouteCommand(section, id, 0);
        ASSERT_TRUE(row);
        page_.changes.clear();
        RunPropertyHandler(*row, page_);
    }

    std::vector<std::string> Changes(const char* verb, std::initializer_list<int> ids)
    {
        std::vector<std::string> changes;
        for (int id : ids) changes.push_back(std::string(verb) + " " + std::to_string(id));
        return changes;
    }
};

const std::string kContactRules =
    ".contactTable{\r\n"
    "\twidth: 300 px !important;\r\n"
    "\theight: 150 px !important;\r\n"
    "\tpadding: 0px !important;\r\n"
    "\tbackground-attachment: scroll;\r\n"
    "\tbackground-position: center center;\r\n"
    "\tbackground-repeat: no-repeat;\r\n"
    "\tbackground-color: transparent;\r\n"
    "}\r\n"
    ".contactTable table, table .contactTable td{\r\n"
    "\tpadding: 0px !important;\r\n"
    "\tborder: 0px;\r\n"
    "\tbackground-color: transparent;\r\n"
    "\tbackground-image: none;\r\n"
    "}\r\n"
    ".contactTable a img{\r\n"
    "\tvisibility: hidden;\r\n"
    "\tborder: 0px !important;\r\n"
    "\tfilter: none !important;\r\n"
    "}\r\n"
    ".contactTable a{\r\n"
    "\tdisplay: block;\r\n"
    "\theight: 28px;\r\n"
    "\twidth: 115px;\r\n"
    "\tfilter: none !important;\r\n"
    "}\r\n"
    ".contactTable .text{\r\n"
    "\tfont-size: 1px !important;\r\n"
    "\tfilter: none !important;\r\n"
    "}\r\n";

} // namespace

TEST_F(SpecialTest, BackgroundImageGroup)
{
    const std::string body = "body{\r\n\tbackground-position: top left;\r\n\tbackground-repeat: repeat-x;\r\n}\r\n";
    folder_.SetPage(SmallPage(body));

    // Ticking only opens the group.
    Click(SectionPageId::Background, 1555, true);
    EXPECT_EQ(page_.changes, Changes("enable", {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1063}));
    EXPECT_EQ(folder_.Page(), SmallPage(body));
    EXPECT_EQ(page_.Refreshes(), 0);

    // "Apply Image" writes the URL (its blank escaped); an empty one gives "url()".
    page_.texts[1007] = "http://example.com/my bg.gif";
    Click(SectionPageId::Background, 1063);
    EXPECT_EQ(folder_.Page(), SmallPage("body{\r\n\tbackground-position: top left;\r\n\tbackground-repeat: repeat-x;\r\n"
                                        "\tbackground-image: url(http://example.com/my%20bg.gif);\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 1);
    page_.texts[1007] = "";
    Click(SectionPageId::Background, 1063);
    EXPECT_EQ(folder_.Page(), SmallPage("body{\r\n\tbackground-position: top left;\r\n\tbackground-repeat: repeat-x;\r\n"
                                        "\tbackground-image: url();\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 2);

    // Clearing closes the group, empties the URL and writes "none"; the
    // position and repeat lines stay.
    page_.texts[1007] = "http://example.com/next.gif";
    Click(SectionPageId::Background, 1555, false);
    std::vector<std::string> expected = Changes("disable", {1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1063});
    expected.push_back("text 1007=");
    EXPECT_EQ(page_.changes, expected);
    EXPECT_EQ(folder_.Page(), SmallPage("body{\r\n\tbackground-position: top left;\r\n\tbackground-repeat: repeat-x;\r\n"
                                        "\tbackground-image: none;\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 3);
}

TEST_F(SpecialTest, TransparentAndRemoveDefaultBackground)
{
    const std::string blocks = "body, table, td{\r\n}\r\ntable table table td{\r\n}\r\n";
    folder_.SetPage(SmallPage(blocks));

    Click(SectionPageId::Background, 1557, true);
    EXPECT_EQ(page_.changes, Changes("disable", {1012}));
    EXPECT_EQ(folder_.Page(),
              SmallPage("body, table, td{\r\n}\r\ntable table table td{\r\n\tbackground-color: transparent;\r\n}\r\n"));

    // Cleared: the button's own handler, automatic literal "none" ...
    Click(SectionPageId::Background, 1557, false);
    EXPECT_EQ(page_.changes, Changes("enable", {1012}));
    EXPECT_EQ(folder_.Page(), SmallPage("body, table, td{\r\n}\r\ntable table table td{\r\n\tbackground-color: none;\r\n}\r\n"));
    // ... or the rgb form of the colour it holds.
    page_.colors[1012] = 0x00336699;
    Click(SectionPageId::Background, 1557, false);
    EXPECT_EQ(folder_.Page(),
              SmallPage("body, table, td{\r\n}\r\ntable table table td{\r\n\tbackground-color: rgb(153, 102, 51);\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 3);

    folder_.SetPage(SmallPage(blocks));
    Click(SectionPageId::Background, 1556, true);
    EXPECT_EQ(folder_.Page(),
              SmallPage("body, table, td{\r\n\tbackground-color: transparent;\r\n}\r\ntable table table td{\r\n}\r\n"));
    Click(SectionPageId::Background, 1556, false);
    EXPECT_EQ(folder_.Page(),
              SmallPage("body, table, td{\r\n\tbackground-color: none;\r\n}\r\ntable table table td{\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 5);
}

TEST_F(SpecialTest, CustomWidthOpensTheWidthWithItsStartNumber)
{
    const std::string blocks = "div table{\r\n\twidth: 777px;\r\n}\r\ntable table table{\r\n\twidth: 500px;\r\n}\r\n";
    folder_.SetPage(SmallPage(blocks));

    Click(SectionPageId::Size, 1658, true);
    EXPECT_EQ(page_.changes, (std::vector<std::string>{"enable 1645", "enable 1647", "enable 1646", "text 1646=800"}));
    Click(SectionPageId::Size, 1660, true);
    EXPECT_EQ(page_.changes, (std::vector<std::string>{"enable 1652", "enable 1654", "enable 1653", "text 1653=435"}));
    EXPECT_EQ(folder_.Page(), SmallPage(blocks));
    EXPECT_EQ(page_.Refreshes(), 0);

    // The first arrow writes the width, from the number shown.
    const PropertyRow* upDown = RouteNotify(SectionPageId::Size, 1647, kDeltaPosCode);
    ASSERT_TRUE(upDown);
    page_.ranges[1647] = FakePage::Range(100, 1600);
    RunPropertyHandler(*upDown, page_, {800, 1});
    EXPECT_EQ(folder_.Page(),
              SmallPage("div table{\r\n\twidth: 801px;\r\n}\r\ntable table table{\r\n\twidth: 500px;\r\n}\r\n"));

    Click(SectionPageId::Size, 1658, false);
    EXPECT_EQ(page_.changes, (std::vector<std::string>{"disable 1645", "disable 1647", "disable 1646", "text 1646="}));
    EXPECT_EQ(folder_.Page(), SmallPage("div table{\r\n}\r\ntable table table{\r\n\twidth: 500px;\r\n}\r\n"));
    Click(SectionPageId::Size, 1660, false);
    EXPECT_EQ(folder_.Page(), SmallPage("div table{\r\n}\r\ntable table table{\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 3);
}

TEST_F(SpecialTest, ContactImageRulesAreWrittenWithoutRefreshAndRemovedWithOne)
{
    const std::string heading = "table tr td table .contactTable tr td .whitetext12{\r\n\tcolor: white;\r\n}\r\n";
    folder_.SetPage(SmallPage(heading));

    Click(SectionPageId::Contact, 1550, true);
    EXPECT_EQ(page_.changes, Changes("enable", {1552, 1553, 1554}));
    EXPECT_EQ(folder_.Page(), SmallPage(heading + kContactRules));
    EXPECT_EQ(page_.Refreshes(), 0);

    page_.texts[1553] = "http://example.com/contact.png";
    Click(SectionPageId::Contact, 1554);
    const std::string withImage = SmallPage(heading + kContactRules);
    const std::string applied = ".contactTable{\r\n\twidth: 300 px !important;";
    std::string expected = withImage;
    const std::size_t end = expected.find("}\r\n", expected.find(applied));
    expected.insert(end, "\tbackground-image: url(http://example.com/contact.png);\r\n");
    EXPECT_EQ(folder_.Page(), expected);
    EXPECT_EQ(page_.Refreshes(), 1);

    // Ticking again rewrites the rules in place; the image line stays.
    Click(SectionPageId::Contact, 1550, true);
    EXPECT_EQ(folder_.Page().find(".contactTable a{", folder_.Page().find(".contactTable a{") + 1), std::string::npos);
    EXPECT_NE(folder_.Page().find("background-image: url(http://example.com/contact.png);"), std::string::npos);

    Click(SectionPageId::Contact, 1550, false);
    EXPECT_EQ(page_.changes, (std::vector<std::string>{"disable 1552", "text 1553=", "disable 1553", "disable 1554"}));
    EXPECT_EQ(folder_.Page(), SmallPage(heading));
    EXPECT_EQ(page_.Refreshes(), 2);
    EXPECT_EQ(page_.pagesAtRefresh.back(), folder_.Page());
}

TEST_F(SpecialTest, ContactApplyImageBeforeUseImageAppendsItsRule)
{
    folder_.SetPage(SmallPage("body{\r\n}\r\n"));
    Click(SectionPageId::Contact, 1554);
    EXPECT_EQ(folder_.Page(), SmallPage("body{\r\n}\r\n.contactTable{\r\n\tbackground-image: url();\r\n}\r\n"));
    EXPECT_EQ(page_.Refreshes(), 1);
}

// Both "Apply Image" buttons write one declaration line, url() and the
// address in it: whatever is typed, the style block keeps its shape (the
// page equals the small page with that one line), the address holds nothing
// that ends the url(), the line or the style element, decoding its escapes
// gives back the typed bytes, and an address that needs no escape is
// written byte for byte as typed.
TEST_F(SpecialTest, ApplyImageWritesOneWellFormedLineForAnyAddress)
{
    std::string everyByte, printable;
    for (int c = 0; c < 0x100; ++c) everyByte += static_cast<char>(c);
    for (char c = '!'; c < 0x7F; ++c)
        if (std::string("\"'()\\<>").find(c) == std::string::npos) printable += c;
    const auto decode = [](const std::string& text) {
        std::string bytes;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::string hex = text.substr(i + 1, 2);
            if (text[i] == '%' && hex.size() == 2 && hex.find_first_not_of("0123456789ABCDEF") == std::string::npos) {
                bytes += static_cast<char>(std::stoi(hex, nullptr, 16));
                i += 2;
            } else {
                bytes += text[i];
            }
        }
        return bytes;
    };
    const struct {
        std::string typed;
        bool asTyped;   // nothing in it needs an escape
    } cases[] = {
        {"http://example.com/images/back_1.gif?size=2&x=50%;y}#top", true},
        {printable, true},
        {"", true},
        {"http://example.test/</style><b>x</b>.png", false},
        {"a b(c)d) ; }", false},
        {"line\r\nnext\tcolumn\r\n}\r\n</style>", false},
        {"\"quoted\" 'single' back\\slash \x7F", false},
        {"http://example.com/bilder/caf\xC3\xA9-stra\xC3\x9F" "e-\xE6\x97\xA5.png", false},
        {"C:\\Bilder\\\xC3\x84rger 100%.gif", false},
        {everyByte, false},
        {"http://example.com/" + std::string(32 * 1024 - 19, ')'), false},
        {"http://example.com/" + std::string(32 * 1024 - 19, 'x'), true},
    };
    for (const auto& c : cases) {
        for (const auto& [section, button, edit, selector] :
             {std::tuple{SectionPageId::Background, 1063, 1007, "body{"},
              std::tuple{SectionPageId::Contact, 1554, 1553, ".contactTable{"}}) {
            SCOPED_TRACE(std::to_string(button) + ": " + c.typed.substr(0, 60));
            folder_.SetPage(SmallPage(std::string(selector) + "\r\n}\r\n"));
            page_.texts[edit] = c.typed;
            const int refreshes = page_.Refreshes();
            Click(section, button);
            EXPECT_EQ(page_.Refreshes(), refreshes + 1);
            EXPECT_EQ(page_.texts[edit], c.typed);
            const std::string page = folder_.Page();
            const std::string head = SmallPage(std::string(selector) + "\r\n\tbackground-image: url(");
            const std::string tail = ");\r\n}\r\n</style>\r\n<body></body>\r\n</html>\r\n";
            const std::size_t prefix = head.find("\tbackground-image: url(");
            ASSERT_GE(page.size(), prefix + tail.size());
            ASSERT_EQ(page.substr(0, prefix), head.substr(0, prefix));
            ASSERT_EQ(page.substr(page.size() - tail.size()), tail);
            const std::string line = page.substr(prefix, page.size() - tail.size() - prefix);
            ASSERT_EQ(line.rfind("\tbackground-image: url(", 0), 0u);
            const std::string written = line.substr(std::strlen("\tbackground-image: url("));
            EXPECT_EQ(written.find_first_of("\"'()\\<>"), std::string::npos);
            EXPECT_TRUE(std::all_of(written.begin(), written.end(),
                                    [](char b) { return b > ' ' && static_cast<unsigned char>(b) < 0x7F; }));
            EXPECT_EQ(decode(written), c.typed);
            if (c.asTyped) {
                EXPECT_EQ(written, c.typed);
            }
        }
    }
}
