#include "page/SiteStyleSheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> SiteSheetLines()
{
    std::string text;
    AppendSiteStyleSheet(text);
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Index of the first line equal to text at or after from, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& text, int from = 0)
{
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == text) return i;
    return -1;
}

// The line of the rule for exactly this selector, or an empty text.
std::string RuleFor(const std::vector<std::string>& lines, const std::string& selector, int from = 0)
{
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i].rfind(selector + " {", 0) == 0) return lines[i];
    return {};
}

// "selector {declarations}" on one line, no TAB, no nested braces.
bool IsCompactRule(const std::string& line)
{
    const auto open = line.find(" {");
    return open != std::string::npos && open > 0 && line.back() == '}' && line.find('\t') == std::string::npos &&
           line.find_first_of("{}", open + 2) == line.size() - 1;
}

int CountContaining(const std::vector<std::string>& lines, const std::string& text)
{
    int count = 0;
    for (const std::string& line : lines) count += line.find(text) != std::string::npos ? 1 : 0;
    return count;
}

// Rules whose selector is the prefix followed by a number, as ".w800".
int CountNumbered(const std::vector<std::string>& lines, const std::string& prefix)
{
    int count = 0;
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) != 0) continue;
        const auto digits = line.find_first_not_of("0123456789", prefix.size());
        count += digits > prefix.size() && line.compare(digits, 2, " {") == 0 ? 1 : 0;
    }
    return count;
}

} // namespace

TEST(SiteStyleSheet, IsOneStyleElementOfCompactRulesAndComments)
{
    const std::vector<std::string> lines = SiteSheetLines();
    ASSERT_GT(lines.size(), 400u);
    EXPECT_EQ(lines.front(), "<style type=\"text/css\">");
    EXPECT_EQ(lines.back(), "</style>");
    int openComments = 0;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.find("style>"), std::string::npos) << line;
        EXPECT_EQ(line.find("Glimmerpatch"), std::string::npos) << "the marker word belongs to the style block only";
        if (!line.empty() && line[0] == '\t') {
            EXPECT_NE(line[1], '\t') << line;
            if (line.find("/*") != std::string::npos) ++openComments;
            if (line.find("*/") != std::string::npos) --openComments;
            EXPECT_TRUE(openComments == 0 || openComments == 1) << line;
        } else {
            EXPECT_EQ(openComments, 0) << "rule inside a comment: " << line;
            EXPECT_TRUE(IsCompactRule(line)) << line;
        }
    }
    EXPECT_EQ(openComments, 0);
}

TEST(SiteStyleSheet, GroupsComeInTheirOrder)
{
    const std::vector<std::string> lines = SiteSheetLines();
    const char* const headings[] = {
        "\t/* REDEFINED TAGS */", "\t/* TEXT DEFAULTS */", "\t/* TEXT FORMATTING */",
        "\t/* DEFAULT FONT, SIZE 8, BLACK */", "\t/* DEFAULT FONT, SIZE 8, COLORS */", "\t/* DEFAULT FONT, SIZE 8 */",
        "\t/* DEFAULT FONT, SIZE 11 */", "\t/* DEFAULT FONT, SIZE 13 */", "\t/* DEFAULT FONT, SIZE 13 */",
        "\t/* TABLE COLORS */", "\t/*-----------------------NEW", "\t/*----------------------END OF NEW",
        "\t/* Myspace Search styles - begins */", "\t/* Myspace Search styles - ends */", "\t/* Links */",
        "\t/* Lists */", "\t/* Forms */", "\t/* Div's */", "\t/* Classes */", "\t/* Background */", "\t/* Border */",
        "\t/* Font Color */", "\t/* Font Size */", "\t/* Font Alignment */", "\t/* Font Line Height */",
        "\t/* Links */", "\t/* Dimensions */", "\t/* Widths */", "\t/* Heights */", "\t/* Padding */",
        "\t/* Margin */", "\t/* Visibility */",
    };
    int at = 0;
    for (const char* heading : headings) {
        const int found = IndexOf(lines, heading, at);
        ASSERT_NE(found, -1) << heading << " missing or out of order";
        at = found + 1;
    }
    EXPECT_EQ(lines[IndexOf(lines, "\t/*-----------------------NEW") + 1].rfind("\tCLASSES---", 0), 0u);
    EXPECT_NE(RuleFor(lines, "#greybox", at), "");
    EXPECT_NE(RuleFor(lines, ".BoxedAdLinks", at), "");
    EXPECT_EQ(RuleFor(lines, ".verdana12"),
              ".verdana12 {font-family:verdana; font-size:12px; font-weight:normal; color:rgb(0,0,0);}");
    EXPECT_LT(IndexOf(lines, RuleFor(lines, ".button")), IndexOf(lines, "\t/* REDEFINED TAGS */"));
}

