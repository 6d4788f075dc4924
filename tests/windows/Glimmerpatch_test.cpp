// End-to-end tests of Glimmerpatch.exe: the real program, started in a fresh
// start-up folder and driven from outside with real clicks and keys, as a
// user would. What it did is read from the working page it wrote, from its
// windows and from its exit code.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ProgramDriver.h"
#include "app/StyleFileCommands.h"
#include "app/UserNotices.h"
#include "controls/PaletteColors.h"
#include "controls/TabStrip.h"
#include "framework/Owned.h"
#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "sections/PropertyTable.h"
#include "sections/SectionCatalogue.h"

using namespace program_driver;

namespace {

constexpr UINT kPageChanged = WM_APP + 1;
constexpr UINT kViewToolbar = 59392;
constexpr UINT kViewStatusBar = 59393;
constexpr UINT kExit = 57665;
constexpr int kRevertButton = 301;
const wchar_t kPageName[] = L"MySpace.html";

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// Whether the window's thread is inside a menu loop.
bool InMenuMode(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE));
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// The whole text of a window of the program (TextOf reads 1,023 characters).
std::wstring LongTextOf(HWND window)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

// Types the text with real key input, each character as itself (what an
// input method or a paste of single characters gives).
void TypeText(const std::wstring& text)
{
    for (wchar_t c : text) {
        INPUT inputs[2]{};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
}

// The first (or the last) control that Tab reaches on a page: visible,
// enabled, a tab stop.
HWND FirstTabStop(HWND page, bool last = false)
{
    HWND found = nullptr;
    for (HWND child : Children(page))
        if ((GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) && IsWindowEnabled(child) &&
            (last || !found))
            found = child;
    return found;
}

// The main frame's parts, found by their classes and ids.
struct FrameParts {
    HWND frame = nullptr;
    HWND rebar = nullptr;
    HWND toolbar = nullptr;
    HWND statusBar = nullptr;
    HWND split = nullptr;
    HWND preview = nullptr;
    HWND tabs = nullptr;
    HWND strip = nullptr;
    std::vector<HWND> pages;

    explicit FrameParts(HWND mainFrame) : frame(mainFrame)
    {
        rebar = FindDescendant(frame, L"ReBarWindow32");
        toolbar = rebar ? GetDlgItem(rebar, kViewToolbar) : nullptr;
        statusBar = FindDescendant(frame, L"msctls_statusbar32");
        split = FindDescendant(frame, L"GlimmerSplitWindow");
        preview = split ? FindDescendant(split, L"GlimmerControlHost") : nullptr;
        tabs = split ? FindDescendant(split, L"GlimmerpatchTabContainer") : nullptr;
        strip = tabs ? FindDescendant(tabs, L"GlimmerpatchTabStrip") : nullptr;
        if (tabs) pages = Children(tabs, L"#32770");
    }

    HWND VisiblePage() const
    {
        for (HWND page : pages)
            if (IsWindowVisible(page)) return page;
        return nullptr;
    }
};

// A started program with its main frame up.
class GlimmerpatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program_.Start(folder_.Path())) << "cannot start " << GlimmerpatchPath().size();
        frame_ = program_.WaitForMainFrame();
        ASSERT_NE(frame_, nullptr) << "the main frame did not appear";
        // Its first idle moment: created, shown and laid out; then the
        // section pages it makes while idle.
        ASSERT_EQ(WaitForInputIdle(program_.Process(), 30000), 0u);
        ASSERT_TRUE(WaitForSectionPages(frame_)) << "made " << SectionPagesMade(frame_) << " section pages";
        ASSERT_TRUE(WaitFor([&] { return FileExists(PagePath()); }));
    }

    std::wstring PagePath() const { return folder_.File(kPageName); }
    std::string Page() const { return ReadBytes(PagePath()); }

    // Clicks inside the frame's title bar so that keys go to the program.
    // Opens a menu of the command bar by Alt and its letter, and waits until
    // its pop-up shows: an item's letter pressed before that goes elsewhere.
    void OpenMenuByKeys(WORD letter)
    {
        PressKeys({VK_MENU, letter});
        ASSERT_NE(program_.WaitForWindow(L"#32768", 10000), nullptr) << "no pop-up menu";
    }

    void FocusFrame()
    {
        RECT frame = WindowRect(frame_);
        ClickAt(POINT{frame.left + Width(frame) / 2, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 3});
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == frame_; }, 5000));
    }

    // Clicks the middle of page `index`'s tab and waits for the page to show.
    // The tab is where a strip of the program's style and titles puts it in
    // this process: the same code and the same system font.
    bool ClickTab(const FrameParts& parts, size_t index)
    {
        const RECT onScreen = WindowRect(parts.strip);
        HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, Width(onScreen), Height(onScreen), nullptr,
                                      nullptr, nullptr, nullptr);
        RECT tab{};
        {
            Owned<TabStrip> strip;
            const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(parts.strip, GWL_STYLE)) & kTabStripStyleMask;
            strip.Create(parent, RECT{0, 0, Width(onScreen), Height(onScreen)}, WS_CHILD | style, 1);
            for (HWND page : parts.pages) strip.AppendTab(TextOf(page), -1, nullptr);
            tab = strip.TabRect(static_cast<int>(index));
        }
        DestroyWindow(parent);
        if (tab.right <= tab.left) return false;
        ClickAt(POINT{onScreen.left + (tab.left + tab.right) / 2, (onScreen.top + onScreen.bottom) / 2});
        return WaitFor([&] { return parts.VisiblePage() == parts.pages[index]; });
    }

    // Closes the frame as the close box does and answers the exit prompt,
    // if one comes, with No. Returns the prompt's text ("" without one) and
    // the exit code.
    std::wstring CloseAnsweringNo(DWORD& exitCode)
    {
        std::wstring prompt;
        PostMessageW(frame_, WM_CLOSE, 0, 0);
        WaitFor([&] { return program_.HasEnded() || !TopLevelWindows(program_.Id(), L"#32770").empty(); });
        if (!program_.HasEnded()) {
            HWND box = program_.WaitForMessageBox();
            if (box) {
                for (const std::wstring& text : DialogTexts(box, L"Static")) prompt += text;
                ClickDialogButton(box, IDNO);
            }
        }
        exitCode = program_.WaitForExit();
        return prompt;
    }

    TemporaryFolder folder_{L"glimmerpatch-e2e"};
    Program program_;
    HWND frame_ = nullptr;
};

