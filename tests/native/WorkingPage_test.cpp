#include "page/DefaultStyleBlock.h"
#include "page/PreviewRefresh.h"
#include "page/WorkingPage.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "style/TextPrimitives.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const char kMarkerLine[] = "<!-- Glimmerpatch -->\r\n";
const char kStyleEnd[] = "</style>\r\n";

std::size_t CountOf(const std::string& text, const std::string& pattern, std::size_t from = 0,
                    std::size_t to = std::string::npos)
{
    std::size_t count = 0;
    for (auto at = text.find(pattern, from); at != std::string::npos && at < to; at = text.find(pattern, at + 1)) ++count;
    return count;
}

// The line that starts at position p, without its CR LF.
std::string LineAt(const std::string& text, std::size_t p)
{
    return text.substr(p, text.find("\r\n", p) - p);
}

// The style block from the marker line through its "</style>" line.
std::string StyleBlockOf(const std::string& page)
{
    const auto marker = page.find(kMarkerLine);
    if (marker == std::string::npos) return {};
    const auto end = page.find(kStyleEnd, marker);
    if (end == std::string::npos) return {};
    return page.substr(marker, end + sizeof(kStyleEnd) - 1 - marker);
}

// Where two texts first differ, as "byte B, line L, column C: ..." (all
// counted from 1), or empty when they are equal.
std::string FirstDifference(const std::string& written, const std::string& expected)
{
    std::size_t at = 0;
    while (at < written.size() && at < expected.size() && written[at] == expected[at]) ++at;
    if (at == written.size() && at == expected.size()) return std::string();
    const std::size_t lineStart = at == 0 ? 0 : written.rfind('\n', at - 1) + 1;
    const auto byteAt = [at](const std::string& text) {
        return at < text.size() ? std::to_string(static_cast<unsigned char>(text[at])) : std::string("the end");
    };
    return "byte " + std::to_string(at + 1) + ", line " + std::to_string(CountOf(written, "\n", 0, at) + 1) +
           ", column " + std::to_string(at - lineStart + 1) + ": written " + byteAt(written) + ", expected " +
           byteAt(expected) + " after \"" + written.substr(lineStart, at - lineStart) + "\"";
}

} // namespace

TEST(WorkingPage, LinesEndInCrLfAndTextIsAscii)
{
    const std::string page = WorkingPageText();
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
    for (std::size_t i = 0; i < page.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(page[i]);
        ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\t' || c == '\r' || c == '\n')
            << "byte " << int(c) << " at " << i;
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < page.size() && page[i + 1] == '\n') << "bare CR at " << i;
        }
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && page[i - 1] == '\r') << "bare LF at " << i;
        }
    }
}

// The page is fixed text that browsers, the style selectors and users' pasted
// styles have been matched against, so no byte of it may change by accident
// (a reformatted body, an editor that changed the line ends, a lost TAB). The
// page as the program writes it is kept in golden/MySpace.html, stored byte
// for byte; a deliberate change of the page text changes that file with it.
TEST(WorkingPage, WrittenPageIsTheGoldenPageByteForByte)
{
    testing_support::WorkingFolder folder("glimmerpatch-golden");
    ASSERT_TRUE(WriteWorkingPage());
    const std::string golden = testing_support::ReadFileOrMissing(GLIMMER_GOLDEN_PAGE);
    ASSERT_NE(golden, "<missing>") << GLIMMER_GOLDEN_PAGE;
    EXPECT_EQ(FirstDifference(folder.Page(), golden), "") << "against " << GLIMMER_GOLDEN_PAGE;
}

// What the edits rely on, which a deliberately changed page keeps as well:
// rule block searches start at the marker word, so it stands first in the
// marker comment, and only the site style sheet closes before it.
TEST(WorkingPage, TheMarkerWordComesFirstInTheMarkerComment)
{
    const std::string page = WorkingPageText();
    EXPECT_EQ(CountOf(page, "<!-- Glimmerpatch -->"), 1u);
    const auto marker = page.find(kMarkerLine);
    ASSERT_NE(marker, std::string::npos);
    EXPECT_EQ(page.find("Glimmerpatch"), marker + 5);
    EXPECT_EQ(CountOf(page, "</style>", 0, marker), 1u);
}