TEST(SiteStyleSheet, TextClassesCarryTheirValues)
{
    const std::vector<std::string> lines = SiteSheetLines();
    EXPECT_EQ(RuleFor(lines, ".whitetext12"), ".whitetext12 {font-family:verdana,arial,sans-serif,helvetica; "
                                              "font-size:9pt; color:rgb(255,255,255); font-weight:bold;}");
    EXPECT_NE(RuleFor(lines, ".spacetext").find("font-family:arial,"), std::string::npos);
    EXPECT_NE(RuleFor(lines, ".spacetext").find("line-height: 18pt;"), std::string::npos);
    EXPECT_NE(RuleFor(lines, ".orangetext").find("color:rgb(255,152,0);"), std::string::npos);
    EXPECT_NE(RuleFor(lines, ".blacktext14bu").find("text-decoration:underline;"), std::string::npos);
    EXPECT_EQ(RuleFor(lines, "body, td, li, p, div, textarea"),
              "body, td, li, p, div, textarea {font-family:verdana,arial,sans-serif,helvetica; font-size:8pt; "
              "color:rgb(0,0,0); font-weight:normal;}");

    // ".redbtext" twice, the second time right after ".bluetext13".
    const int first = IndexOf(lines, RuleFor(lines, ".redbtext"));
    const int blue13 = IndexOf(lines, RuleFor(lines, ".bluetext13"));
    ASSERT_NE(first, -1);
    ASSERT_NE(blue13, -1);
    EXPECT_LT(first, blue13);
    EXPECT_EQ(lines[blue13 + 1], lines[first]);
}

TEST(SiteStyleSheet, LinkClassesHaveBaseThenFourStates)
{
    const std::vector<std::string> lines = SiteSheetLines();
    const int navbar = IndexOf(lines, RuleFor(lines, "a.navbar"));
    ASSERT_NE(navbar, -1);
    EXPECT_EQ(lines[navbar], "a.navbar {font-family:verdana,arial,sans-serif,helvetica; font-size:8pt; "
                             "font-weight:normal; text-decoration:underline;}");
    EXPECT_EQ(lines[navbar + 1], "a.navbar:link {color:rgb(255,255,255);}");
    EXPECT_EQ(lines[navbar + 2], "a.navbar:active {color:rgb(255,255,255);}");
    EXPECT_EQ(lines[navbar + 3], "a.navbar:visited {color:rgb(255,255,255);}");
    EXPECT_EQ(lines[navbar + 4], "a.navbar:hover {color:rgb(4,12,92);}");

    EXPECT_EQ(RuleFor(lines, "a.readmail:link"), "a.readmail:link {color: Purple;}");
    EXPECT_EQ(RuleFor(lines, "a.black7:visited"), "a.black7:visited {color:Black;}");
    EXPECT_EQ(RuleFor(lines, "a.white").find("font-weight"), std::string::npos);
    EXPECT_NE(RuleFor(lines, "a.chat:visited").find("text-decoration:underline;"), std::string::npos);
    EXPECT_NE(RuleFor(lines, "a.skip").find("text-align:right;"), std::string::npos);
    EXPECT_EQ(RuleFor(lines, "a.searchlinkBig:link"), "a.searchlinkBig:link {color:rgb(0,102,145);}");

    // In the new classes, each of these is followed by the plain link states.
    for (const char* base : {"a.rob", "a.bert", "a.spiel", "a.man"}) {
        const int at = IndexOf(lines, RuleFor(lines, base));
        ASSERT_NE(at, -1) << base;
        EXPECT_EQ(lines[at + 1], "a:link {color:rgb(0,51,153); text-decoration:none;}") << base;
        EXPECT_EQ(lines[at + 4], "a:hover {color:rgb(204,0,0); text-decoration:underline;}") << base;
    }
    EXPECT_NE(RuleFor(lines, "a.classifiedsDone:hover").find("line-through"), std::string::npos);
}

