#include "page/PageBody.h"
#include "page/WorkingPage.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace {

std::string Body()
{
    std::string body;
    AppendPageBody(body);
    return body;
}

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Trim(const std::string& line)
{
    const auto first = line.find_first_not_of("\t ");
    return first == std::string::npos ? "" : line.substr(first, line.find_last_not_of("\t ") - first + 1);
}

std::vector<std::string> TrimmedLines(const std::string& text)
{
    std::vector<std::string> lines = SplitCrLf(text);
    for (std::string& line : lines) line = Trim(line);
    return lines;
}

int Count(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}

// All first capture groups of the pattern, in order.
std::vector<std::string> Captures(const std::string& text, const std::string& pattern)
{
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

// The index of the first line equal to `line` at or after `from`, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& line, int from = 0)
{
    for (int i = from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == line) return i;
    return -1;
}


// SHA-256 (FIPS 180-4) of a byte string, as 64 lower-case hex digits.
std::string Sha256Hex(const std::string& data)
{
    static const std::uint32_t k[64] = {
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
        0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
        0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
        0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
        0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
        0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
        0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
        0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};
    std::uint32_t h[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                          0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    const auto rotr = [](std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); };

    std::string m = data;
    m += '\x80';
    while (m.size() % 64 != 56) m += '\0';
    const std::uint64_t bits = static_cast<std::uint64_t>(data.size()) * 8;
    for (int i = 7; i >= 0; --i) m += static_cast<char>((bits >> (8 * i)) & 0xff);

    for (std::size_t chunk = 0; chunk < m.size(); chunk += 64) {
        std::uint32_t w[64];
        for (int i = 0; i < 16; ++i) {
            w[i] = 0;
            for (int b = 0; b < 4; ++b) w[i] = (w[i] << 8) | static_cast<unsigned char>(m[chunk + 4 * i + b]);
        }
        for (int i = 16; i < 64; ++i) {
            const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        std::uint32_t a[8];
        for (int i = 0; i < 8; ++i) a[i] = h[i];
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t t1 = a[7] + (rotr(a[4], 6) ^ rotr(a[4], 11) ^ rotr(a[4], 25)) +
                                     ((a[4] & a[5]) ^ (~a[4] & a[6])) + k[i] + w[i];
            const std::uint32_t t2 = (rotr(a[0], 2) ^ rotr(a[0], 13) ^ rotr(a[0], 22)) +
                                     ((a[0] & a[1]) ^ (a[0] & a[2]) ^ (a[1] & a[2]));
            for (int j = 7; j > 0; --j) a[j] = a[j - 1];
            a[4] += t1;
            a[0] = t1 + t2;
        }
        for (int i = 0; i < 8; ++i) h[i] += a[i];
    }
    std::string hex;
    char digits[9];
    for (std::uint32_t word : h) {
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(word));
        hex += digits;
    }
    return hex;
}

} // namespace

TEST(PageBody, LinesAreCrLfTabIndentedAscii)
{
    const std::string body = Body();
    ASSERT_FALSE(body.empty());
    for (std::size_t i = 0; i < body.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(body[i]);
        ASSERT_TRUE(c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c) << " at " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && body[i - 1] == '\r') << "bare LF at " << i;
        }
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < body.size() && body[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    for (const std::string& line : SplitCrLf(body)) {
        if (line.empty()) continue;
        EXPECT_NE(line.front(), ' ') << "indented by blanks: " << line;
        EXPECT_NE(line.back(), '\t') << line;
    }
}

TEST(PageBody, RunsFromBodyStartTagToRequestEndComment)
{
    const std::string body = Body();
    EXPECT_EQ(body.rfind("<body bgcolor=\"e5e5e5\" alink=\"4e607b\" link=\"4e607b\" vlink=\"4e607b\" bottommargin=\"0\" "
                         "leftmargin=\"0\" rightmargin=\"0\" topmargin=\"0\" "
                         "style=\"visibility:visible; display:block\">\r\n<a name=\"self\">\r\n",
                         0),
              0u);
    const std::string tail = "</style>\r\n\r\n</html>\r\n\r\n\r\n<!-- onRequestEnd -->\r\n\r\n";
    ASSERT_GE(body.size(), tail.size());
    EXPECT_EQ(body.substr(body.size() - tail.size()), tail);
    EXPECT_EQ(Count(body, "<a name=\"self\">"), 1);
    EXPECT_EQ(Count(body, "</body>"), 1);

    // Appending leaves what is there and always gives the same text.
    std::string page = "head\r\n";
    AppendPageBody(page);
    EXPECT_EQ(page, "head\r\n" + body);
}