TEST_F(GlimmerpatchTest, StartsWithTheTemplatePageTheTitleAndTheSixteenPagesInTabOrder)
{
    EXPECT_EQ(Page(), WorkingPageText());
    EXPECT_EQ(TextOf(frame_), L"Glimmerpatch");

    FrameParts parts(frame_);
    ASSERT_NE(parts.strip, nullptr);
    ASSERT_NE(parts.preview, nullptr);
    ASSERT_EQ(parts.pages.size(), sections::SectionCatalogue().size());
    for (size_t i = 0; i < parts.pages.size(); ++i)
        EXPECT_EQ(TextOf(parts.pages[i]), Widen(sections::SectionCatalogue()[i].title)) << "tab " << i + 1;
    EXPECT_EQ(parts.VisiblePage(), parts.pages[0]);

    // The tabs from the left show the pages in the same order.
    ASSERT_TRUE(ClickTab(parts, 1));
    ASSERT_TRUE(ClickTab(parts, 0));
    ASSERT_TRUE(ClickTab(parts, 2));

    // Nothing changed: Exit (File menu by keys) asks nothing and ends with 1.
    FocusFrame();
    OpenMenuByKeys('F');
    PressKeys({'X'});
    EXPECT_EQ(program_.WaitForExit(), 1u);
    EXPECT_TRUE(TopLevelWindows(program_.Id(), L"#32770").empty());
}

