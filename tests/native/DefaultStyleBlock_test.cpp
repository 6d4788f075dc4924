#include "page/DefaultStyleBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParsedBlock {
    std::string selector;
    std::vector<std::string> declarations; // without the leading TAB
    bool blankAfter = false;
};

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Reads the rule blocks back from the lines of a style block, failing the
// test on any line that is not in the block format.
std::vector<ParsedBlock> ParseRuleBlocks(const std::vector<std::string>& lines, std::size_t first, std::size_t end)
{
    std::vector<ParsedBlock> blocks;
    ParsedBlock* open = nullptr;
    for (std::size_t i = first; i < end; ++i) {
        const std::string& line = lines[i];
        if (open) {
            if (line == "}") {
                open = nullptr;
            } else {
                EXPECT_TRUE(line.size() > 1 && line[0] == '\t' && line[1] != '\t') << "declaration line " << i;
                EXPECT_EQ(line.back(), ';') << line;
                open->declarations.push_back(line.substr(1));
            }
        } else if (line.empty()) {
            EXPECT_FALSE(blocks.empty() || blocks.back().blankAfter) << "stray empty line " << i;
            if (!blocks.empty()) blocks.back().blankAfter = true;
        } else {
            EXPECT_EQ(line.back(), '{') << line;
            EXPECT_EQ(line.find(" {"), std::string::npos) << line;
            EXPECT_NE(line[0], '\t') << line;
            blocks.push_back({line, {}, false});
            open = &blocks.back();
        }
    }
    EXPECT_EQ(open, nullptr) << "last rule block not closed";
    return blocks;
}

std::vector<std::string> DefaultBlockLines()
{
    std::string text;
    AppendDefaultStyleBlock(text);
    return SplitCrLf(text);
}

} // namespace

TEST(DefaultStyleBlock, FramedByMarkerStartTagAndEndTag)
{
    const std::vector<std::string> lines = DefaultBlockLines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "<!-- Glimmerpatch -->");
    EXPECT_EQ(lines[1], "<style type=\"text/css\">");
    EXPECT_EQ(lines[2], "body{");
    EXPECT_EQ(lines[lines.size() - 2], "}") << "no empty line before </style>";
    EXPECT_EQ(lines.back(), "</style>");
}

TEST(DefaultStyleBlock, ParsesBackToTheTable)
{
    const std::vector<std::string> lines = DefaultBlockLines();
    const std::vector<ParsedBlock> parsed = ParseRuleBlocks(lines, 2, lines.size() - 1);
    const std::vector<DefaultRuleBlock>& table = DefaultRuleBlocks();
    ASSERT_EQ(parsed.size(), 92u);
    ASSERT_EQ(table.size(), 92u);
    int blanks = 0;
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(parsed[i].selector, table[i].selector);
        EXPECT_EQ(parsed[i].declarations, table[i].declarations);
        EXPECT_EQ(parsed[i].blankAfter, table[i].blankAfter);
        blanks += parsed[i].blankAfter ? 1 : 0;
    }
    EXPECT_EQ(blanks, 22) << "22 rows of the layout end with an empty line";
}

TEST(DefaultStyleBlock, SelectorsAreUniqueAndShorterOnesComeFirst)
{
    const std::vector<DefaultRuleBlock>& blocks = DefaultRuleBlocks();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const std::string shorter = blocks[i].selector;
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_EQ(std::string(blocks[j].selector).find(shorter), std::string::npos)
                << "row " << i + 1 << " \"" << shorter << "\" is contained in earlier row " << j + 1;
        }
    }
}
