// The tab container and its strip with sixteen real page dialogs, driven by
// clicks on the strip and by the container's own operations.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/TabContainer.h"
#include "controls/TabStripMetrics.h"
#include "framework/AccessibleObject.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "framework/Owned.h"
#include "tests/windows/DialogTemplateBuilder.h"
#include "tests/windows/WindowTestSupport.h"

#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace {

constexpr DWORD kMainFrameStripStyle = 0x2143;
// The strip's notification codes, as the section pages' host sees them.
constexpr int kClick = -2;
constexpr int kSelChanging = -552;
constexpr int kSelChange = -551;

// The DPIs a strip may be drawn for besides its window's.
const int kOtherDpis[] = {120, 144, 192};

// The height a strip wants at a DPI: from the ascent of the icon-title font
// made for that DPI.
int ExpectedStripHeight(int dpi)
{
    LOGFONTW logFont{};
    EXPECT_TRUE(IconTitleFontForDpi(logFont, dpi));
    HFONT font = CreateFontIndirectW(&logFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return tabstrip::StripHeight(metrics.tmAscent, tabstrip::MetricsForDpi(dpi));
}

class RecordingPage : public Dialog {
public:
    std::vector<UINT> messages;
    std::vector<WPARAM> commands;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_KEYDOWN || message.message == WM_CHAR) messages.push_back(message.message);
        if (message.message == WM_COMMAND) commands.push_back(message.wParam);
        if (message.message == WM_INITDIALOG) {
            result = FALSE;
            return true;
        }
        return false;
    }
};

class RecordingContainer : public TabContainer {
public:
    std::vector<int> codes;
    std::vector<TabStripNotification> selections;
    bool veto = false;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(message.lParam);
            const int code = static_cast<int>(header->code);
            if (code == kSelChanging || code == kSelChange || code == kClick) {
                codes.push_back(code);
                if (code != kClick) selections.push_back(*reinterpret_cast<const TabStripNotification*>(header));
            }
            if (code == kSelChanging && veto) {
                result = 1;
                return true;
            }
        }
        return TabContainer::ProcessMessage(message, result);
    }
};

class TabStripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        container_.SetStripStyle(kMainFrameStripStyle);
        ASSERT_NE(container_.Create(nullptr, RECT{20, 20, 920, 320}, WS_POPUP | WS_VISIBLE, 0), nullptr);
        ASSERT_NE(container_.Strip().Handle(), nullptr);
    }
    // The pages and the container go with the fixture's members: their
    // windows are destroyed by the objects' destructors.

    HWND MakePage(const wchar_t* title)
    {
        DialogTemplateBuilder builder(WS_CHILD, 0, 0, 300, 60, title);
        builder.AddControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 50, 14, 100, L"Inside");
        pages_.push_back(std::make_unique<Owned<RecordingPage>>());
        HWND page = pages_.back()->CreateModeless(container_.Handle(), builder.Get());
        EXPECT_NE(page, nullptr);
        return page;
    }

    void AddSixteenPages()
    {
        for (int i = 1; i <= 16; ++i) {
            const std::wstring title = L" Title " + std::to_wstring(i) + L" ";
            EXPECT_EQ(container_.AddPage(MakePage(title.c_str())), i - 1);
        }
        container_.Strip().SelectTab(0);
        window_tests::PumpPending();
    }

    std::vector<int> VisiblePages() const
    {
        std::vector<int> visible;
        for (std::size_t i = 0; i < pages_.size(); ++i) {
            if (IsWindowVisible(pages_[i]->Handle())) visible.push_back(static_cast<int>(i));
        }
        return visible;
    }

    void ClickTab(int index)
    {
        const RECT tab = container_.Strip().TabRect(index);
        const LPARAM point = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        SendMessageW(container_.Strip().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(container_.Strip().Handle(), WM_LBUTTONUP, 0, point);
    }

    void ResizeContainer(int width)
    {
        SetWindowPos(container_.Handle(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        window_tests::PumpPending();
    }

    Owned<RecordingContainer> container_;
    std::vector<std::unique_ptr<Owned<RecordingPage>>> pages_;
};

} // namespace

TEST_F(TabStripTest, StripWindowAndDefaultStyle)
{
    wchar_t name[64] = {};
    GetClassNameW(container_.Strip().Handle(), name, 64);
    EXPECT_STREQ(name, L"GlimmerpatchTabStrip");
    EXPECT_EQ(GetWindowLongPtrW(container_.Strip().Handle(), GWL_STYLE) & 0xFFFF, kMainFrameStripStyle);
    EXPECT_EQ(Owned<TabContainer>().GetStripStyle(), 0x4002u);

    // The strip is drawn for its window's DPI, its height following the
    // ascent of the icon-title font for that DPI.
    const int dpi = WindowDpi(container_.Strip().Handle());
    EXPECT_EQ(container_.Strip().Dpi(), dpi);
    EXPECT_EQ(container_.Strip().StripHeight(), ExpectedStripHeight(dpi));
}

TEST_F(TabStripTest, AddingAPageTwiceSelectsItsTabAndAddsNothing)
{
    HWND first = MakePage(L" Background ");
    HWND second = MakePage(L" Borders ");
    EXPECT_EQ(container_.AddPage(first), 0);
    EXPECT_EQ(container_.AddPage(second), 1);
    EXPECT_EQ(container_.Strip().SelectedIndex(), 1);
    EXPECT_EQ(container_.AddPage(first), 0);
    EXPECT_EQ(container_.Strip().TabCount(), 2);
    EXPECT_EQ(container_.Strip().SelectedIndex(), 0);
    EXPECT_EQ(container_.ActivePage(), first);
    EXPECT_EQ(container_.Strip().TabTitle(0), L" Background ");
    EXPECT_EQ(container_.Strip().TabTitle(1), L" Borders ");

    // A window without text is "Untitled".
    EXPECT_EQ(container_.AddPage(MakePage(L"")), 2);
    EXPECT_EQ(container_.Strip().TabTitle(2), L"Untitled");
    EXPECT_EQ(container_.AddPage(nullptr), -1);
}

TEST_F(TabStripTest, AfterSixteenPagesTheFirstIsSelectedAndAloneShown)
{
    AddSixteenPages();
    EXPECT_EQ(container_.Strip().TabCount(), 16);
    EXPECT_EQ(container_.Strip().SelectedIndex(), 0);
    EXPECT_EQ(container_.ActivePage(), pages_[0]->Handle());
    EXPECT_EQ(VisiblePages(), std::vector<int>{0});

    // The strip lies along the bottom, the page fills the rest above it.
    RECT client, strip, page;
    GetClientRect(container_.Handle(), &client);
    GetWindowRect(container_.Strip().Handle(), &strip);
    GetWindowRect(pages_[0]->Handle(), &page);
    MapWindowPoints(nullptr, container_.Handle(), reinterpret_cast<POINT*>(&strip), 2);
    MapWindowPoints(nullptr, container_.Handle(), reinterpret_cast<POINT*>(&page), 2);
    EXPECT_EQ(strip.bottom, client.bottom);
    EXPECT_EQ(strip.bottom - strip.top, container_.Strip().StripHeight());
    EXPECT_EQ(page.top, 0);
    EXPECT_EQ(page.bottom, strip.top);
    EXPECT_EQ(page.right, client.right);
}

TEST_F(TabStripTest, ClickingATabSwitchesPagesAndFocus)
{
    AddSixteenPages();
    container_.codes.clear();
    container_.selections.clear();
    ClickTab(3);
    EXPECT_EQ(container_.codes, (std::vector<int>{kClick, kSelChanging, kSelChange}));
    EXPECT_EQ(container_.Strip().SelectedIndex(), 3);
    EXPECT_EQ(VisiblePages(), std::vector<int>{3});
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == pages_[3]->Handle() || IsChild(pages_[3]->Handle(), focus));
    ASSERT_EQ(container_.selections.size(), 2u);
    EXPECT_EQ(container_.selections[0].oldIndex, 0);
    EXPECT_EQ(container_.selections[0].newIndex, 3);
    EXPECT_EQ(container_.selections[0].point.x, -1);
    EXPECT_EQ(container_.selections[0].point.y, -1);
}