TEST_F(GlimmerpatchTest, ClicksOnATabAndAControlChangeThePageAndTheExitPromptAsks)
{
    FrameParts parts(frame_);
    ASSERT_EQ(parts.pages.size(), 16u);
    // The Borders page, the second tab, and its first border style list.
    HWND borders = parts.pages[1];
    ASSERT_TRUE(ClickTab(parts, 1));
    int listId = 0;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[1].page))
        if (control.kind == sections::ControlKind::DropDown && !listId) listId = control.id;
    HWND list = GetDlgItem(borders, listId);
    ASSERT_NE(list, nullptr);

    const std::string before = Page();
    // A click drops the list down, Escape closes it again, and an arrow key
    // then picks the style beside the selected one.
    const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const bool last = selected + 1 >= SendMessageW(list, CB_GETCOUNT, 0, 0);
    ClickAt(Centre(WindowRect(list)));
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 5000));
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 5000));
    PressKeys({static_cast<WORD>(last ? VK_UP : VK_DOWN)});
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(list, CB_GETCURSEL, 0, 0) == selected + (last ? -1 : 1); }))
        << "focus " << FocusOf(frame_) << " list " << list << " foreground " << GetForegroundWindow() << " frame "
        << frame_ << " selected " << SendMessageW(list, CB_GETCURSEL, 0, 0) << " of "
        << SendMessageW(list, CB_GETCOUNT, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Page() != before; })) << "the page did not change";

    // A second page: the first check box of the Top of Page page.
    HWND top = parts.pages[3];
    ASSERT_TRUE(ClickTab(parts, 3));
    HWND check = nullptr;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[3].page))
        if (control.kind == sections::ControlKind::CheckBox && !check) check = GetDlgItem(top, control.id);
    ASSERT_NE(check, nullptr);
    const std::string afterList = Page();
    const LRESULT state = SendMessageW(check, BM_GETCHECK, 0, 0);
    ClickAt(Centre(WindowRect(check)));
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(check, BM_GETCHECK, 0, 0) != state; }));
    EXPECT_TRUE(WaitFor([&] { return Page() != afterList; })) << "the page did not change";

    // The saved flag is no: closing asks, and No still closes with 1.
    DWORD exitCode = 0;
    EXPECT_EQ(CloseAnsweringNo(exitCode), StyleFileCommands::kExitPrompt);
    EXPECT_EQ(exitCode, 1u);
}

TEST_F(GlimmerpatchTest, ViewCommandsHideAndShowTheToolbarRowAndTheStatusBar)
{
    FrameParts parts(frame_);
    ASSERT_NE(parts.toolbar, nullptr);
    ASSERT_NE(parts.statusBar, nullptr);
    const int rebarHeight = Height(WindowRect(parts.rebar));
    const int splitHeight = Height(WindowRect(parts.split));
    const int tabsHeight = Height(WindowRect(parts.tabs));

    // View, Toolbar by keys: the toolbar's row goes, the client area grows.
    FocusFrame();
    OpenMenuByKeys('V');
    PressKeys({'T'});
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(parts.toolbar); }));
    ASSERT_TRUE(WaitFor([&] { return Height(WindowRect(parts.split)) > splitHeight; }))
        << "split " << Height(WindowRect(parts.split)) << " was " << splitHeight << ", rebar "
        << Height(WindowRect(parts.rebar)) << " was " << rebarHeight;
    EXPECT_LT(Height(WindowRect(parts.rebar)), rebarHeight);
    EXPECT_EQ(Height(WindowRect(parts.tabs)), tabsHeight);

    PostMessageW(frame_, WM_COMMAND, kViewToolbar, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(parts.toolbar) != FALSE; }));
    ASSERT_TRUE(WaitFor([&] { return Height(WindowRect(parts.split)) == splitHeight; }));
    EXPECT_EQ(Height(WindowRect(parts.rebar)), rebarHeight);

    // View, Status Bar: hidden, then shown again.
    OpenMenuByKeys('V');
    PressKeys({'S'});
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(parts.statusBar); }));
    ASSERT_TRUE(WaitFor([&] { return Height(WindowRect(parts.split)) > splitHeight; }));
    PostMessageW(frame_, WM_COMMAND, kViewStatusBar, 0);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(parts.statusBar) != FALSE; }));
    ASSERT_TRUE(WaitFor([&] { return Height(WindowRect(parts.split)) == splitHeight; }));
    EXPECT_EQ(Height(WindowRect(parts.tabs)), tabsHeight);

    // Nothing was changed: Exit (a posted command) closes without asking.
    PostMessageW(frame_, WM_COMMAND, kExit, 0);
    EXPECT_EQ(program_.WaitForExit(), 1u);
}

TEST_F(GlimmerpatchTest, ResizingTheFrameChangesOnlyThePreviewHeight)
{
    FrameParts parts(frame_);
    const RECT frame = WindowRect(frame_);
    const RECT preview = WindowRect(parts.preview);
    const RECT tabs = WindowRect(parts.tabs);
    // The pages keep the height they were given: the frame's client height
    // at creation minus 247 is where the split bar was put.
    for (int delta : {120, -60}) {
        SetWindowPos(frame_, nullptr, 0, 0, Width(frame), Height(frame) + delta, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitFor([&] { return Height(WindowRect(parts.preview)) == Height(preview) + delta; }))
            << "preview " << Height(WindowRect(parts.preview)) << " for " << Height(preview) << " + " << delta;
        EXPECT_EQ(Height(WindowRect(parts.tabs)), Height(tabs));
        EXPECT_EQ(WindowRect(parts.tabs).top - WindowRect(parts.preview).bottom, tabs.top - preview.bottom);
        EXPECT_EQ(Width(WindowRect(parts.preview)), Width(preview));
    }
}