TEST(PageBody, AddsFiveStyleEndLinesAllAfterTheStyleBlock)
{
    const std::vector<std::string> body = TrimmedLines(Body());
    int bodyEnds = 0;
    for (const std::string& line : body) bodyEnds += line == "</style>";
    EXPECT_EQ(bodyEnds, 5) << "profile sheet, two in the blurbs, footer style, final style";

    const std::vector<std::string> page = SplitCrLf(WorkingPageText());
    const int marker = IndexOf(page, "<!-- Glimmerpatch -->");
    const int bodyStart = static_cast<int>(page.size() - body.size());
    ASSERT_GE(marker, 0);
    const int blockEnd = IndexOf(page, "</style>", marker);
    ASSERT_GE(blockEnd, 0);
    EXPECT_LT(blockEnd, bodyStart) << "the style block ends before the body";
    int after = 0;
    for (int i = blockEnd + 1; i < static_cast<int>(page.size()); ++i) after += Trim(page[i]) == "</style>";
    EXPECT_EQ(after, 5);
}

TEST(PageBody, TagsBalanceExceptTheOpenPhotoCell)
{
    const std::string body = Body();
    EXPECT_EQ(Count(body, "<table"), Count(body, "</table>"));
    EXPECT_EQ(Count(body, "<tr"), Count(body, "</tr>"));
    EXPECT_EQ(Count(body, "<span"), Count(body, "</span>"));
    EXPECT_EQ(Count(body, "<div") + Count(body, "<DIV"), Count(body, "</div>"));
    EXPECT_EQ(Count(body, "<font"), Count(body, "</font>"));
    EXPECT_EQ(Count(body, "<form"), Count(body, "</form>"));
    // The photo cell and the bare cell after it stay open; one stray "</td>"
    // follows the spacer cell.
    EXPECT_EQ(Count(body, "<td"), Count(body, "</td>") + 1);
    EXPECT_EQ(Count(body, "<b>"), 1);
    EXPECT_EQ(Count(body, "</b>"), 0);
}

TEST(PageBody, IdsAndMarkersCountThroughThePage)
{
    const std::string body = Body();
    EXPECT_EQ(Count(body, "id=\"Table1\""), 2);
    EXPECT_EQ(Count(body, "id=\"Table2\""), 2);
    EXPECT_LT(body.find("<table id=\"Table2\" cellspacing"), body.find("<table id=\"Table1\" bordercolor=\"#6699cc\""));
    EXPECT_LT(body.find("<table id=\"Table1\" bordercolor=\"#6699cc\""), body.find("<table id=\"Table2\" bordercolor"));
    EXPECT_LT(body.find("<table id=\"Table2\" bordercolor"), body.find("<table id=\"Table1\" bordercolor=\"#000000\""));

    const std::string marker = "<DIV style=\"width:80px;height:20px;\" ID=\"UserDataNode(\\d+)\" "
                               "CLASS=\"DataPoint=OnlineNow;UserID=\\d{1,9};\">";
    std::vector<std::string> expected;
    for (int n = 0; n <= 10; ++n) expected.push_back(std::to_string(n));
    EXPECT_EQ(Captures(body, marker), expected);
    EXPECT_EQ(Captures(body, marker + "</div>\r\n"), std::vector<std::string>{"0"}) << "closed on its line";
    EXPECT_EQ(Captures(body, marker + "\r\n\t*</div>\r\n").size(), 10u) << "closed on the next line";

    const std::vector<std::string> nn = {"00", "01", "02", "03", "04", "05", "06", "07"};
    EXPECT_EQ(Captures(body, "FriendRepeater_ctl(\\d\\d)_friendLink\""), nn);
    EXPECT_EQ(Captures(body, "FriendRepeater_ctl(\\d\\d)_friendImageLink\""), nn);
    // The friends' markers are 1 to 8; the comments take 9 and 10.
    EXPECT_LT(body.find("ctl07_friendImageLink"), body.find("ID=\"UserDataNode8\""));
    EXPECT_LT(body.find("ID=\"UserDataNode8\""), body.find("Friends Comments"));
    EXPECT_LT(body.find("Friends Comments"), body.find("ID=\"UserDataNode9\""));
}

