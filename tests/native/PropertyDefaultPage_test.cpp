// Every row of the property table run once against the real default working
// page: it must find its own rule block and edit only that.
#include "page/WorkingPage.h"
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "style/TextPrimitives.h"
#include "tests/native/FakePage.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

using namespace sections;
using testing_support::FakePage;
using testing_support::WorkingFolder;

namespace {

const std::string kStyleStart = "<style type=\"text/css\">\r\n";

bool IsContactImageSelector(const std::string& selector)
{
    for (const ContactImageRule& rule : ContactImageRules())
        if (rule.selector == selector) return true;
    return false;
}

// The working page cut into the text before the rule blocks, the rule blocks
// and other lines in order, and the text from "</style>" on.
struct StyleParts {
    std::string head;
    std::vector<std::string> pieces;     // a whole rule block, or one other line
    std::vector<std::string> selectors;  // the block's selector, empty for other lines
    std::string tail;
    bool valid = false;
};

StyleParts Split(const std::string& page)
{
    StyleParts parts;
    const TextPosition start = Find(page, kStyleStart, Find(page, "Glimmerpatch", 0));
    const TextPosition end = Find(page, "</style>", start);
    if (start == -1 || end == -1) return parts;
    const std::size_t first = static_cast<std::size_t>(start) + kStyleStart.size();
    parts.head = page.substr(0, first);
    parts.tail = page.substr(static_cast<std::size_t>(end));
    std::size_t at = first;
    while (at < static_cast<std::size_t>(end)) {
        const std::size_t lineEnd = page.find("\r\n", at);
        if (lineEnd == std::string::npos || lineEnd >= static_cast<std::size_t>(end)) return parts;
        const std::string line = page.substr(at, lineEnd - at);
        if (!line.empty() && line.back() == '{') {
            const std::size_t close = page.find("\r\n}\r\n", at);
            if (close == std::string::npos || close >= static_cast<std::size_t>(end)) return parts;
            parts.pieces.push_back(page.substr(at, close + 5 - at));
            parts.selectors.push_back(line);
            at = close + 5;
        } else {
            parts.pieces.push_back(line + "\r\n");
            parts.selectors.push_back("");
            at = lineEnd + 2;
        }
    }
    parts.valid = true;
    return parts;
}

std::vector<std::string> Lines(const std::string& block)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < block.size();) {
        const std::size_t end = block.find("\r\n", at);
        if (end == std::string::npos) break;
        lines.push_back(block.substr(at, end + 2 - at));
        at = end + 2;
    }
    return lines;
}

// What a row's handler is given and what it should leave behind.
struct Expectation {
    std::vector<std::pair<std::string, std::string>> lines;   // selector, declaration line
    std::set<std::string> touched;                             // blocks it may edit
    std::vector<std::string> appended;                         // blocks it adds, in order
    int refreshes = 1;
};

std::string TypicalText(const std::string& property)
{
    if (property == "font-family") return "Georgia";
    if (property == "font-weight") return "bold";
    if (property == "font-style") return "italic";
    if (property == "background-position") return "center center";
    if (property == "background-repeat") return "no-repeat";
    if (property == "background-attachment") return "fixed";
    return "?";
}

Expectation Prepare(const PropertyRow& row, FakePage& page, UpDownChange& change, const StyleParts& before)
{
    Expectation expect;
    expect.touched.insert(row.selector);
    const auto line = [&](const std::string& selector, const std::string& property, const std::string& value) {
        expect.lines.emplace_back(selector, "\t" + property + ": " + value + ";\r\n");
    };
    switch (row.kind) {
    case HandlerKind::Color:
    case HandlerKind::BorderColor:
        page.colors[row.controlId] = 0x00996633;
        line(row.selector, row.property, "rgb(51, 102, 153)");
        break;
    case HandlerKind::Text:
        page.texts[row.controlId] = TypicalText(row.property);
        line(row.selector, row.property, TypicalText(row.property));
        break;
    case HandlerKind::Size: {
        int lower = 4, upper = 40, start = 8;
        if (row.property == "border-width") lower = 1, upper = 50, start = 4;
        if (row.property == "width") lower = 100, upper = 1600, start = 800;
        page.ranges[row.controlId] = FakePage::Range(lower, upper);
        change = {start, 1};
        line(row.selector, row.property, std::to_string(start + 1) + row.literal);
        break;
    }
    case HandlerKind::Underline:
        page.checked.insert(row.controlId);
        line(row.selector, "text-decoration", "underline");
        break;
    case HandlerKind::Alignment:
        page.texts[row.controlId] = "center";
        line(row.selector, "text-align", "center");
        line(row.selector, "display", "block");
        break;
    case HandlerKind::BorderStyle:
        page.texts[row.controlId] = "solid";
        for (int id : row.switched) page.disabled.insert(id);
        line(row.selector, "border-style", "solid");
        line(row.selector, "border-width", "4px");
        line(row.selector, "border-color", "rgb(255, 255, 255)");
        break;
    case HandlerKind::Special:
        page.checked.insert(row.controlId);
        switch (row.special) {
        case SpecialHandler::RemoveDefaultBorders: {
            expect.touched.insert(row.cellSelector);
            expect.lines.emplace_back(row.cellSelector, "\t\tborder-style: none;\r\n");
            bool styled = false;
            for (std::size_t i = 0; i < before.pieces.size(); ++i)
                if (before.selectors[i] == row.selector)
                    styled = before.pieces[i].find("\tborder-style") != std::string::npos;
            if (!styled) expect.lines.emplace_back(row.selector, "\t\tborder-style: none;\r\n");
            break;
        }
        case SpecialHandler::RemoveDefaultBackground:
        case SpecialHandler::Transparent:
            line(row.selector, row.property, "transparent");
            break;
        case SpecialHandler::BackgroundApplyImage:
        case SpecialHandler::ContactApplyImage:
            page.texts[row.edit] = "http://example.com/picture.gif";
            line(row.selector, row.property, "url(http://example.com/picture.gif)");
            // The contact image rules are not in the default block: the
            // first use appends the rule.
            if (IsContactImageSelector(row.selector)) {
                expect.touched.clear();
                expect.appended.push_back(row.selector);
            }
            break;
        case SpecialHandler::BackgroundUseImage:
        case SpecialHandler::CustomWidth:
            expect.touched.clear();
            expect.refreshes = 0;
            break;
        case SpecialHandler::ContactUseImage:
            expect.touched.clear();
            expect.refreshes = 0;
            for (const ContactImageRule& rule : ContactImageRules()) expect.appended.push_back(rule.selector);
            break;
        case SpecialHandler::None:
            break;
        }
        break;
    }
    return expect;
}