TEST_F(GlimmerpatchTest, TheRevertButtonDropsDownTheRevertMenuUnderIt)
{
    FrameParts parts(frame_);
    ASSERT_NE(parts.toolbar, nullptr);
    RemoteBuffer remote(program_.Process(), sizeof(RECT));
    ASSERT_TRUE(SendMessageW(parts.toolbar, TB_GETRECT, kRevertButton, remote.Address()));
    RECT button{};
    ASSERT_TRUE(remote.Read(&button, sizeof(button)));
    MapWindowPoints(parts.toolbar, nullptr, reinterpret_cast<POINT*>(&button), 2);

    // Pressing the button anywhere, here its left part, drops the menu down.
    const std::string before = Page();
    ClickAt(POINT{button.left + 8, (button.top + button.bottom) / 2});
    HWND menu = program_.WaitForWindow(L"#32768", 10000);
    ASSERT_NE(menu, nullptr) << "no pop-up menu";
    const RECT placed = WindowRect(menu);
    EXPECT_NEAR(placed.left, button.left, 2);
    EXPECT_NEAR(placed.top, button.bottom, 2);
    // Escape closes it; opened again, its second item, "to Default", arrives
    // as Revert to Default, which asks first.
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(menu); }));
    ASSERT_TRUE(WaitFor([&] {
        return !InMenuMode(frame_) && !SendMessageW(parts.toolbar, TB_ISBUTTONPRESSED, kRevertButton, 0);
    }));
    // The toolbar drops clicks that arrive while it is still finishing the
    // first drop-down, so the pointer goes there first and the click follows
    // once the button under it is hot.
    const POINT arrow{button.right - 4, (button.top + button.bottom) / 2};
    MoveMouseTo(arrow);
    ASSERT_TRUE(WaitFor([&] {
        POINT at{};
        return GetCursorPos(&at) && at.x == arrow.x && at.y == arrow.y &&
               SendMessageW(parts.toolbar, TB_GETHOTITEM, 0, 0) ==
                   SendMessageW(parts.toolbar, TB_COMMANDTOINDEX, kRevertButton, 0);
    }));
    MouseButton(true);
    MouseButton(false);
    ASSERT_TRUE(WaitFor([&] {
        menu = program_.WaitForWindow(L"#32768", 10000);
        return menu != nullptr;
    }));
    PressKeys({VK_DOWN});
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    HWND box = program_.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "to Default did not arrive";
    std::wstring prompt;
    for (const std::wstring& text : DialogTexts(box, L"Static")) prompt += text;
    EXPECT_EQ(prompt, StyleFileCommands::kRevertToDefaultPrompt);
    ASSERT_TRUE(ClickDialogButton(box, IDNO));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_EQ(Page(), before);
    DWORD exitCode = 0;
    EXPECT_EQ(CloseAnsweringNo(exitCode), L"");
    EXPECT_EQ(exitCode, 1u);
}

TEST_F(GlimmerpatchTest, CtrlCAndCtrlVInAPageEditDoNothing)
{
    FrameParts parts(frame_);
    // The first font size box of the Top of Page page holds a number.
    HWND top = parts.pages[3];
    ASSERT_TRUE(ClickTab(parts, 3));
    HWND edit = nullptr;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[3].page))
        if (control.kind == sections::ControlKind::SpinEdit && !edit) edit = GetDlgItem(top, control.id);
    ASSERT_NE(edit, nullptr);
    const std::wstring number = TextOf(edit);
    ASSERT_FALSE(number.empty());
    ASSERT_TRUE(SetClipboardText(L"clipboard before"));

    ClickAt(Centre(WindowRect(edit)));
    ASSERT_TRUE(WaitFor([&] { return FocusOf(frame_) == edit; }));
    PressKeys({VK_HOME});
    PressKeys({VK_SHIFT, VK_END});
    ASSERT_TRUE(WaitFor([&] {
        const LRESULT selection = SendMessageW(edit, EM_GETSEL, 0, 0);
        return static_cast<size_t>(HIWORD(selection) - LOWORD(selection)) == number.size();
    }));
    PressKeys({VK_CONTROL, 'C'});
    PressKeys({VK_CONTROL, VK_INSERT});
    PressKeys({VK_CONTROL, 'V'});
    PressKeys({VK_SHIFT, VK_INSERT});
    // The keys go in order: once End has moved the caret, the four chords
    // before it have been handled.
    PressKeys({VK_END});
    ASSERT_TRUE(WaitFor([&] {
        const LRESULT selection = SendMessageW(edit, EM_GETSEL, 0, 0);
        return LOWORD(selection) == HIWORD(selection);
    }));
    EXPECT_EQ(ClipboardText(), L"clipboard before");
    EXPECT_EQ(TextOf(edit), number);
}