TEST(WorkingPage, EverySelectorIsFoundFirstAtItsOwnLine)
{
    const std::string page = WorkingPageText();
    const TextPosition m = Find(page, "Glimmerpatch", 0);
    ASSERT_NE(m, -1);
    const TextPosition styleEnd = Find(page, "</style>", m);
    TextPosition previous = m;
    int row = 0;
    for (const DefaultRuleBlock& block : DefaultRuleBlocks()) {
        ++row;
        const TextPosition s = Find(page, block.selector, m);
        ASSERT_NE(s, -1) << "row " << row;
        EXPECT_EQ(page.substr(static_cast<std::size_t>(s) - 2, 2), "\r\n") << "row " << row << " not at a line start";
        EXPECT_EQ(LineAt(page, static_cast<std::size_t>(s)), block.selector) << "row " << row;
        EXPECT_GT(s, previous) << "row " << row << " out of order";
        EXPECT_LT(s, styleEnd) << "row " << row;
        previous = s;
    }
}

TEST(WorkingPage, WritesTheSamePageEveryTimeInOneWrite)
{
    testing_support::WorkingFolder folder("glimmerpatch-page");
    const unsigned long before = WholeFileWriteCount();
    WriteWorkingPage();
    EXPECT_EQ(WholeFileWriteCount(), before + 1);
    const std::string first = folder.Page();
    WriteWorkingPage();
    EXPECT_EQ(folder.Page(), first);
    EXPECT_EQ(first, WorkingPageText());
}

TEST(WorkingPage, ReplacesAPageHoldingUserStyle)
{
    testing_support::WorkingFolder folder("glimmerpatch-page");
    WriteWorkingPage();
    StyleDocument::SetProperty("body{", "color", "rgb(1, 2, 3)");
    StyleDocument::SetProperty("td.custom{", "width", "12px");
    ASSERT_NE(folder.Page().find("td.custom{"), std::string::npos);
    WriteWorkingPage();
    EXPECT_EQ(folder.Page(), WorkingPageText());

    // A longer old file is truncated, not overwritten in part.
    folder.SetPage(std::string(300 * 1024, 'x'));
    WriteWorkingPage();
    EXPECT_EQ(folder.Page(), WorkingPageText());
}

TEST(WorkingPage, MissingFolderWritesNothing)
{
    testing_support::WorkingFolder folder("glimmerpatch-page");
    SetStartupDirectory(JoinPath(folder.Path(), "no-such-folder"));
    const unsigned long before = WholeFileWriteCount();
    WriteWorkingPage();
    EXPECT_EQ(WholeFileWriteCount(), before);
    EXPECT_EQ(testing_support::ReadFileOrMissing(WorkingPagePath()), "<missing>");
}

TEST(WorkingPage, FriendCountRuleIsEditedInPlace)
{
    testing_support::WorkingFolder folder("glimmerpatch-page");
    WriteWorkingPage();
    const std::string selector = "table tr td.text table tr td.text table tr td .btext .redbtext{";
    StyleDocument::SetProperty(selector, "color", "rgb(1, 2, 3)");

    const std::string page = folder.Page();
    const std::string block = StyleBlockOf(page);
    EXPECT_EQ(CountOf(block, selector), 1u) << "no second block appended";
    const std::string edited = selector + "\r\n\tfont-family: Verdana;\r\n\tfont-weight: normal;\r\n"
                                          "\tfont-style: normal;\r\n\tfont-size: 10pt;\r\n\tcolor: rgb(1, 2, 3);\r\n}\r\n\r\n"
                                          "table tr td.text table tr td.text table tr td table tr td table tr td a{\r\n";
    EXPECT_NE(block.find(edited), std::string::npos);
    EXPECT_EQ(page.size(), WorkingPageText().size() - 2) << "only the value changed";
}

