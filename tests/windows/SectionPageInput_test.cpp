// Every one of the 286 rows of the property table driven through its real
// control as a user's input would drive it: a palette pick through the
// colour picker button's own click path, a drop-down's selection by arrow
// keys (CBN_SELCHANGE), a check box or button click, an up-down's arrow key
// (UDN_DELTAPOS), past both ends of the range too. After each action the
// working page must equal, byte for byte, what the portable handler writes
// on a fake page from the same start state for the same messages, with the
// same number of WM_APP+1 and the same enable states, texts, checks and
// colours of the page's controls.
#include "tests/windows/SectionPageTesting.h"

#include "controls/PaletteColors.h"
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "tests/native/FakePage.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>
#include <sstream>

using namespace sections;
using namespace page_testing;
using testing_support::FakePage;

namespace {

// The page's WM_COMMAND and WM_NOTIFY as the page receives them, seen by a
// hook on the thread: the routed ones are replayed on the fake page.
struct Seen {
    UINT message;
    int id;
    int code;
    UpDownChange change;
};

HWND g_watchedPage = nullptr;
std::vector<Seen> g_seen;

LRESULT CALLBACK WatchMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_watchedPage && g_watchedPage) {
        if (sent->message == WM_COMMAND && sent->lParam) {
            g_seen.push_back({WM_COMMAND, LOWORD(sent->wParam), HIWORD(sent->wParam), {}});
        } else if (sent->message == WM_NOTIFY && sent->lParam) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(sent->lParam);
            Seen seen{WM_NOTIFY, static_cast<int>(header->idFrom), static_cast<int>(header->code), {}};
            if (seen.code == static_cast<int>(UDN_DELTAPOS)) {
                const NMUPDOWN* upDown = reinterpret_cast<const NMUPDOWN*>(sent->lParam);
                seen.change = {upDown->iPos, upDown->iDelta};
            }
            g_seen.push_back(seen);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The palette of a colour picker button, found while its modal loop runs.
HWND FindPalette()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            if (ClassNameOf(window) == "colorpicker" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// What the timer does inside the palette's modal loop: click one entry, as
// the mouse does (move onto it, release the button over it).
int g_entry = 0;            // a box 0-39, or -3 for the automatic entry
bool g_hasAutomatic = true;
int g_ticks = 0;
bool g_clicked = false;

void CALLBACK ClickInPalette(HWND, UINT, UINT_PTR, DWORD)
{
    HWND palette = FindPalette();
    if (++g_ticks > 250 && palette) PostMessageW(palette, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!palette || g_clicked) return;
    RECT client{};
    GetClientRect(palette, &client);
    const int edge = GetSystemMetrics(SM_CYEDGE);
    const int entries = g_hasAutomatic ? 2 : 1;
    const int textHeight = (client.bottom - 2 * edge - 5 * 18) / entries;
    POINT point;
    if (g_entry < 0) {
        point = {client.right / 2, edge + textHeight / 2};
    } else {
        const int gridLeft = (client.right - 8 * 18) / 2;
        const int gridTop = edge + (g_hasAutomatic ? textHeight : 0);
        point = {gridLeft + (g_entry % 8) * 18 + 9, gridTop + (g_entry / 8) * 18 + 9};
    }
    PostMessageW(palette, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    PostMessageW(palette, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    g_clicked = true;
}

std::string Hex(unsigned value)
{
    std::ostringstream text;
    text << std::hex << std::uppercase << value;
    return text.str();
}

// The number as an up-down without UDS_NOTHOUSANDS shows it.
std::string Grouped(int number)
{
    wchar_t separator[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
    std::string digits = std::to_string(number);
    if (number >= 1000) digits.insert(digits.size() - 3, NarrowToUtf8(separator));
    return digits;
}

// The text of an address written with %XX escapes, escapes decoded.
std::string Unescape(const std::string& escaped)
{
    std::string text;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '%' && i + 2 < escaped.size() && std::isxdigit(static_cast<unsigned char>(escaped[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(escaped[i + 2]))) {
            text += static_cast<char>(std::stoi(escaped.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            text += escaped[i];
        }
    }
    return text;
}

// Byte for byte; on a difference only the neighbourhood of the first
// differing byte is shown, not the whole page.
::testing::AssertionResult SamePage(const std::string& live, const std::string& portable)
{
    if (live == portable) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < live.size() && at < portable.size() && live[at] == portable[at]) ++at;
    const std::size_t from = at > 120 ? at - 120 : 0;
    return ::testing::AssertionFailure() << "the working page differs from the portable handler's at byte " << at
                                         << "\n  live:     ..." << live.substr(from, 240)
                                         << "\n  portable: ..." << portable.substr(from, 240);
}

class SectionPageInput : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &WatchMessages, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook_, nullptr);
    }
    void TearDown() override
    {
        UnhookWindowsHookEx(hook_);
        g_watchedPage = nullptr;
        PagesTest::TearDown();
    }

    // The state of every control of a page with an id, as a fake page.
    FakePage Snapshot(SectionPageId id)
    {
        SectionPage& page = Page(id);
        FakePage fake;
        for (const TemplateControl& control : TemplateControls(id)) {
            if (control.id == -1) continue;
            HWND window = page.Control(control.id);
            if (!window) continue;
            if (!IsWindowEnabled(window)) fake.disabled.insert(control.id);
            switch (control.kind) {
            case ControlKind::ColorButton:
                if (page.ColorButton(control.id)->GetColor() != kAutomaticColor)
                    fake.colors[control.id] = page.ColorButton(control.id)->GetColor();
                break;
            case ControlKind::CheckBox:
                if (SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED) fake.checked.insert(control.id);
                break;
            case ControlKind::UpDown:
                fake.ranges[control.id] = static_cast<std::uint32_t>(SendMessageW(window, UDM_GETRANGE, 0, 0));
                break;
            default:
                fake.texts[control.id] = WindowText(window);
                break;
            }
        }
        return fake;
    }

    // What a user sees of the controls a handler may change.
    static std::string Describe(const FakePage& page, const std::set<int>& skipTexts)
    {
        std::ostringstream text;
        for (const auto& entry : page.texts)
            if (!skipTexts.count(entry.first)) text << entry.first << " \"" << entry.second << "\"; ";
        text << "disabled:";
        for (int id : page.disabled) text << " " << id;
        text << "; ticked:";
        for (int id : page.checked) text << " " << id;
        text << "; colours:";
        for (const auto& entry : page.colors) text << " " << entry.first << "=" << Hex(entry.second);
        return text.str();
    }

    // One user action on a control of a page, checked against the portable
    // handlers replaying the same routed messages on a fake page.
    void Act(SectionPageId id, int control, const std::function<void()>& action, const std::string& what)
    {
        SCOPED_TRACE(std::string(SectionPageTitle(id)) + "control " + std::to_string(control) + ": " + what);
        SectionPage& page = Page(id);
        const std::string start = WorkingPage();
        FakePage fake = Snapshot(id);
        const int refreshes = host_.refreshes;
        g_watchedPage = page.Handle();
        g_seen.clear();
        action();
        g_watchedPage = nullptr;
        const std::vector<Seen> seen = g_seen;
        const std::string live = WorkingPage();
        const FakePage after = Snapshot(id);

        // The user's input as the control holds it after the action.
        fake.texts[control] = after.texts.count(control) ? after.texts.at(control) : "";
        if (after.checked.count(control)) fake.checked.insert(control); else fake.checked.erase(control);
        if (after.colors.count(control)) fake.colors[control] = after.colors.at(control); else fake.colors.erase(control);

        SetWorkingPage(start);
        std::vector<const PropertyRow*> routed;
        std::set<int> upDownEdits;
        for (const Seen& message : seen) {
            const PropertyRow* row = message.message == WM_COMMAND ? RouteCommand(id, message.id, message.code)
                                                                   : RouteNotify(id, message.id, message.code);
            if (!row) continue;
            routed.push_back(row);
            if (row->controlId == control) driven_.insert(row);
            if (row->trigger == Trigger::DeltaPos) {
                upDownEdits.insert(row->edit);
                // The up-down shows the clamped number, grouped by thousands.
                const int lower = static_cast<std::int16_t>(fake.UpDownRange(row->controlId) >> 16);
                const int upper = static_cast<std::int16_t>(fake.UpDownRange(row->controlId) & 0xFFFF);
                const long long sum = static_cast<long long>(message.change.position) + message.change.delta;
                const int shown = static_cast<int>(sum < lower ? lower : sum > upper ? upper : sum);
                EXPECT_EQ(after.texts.at(row->edit), Grouped(shown));
            }
            RunPropertyHandler(*row, fake, message.change);
        }
        EXPECT_TRUE(SamePage(live, WorkingPage()));
        EXPECT_EQ(host_.refreshes - refreshes, fake.Refreshes());
        // The up-down writes its own buddy; the fake page has no up-down.
        std::set<int> skip = upDownEdits;
        skip.insert(control);
        EXPECT_EQ(Describe(after, skip), Describe(fake, skip));
        lastRouted_ = routed;
        SetWorkingPage(live);
    }

    void Click(SectionPageId id, int control)
    {
        HWND window = Page(id).Control(control);
        Act(id, control, [window] { SendMessageW(window, BM_CLICK, 0, 0); }, "click");
    }

    void Key(SectionPageId id, int control, WPARAM key)
    {
        HWND window = Page(id).Control(control);
        Act(id, control, [window, key] { SendMessageW(window, WM_KEYDOWN, key, 0); },
            key == VK_UP ? "up arrow" : key == VK_DOWN ? "down arrow" : "key");
    }

    // Opens the button's palette with a click and picks an entry in it.
    void Pick(SectionPageId id, int control, int entry)
    {
        HWND button = Page(id).Control(control);
        g_entry = entry;
        g_hasAutomatic = !std::string(CataloguePageOf(id).colorDefaultText).empty();
        g_ticks = 0;
        g_clicked = false;
        Act(id, control,
            [button] {
                const UINT_PTR timer = SetTimer(nullptr, 0, 20, &ClickInPalette);
                SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                KillTimer(nullptr, timer);
            },
            entry < 0 ? "automatic entry" : "palette box " + std::to_string(entry));
        EXPECT_TRUE(g_clicked) << "the palette did not open";
        if (entry >= 0) {
            EXPECT_EQ(Page(id).ColorButton(control)->GetColor(), kPaletteColors[entry].color);
        }
    }

    // A control a handler enables (border and width parts, image controls)
    // is enabled the way a user would: through the control that enables it.
    void EnableThroughItsGroup(SectionPageId id, int control)
    {
        if (IsWindowEnabled(Page(id).Control(control))) return;
        for (const PropertyRow* row : PageRows(id)) {
            if (std::find(row->switched.begin(), row->switched.end(), control) == row->switched.end()) continue;
            if (row->kind == HandlerKind::BorderStyle)
                Key(id, row->controlId, VK_UP);
            else
                Click(id, row->controlId);
            break;
        }
        ASSERT_TRUE(IsWindowEnabled(Page(id).Control(control))) << control;
    }

    void ExpectAllDriven(const std::function<bool(const PropertyRow&)>& which)
    {
        int rows = 0;
        for (const PropertyRow& row : PropertyTable()) {
            if (!which(row)) continue;
            ++rows;
            EXPECT_TRUE(driven_.count(&row)) << SectionPageTitle(row.page) << "control " << row.controlId
                                             << " was never driven";
        }
        EXPECT_GT(rows, 0);
    }

    HHOOK hook_ = nullptr;
    std::set<const PropertyRow*> driven_;
    // The rows that the messages of the last action reached, in order.
    std::vector<const PropertyRow*> lastRouted_;
};

bool IsColorRow(const PropertyRow& row)
{
    return row.kind == HandlerKind::Color || row.kind == HandlerKind::BorderColor;
}

bool IsListRow(const PropertyRow& row)
{
    return row.kind == HandlerKind::Text || row.kind == HandlerKind::Alignment ||
           row.kind == HandlerKind::BorderStyle;
}

} // namespace

// 74 colour picker buttons: a palette box, then (where the palette has one)
// the automatic entry.
TEST_F(SectionPageInput, ColourButtonsPickFromTheirPalettes)
{
    int box = 0;
    for (const PropertyRow& row : PropertyTable()) {
        if (!IsColorRow(row)) continue;
        Show(row.page);
        EnableThroughItsGroup(row.page, row.controlId);
        box = (box + 11) % kPaletteColorCount;
        Pick(row.page, row.controlId, box);
        if (!std::string(CataloguePageOf(row.page).colorDefaultText).empty()) Pick(row.page, row.controlId, -3);
    }
    ExpectAllDriven(IsColorRow);
}

// 123 drop-down lists: one item down and back up by arrow keys (up first
// from the last item); border styles leave "none", change, and return.
TEST_F(SectionPageInput, DropDownsChangeByArrowKeys)
{
    for (const PropertyRow& row : PropertyTable()) {
        if (!IsListRow(row)) continue;
        EnableThroughItsGroup(row.page, row.controlId);
        HWND list = Page(row.page).Control(row.controlId);
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        const int selected = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
        const bool upFirst = selected == count - 1;
        const std::vector<WPARAM> keys = row.kind == HandlerKind::BorderStyle
                                             ? std::vector<WPARAM>{VK_UP, VK_UP, VK_DOWN, VK_DOWN}
                                             : std::vector<WPARAM>{WPARAM(upFirst ? VK_UP : VK_DOWN),
                                                                   WPARAM(upFirst ? VK_DOWN : VK_UP)};
        // Each key changes the selection once, and that reaches this row.
        for (WPARAM key : keys) {
            Key(row.page, row.controlId, key);
            EXPECT_EQ(lastRouted_, std::vector<const PropertyRow*>{&row});
        }
    }
    ExpectAllDriven(IsListRow);
}

// 40 spin boxes: the down arrow to the lower end and one press past it, the
// up arrow to the upper end and one press past it.
TEST_F(SectionPageInput, SpinBoxesStepAndStopAtBothEnds)
{
    for (const PropertyRow& row : PropertyTable()) {
        if (row.kind != HandlerKind::Size) continue;
        EnableThroughItsGroup(row.page, row.controlId);
        HWND upDown = Page(row.page).Control(row.controlId);
        const TemplateControl* control = FindTemplateControl(row.page, row.controlId);
        ASSERT_NE(control, nullptr);
        // Near each end first (UDM_SETPOS32 sends no notification).
        SendMessageW(upDown, UDM_SETPOS32, 0, control->lower + 1);
        for (int press = 0; press < 3; ++press) Key(row.page, row.controlId, VK_DOWN);
        EXPECT_EQ(WindowText(Page(row.page).Control(row.edit)), Grouped(control->lower));
        SendMessageW(upDown, UDM_SETPOS32, 0, control->upper - 1);
        for (int press = 0; press < 3; ++press) Key(row.page, row.controlId, VK_UP);
        EXPECT_EQ(WindowText(Page(row.page).Control(row.edit)), Grouped(control->upper));
    }
    ExpectAllDriven([](const PropertyRow& row) { return row.kind == HandlerKind::Size; });
}

// 40 "Underline" boxes: clicked twice, each state written.
TEST_F(SectionPageInput, UnderlineBoxesToggleOnClick)
{
    for (const PropertyRow& row : PropertyTable()) {
        if (row.kind != HandlerKind::Underline) continue;
        Click(row.page, row.controlId);
        Click(row.page, row.controlId);
    }
    ExpectAllDriven([](const PropertyRow& row) { return row.kind == HandlerKind::Underline; });
}

// The 9 special handlers: check boxes ticked and cleared; "Apply Image"
// pressed twice after a URL is typed (typing writes nothing), then the
// image given up again.
TEST_F(SectionPageInput, SpecialCheckBoxesAndApplyButtons)
{
    for (const PropertyRow& row : PropertyTable()) {
        if (row.kind != HandlerKind::Special) continue;
        Show(row.page);
        const TemplateControl* control = FindTemplateControl(row.page, row.controlId);
        ASSERT_NE(control, nullptr);
        if (control->kind == ControlKind::CheckBox) {
            Click(row.page, row.controlId);
            Click(row.page, row.controlId);
            continue;
        }
        EnableThroughItsGroup(row.page, row.controlId);
        HWND url = Page(row.page).Control(row.edit);
        const std::string typed = "http://example.com/my pics/\"bg\".gif";
        Act(row.page, row.edit,
            [url, typed] {
                SetFocus(url);
                for (char c : typed) SendMessageW(url, WM_CHAR, static_cast<WPARAM>(c), 1);
            },
            "typing a URL");
        EXPECT_TRUE(lastRouted_.empty());
        EXPECT_EQ(WindowText(url), typed);
        Click(row.page, row.controlId);
        Click(row.page, row.controlId);
        // Addresses as they may be pasted: letters beyond ASCII, a very long
        // one, blanks only, CSS's own punctuation and a line break. The page
        // stays pure ASCII, and the address comes back from its escapes.
        for (const std::wstring& pasted : {std::wstring(L"http://example.com/bilder/café-straße-日本.png"),
                                           std::wstring(10000, L'x'), std::wstring(L"   "),
                                           std::wstring(L"a);}\r\nb")}) {
            Act(row.page, row.edit, [url, &pasted] { SetWindowTextW(url, pasted.c_str()); }, "pasting an address");
            Click(row.page, row.controlId);
            const std::string page = WorkingPage();
            EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](char c) { return (c & 0x80) == 0; }));
            const std::string start = "background-image: url(";
            const std::size_t block = page.find(row.selector, page.find("<!-- Glimmerpatch -->"));
            const std::size_t from = page.find(start, block) + start.size();
            EXPECT_EQ(Unescape(page.substr(from, page.find(");\r\n", from) - from)), WindowText(url));
        }
        // Give the image up: the group's "Use Image" cleared.
        for (const PropertyRow* other : PageRows(row.page))
            if (std::find(other->switched.begin(), other->switched.end(), row.controlId) != other->switched.end())
                Click(row.page, other->controlId);
        EXPECT_FALSE(IsWindowEnabled(Page(row.page).Control(row.controlId)));
        EXPECT_EQ(WindowText(url), "");
    }
    ExpectAllDriven([](const PropertyRow& row) { return row.kind == HandlerKind::Special; });
}