// The page replaced by a folder while the program runs: no store can reach
// it. The user is told once (status bar and one message box naming the
// page), not on every change, and the program goes on working.
TEST_F(GlimmerpatchTest, AFailedStoreIsToldOnceNotOnEveryChange)
{
    FrameParts parts(frame_);
    std::vector<HWND> checks;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[0].page))
        if (control.kind == sections::ControlKind::CheckBox) checks.push_back(GetDlgItem(parts.pages[0], control.id));
    ASSERT_GE(checks.size(), 2u);
    ASSERT_TRUE(DeleteFileW(PagePath().c_str()));
    ASSERT_TRUE(CreateDirectoryW(PagePath().c_str(), nullptr));

    auto toggle = [&](HWND check) {
        const LRESULT state = SendMessageW(check, BM_GETCHECK, 0, 0);
        ClickAt(Centre(WindowRect(check)));
        return WaitFor([&] { return SendMessageW(check, BM_GETCHECK, 0, 0) != state; });
    };
    ASSERT_TRUE(toggle(checks[0]));
    HWND box = program_.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "the failed store was not told";
    std::wstring text;
    for (const std::wstring& part : DialogTexts(box, L"Static")) text += part;
    EXPECT_EQ(text, WorkingPageNotWritableText(PagePath()));
    EXPECT_EQ(TextOf(parts.statusBar), WorkingPageNotWritableStatus(PagePath()));
    ASSERT_TRUE(ClickDialogButton(box, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));

    // More changes that fail: no more boxes. A box would hold the later
    // clicks, so each toggle shows that none came before it.
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(toggle(checks[1 - i % 2])) << "change " << i;
    EXPECT_TRUE(TopLevelWindows(program_.Id(), L"#32770").empty());
    EXPECT_TRUE(IsWindowVisible(frame_));
    RemoveDirectoryW(PagePath().c_str());
}

TEST_F(GlimmerpatchTest, MessagesFromOutsideDoNoHarm)
{
    FrameParts parts(frame_);
    const std::string page = Page();
    // A flood of refresh messages, commands nobody has, notifications with
    // codes nobody knows (carried in the program's own memory).
    for (int i = 0; i < 2000; ++i) SendMessageW(frame_, kPageChanged, 0, 0);
    for (UINT id : {0u, 1u, 299u, 301u, 305u, 999u, 32777u, 32780u, 57600u, 57666u, 59394u, 65535u})
        SendMessageW(frame_, WM_COMMAND, id, 0);
    RemoteBuffer remote(program_.Process(), sizeof(NMTOOLBARW));
    for (UINT code : {0u, 1u, 0x1234u, static_cast<UINT>(TBN_DROPDOWN), 0xFFFFFFF0u}) {
        NMTOOLBARW notification{};
        notification.hdr.hwndFrom = parts.toolbar;
        notification.hdr.idFrom = code == static_cast<UINT>(TBN_DROPDOWN) ? kViewToolbar : 4242;
        notification.hdr.code = code;
        notification.iItem = 4242;
        ASSERT_TRUE(remote.Write(&notification, sizeof(notification)));
        SendMessageW(frame_, WM_NOTIFY, notification.hdr.idFrom, remote.Address());
    }
    EXPECT_TRUE(IsWindow(frame_));
    EXPECT_EQ(Page(), page);
    EXPECT_TRUE(TopLevelWindows(program_.Id(), L"#32768").empty());

    // Refresh messages clear the saved flag as a change would: closing asks,
    // and more close requests meanwhile bring no second prompt.
    PostMessageW(frame_, WM_CLOSE, 0, 0);
    HWND box = program_.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    for (int i = 0; i < 5; ++i) PostMessageW(frame_, WM_CLOSE, 0, 0);
    PostMessageW(frame_, WM_COMMAND, kExit, 0);
    // Handled in order: once the status bar has gone, so have they.
    PostMessageW(frame_, WM_COMMAND, kViewStatusBar, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(parts.statusBar); }));
    EXPECT_EQ(TopLevelWindows(program_.Id(), L"#32770").size(), 1u);
    DWORD exitCode = 0;
    EXPECT_EQ(CloseAnsweringNo(exitCode), StyleFileCommands::kExitPrompt);
    EXPECT_EQ(exitCode, 1u);
}