std::string Describe(const PropertyRow& row)
{
    return std::string(SectionPageTitle(row.page)) + "\"" + row.group + "\" control " + std::to_string(row.controlId) +
           " on " + row.selector;
}

class DefaultPageTest : public ::testing::Test {
protected:
    WorkingFolder folder_{"glimmer-default"};
    void SetUp() override { WriteWorkingPage(); }
};

} // namespace

TEST_F(DefaultPageTest, EverySelectorIsFoundAtTheStartOfItsOwnRuleBlock)
{
    const std::string page = folder_.Page();
    const TextPosition marker = Find(page, "Glimmerpatch", 0);
    ASSERT_NE(marker, -1);
    std::set<std::string> selectors;
    for (const PropertyRow& row : PropertyTable()) {
        selectors.insert(row.selector);
        if (!row.cellSelector.empty()) selectors.insert(row.cellSelector);
    }
    for (const std::string& selector : selectors) {
        const TextPosition at = Find(page, selector, marker);
        if (IsContactImageSelector(selector)) {
            EXPECT_EQ(at, -1) << selector << " is appended on first use, not part of the default block";
            continue;
        }
        ASSERT_NE(at, -1) << "missing from the default style block: " << selector;
        const std::size_t lineStart = page.rfind("\r\n", static_cast<std::size_t>(at)) + 2;
        const std::string line = page.substr(lineStart, page.find("\r\n", lineStart) - lineStart);
        EXPECT_EQ(line, selector) << "found first inside another selector line";
    }
}

TEST_F(DefaultPageTest, EveryHandlerEditsOnlyItsOwnRuleBlock)
{
    const std::string original = folder_.Page();
    const StyleParts before = Split(original);
    ASSERT_TRUE(before.valid);
    int rowsRun = 0;
    for (const PropertyRow& row : PropertyTable()) {
        SCOPED_TRACE(Describe(row));
        FakePage page;
        UpDownChange change;
        const Expectation expect = Prepare(row, page, change, before);
        // With no page to edit, every refresh says that the change was lost.
        FakePage lost = page;
        std::remove(WorkingPagePath().c_str());
        RunPropertyHandler(row, lost, change);
        EXPECT_EQ(lost.storedAtRefresh, std::vector<StoreResult>(expect.refreshes, StoreResult::Failed));

        folder_.SetPage(original);
        EXPECT_EQ(RunPropertyHandler(row, page, change), StoreResult::Stored);
        EXPECT_EQ(page.storedAtRefresh, std::vector<StoreResult>(expect.refreshes, StoreResult::Stored));
        ++rowsRun;

        const std::string text = folder_.Page();
        EXPECT_EQ(page.Refreshes(), expect.refreshes);
        if (page.Refreshes() > 0) {
            EXPECT_EQ(page.pagesAtRefresh.back(), text);
        }
        const StyleParts after = Split(text);
        ASSERT_TRUE(after.valid);
        EXPECT_EQ(after.head, before.head);
        EXPECT_EQ(after.tail, before.tail);
        ASSERT_EQ(after.pieces.size(), before.pieces.size() + expect.appended.size());

        for (std::size_t i = 0; i < before.pieces.size(); ++i) {
            EXPECT_EQ(after.selectors[i], before.selectors[i]);
            if (!expect.touched.count(before.selectors[i])) {
                EXPECT_EQ(after.pieces[i], before.pieces[i]) << "changed another block";
                continue;
            }
            // Lines of the block that the handler does not write stay, in order.
            std::vector<std::string> kept, left;
            for (const std::string& l : Lines(before.pieces[i])) {
                bool written = false;
                for (const auto& entry : expect.lines)
                    written = written || (entry.first == before.selectors[i] &&
                                          l.compare(0, entry.second.find(':'), entry.second.substr(0, entry.second.find(':'))) == 0);
                if (!written) kept.push_back(l);
            }
            for (const std::string& l : Lines(after.pieces[i]))
                if (std::find(kept.begin(), kept.end(), l) != kept.end()) left.push_back(l);
            EXPECT_EQ(left, kept) << "lost a line of " << before.selectors[i];
        }
        for (std::size_t i = 0; i < expect.appended.size(); ++i)
            EXPECT_EQ(after.selectors[before.pieces.size() + i], expect.appended[i]);

        for (const auto& entry : expect.lines) {
            bool found = false;
            for (std::size_t i = 0; i < after.pieces.size(); ++i)
                if (after.selectors[i] == entry.first && after.pieces[i].find(entry.second) != std::string::npos)
                    found = true;
            EXPECT_TRUE(found) << "no line \"" << entry.second << "\" in " << entry.first;
        }
        if (expect.touched.empty() && expect.appended.empty()) {
            EXPECT_EQ(text, original);
        }
    }
    EXPECT_EQ(rowsRun, 286);
}
