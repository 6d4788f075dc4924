// The body comes from page/body.html, compiled in byte for byte. These checks
// hold the written page to its known bytes and count what the style
// selectors rely on, so a body edited by mistake fails here.
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

TEST(PageBody, IsAsciiWithCrLfLineEndsAndEndsThePage)
{
    const std::string body = Body();
    ASSERT_GT(body.size(), 2u);
    int line = 1;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(body[i]);
        ASSERT_TRUE(c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F))
            << "byte " << int(c) << " on line " << line;
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < body.size() && body[i + 1] == '\n') << "bare CR on line " << line;
        }
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && body[i - 1] == '\r') << "bare LF on line " << line;
            ++line;
        }
    }
    EXPECT_EQ(body.substr(body.size() - 2), "\r\n");

    const std::string page = WorkingPageText();
    ASSERT_GT(page.size(), body.size());
    EXPECT_EQ(page.substr(page.size() - body.size()), body);
    std::string appended = "head\r\n";
    AppendPageBody(appended);
    EXPECT_EQ(appended, "head\r\n" + body);
}

TEST(PageBody, MarkersStyleEndsAndTablesCounted)
{
    const std::string body = Body();

    // Online-now markers are numbered 0 to 10 in order of appearance.
    std::vector<std::string> numbers;
    for (int n = 0; n <= 10; ++n) numbers.push_back(std::to_string(n));
    EXPECT_EQ(Captures(body, "ID=\"UserDataNode(\\d+)\" CLASS=\"DataPoint=OnlineNow;UserID=\\d{1,9};\">"), numbers);
    std::vector<std::string> friends;
    for (int n = 0; n < 8; ++n) friends.push_back("0" + std::to_string(n));
    EXPECT_EQ(Captures(body, "FriendRepeater_ctl(\\d\\d)_friendLink\""), friends);
    EXPECT_EQ(Captures(body, "FriendRepeater_ctl(\\d\\d)_friendImageLink\""), friends);

    // Five "</style>" lines after the style block, none before its end.
    EXPECT_EQ(Captures(body, "(?:^|\n)\t*(</style>)\r").size(), 5u);
    EXPECT_EQ(Count(body, "<!-- Glimmerpatch -->"), 0);

    // Tables, rows and the ids used twice on purpose.
    EXPECT_EQ(Count(body, "<table"), Count(body, "</table>"));
    EXPECT_EQ(Count(body, "<tr"), Count(body, "</tr>"));
    EXPECT_EQ(Count(body, "<td"), Count(body, "</td>") + 1) << "two cells left open, one stray end tag";
    EXPECT_EQ(Count(body, "id=\"Table1\""), 2);
    EXPECT_EQ(Count(body, "id=\"Table2\""), 2);
    EXPECT_EQ(Count(body, "<form"), Count(body, "</form>"));
}

TEST(PageBody, LinksPointToSelfAndImagesIntoTheHtmlFolder)
{
    const std::string body = Body();
    const std::vector<std::string> hrefs = Captures(body, "href=\"([^\"]*)\"");
    EXPECT_FALSE(hrefs.empty());
    for (const std::string& href : hrefs) EXPECT_EQ(href, "#self");
    const std::vector<std::string> sources = Captures(body, "src=\"([^\"]*)\"");
    EXPECT_FALSE(sources.empty());
    for (const std::string& src : sources) EXPECT_EQ(src.rfind("html\\", 0), 0u) << src;
}