// As in every tabbed dialog: Ctrl+Tab and Ctrl+Page Down show the next page,
// Ctrl+Shift+Tab and Ctrl+Page Up the previous one, wrapping at both ends,
// from wherever the focus is in a page (an edit here); the page shown has
// the focus on its first tab stop, and nothing is written.
TEST_F(GlimmerpatchTest, CtrlTabAndCtrlPageKeysMoveBetweenThePagesWrapping)
{
    FrameParts parts(frame_);
    ASSERT_EQ(parts.pages.size(), 16u);
    // The first page's edit is its image address, open once "Use Image" is
    // ticked (which writes nothing).
    const sections::SectionPageId first = sections::SectionCatalogue()[0].page;
    HWND edit = nullptr, use = nullptr;
    for (const sections::PropertyRow* row : sections::PageRows(first)) {
        if (row->special == sections::SpecialHandler::BackgroundUseImage) use = GetDlgItem(parts.pages[0], row->controlId);
        if (row->special == sections::SpecialHandler::BackgroundApplyImage) edit = GetDlgItem(parts.pages[0], row->edit);
    }
    ASSERT_TRUE(edit && use);
    ClickAt(Centre(WindowRect(use)));
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(edit) != FALSE; }));
    ClickAt(Centre(WindowRect(edit)));
    ASSERT_TRUE(WaitFor([&] { return FocusOf(frame_) == edit; }));

    const struct {
        std::vector<WORD> keys;
        size_t page;
    } steps[] = {
        {{VK_CONTROL, VK_TAB}, 1},          {{VK_CONTROL, VK_SHIFT, VK_TAB}, 0}, {{VK_CONTROL, VK_SHIFT, VK_TAB}, 15},
        {{VK_CONTROL, VK_NEXT}, 0},         {{VK_CONTROL, VK_PRIOR}, 15},        {{VK_CONTROL, VK_PRIOR}, 14},
        {{VK_CONTROL, VK_TAB}, 15},         {{VK_CONTROL, VK_TAB}, 0},
    };
    for (const auto& step : steps) {
        for (WORD key : step.keys) SendKey(key, false);
        for (auto key = step.keys.rbegin(); key != step.keys.rend(); ++key) SendKey(*key, true);
        HWND page = parts.pages[step.page];
        EXPECT_TRUE(WaitFor([&] { return parts.VisiblePage() == page && FocusOf(frame_) == FirstTabStop(page); }))
            << "to page " << step.page + 1 << ": page " << parts.VisiblePage() << " focus " << FocusOf(frame_);
    }
    EXPECT_EQ(Page(), WorkingPageText());
}

