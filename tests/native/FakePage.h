// A section page without windows for the property handler tests: controls
// are plain values, and every change a handler makes to them is logged in
// order. At each refresh the working page is read, so a test can tell that
// the refresh came after the handler's last write.
#pragma once

#include "sections/PageControls.h"
#include "page/WorkingPage.h"
#include "tests/native/TestSupport.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

class FakePage : public sections::PageControls {
public:
    std::map<int, ColorValue> colors;     // missing: the automatic colour
    std::map<int, std::string> texts;
    std::set<int> checked;
    std::map<int, std::uint32_t> ranges;
    std::set<int> disabled;
    std::vector<std::string> changes;               // "enable 1003", "text 1007=", "color 1564=FFFFFF"
    std::vector<std::string> pagesAtRefresh;
    std::vector<StoreResult> storedAtRefresh;       // what each refresh said of the stores

    // UDM_GETRANGE's packing: upper limit in the low word, lower in the high.
    static std::uint32_t Range(int lower, int upper)
    {
        return static_cast<std::uint16_t>(upper) |
               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(lower)) << 16);
    }

    int Refreshes() const { return static_cast<int>(pagesAtRefresh.size()); }

    ColorValue ButtonColor(int id) const override
    {
        const auto found = colors.find(id);
        return found == colors.end() ? kAutomaticColor : found->second;
    }
    void SetButtonColor(int id, ColorValue color) override
    {
        colors[id] = color;
        char hex[16];
        std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(color));
        changes.push_back("color " + std::to_string(id) + "=" + hex);
    }
    std::string ControlText(int id) const override
    {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
    void SetControlText(int id, const std::string& text) override
    {
        texts[id] = text;
        changes.push_back("text " + std::to_string(id) + "=" + text);
    }
    bool IsChecked(int id) const override { return checked.count(id) != 0; }
    std::uint32_t UpDownRange(int id) const override
    {
        const auto found = ranges.find(id);
        return found == ranges.end() ? Range(0, 100) : found->second;
    }
    void EnableControl(int id) override
    {
        disabled.erase(id);
        changes.push_back("enable " + std::to_string(id));
    }
    void DisableControl(int id) override
    {
        disabled.insert(id);
        changes.push_back("disable " + std::to_string(id));
    }
    bool IsControlEnabled(int id) const override { return disabled.count(id) == 0; }
    void SendRefresh(StoreResult stored) override
    {
        pagesAtRefresh.push_back(ReadFileOrMissing(WorkingPagePath()));
        storedAtRefresh.push_back(stored);
    }
};

// A small working page: a site style sheet before the marker (which handlers
// must never touch), then the style block with the given rule blocks.
inline std::string SmallPage(const std::string& ruleBlocks)
{
    return "<html>\r\n<style>\r\ntable table table{\r\n\tcolor: red;\r\n}\r\n</style>\r\n"
           "<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\n" +
           ruleBlocks + "</style>\r\n<body></body>\r\n</html>\r\n";
}

} // namespace testing_support