TEST(PageBody, NavigationBarLinksInOrderWithTheirSpans)
{
    const std::vector<std::string> lines = TrimmedLines(Body());
    std::vector<std::string> labels;
    const std::regex link("<a class=\"navbar\" ?href=\"#self\">(\\w+)");
    for (const std::string& line : lines) {
        std::smatch m;
        if (std::regex_match(line, m, link)) labels.push_back(m[1]);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Home", "Browse", "Search", "Invite", "Film", "Mail", "Blog",
                                                "Favorites", "Forum", "Groups", "Events", "Videos", "Music",
                                                "Comedy", "Classifieds"}));
    EXPECT_NE(IndexOf(lines, "<a class=\"navbar\"href=\"#self\">Mail"), -1);
    EXPECT_EQ(IndexOf(lines, "<a class=\"navbar\" href=\"#self\">Mail"), -1);

    // Each span holds one link and one separator, in the order of the bar.
    const auto spanBody = [&](const std::string& id) {
        const int at = IndexOf(lines, "<span id=\"ctl00_Header_Header1_" + id + "\">");
        return at < 0 ? std::vector<std::string>{} : std::vector<std::string>(lines.begin() + at + 1, lines.begin() + at + 5);
    };
    EXPECT_EQ(spanBody("Span1"), (std::vector<std::string>{"<a class=\"navbar\" href=\"#self\">Film", "</a>",
                                                           "&nbsp;|&nbsp;", "</span>"}));
    EXPECT_EQ(spanBody("Span4"), (std::vector<std::string>{"&nbsp;|&nbsp;", "<a class=\"navbar\" href=\"#self\">Comedy",
                                                           "</a>", "</span>"}));
    EXPECT_EQ(spanBody("Span2"), (std::vector<std::string>{"&nbsp;|&nbsp;",
                                                           "<a class=\"navbar\" href=\"#self\">Classifieds", "</a>",
                                                           "</span>"}));
    int separators = 0;
    const int navStart = IndexOf(lines, "<font face=\"Arial, Helvetica, sans-serif\" color=\"#000000\">");
    for (int i = navStart; i >= 0 && lines[i] != "</font>"; ++i) separators += lines[i] == "&nbsp;|&nbsp;";
    EXPECT_EQ(separators, 14);
}

TEST(PageBody, IrregularMarkupIsKept)
{
    const std::string body = Body();
    const std::vector<std::string> lines = TrimmedLines(body);

    // Unclosed photo cell, a bare cell start tag, and a stray end tag.
    const int photo = IndexOf(lines, "<img src=\"html\\your_photo.gif\" style=\"border-width:0px;\" />");
    ASSERT_GE(photo, 0);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + photo + 1, lines.begin() + photo + 8),
              (std::vector<std::string>{"</a>", "<td>", "<td width=\"15\" height=\"75\" bgcolor=\"#ffffff\" class=\"text\">",
                                        "<img src=\"html\\clear.gif\" width=\"15\" height=\"8\" border=\"0\" alt=\"\">",
                                        "</td>", "</td>",
                                        "<td class=\"text\" width=\"193\" bgcolor=\"#ffffff\" height=\"75\" "
                                        "align=\"left\">\"Customize\""}));

    // Two stray "</style>" lines close the blurb cells.
    const int about = IndexOf(lines, "<br>Blurb 1");
    ASSERT_GE(about, 0);
    EXPECT_EQ(lines[about + 1], "</style>");
    EXPECT_EQ(lines[about + 2], "</td>");

    // Unquoted row ids, and the one detail whose label and value share a line.
    EXPECT_NE(IndexOf(lines, "<tr id=GeneralRow>"), -1);
    EXPECT_NE(IndexOf(lines, "<tr id=Here for:Row>"), -1);
    EXPECT_NE(IndexOf(lines, "</span></td><td id=\"ProfileEducation:\" width=\"175\" bgcolor=\"#d5e8fb\" "
                             "style=\"WORD-WRAP: break-word\">Your education"),
              -1);
    EXPECT_EQ(Captures(body, "<tr id=([^\"][^>]*)>").size(), 14u) << "5 interests and 9 details";

    // Spellings the site uses: doubled blanks and a doubled folder.
    EXPECT_EQ(Count(body, "cellpadding=\"0\"  bgcolor=\"003399\">"), 1);
    EXPECT_EQ(Count(body, "<font  face=\"Arial, Helvetica, sans-serif\" size=\"0\">"), 1);
    EXPECT_EQ(Count(body, "<img src=\"html\\html\\clear.gif\" width=\"15\" height=\"2\" border=\"0\">"), 1);
}

TEST(PageBody, InterestsAreHighlightedEachByItsOwnScript)
{
    const std::string body = Body();
    EXPECT_EQ(Captures(body, "<script language=\"JavaScript\">highlightInterests\\(\"Profile(\\w+)\"\\);\r\n\t*</script>"),
              (std::vector<std::string>{"General", "Music", "Movies", "Television", "Books"}));
    // Each call follows its own row, and the function is defined before.
    const auto function = body.find("function highlightInterests(IDString)");
    EXPECT_LT(function, body.find("<tr id=GeneralRow>"));
    EXPECT_LT(body.find("id=\"ProfileBooks\""), body.find("highlightInterests(\"ProfileBooks\")"));
    EXPECT_NE(body.find("CLASS=\"searchlinksmall\" onclick=\"executeSearch(this.innerHTML);return false;\">$1</A>"),
              std::string::npos);
}