TEST(WorkingPage, EveryDefaultRuleBlockTakesItsOwnEdits)
{
    testing_support::WorkingFolder folder("glimmerpatch-page");
    WriteWorkingPage();
    for (const DefaultRuleBlock& block : DefaultRuleBlocks()) StyleDocument::SetProperty(block.selector, "z-index", "7");

    const std::string page = folder.Page();
    std::string expected;
    for (const DefaultRuleBlock& block : DefaultRuleBlocks()) {
        std::string lines = std::string(block.selector) + "\r\n";
        for (const std::string& declaration : block.declarations) lines += "\t" + declaration + "\r\n";
        lines += "\tz-index: 7;\r\n}\r\n";
        EXPECT_NE(page.find(lines), std::string::npos) << block.selector;
    }
    EXPECT_EQ(page.size(), WorkingPageText().size() + 92 * std::string("\tz-index: 7;\r\n").size())
        << "no rule block was appended";
}

// The preview's refresh: the working page, in any form of its address and at
// any fragment, is reloaded; anything else, or a failed page, is left for it.
TEST(WorkingPage, PreviewRefreshReloadsOnlyTheWorkingPage)
{
    const std::string plain = "C:\\Users\\Ann\\Glimmer\\MySpace.html";
    const std::string odd = "D:\\Ann's #1 100% caf\xC3\xA9\\MySpace.html";
    const std::string share = "\\\\server\\share\\MySpace.html";
    std::string deep = "C:";
    while (deep.size() < 300) deep += "\\folder-of-a-long-path";
    deep += "\\MySpace.html";
    std::string deepUrl = "file:///" + deep;
    std::replace(deepUrl.begin(), deepUrl.end(), '\\', '/');

    const auto reload = PreviewRefresh::Reload;
    const auto again = PreviewRefresh::ShowPageAgain;
    const struct {
        const std::string& path;
        std::string shown;
        bool failed;
        PreviewRefresh expected;
    } rows[] = {
        {plain, "file:///C:/Users/Ann/Glimmer/MySpace.html", false, reload},
        {plain, "file:///c:/users/ann/glimmer/myspace.html#self", false, reload},
        {plain, "file://C:\\Users\\Ann\\Glimmer\\MySpace.html", false, reload},
        {plain, plain + "#self", false, reload},
        {plain, "file:///C:/Users/Ann/Glimmer/MySpace.html", true, again},
        {plain, "file:///C:/Users/Ann/Glimmer/MySpace.html?searchrequest=x#self", false, again},
        {plain, "file:///C:/Users/Ann/Glimmer/index.cfm?fuseaction=find", false, again},
        {plain, "file:///C:/Users/Ann/Other/MySpace.html", false, again},
        {plain, "http://www.example.com/", false, again},
        {plain, "about:blank", false, again},
        {plain, "res://ieframe.dll/navcancl.htm#file:///C:/Users/Ann/Glimmer/MySpace.html", false, again},
        {plain, "", false, again},
        {odd, "file:///D:/Ann's%20%231%20100%25%20caf%C3%A9/MySpace.html", false, reload},
        {odd, "file:///D:/Ann's%20%231%20100%25%20caf%E9/MySpace.html#self", false, reload},
        {odd, "file:///D:/Ann's #1 100% caf\xC3\xA9/MySpace.html#self", false, reload},
        {odd, odd, false, reload},
        {odd, "file:///D:/Ann's%20#1%20100%25%20caf%C3%A9", false, again},
        {odd, "file:///D:/Ann's%20%231%20100%2520caf%C3%A9/MySpace.html", false, again},
        {share, "file://server/share/MySpace.html#self", false, reload},
        {deep, deepUrl, false, reload},
        {deep, deepUrl + "#self", false, reload},
        {deep, deepUrl.substr(0, deepUrl.size() - 1), false, again},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecidePreviewRefresh(row.shown, row.path, row.failed), row.expected)
            << row.shown << " for " << row.path << (row.failed ? " after a failure" : "");
}