TEST_F(TabStripTest, ReselectingTheSelectedTabNotifiesButShowsNoOtherPage)
{
    AddSixteenPages();
    container_.codes.clear();
    container_.selections.clear();
    EXPECT_TRUE(container_.Strip().SelectTab(0));
    EXPECT_EQ(container_.codes, (std::vector<int>{kSelChanging, kSelChange}));
    ASSERT_EQ(container_.selections.size(), 2u);
    EXPECT_EQ(container_.selections[1].oldIndex, 0);
    EXPECT_EQ(container_.selections[1].newIndex, 0);
    EXPECT_EQ(VisiblePages(), std::vector<int>{0});

    // An index past the end keeps the selection and sends nothing.
    container_.codes.clear();
    EXPECT_FALSE(container_.Strip().SelectTab(16));
    EXPECT_TRUE(container_.codes.empty());
    EXPECT_EQ(container_.Strip().SelectedIndex(), 0);

    // A click on the selected tab gives the page the focus.
    SetFocus(container_.Strip().Handle());
    ClickTab(0);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == pages_[0]->Handle() || IsChild(pages_[0]->Handle(), focus));
    EXPECT_EQ(VisiblePages(), std::vector<int>{0});
}

TEST_F(TabStripTest, AVetoKeepsTheSelection)
{
    AddSixteenPages();
    container_.veto = true;
    container_.codes.clear();
    EXPECT_FALSE(container_.Strip().SelectTab(5));
    ClickTab(6);
    EXPECT_EQ(container_.codes, (std::vector<int>{kSelChanging, kClick, kSelChanging}));
    EXPECT_EQ(container_.Strip().SelectedIndex(), 0);
    EXPECT_EQ(container_.ActivePage(), pages_[0]->Handle());
    EXPECT_EQ(VisiblePages(), std::vector<int>{0});
}

TEST_F(TabStripTest, ScrollButtonsAppearAndSelectingAHiddenTabScrollsItIn)
{
    AddSixteenPages();
    ResizeContainer(2400);
    EXPECT_FALSE(container_.Strip().ScrollButtonsShown());

    ResizeContainer(400);
    TabStrip& strip = container_.Strip();
    ASSERT_TRUE(strip.ScrollButtonsShown());
    EXPECT_EQ(strip.ScrollOffset(), 0);
    EXPECT_FALSE(strip.CanScrollLeft());
    EXPECT_TRUE(strip.CanScrollRight());
    EXPECT_GT(strip.TabRect(15).left, strip.VisibleWidth()); // out of view

    strip.SelectTab(15);
    RECT last = strip.TabRect(15);
    const tabstrip::Metrics& metrics = strip.Metrics();
    EXPECT_EQ(last.right, strip.VisibleWidth() - metrics.scrollMargin);
    EXPECT_LT(strip.ScrollOffset(), 0);
    EXPECT_TRUE(strip.CanScrollLeft());
    EXPECT_EQ(VisiblePages(), std::vector<int>{15});

    strip.SelectTab(0);
    EXPECT_EQ(strip.ScrollOffset(), 0);

    // A press on the right button steps once at once, then repeats while held.
    const RECT right = strip.ScrollRightButton();
    const LPARAM point = MAKELPARAM((right.left + right.right) / 2, (right.top + right.bottom) / 2);
    SendMessageW(strip.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    EXPECT_EQ(strip.ScrollOffset(), -metrics.scrollStep);
    EXPECT_TRUE(window_tests::PumpUntil([&] { return strip.ScrollOffset() < -metrics.scrollStep; }, 3000));
    const int held = strip.ScrollOffset();
    EXPECT_LT(held, -metrics.scrollStep);
    EXPECT_EQ(held % metrics.scrollStep, 0);
    SendMessageW(strip.Handle(), WM_LBUTTONUP, 0, point);
    const int released = strip.ScrollOffset();
    EXPECT_FALSE(window_tests::PumpUntil([&] { return strip.ScrollOffset() != released; }, 100))
        << "the repeat went on after the release";

    // The left button scrolls back.
    const RECT left = strip.ScrollLeftButton();
    const LPARAM leftPoint = MAKELPARAM((left.left + left.right) / 2, (left.top + left.bottom) / 2);
    SendMessageW(strip.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, leftPoint);
    SendMessageW(strip.Handle(), WM_LBUTTONUP, 0, leftPoint);
    EXPECT_EQ(strip.ScrollOffset(), std::min(0, released + metrics.scrollStep));

    // Wide again: no buttons, no offset.
    ResizeContainer(2400);
    EXPECT_FALSE(strip.ScrollButtonsShown());
    EXPECT_EQ(strip.ScrollOffset(), 0);
}

TEST_F(TabStripTest, KeysCommandsAndFocusGoToTheActivePage)
{
    AddSixteenPages();
    ClickTab(2);
    RecordingPage& page = *pages_[2];
    page.messages.clear();
    SendMessageW(container_.Handle(), WM_KEYDOWN, VK_F5, 0);
    SendMessageW(container_.Handle(), WM_CHAR, L'a', 0);
    SendMessageW(container_.Handle(), WM_COMMAND, MAKEWPARAM(4242, 0), 0);
    EXPECT_EQ(page.messages, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR}));
    ASSERT_FALSE(page.commands.empty());
    EXPECT_EQ(LOWORD(page.commands.back()), 4242);
    EXPECT_TRUE(pages_[0]->messages.empty());

    SetFocus(container_.Handle());
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == page.Handle() || IsChild(page.Handle(), focus));
}