TEST(PageBody, LinksImagesAndFormsFollowTheSiteRules)
{
    const std::string body = Body();
    for (const std::string& href : Captures(body, "href=\"([^\"]*)\"")) EXPECT_EQ(href, "#self");
    for (const std::string& src : Captures(body, "src=\"([^\"]*)\"")) EXPECT_EQ(src.rfind("html\\", 0), 0u) << src;

    EXPECT_EQ(Captures(body, "<img src=\"html\\\\(\\w+\\.gif)\" border=\"0\" align=\"middle\" />"),
              (std::vector<std::string>{"sendMailIcon.gif", "forwardMailIcon.gif", "addFriendIcon.gif",
                                        "addFavoritesIcon.gif", "messagefriend.gif", "blockuser.gif",
                                        "icon_add_to_group.gif", "icon_rank_user4.gif"}));

    // Only the top bar's form holds table rows.
    const std::vector<std::string> lines = TrimmedLines(body);
    const int topForm = IndexOf(lines, "<form>");
    const int topEnd = IndexOf(lines, "</form>", topForm);
    const int school = IndexOf(lines, "<form action=\"index.cfm\" method=\"get\" name=\"SchoolSearch\">");
    const int schoolEnd = IndexOf(lines, "</form>", school);
    ASSERT_TRUE(topForm >= 0 && topEnd > topForm && school > topEnd && schoolEnd > school);
    EXPECT_GT(IndexOf(lines, "<tr>", topForm), topForm);
    EXPECT_LT(IndexOf(lines, "<tr>", topForm), topEnd);
    for (int i = school; i < schoolEnd; ++i) EXPECT_EQ(lines[i].rfind("<tr", 0), std::string::npos) << lines[i];
    EXPECT_EQ(schoolEnd - school - 1, 13) << "hidden fields of the school search";

    EXPECT_EQ(Count(body, "<a class=\"text\" href=\"#self\" target=\"_self\">"), 9);
    EXPECT_EQ(Count(body, "<a class=\"text\" href=\"#self\">"), 1);
    EXPECT_EQ(Captures(body, "<IFRAME SRC=\"\" NAME=\"([A-Za-z0-9]{24})\" ID=\"[A-Za-z0-9]{24}\" "
                             "STYLE=\"border:0px;width:0px;height:0px;\">\r\n</IFRAME>")
                  .size(),
              1u);
    const auto frame = Captures(body, "NAME=\"(\\w+)\"");
    const auto frameId = Captures(body, "<IFRAME SRC=\"\" NAME=\"\\w+\" ID=\"(\\w+)\"");
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frameId, frame);
}

TEST(PageBody, FriendCountSitsInsideBtextInsideTheRightColumn)
{
    const std::vector<std::string> lines = TrimmedLines(Body());
    const int right = IndexOf(lines, "<td class=\"text\" valign=\"top\" align=\"center\" width=\"435\" bgcolor=\"#ffffff\">");
    const int count = IndexOf(lines, "<span class=\"redbtext\">20");
    ASSERT_GT(right, 0);
    ASSERT_GT(count, right);
    EXPECT_EQ(lines[count - 1].rfind("<span class=\"btext\">", 0), 0u);
    EXPECT_EQ(lines[count + 1], "</span> friends.");
    EXPECT_EQ(lines[count + 2], "</span>");
    // The friend space's own cell carries the class "text" too.
    EXPECT_LT(IndexOf(lines, "<td class=\"text\" align=\"left\" width=\"435\" bgcolor=\"ffffff\" height=\"20\">", right),
              count);
}

// The page is fixed text that browsers, the style selectors and users' pasted
// styles have been matched against, so no byte of it may change by accident
// (a reformatted body, an editor that changed the line ends, a lost TAB).
// These are the length and digest of the page as the program writes it; a
// deliberate change of the page text updates both, with its reason.
TEST(PageBody, WrittenPageIsTheKnownPageByteForByte)
{
    ASSERT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    ASSERT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");

    testing_support::WorkingFolder folder("glimmerpatch-golden");
    WriteWorkingPage();
    const std::string page = folder.Page();
    EXPECT_EQ(page.size(), 82975u);
    EXPECT_EQ(Sha256Hex(page), "a28613c725ff963296b119c11ec7a1f8551f16ed0c1fb490469162f009d9b517");
}