// An image address with letters beyond ASCII and a "</style>", typed and
// applied on the Background page: the page stays pure ASCII with the address
// in %XX escapes, its style element still ends only at its own "</style>",
// and the code view and the clipboard hold exactly the page's style code.
TEST_F(GlimmerpatchTest, AnAddressBeyondAsciiOrEndingTheStyleKeepsThePageWholeAndTheCodeViewExact)
{
    FrameParts parts(frame_);
    const sections::PropertyRow* apply = nullptr;
    const sections::PropertyRow* use = nullptr;
    for (const sections::PropertyRow& row : sections::PropertyTable()) {
        if (row.special == sections::SpecialHandler::BackgroundApplyImage) apply = &row;
        if (row.special == sections::SpecialHandler::BackgroundUseImage) use = &row;
    }
    ASSERT_TRUE(apply && use);
    HWND page = parts.pages[static_cast<size_t>(sections::PageIndex(apply->page))];
    ASSERT_TRUE(ClickTab(parts, static_cast<size_t>(sections::PageIndex(apply->page))));
    ClickAt(Centre(WindowRect(GetDlgItem(page, use->controlId))));
    HWND url = GetDlgItem(page, apply->edit);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(url) != FALSE; }));
    ClickAt(Centre(WindowRect(url)));
    ASSERT_TRUE(WaitFor([&] { return FocusOf(frame_) == url; }));
    const std::wstring typed = L"http://example.com/bilder/café-straße-日本</style><b>x</b>.png";
    TypeText(typed);
    ASSERT_TRUE(WaitFor([&] { return TextOf(url) == typed; })) << "typed: " << TextOf(url).size() << " characters";
    ClickAt(Centre(WindowRect(GetDlgItem(page, apply->controlId))));
    const std::string escaped =
        "http://example.com/bilder/caf%C3%A9-stra%C3%9Fe-%E6%97%A5%E6%9C%AC%3C/style%3E%3Cb%3Ex%3C/b%3E.png";
    ASSERT_TRUE(WaitFor([&] { return Page().find("url(" + escaped + ");") != std::string::npos; }));
    const std::string written = Page();
    EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char c) { return (c & 0x80) == 0; }));

    // The code view: the page's style code, from its opening style tag
    // after the marker through "</style>".
    const size_t from = written.find("<style type=\"text/css\">", written.find("<!-- Glimmerpatch -->"));
    const size_t to = written.find("</style>", from) + 8;
    const auto endTags = [](const std::string& text) {
        size_t count = 0;
        for (size_t at = text.find("</style>"); at != std::string::npos; at = text.find("</style>", at + 1)) ++count;
        return count;
    };
    EXPECT_EQ(endTags(written), endTags(WorkingPageText()));
    const std::wstring code = Widen(written.substr(from, to - from));
    EXPECT_NE(code.find(Widen("\tbackground-image: url(" + escaped + ");\r\n")), std::wstring::npos);
    PostMessageW(frame_, WM_COMMAND, ID_GP_SHOW_CODE, 0);
    HWND view = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND dialog : TopLevelWindows(program_.Id(), L"#32770"))
            if (IsWindowVisible(dialog) && TextOf(dialog) == L"Glimmerpatch Code") view = dialog;
        return view != nullptr;
    }));
    EXPECT_EQ(LongTextOf(GetDlgItem(view, IDC_GP_CODE_BOX)), code);
    ASSERT_TRUE(SetClipboardText(L"before"));
    ASSERT_TRUE(ClickDialogButton(view, IDC_GP_CODE_COPY));
    HWND notice = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND dialog : TopLevelWindows(program_.Id(), L"#32770"))
            if (dialog != view && IsWindowVisible(dialog)) notice = dialog;
        return notice != nullptr;
    }));
    EXPECT_EQ(ClipboardText(), code);
    ASSERT_TRUE(ClickDialogButton(notice, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(notice); }));
    ASSERT_TRUE(ClickDialogButton(view, IDC_GP_CODE_OK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(view); }));

    DWORD exitCode = 0;
    EXPECT_EQ(CloseAnsweringNo(exitCode), StyleFileCommands::kExitPrompt);
    EXPECT_EQ(exitCode, 1u);
}

// With real keys: F6 and Shift+F6 go round the panes (preview, strip, page
// shown), entering a page at its first or last stop; the strip's keys show
// pages, the focus staying on it; Tab leaves a page at its ends.
TEST_F(GlimmerpatchTest, F6GoesRoundThePanesTabLeavesAPageAndTheStripsKeysShowPages)
{
    FrameParts parts(frame_);
    FocusFrame();
    auto in = [&](HWND pane) { return [&, pane] { HWND f = FocusOf(frame_); return f == pane || IsChild(pane, f); }; };
    auto at = [&](bool end) { return [&, end] { return FocusOf(frame_) == FirstTabStop(parts.VisiblePage(), end); }; };
    auto shows = [&](size_t page) {
        return [&, page] { return parts.VisiblePage() == parts.pages[page] && FocusOf(frame_) == parts.strip; };
    };
    const struct {
        std::vector<WORD> keys;
        std::function<bool()> reached;
        const char* where;
    } steps[] = {
        {{VK_F6}, in(parts.preview), "F6 from the frame: the preview"},
        {{VK_F6}, in(parts.strip), "F6: the strip"},
        {{VK_F6}, at(false), "F6: the page's first stop"},
        {{VK_F6}, in(parts.preview), "F6 from the page: round to the preview"},
        {{VK_SHIFT, VK_F6}, at(true), "Shift+F6 from the preview: the page's last stop"},
        {{VK_TAB}, in(parts.preview), "Tab from the page's last stop: the preview"},
        {{VK_SHIFT, VK_F6}, at(true), "Shift+F6 again: the page's last stop"},
        {{VK_SHIFT, VK_F6}, in(parts.strip), "Shift+F6: the strip"},
        {{VK_RIGHT}, shows(1), "Right on the strip: the second page"},
        {{VK_END}, shows(15), "End: the last page"},
        {{VK_LEFT}, shows(14), "Left: the page before"},
        {{VK_HOME}, shows(0), "Home: the first page"},
        {{VK_TAB}, at(false), "Tab from the strip: the page's first stop"},
        {{VK_SHIFT, VK_TAB}, in(parts.strip), "Shift+Tab from the page's first stop: the strip"},
    };
    for (const auto& step : steps) {
        for (WORD key : step.keys) SendKey(key, false);
        for (auto key = step.keys.rbegin(); key != step.keys.rend(); ++key) SendKey(*key, true);
        ASSERT_TRUE(WaitFor(step.reached, 5000))
            << step.where << ": focus " << FocusOf(frame_) << " " << NarrowToUtf8(ClassOf(FocusOf(frame_))) << " id "
            << GetDlgCtrlID(FocusOf(frame_)) << ", page " << parts.VisiblePage() << " last "
            << GetDlgCtrlID(FirstTabStop(parts.VisiblePage(), true));
    }
    EXPECT_EQ(Page(), WorkingPageText());
}