TEST_F(TabStripTest, TheTabUnderTheMouseIsHotUntilTheMouseLeaves)
{
    AddSixteenPages();
    const RECT tab = container_.Strip().TabRect(2);
    POINT over{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    ClientToScreen(container_.Strip().Handle(), &over);
    SetCursorPos(over.x, over.y);
    EXPECT_TRUE(window_tests::PumpUntil([&] { return container_.Strip().HotIndex() == 2; }, 3000));

    RECT window;
    GetWindowRect(container_.Handle(), &window);
    SetCursorPos(window.right + 50, window.bottom + 50);
    EXPECT_TRUE(window_tests::PumpUntil([&] { return container_.Strip().HotIndex() == -1; }, 3000));
}

namespace {

// Doubles the icon-title font for its lifetime (the strip's font comes from
// it) and puts the old one back, without storing either.
class BigIconTitleFont {
public:
    BigIconTitleFont()
    {
        changed_ = SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(original_), &original_, 0);
        LOGFONTW big = original_;
        big.lfHeight = original_.lfHeight * 2;
        changed_ = changed_ && SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(big), &big, 0);
    }
    ~BigIconTitleFont()
    {
        if (changed_) SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(original_), &original_, 0);
    }
    bool Changed() const { return changed_; }

private:
    LOGFONTW original_{};
    bool changed_ = false;
};

RECT RectIn(HWND window, HWND parent)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

TEST_F(TabStripTest, ASettingsChangeRemakesTheFontsAndTheLayoutFollows)
{
    AddSixteenPages();
    const int before = container_.Strip().StripHeight();
    const int titleWidth = container_.Strip().TabRect(0).right - container_.Strip().TabRect(0).left;
    {
        BigIconTitleFont big;
        ASSERT_TRUE(big.Changed());
        // The frame passes the broadcast on to the container.
        SendMessageW(container_.Handle(), WM_SETTINGCHANGE, SPI_SETICONTITLELOGFONT, 0);
        const int after = container_.Strip().StripHeight();
        EXPECT_EQ(after, ExpectedStripHeight(container_.Strip().Dpi()));
        EXPECT_GT(after, before);
        EXPECT_GT(container_.Strip().TabRect(0).right - container_.Strip().TabRect(0).left, titleWidth);

        RECT client, area{};
        GetClientRect(container_.Handle(), &client);
        ASSERT_TRUE(GetTabPageArea(container_.Handle(), area));
        EXPECT_EQ(area.bottom, client.bottom - after);
        const RECT strip = RectIn(container_.Strip().Handle(), container_.Handle());
        const RECT page = RectIn(pages_[0]->Handle(), container_.Handle());
        EXPECT_EQ(strip.top, area.bottom);
        EXPECT_EQ(strip.bottom - strip.top, after);
        EXPECT_EQ(page.bottom, area.bottom);
    }
    SendMessageW(container_.Handle(), WM_SETTINGCHANGE, SPI_SETICONTITLELOGFONT, 0);
    EXPECT_EQ(container_.Strip().StripHeight(), before);
}