TEST(SiteStyleSheet, ColourFamiliesSpanAllThirteenColours)
{
    const std::vector<std::string> lines = SiteSheetLines();
    const char* const names[] = {"White", "Blue", "LtBlue", "DkBlue", "NavBlue", "Grey", "DkGrey",
                                 "Red", "Peach", "Purple", "Green", "Orange", "Black"};
    for (const char* name : names) {
        EXPECT_NE(RuleFor(lines, std::string(".bg") + name), "") << name;
        EXPECT_NE(RuleFor(lines, std::string(".bor") + name), "") << name;
        EXPECT_NE(RuleFor(lines, std::string(".txt") + name), "") << name;
    }
    EXPECT_EQ(RuleFor(lines, ".bgNavBlue"), ".bgNavBlue {background-color:rgb(102,152,203);}");
    EXPECT_EQ(RuleFor(lines, ".borPeach"), ".borPeach {border:1px solid rgb(255,204,153);}");
    EXPECT_EQ(RuleFor(lines, ".txtDkBlue"), ".txtDkBlue {color:rgb(4,12,92);}");
    for (const char* side : {"T {border-top:1px solid ", "B {border-bottom:1px solid ", "L {border-left:1px solid ",
                             "R {border-right:1px solid "})
        EXPECT_GT(CountContaining(lines, side), 0) << side;

    // Every Orange rule is followed by the note on the alternative orange, and the note stands nowhere else.
    int orange = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("Orange") == std::string::npos || lines[i][0] == '\t') continue;
        ++orange;
        ASSERT_LT(i + 1, lines.size());
        EXPECT_EQ(lines[i + 1], "\t/* Alternative rgb(255,152,0) */") << lines[i];
    }
    EXPECT_GE(orange, 3);
    EXPECT_EQ(CountContaining(lines, "Alternative rgb(255,152,0)"), orange);
}

TEST(SiteStyleSheet, WidthAndHeightClasses)
{
    const std::vector<std::string> lines = SiteSheetLines();
    EXPECT_EQ(RuleFor(lines, ".w10"), ".w10 {width:10px;}");
    EXPECT_EQ(RuleFor(lines, ".w800"), ".w800 {width:800px;}");
    EXPECT_EQ(RuleFor(lines, ".w700"), "");
    EXPECT_EQ(CountNumbered(lines, ".w"), 29);
    EXPECT_EQ(RuleFor(lines, ".h15"), ".h15 {height:15px;}");
    EXPECT_EQ(RuleFor(lines, ".h400"), ".h400 {height:400px;}");
    EXPECT_EQ(RuleFor(lines, ".h425"), "");
    EXPECT_EQ(RuleFor(lines, ".h90"), "");
    EXPECT_EQ(CountNumbered(lines, ".h"), 18);
    EXPECT_EQ(RuleFor(lines, ".padTB10"), ".padTB10 {padding-top:10px; padding-bottom:10px;}");
    EXPECT_EQ(RuleFor(lines, ".marRL20"), ".marRL20 {margin-right:20px; margin-left:20px;}");
    EXPECT_EQ(RuleFor(lines, ".noMar"), ".noMar {margin:0;}");
}