// Read from this process as a screen reader reads the program: the strip's
// sixteen tabs, the selection after a click and Ctrl+Tab, a colour button
// and a pick by real keys, with their events; after the close, an error.
TEST_F(GlimmerpatchTest, AScreenReaderInAnotherProcessReadsTheStripAndTheColourButtons)
{
    // Objects of another process come through the component runtime.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    struct Apartment { ~Apartment() { CoUninitialize(); } } apartment;
    FrameParts parts(frame_);
    EventRecorder heard(program_.Id());
    auto strip = AccessibleOf(parts.strip);
    EXPECT_EQ(Speak(strip.Get(), CHILDID_SELF).role, ROLE_SYSTEM_PAGETABLIST);
    ASSERT_EQ(ChildCount(strip.Get()), static_cast<long>(parts.pages.size()));
    for (size_t i = 0; i < parts.pages.size(); ++i)
        EXPECT_EQ(Speak(strip.Get(), static_cast<long>(i) + 1).name,
                  Trimmed(TextOf(parts.pages[i])));
    auto selected = [&](long tab) {
        VARIANT selection{};
        return strip->get_accSelection(&selection) == S_OK && selection.vt == VT_I4 && selection.lVal == tab &&
               PumpUntil([&] { return heard.Heard(EVENT_OBJECT_SELECTION, parts.strip, tab); }, 5000);
    };
    ASSERT_TRUE(ClickTab(parts, 3));
    EXPECT_TRUE(selected(4));
    PressKeys({VK_CONTROL, VK_TAB});
    ASSERT_TRUE(WaitFor([&] { return parts.VisiblePage() == parts.pages[4]; }));
    EXPECT_TRUE(selected(5));

    // The shown page's first colour button, named as the page shows it.
    const sections::TemplateControl* colour = nullptr;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[4].page))
        colour = colour || control.kind != sections::ControlKind::ColorButton ? colour : &control;
    ASSERT_NE(colour, nullptr);
    HWND first = GetDlgItem(parts.pages[4], colour->id);
    auto button = AccessibleOf(first);
    EXPECT_EQ(Speak(button.Get(), CHILDID_SELF).name, Widen(colour->spokenName));
    const std::wstring picked = Widen(kPaletteColors[0].name);
    EXPECT_NE(Speak(button.Get(), CHILDID_SELF).value, picked);
    ClickAt(Centre(WindowRect(first)));
    HWND palette = program_.WaitForWindow(L"ColorPicker", 10000);
    ASSERT_NE(palette, nullptr);
    PressKeys({VK_DOWN});
    PressKeys({VK_DOWN});
    ASSERT_TRUE(PumpUntil([&] { return heard.Heard(EVENT_OBJECT_FOCUS, palette, 2); }, 5000));
    EXPECT_EQ(Speak(AccessibleOf(palette).Get(), 2).name, picked);
    PressKeys({VK_RETURN});
    ASSERT_TRUE(PumpUntil([&] { return heard.Heard(EVENT_OBJECT_VALUECHANGE, first, CHILDID_SELF); }, 5000));
    EXPECT_EQ(Speak(button.Get(), CHILDID_SELF).value, picked);

    DWORD exitCode = 0;
    EXPECT_EQ(CloseAnsweringNo(exitCode), StyleFileCommands::kExitPrompt);
    BSTR name = nullptr;
    EXPECT_TRUE(FAILED(strip->get_accName(ChildId(1), &name)));
}

} // namespace