namespace {

// Everything the strip and the container have placed: the strip and the
// page in the container, every tab, the scroll buttons, the visible width
// and the offset.
std::vector<LONG> Geometry(TabContainer& container, HWND page)
{
    std::vector<LONG> numbers;
    auto add = [&](const RECT& rect) { numbers.insert(numbers.end(), {rect.left, rect.top, rect.right, rect.bottom}); };
    const TabStrip& strip = container.Strip();
    add(RectIn(strip.Handle(), container.Handle()));
    add(RectIn(page, container.Handle()));
    for (int i = 0; i < strip.TabCount(); ++i) add(strip.TabRect(i));
    add(strip.ScrollLeftButton());
    add(strip.ScrollRightButton());
    numbers.insert(numbers.end(), {strip.VisibleWidth(), strip.ScrollOffset(), strip.StripHeight()});
    return numbers;
}

void PressAndRelease(HWND window, const RECT& button)
{
    const LPARAM point = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
}

} // namespace

TEST_F(TabStripTest, AtAnotherDpiTheStripIsRemadeThePageFollowsAndBothReturn)
{
    AddSixteenPages();
    ResizeContainer(400);
    TabStrip& strip = container_.Strip();
    HWND page = pages_[15]->Handle();
    strip.SelectTab(15);
    window_tests::PumpPending();
    const int own = WindowDpi(strip.Handle());
    const std::vector<LONG> geometry = Geometry(container_, page);
    const std::vector<DWORD> picture = window_tests::ClientPixels(strip.Handle());
    ASSERT_FALSE(picture.empty());
    const tabstrip::Metrics at96; // the sizes as given, at 96 DPI
    auto scaledWithin1 = [](int actual, int at96, int dpi) { return std::abs(actual * 96 - at96 * dpi) <= 96; };

    for (int dpi : kOtherDpis) {
        SCOPED_TRACE(dpi);
        strip.SetDpi(dpi);
        window_tests::PumpPending();
        EXPECT_EQ(strip.Dpi(), dpi);
        const int height = strip.StripHeight();
        EXPECT_EQ(height, ExpectedStripHeight(dpi));

        // The container laid itself out again: the page fills what the
        // strip leaves, no gap and no overlap.
        RECT client, area{};
        GetClientRect(container_.Handle(), &client);
        ASSERT_TRUE(GetTabPageArea(container_.Handle(), area));
        const RECT stripRect = RectIn(strip.Handle(), container_.Handle());
        const RECT pageRect = RectIn(page, container_.Handle());
        EXPECT_EQ(stripRect.bottom - stripRect.top, height);
        EXPECT_EQ(stripRect.bottom, client.bottom);
        EXPECT_EQ(area.bottom, stripRect.top);
        EXPECT_TRUE(EqualRect(&pageRect, &area));

        // The buttons, the gap before them, the margin beside the selected
        // tab and the scroll step at the new DPI.
        ASSERT_TRUE(strip.ScrollButtonsShown());
        for (const RECT& button : {strip.ScrollLeftButton(), strip.ScrollRightButton()}) {
            EXPECT_TRUE(scaledWithin1(button.right - button.left, at96.buttonWidth, dpi));
            EXPECT_EQ(button.bottom, height);
        }
        EXPECT_TRUE(scaledWithin1(strip.ScrollLeftButton().left - strip.VisibleWidth(), at96.buttonGap, dpi));
        EXPECT_TRUE(scaledWithin1(strip.VisibleWidth() - strip.TabRect(15).right, at96.scrollMargin, dpi));
        const int atEnd = strip.ScrollOffset();
        PressAndRelease(strip.Handle(), strip.ScrollLeftButton());
        EXPECT_TRUE(scaledWithin1(strip.ScrollOffset() - atEnd, at96.scrollStep, dpi));
        PressAndRelease(strip.Handle(), strip.ScrollRightButton());
        EXPECT_EQ(strip.ScrollOffset(), atEnd);
    }

    // Told that its window's DPI changed, the strip takes it again: every
    // place and every pixel as before.
    SendMessageW(strip.Handle(), WM_DPICHANGED_AFTERPARENT, 0, 0);
    window_tests::PumpPending();
    EXPECT_EQ(strip.Dpi(), own);
    EXPECT_EQ(Geometry(container_, page), geometry);
    EXPECT_TRUE(window_tests::ClientPixels(strip.Handle()) == picture) << "the strip looks different after the round trip";
}

TEST_F(TabStripTest, GrowingWhileScrolledToTheEndLeavesNoTabHiddenThatCouldBeShown)
{
    AddSixteenPages();
    TabStrip& strip = container_.Strip();
    ResizeContainer(400);
    strip.SelectTab(15);
    ASSERT_LT(strip.ScrollOffset(), 0);
    // Scrolling right at the end goes no further than selecting the last tab did.
    const int atEnd = strip.ScrollOffset();
    const RECT right = strip.ScrollRightButton();
    const LPARAM point = MAKELPARAM((right.left + right.right) / 2, (right.top + right.bottom) / 2);
    SendMessageW(strip.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(strip.Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(strip.ScrollOffset(), atEnd);
    EXPECT_FALSE(strip.CanScrollRight());

    ResizeContainer(900);
    const int tabsWidth = strip.TabRect(15).right - strip.TabRect(0).left;
    if (tabsWidth > strip.VisibleWidth()) {
        // Still scrolled: the last tab ends where selecting it would put it.
        EXPECT_EQ(strip.TabRect(15).right, strip.VisibleWidth() - strip.Metrics().scrollMargin);
    } else {
        EXPECT_EQ(strip.ScrollOffset(), 0);
    }
    EXPECT_GE(strip.ScrollOffset(), -(tabsWidth + strip.Metrics().scrollMargin - strip.VisibleWidth()));
}

TEST(TabContainerWindow, TakesAnExtendedStyleAndTellsItsPageArea)
{
    Owned<TabContainer> container;
    container.SetStripStyle(kMainFrameStripStyle);
    ASSERT_NE(container.Create(nullptr, RECT{20, 20, 620, 220}, WS_POPUP | WS_VISIBLE, 0, WS_EX_CLIENTEDGE),
              nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(container.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT client, area{};
    GetClientRect(container.Handle(), &client);
    ASSERT_TRUE(GetTabPageArea(container.Handle(), area));
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, client.right);
    EXPECT_EQ(area.bottom, client.bottom - container.Strip().StripHeight());
    // Any other window is no tab container.
    EXPECT_FALSE(GetTabPageArea(container.Strip().Handle(), area));
}

// A page tab list of the titles, the shown page's tab selected after a
// click, the strip's own keys (the strip keeping the focus, drawn with a
// focus rectangle) and a tab's default action; each change heard.
TEST_F(TabStripTest, ScreenReadersReadAPageTabListThatFollowsEveryChange)
{
    AddSixteenPages();
    TabStrip& strip = container_.Strip();
    window_tests::EventRecorder heard;
    auto object = window_tests::AccessibleOf(strip.Handle());
    EXPECT_EQ(window_tests::Speak(object.Get(), CHILDID_SELF).role, ROLE_SYSTEM_PAGETABLIST);
    ASSERT_EQ(window_tests::ChildCount(object.Get()), strip.TabCount());
    auto expectSelected = [&](int index, bool focused, bool changed = true) {
        EXPECT_EQ(VisiblePages(), std::vector<int>{index});
        for (int i = 0; i < strip.TabCount(); ++i) {
            const window_tests::Spoken tab = window_tests::Speak(object.Get(), i + 1);
            EXPECT_TRUE(tab.name == window_tests::Trimmed(strip.TabTitle(i)) && tab.role == ROLE_SYSTEM_PAGETAB);
            EXPECT_EQ(tab.state & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED),
                      i != index ? 0 : focused ? STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED : STATE_SYSTEM_SELECTED);
        }
        window_tests::PumpPending();
        EXPECT_EQ(heard.Heard(EVENT_OBJECT_SELECTION, strip.Handle(), index + 1), changed) << index;
        EXPECT_EQ(heard.Heard(EVENT_OBJECT_FOCUS, strip.Handle(), index + 1), focused && changed) << index;
        heard.events.clear();
    };
    ClickTab(5);
    expectSelected(5, false);
    const std::vector<DWORD> unfocused = window_tests::ClientPixels(strip.Handle());
    SetFocus(strip.Handle());
    SendMessageW(container_.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_FALSE(window_tests::ClientPixels(strip.Handle()) == unfocused) << "no focus rectangle";
    const struct {
        WPARAM key;
        int index;
        bool moves;
    } keys[] = {{VK_RIGHT, 6, true}, {VK_HOME, 0, true}, {VK_LEFT, 0, false}, {VK_END, 15, true}, {VK_LEFT, 14, true}};
    for (const auto& key : keys) {
        SendMessageW(strip.Handle(), WM_KEYDOWN, key.key, 0);
        EXPECT_EQ(GetFocus(), strip.Handle());
        expectSelected(key.index, true, key.moves);
    }
    // A tab's default action shows its page as a click does.
    EXPECT_EQ(object->accDoDefaultAction(window_tests::ChildId(6)), S_OK);
    expectSelected(5, false);
}

// Wrong requests get the documented answers; a thousand readings leave no
// reference, window or GDI object behind; an object held after its window
// answers CO_E_OBJNOTCONNECTED, and goes when it is let go.
TEST_F(TabStripTest, WrongRequestsFailAsDocumentedAndAHeldObjectOutlivesItsWindow)
{
    AddSixteenPages();
    HWND strip = container_.Strip().Handle();
    const long live = AccessibleObject::LiveObjects();
    auto object = window_tests::AccessibleOf(strip);
    ASSERT_TRUE(object);
    const int gdi = window_tests::CountGdiObjects();
    const int user = window_tests::CountUserObjects();
    const ULONG references = object->AddRef();
    object->Release();
    for (long i = 0; i < 1000; ++i) window_tests::Speak(window_tests::AccessibleOf(strip).Get(), i % 17);
    EXPECT_EQ(object->AddRef(), references);
    object->Release();
    EXPECT_EQ(window_tests::CountGdiObjects(), gdi);
    EXPECT_EQ(window_tests::CountUserObjects(), user);
    EXPECT_EQ(AccessibleObject::LiveObjects(), live + 1);

    VARIANT text{};
    text.vt = VT_BSTR;
    RECT window{};
    GetWindowRect(strip, &window);
    IAccessible* a = object.Get();
    BSTR got = nullptr; // out values that none of these requests fills
    IDispatch* none = nullptr;
    VARIANT end{};
    auto child = window_tests::ChildId;
    const struct {
        const char* request;
        std::function<HRESULT()> ask;
        HRESULT expected;
    } requests[] = {
        {"name of a seventeenth tab", [&] { return a->get_accName(child(17), &got); }, E_INVALIDARG},
        {"name of a child given as text", [&] { return a->get_accName(text, &got); }, E_INVALIDARG},
        {"a tab's object", [&] { const HRESULT r = a->get_accChild(child(3), &none); return none ? E_FAIL : r; },
         S_FALSE},
        {"the strip as its own child", [&] { return a->get_accChild(child(CHILDID_SELF), &none); }, E_INVALIDARG},
        {"a tab's first child", [&] { return a->accNavigate(NAVDIR_FIRSTCHILD, child(3), &end); }, E_INVALIDARG},
        {"the tab after the last", [&] { return a->accNavigate(NAVDIR_NEXT, child(16), &end); }, S_FALSE},
        {"an unknown direction", [&] { return a->accNavigate(NAVDIR_LASTCHILD + 1, child(1), &end); }, E_INVALIDARG},
        {"a point below the strip", [&] { return a->accHitTest(window.left, window.bottom, &end); }, S_FALSE},
        {"a tab's value", [&] { return a->get_accValue(child(2), &got); }, DISP_E_MEMBERNOTFOUND},
    };
    for (const auto& request : requests) EXPECT_EQ(request.ask(), request.expected) << request.request;
    // Other objects of the window are the system's own.
    for (LONG other : {OBJID_WINDOW, OBJID_HSCROLL, OBJID_CARET, 12345L})
        EXPECT_EQ(SendMessageW(strip, WM_GETOBJECT, 0, static_cast<DWORD>(other)), 0) << other;

    container_.Destroy();
    for (const auto& request : requests) EXPECT_EQ(request.ask(), CO_E_OBJNOTCONNECTED) << request.request;
    object.Reset();
    EXPECT_EQ(AccessibleObject::LiveObjects(), live);
}
