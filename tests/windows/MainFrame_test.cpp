// The main frame made inside the test process, where its parts can be asked
// directly: the start-up directory and working page path, the tab titles,
// the section pages made while the loop is idle or on demand, the split
// position, the View menu's check marks and the saved flag. The end-to-end
// tests (Glimmerpatch_test.cpp) drive the real program.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "DpiMoveReplay.h"
#include "ModalDriver.h"
#include "PagesHostWindow.h"
#include "ProgramDriver.h"
#include "app/MainFrame.h"
#include "app/UserNotices.h"
#include "framework/CommandBar.h"
#include "framework/ControlHost.h"
#include "framework/Dpi.h"
#include "framework/MessageLoop.h"
#include "framework/SplitWindow.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "sections/SectionCatalogue.h"
#include "style/StyleDocument.h"
#include "tests/windows/ModalDriver.h"

using namespace program_driver;

namespace {

constexpr UINT kViewToolbar = 59392;
constexpr UINT kViewStatusBar = 59393;
constexpr int kPages = sections::kSectionPageCount;

// Everything a user can see or change of a page and its controls, and what
// the page keeps for its colour buttons, one line per control in sibling
// order. Not the page's own place and size, which depend on its host.
std::string PageState(const sections::SectionPage& page)
{
    std::ostringstream out;
    HWND window = page.Handle();
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_POS;
    GetScrollInfo(window, SB_HORZ, &scroll);
    // Whether the scroll bar shows depends on the page's size as well.
    out << NarrowToUtf8(TextOf(window)) << std::hex << " style "
        << (GetWindowLongW(window, GWL_STYLE) & ~(WS_VISIBLE | WS_HSCROLL))
        << " ex " << GetWindowLongW(window, GWL_EXSTYLE) << std::dec << " scroll " << scroll.nMin << ".."
        << scroll.nMax << " at " << scroll.nPos << "\n";
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        const int id = GetDlgCtrlID(child);
        out << NarrowToUtf8(className) << " " << id << std::hex << " style " << GetWindowLongW(child, GWL_STYLE)
            << " ex " << GetWindowLongW(child, GWL_EXSTYLE) << std::dec << " at " << place.left << "," << place.top
            << " " << place.right << "," << place.bottom << " \"" << NarrowToUtf8(TextOf(child)) << "\"";
        // The stock GUI font, or a font of the control's own (colour buttons).
        const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0));
        out << (!font ? " no font" : font == GetStockObject(DEFAULT_GUI_FONT) ? " gui font" : " own font");
        if (lstrcmpiW(className, L"ComboBox") == 0) {
            const int count = static_cast<int>(SendMessageW(child, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t item[64] = {};
                SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                out << " [" << NarrowToUtf8(item) << "]";
            }
            out << " selected " << SendMessageW(child, CB_GETCURSEL, 0, 0);
        } else if (lstrcmpiW(className, UPDOWN_CLASSW) == 0) {
            int lower = 0, upper = 0;
            SendMessageW(child, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
            out << " range " << lower << ".." << upper << " at " << SendMessageW(child, UDM_GETPOS32, 0, 0);
        } else if (lstrcmpiW(className, L"Button") == 0) {
            out << " check " << SendMessageW(child, BM_GETCHECK, 0, 0);
        }
        if (const ColorPickerButton* button = page.ColorButton(id))
            out << std::hex << " colour " << button->GetColor() << " default " << button->GetDefaultColor() << " \""
                << NarrowToUtf8(button->GetDefaultText()) << "\"" << std::dec;
        out << "\n";
    }
    return out.str();
}

// The DPI of the display the run was started on (scripts/wine-run's
// GLIMMER_DPI), 96 without one.
int SessionDpi()
{
    const char* dpi = std::getenv("GLIMMER_DPI");
    return dpi && std::atoi(dpi) > 0 ? std::atoi(dpi) : kDefaultDpi;
}

// Whether the thread runs per-monitor DPI aware: version 2 on Windows 10
// and later, version 1 where the system knows no other. (Wine 8 answers so
// for every program, whatever its manifest says.)
bool PerMonitorAware()
{
    using ThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)();
    using AwarenessOf = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto thread = reinterpret_cast<ThreadContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    const auto awareness = reinterpret_cast<AwarenessOf>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    return thread && awareness && awareness(thread()) == DPI_AWARENESS_PER_MONITOR_AWARE;
}

// The DPI awareness the process's manifest (which the test programs share
// with Glimmerpatch) asks for first, as the system read it.
std::wstring ManifestDpiAwareness()
{
    wchar_t setting[128] = {};
    SIZE_T length = 0;
    if (!QueryActCtxSettingsW(0, nullptr, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness",
                              setting, ARRAYSIZE(setting), &length))
        return L"";
    std::wstring first(setting);
    first = first.substr(0, first.find(L','));
    CharLowerW(&first[0]);
    return first;
}

// The frame's layout as it should be at its DPI and as it is: the pages pane
// and the bar above it take the scaled pages pane height, and the visible
// page and the strip exactly fill the container, one beside the other, with
// no gap and no overlap (PagesHostWindow.h).
struct PaneLayout {
    std::string expected;
    std::string actual;
};

PaneLayout PagesPaneLayout(MainFrame& frame)
{
    const int dpi = WindowDpi(frame.Handle());
    std::ostringstream expected, actual;
    expected << "pane and bar " << ScaleForDpi(MainFrame::kPagesPaneHeight, dpi) << " " << PlannedFit(frame.Tabs());
    actual << "pane and bar " << Height(WindowRect(frame.Tabs().Handle())) + SplitWindow::BarHeight(dpi) << " "
           << ActualFit(frame.Tabs());
    return {expected.str(), actual.str()};
}

// The id of the first check box of the first page.
int FirstCheckBox()
{
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[0].page))
        if (control.kind == sections::ControlKind::CheckBox) return control.id;
    return 0;
}

// Where every part of the frame stands, in the frame's client coordinates,
// the height of the font of each part that has one and the places of a
// toolbar's buttons: one line per
// visible window, indented by depth. The preview's control and the section
// pages' controls are left out: the frame lays out only the windows that
// hold them.
std::string FrameLayout(const MainFrame& frame, HWND preview)
{
    std::ostringstream out;
    std::function<void(HWND, int)> describe = [&](HWND parent, int depth) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, frame.Handle(), reinterpret_cast<POINT*>(&place), 2);
            const std::wstring className = ClassOf(child);
            out << std::string(static_cast<size_t>(depth) * 2, ' ') << NarrowToUtf8(className) << " "
                << GetDlgCtrlID(child) << " at " << place.left << "," << place.top << " " << place.right << ","
                << place.bottom;
            LOGFONTW font{};
            if (HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0));
                handle && GetObjectW(handle, sizeof font, &font))
                out << " font " << NarrowToUtf8(font.lfFaceName) << " " << font.lfHeight;
            if (className == TOOLBARCLASSNAMEW) {
                const int buttons = static_cast<int>(SendMessageW(child, TB_BUTTONCOUNT, 0, 0));
                for (int i = 0; i < buttons; ++i) {
                    RECT item{};
                    SendMessageW(child, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
                    out << " [" << item.left << "," << item.top << " " << item.right << "," << item.bottom << "]";
                }
            }
            out << "\n";
            if (child != preview && className != L"#32770") describe(child, depth + 1);
        }
    };
    describe(frame.Handle(), 0);
    return out.str();
}

// A system font of this process set to Tahoma of a given height at 96 DPI,
// scaled to the system's DPI, while the object lives: the icon-title font
// (the tab strip's and the toolbar's), or the menu or status font of the
// non-client metrics (the command bar's, the status bar's). It is stored and
// announced as the system does it, so that the broadcast WM_SETTINGCHANGE
// reaches this thread's top-level windows at once, and put back, announced
// again, however the test ends (it is stored in the prefix).
enum class SystemFont { IconTitle, Menu, Status };

class SystemFontChange {
public:
    SystemFontChange(SystemFont which, int heightAt96) : which_(which)
    {
        old_.metrics.cbSize = sizeof old_.metrics;
        if (!Read(old_)) return;
        Fonts changed = old_;
        LOGFONTW& font = which_ == SystemFont::IconTitle ? changed.iconTitle
                         : which_ == SystemFont::Menu    ? changed.metrics.lfMenuFont
                                                         : changed.metrics.lfStatusFont;
        lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
        font.lfHeight = -ScaleForDpi(heightAt96, SystemDpi());
        changed_ = Store(changed);
    }
    ~SystemFontChange()
    {
        if (changed_) Store(old_);
    }
    SystemFontChange(const SystemFontChange&) = delete;
    SystemFontChange& operator=(const SystemFontChange&) = delete;
    bool Changed() const { return changed_; }

private:
    struct Fonts {
        LOGFONTW iconTitle;
        NONCLIENTMETRICSW metrics;
    };
    bool Read(Fonts& fonts) const
    {
        return which_ == SystemFont::IconTitle
                   ? SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof fonts.iconTitle, &fonts.iconTitle, 0)
                   : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof fonts.metrics, &fonts.metrics, 0);
    }
    bool Store(Fonts& fonts) const
    {
        const UINT flags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
        return which_ == SystemFont::IconTitle
                   ? SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof fonts.iconTitle, &fonts.iconTitle, flags)
                   : SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof fonts.metrics, &fonts.metrics, flags);
    }

    SystemFont which_;
    Fonts old_{};
    bool changed_ = false;
};

// A hook of this thread for as long as the object lives; the callback
// answers true to stop what is hooked (a window being made, for WH_CBT).
class ThreadHook {
public:
    ThreadHook(int type, std::function<bool(int code, LPARAM lParam)> onCall) : onCall_(std::move(onCall))
    {
        current_ = this;
        hook_ = SetWindowsHookExW(type, &ThreadHook::Procedure, nullptr, GetCurrentThreadId());
    }
    ~ThreadHook()
    {
        if (hook_) UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;
    bool Hooked() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code >= 0 && current_ && current_->onCall_(code, lParam)) return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    std::function<bool(int, LPARAM)> onCall_;
    HHOOK hook_ = nullptr;
    static inline ThreadHook* current_ = nullptr;
};

class MainFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }

    void SetUp() override
    {
        wchar_t previous[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, previous);
        previous_ = previous;
        ASSERT_TRUE(SetCurrentDirectoryW(folder_.Path().c_str()));
        ASSERT_NE(frame_.Create(), nullptr);
        ShowWindow(frame_.Handle(), SW_SHOWNORMAL);
    }

    void TearDown() override
    {
        frame_.Destroy();
        PumpPending();
        SetCurrentDirectoryW(previous_.c_str());
    }

    bool Checked(UINT command) { return (GetMenuState(frame_.Menu(), command, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    // Runs the thread's message loop, idle steps included, and returns its
    // exit code: 0 once done() holds, 99 when it has not held for a minute.
    // done() is asked on a 1 ms thread timer, whose WM_TIMER comes only when
    // no other message waits: between two idle steps.
    int RunLoopUntil(const std::function<bool()>& done)
    {
        static const std::function<bool()>* current = nullptr;
        static ULONGLONG deadline = 0;
        current = &done;
        deadline = GetTickCount64() + 60000;
        const UINT_PTR timer = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR, DWORD) {
            if ((*current)()) PostQuitMessage(0);
            else if (GetTickCount64() > deadline) PostQuitMessage(99);
        });
        const int code = loop_.Run();
        KillTimer(nullptr, timer);
        return code;
    }

    TemporaryFolder folder_{L"glimmerpatch-frame"};
    std::wstring previous_;
    MessageLoop loop_;
    Owned<MainFrame> frame_;
};

TEST_F(MainFrameTest, TakesTheStartupFolderAndWritesThePageThere)
{
    EXPECT_EQ(WidenUtf8(StartupDirectory()), folder_.Path());
    EXPECT_EQ(WidenUtf8(WorkingPagePath()), folder_.File(L"MySpace.html"));
    EXPECT_EQ(ReadBytes(folder_.File(L"MySpace.html")), WorkingPageText());
    // Both stay as they are, wherever the process goes later.
    SetCurrentDirectoryW(previous_.c_str());
    EXPECT_EQ(WidenUtf8(WorkingPagePath()), folder_.File(L"MySpace.html"));
    EXPECT_TRUE(frame_.Saved());
}

TEST_F(MainFrameTest, ShowsEveryTabAndTheFirstPageAtOnceAndMakesAChosenPageOnTheSpot)
{
    const TabStrip& strip = frame_.Tabs().Strip();
    ASSERT_EQ(strip.TabCount(), kPages);
    for (int i = 0; i < strip.TabCount(); ++i)
        EXPECT_EQ(strip.TabTitle(i), WidenUtf8(sections::SectionCatalogue()[static_cast<size_t>(i)].title)) << i;
    EXPECT_EQ(strip.SelectedIndex(), 0);
    // The first tab is in sight at the start of the strip.
    EXPECT_EQ(strip.ScrollOffset(), 0);
    HWND first = strip.TabPage(0);
    EXPECT_EQ(TextOf(first), strip.TabTitle(0));
    EXPECT_EQ(frame_.Tabs().ActivePage(), first);
    EXPECT_TRUE(IsWindowVisible(first));
    // The others wait for the loop to be idle.
    EXPECT_EQ(frame_.Pages().Count(), 1);

    // The last tab chosen before the loop has made anything: its page is
    // made there and then, shown at the left end of its content, with every
    // control as the page made with all the others at once has it.
    const int last = kPages - 1;
    frame_.Tabs().Strip().SelectTab(last);
    HWND page = strip.TabPage(last);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(frame_.Pages().Count(), 2);
    EXPECT_EQ(frame_.Tabs().ActivePage(), page);
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_EQ(GetParent(page), frame_.Tabs().Handle());
    EXPECT_EQ(frame_.Pages().Page(last)->MainFrame(), frame_.Handle());
    Owned<PagesHostWindow> host;
    ASSERT_TRUE(host.Create(800, 260, false));
    EXPECT_EQ(PageState(*frame_.Pages().Page(last)), PageState(*host.pages.Page(last)));
}

TEST_F(MainFrameTest, PagesMadeWhileIdleEqualPagesMadeAtOnceAndAChangeMeanwhileLandsOnce)
{
    HWND frame = frame_.Handle();
    int refreshes = 0;
    ThreadHook counter(WH_CALLWNDPROC, [&](int, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->hwnd == frame && call->message == WM_APP + 1) ++refreshes;
        return false;
    });
    ASSERT_TRUE(counter.Hooked());
    const int check = FirstCheckBox();
    int madeAtChange = 0;
    // The page with the most controls, caught half made (its window there,
    // its controls or its initialisation not yet), has its tab chosen: it is
    // finished there and then, and the first tab is chosen again.
    size_t largest = 0;
    for (size_t i = 0; i < static_cast<size_t>(kPages); ++i)
        if (sections::TemplateControls(sections::SectionCatalogue()[i].page).size() >
            sections::TemplateControls(sections::SectionCatalogue()[largest].page).size())
            largest = i;
    int halfMade = -1;
    bool finishedAtOnce = false;
    EXPECT_EQ(RunLoopUntil([&] {
                  const int made = frame_.Pages().Count();
                  if (!madeAtChange && made >= 3) {
                      madeAtChange = made;
                      SendMessageW(GetDlgItem(frame_.Pages().Page(0)->Handle(), check), BM_CLICK, 0, 0);
                  }
                  const int index = static_cast<int>(largest);
                  if (halfMade < 0 && made == index &&
                      Children(frame_.Tabs().Handle(), L"#32770").size() == largest + 1) {
                      halfMade = index;
                      frame_.Tabs().Strip().SelectTab(index);
                      finishedAtOnce = frame_.Pages().Page(index) &&
                                       frame_.Tabs().ActivePage() == frame_.Pages().Page(index)->Handle();
                      frame_.Tabs().Strip().SelectTab(0);
                  }
                  return frame_.Pages().Count() == kPages;
              }),
              0);
    PumpPending();
    EXPECT_LT(madeAtChange, kPages) << "the change came after the pages were made";
    EXPECT_EQ(halfMade, static_cast<int>(largest)) << "the page was not seen half made";
    EXPECT_TRUE(finishedAtOnce);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(frame_.Saved());
    const std::string written = ReadBytes(folder_.File(L"MySpace.html"));

    // The same pages made all at once, and the same change on them.
    ASSERT_TRUE(WriteWorkingPage());
    Owned<PagesHostWindow> host;
    ASSERT_TRUE(host.Create(800, 260, true));
    SendMessageW(GetDlgItem(host.pages.Page(0)->Handle(), check), BM_CLICK, 0, 0);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(written, ReadBytes(folder_.File(L"MySpace.html")));
    EXPECT_NE(written, WorkingPageText());

    const TabStrip& strip = frame_.Tabs().Strip();
    std::vector<HWND> siblings{strip.Handle()};
    for (int i = 0; i < kPages; ++i) {
        const sections::SectionPage* page = frame_.Pages().Page(i);
        ASSERT_NE(page, nullptr) << i;
        EXPECT_EQ(PageState(*page), PageState(*host.pages.Page(i))) << i;
        EXPECT_EQ(strip.TabPage(i), page->Handle()) << i;
        EXPECT_EQ(page->MainFrame(), frame) << i;
        EXPECT_EQ(IsWindowVisible(page->Handle()) != FALSE, i == 0) << i;
        siblings.push_back(page->Handle());
    }
    // The container holds the strip and then the pages in tab order.
    EXPECT_EQ(Children(frame_.Tabs().Handle()), siblings);
    EXPECT_EQ(strip.SelectedIndex(), 0);
}

TEST_F(MainFrameTest, ClosingWhilePagesAreMadeAsksAsUsualAndLeavesNothingBehind)
{
    // A change, then the close box once `pages` pages are made: the exit
    // prompt asks, is answered No, and the frame ends the loop. Returns how
    // many pages were made when the close came.
    auto changeAndClose = [&](MainFrame& frame, int pages) {
        modal_driver::Script answer;
        answer.Then("exit prompt", [] {
            HWND box = modal_driver::FindDialog(L"Glimmerpatch");
            if (box) modal_driver::Click(box, IDNO);
            return box != nullptr;
        });
        answer.Start();
        int madeAtClose = 0;
        EXPECT_EQ(RunLoopUntil([&] {
                      if (!madeAtClose && frame.Pages().Count() >= pages) {
                          madeAtClose = frame.Pages().Count();
                          SendMessageW(GetDlgItem(frame.Pages().Page(0)->Handle(), FirstCheckBox()), BM_CLICK, 0, 0);
                          PostMessageW(frame.Handle(), WM_CLOSE, 0, 0);
                      }
                      return false;
                  }),
                  1);
        EXPECT_TRUE(answer.Done()) << answer.Failure();
        EXPECT_EQ(frame.Handle(), nullptr);
        PumpPending();
        return madeAtClose;
    };

    // The whole round once with every page made before counting, so that
    // what the system keeps after a first use (of a page, of the prompt) is
    // there already.
    EXPECT_EQ(changeAndClose(frame_, kPages), kPages);
    const int windows = window_tests::CountProcessWindows(GetCurrentProcessId());
    const int gdiObjects = window_tests::CountGdiObjects();
    {
        Owned<MainFrame> frame;
        ASSERT_NE(frame.Create(), nullptr);
        ShowWindow(frame.Handle(), SW_SHOWNORMAL);
        const int madeAtClose = changeAndClose(frame, 3);
        EXPECT_LT(madeAtClose, kPages);
        EXPECT_EQ(frame.Pages().Count(), madeAtClose) << "no page made after the close";
    }
    PumpPending();
    EXPECT_EQ(window_tests::CountProcessWindows(GetCurrentProcessId()), windows);
    EXPECT_EQ(window_tests::CountGdiObjects(), gdiObjects);
}

TEST_F(MainFrameTest, APageThatCannotBeMadeLeavesItsTabEmptyAndTheUserIsToldOnce)
{
    // From now on the dialog manager refuses every page: their windows are
    // stopped as they are made.
    HWND container = frame_.Tabs().Handle();
    int refused = 0;
    ThreadHook refuse(WH_CBT, [&](int code, LPARAM lParam) {
        if (code != HCBT_CREATEWND) return false;
        const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
        const bool dialog = IS_INTRESOURCE(create->lpszClass) ? reinterpret_cast<ULONG_PTR>(create->lpszClass) == 32770
                                                              : lstrcmpW(create->lpszClass, L"#32770") == 0;
        if (!dialog || create->hwndParent != container) return false;
        ++refused;
        return true;
    });
    ASSERT_TRUE(refuse.Hooked());
    modal_driver::DialogCounter boxes;
    std::wstring told;
    modal_driver::Script answer;
    answer.Then("notice", [&] {
              HWND box = modal_driver::FindDialog(L"Glimmerpatch");
              if (box) {
                  told = modal_driver::MessageText(box);
                  modal_driver::Click(box, IDOK);
              }
              return box != nullptr;
          })
        .ThenMaybe("a second notice", [] {
            HWND box = modal_driver::FindDialog(L"Glimmerpatch");
            if (box) modal_driver::Click(box, IDOK);
            return box != nullptr;
        });
    answer.Start();
    EXPECT_EQ(RunLoopUntil([&] { return refused == kPages - 1 && answer.Done(); }), 0);
    const std::string second = sections::SectionCatalogue()[1].title;
    EXPECT_NE(told.find(WidenUtf8(second.substr(1, second.size() - 2))), std::wstring::npos) << NarrowToUtf8(told);

    // A tab whose page failed shows nothing and is not tried again; the
    // first page still shows when its tab comes back.
    TabStrip& strip = frame_.Tabs().Strip();
    HWND first = strip.TabPage(0);
    strip.SelectTab(4);
    EXPECT_EQ(strip.SelectedIndex(), 4);
    EXPECT_EQ(frame_.Tabs().ActivePage(), nullptr);
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_EQ(refused, kPages - 1);
    strip.SelectTab(0);
    EXPECT_EQ(frame_.Tabs().ActivePage(), first);
    EXPECT_TRUE(IsWindowVisible(first));
    PostQuitMessage(0);
    loop_.Run();
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(frame_.Pages().Count(), 1);
}

// The frame is not shown yet when it sets the split, so the split window
// still fills its client area: the bar put at the client height less the
// pages pane height for the frame's DPI leaves the pages that height less
// the bar, which they keep; the page fills the container beside the strip.
// The program is per-monitor DPI aware: it sees the session's DPI, which
// the system does not stretch.
TEST_F(MainFrameTest, ThePagesPaneKeepsTheHeightTheSplitGaveItAtTheSessionsDpi)
{
    HWND frame = frame_.Handle();
    HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(PerMonitorAware());
    EXPECT_EQ(ManifestDpiAwareness(), L"permonitorv2");
    EXPECT_EQ(WindowDpi(frame), SessionDpi());
    EXPECT_EQ(screenDpi, SessionDpi());
    const PaneLayout layout = PagesPaneLayout(frame_);
    EXPECT_EQ(layout.actual, layout.expected);
}

// The shown page fills the container beside the strip exactly with the
// default fonts and with taller ones. Changed while the frame runs, the
// icon-title font reaches the strip and the toolbar at once, the menu font
// the command bar and the status font the status bar: the whole frame is
// then laid out as a frame started with that font, the shown page follows
// the strip's height, and changed back, everything returns.
TEST_F(MainFrameTest, ThePageFillsThePageAreaWithAnyFontAndTheFrameFollowsAChange)
{
    const TabContainer& tabs = frame_.Tabs();
    HWND preview = frame_.Preview().Handle();
    PumpPending();
    EXPECT_EQ(ActualFit(tabs), PlannedFit(tabs));
    const std::string before = FrameLayout(frame_, preview);
    RECT frameRect{};
    GetWindowRect(frame_.Handle(), &frameRect);
    for (SystemFont which : {SystemFont::IconTitle, SystemFont::Menu, SystemFont::Status}) {
        SCOPED_TRACE(static_cast<int>(which));
        {
            SystemFontChange taller(which, 16);
            ASSERT_TRUE(taller.Changed());
            PumpPending();
            EXPECT_EQ(ActualFit(tabs), PlannedFit(tabs));
            const std::string changed = FrameLayout(frame_, preview);
            EXPECT_NE(changed, before) << "the frame did not follow the change";

            Owned<MainFrame> started;
            ASSERT_NE(started.Create(), nullptr);
            SetWindowPos(started.Handle(), nullptr, frameRect.left, frameRect.top, Width(frameRect),
                         Height(frameRect), SWP_NOZORDER | SWP_NOACTIVATE);
            ShowWindow(started.Handle(), SW_SHOWNOACTIVATE);
            PumpPending();
            EXPECT_EQ(ActualFit(started.Tabs()), PlannedFit(started.Tabs()));
            EXPECT_EQ(changed, FrameLayout(started, started.Preview().Handle()));
            // Every page follows, not only the one shown.
            frame_.Tabs().Strip().SelectTab(kPages - 1);
            EXPECT_EQ(ActualFit(tabs), PlannedFit(tabs));
            frame_.Tabs().Strip().SelectTab(0);
        }
        PumpPending();
        EXPECT_EQ(ActualFit(tabs), PlannedFit(tabs));
        EXPECT_EQ(FrameLayout(frame_, preview), before);
    }
}

// Changes of the system's settings, colours and theme while the colour
// palette or a modal dialog is open, and a flood of them, change nothing
// and leave no window-manager or GDI object behind.
TEST_F(MainFrameTest, SystemChangesInAFloodOrWhileThePaletteOrADialogIsOpenHarmNothing)
{
    HWND frame = frame_.Handle();
    HWND preview = frame_.Preview().Handle();
    auto flood = [frame](int times) {
        for (int i = 0; i < times; ++i) {
            SendMessageW(frame, WM_SETTINGCHANGE, SPI_SETICONTITLELOGFONT, reinterpret_cast<LPARAM>(L"WindowMetrics"));
            SendMessageW(frame, WM_SYSCOLORCHANGE, 0, 0);
            SendMessageW(frame, WM_THEMECHANGED, 0, 0);
        }
    };

    // The palette of the first colour button of the shown page, closed by
    // Escape, and the code view, a modal dialog ended by its OK button, each
    // after a flood while it is open.
    const sections::SectionPage& page = *frame_.Pages().Page(0);
    HWND button = nullptr;
    for (const sections::TemplateControl& control : sections::TemplateControls(page.Page()))
        if (!button && control.kind == sections::ControlKind::ColorButton) button = page.Control(control.id);
    ASSERT_NE(button, nullptr);
    auto withPalette = [&](int times) {
        modal_driver::Script script;
        script.Then("palette", [&] {
            // The palette holds the mouse while it is open.
            HWND open = GetCapture();
            if (!open || GetWindow(open, GW_OWNER) != frame) return false;
            flood(times);
            PostMessageW(open, WM_KEYDOWN, VK_ESCAPE, 0);
            return true;
        });
        script.Start();
        SendMessageW(button, BM_CLICK, 0, 0);
        script.Stop();
        EXPECT_EQ(script.Failure(), "");
        EXPECT_TRUE(script.Done());
    };
    auto withCodeView = [&](int times) {
        modal_driver::Script script;
        script.Then("dialog", [&] {
            const std::vector<HWND> dialogs = modal_driver::ThreadDialogs();
            if (dialogs.empty()) return false;
            flood(times);
            modal_driver::Click(dialogs.front(), IDC_GP_CODE_OK);
            return true;
        });
        script.Start();
        SendMessageW(frame, WM_COMMAND, ID_GP_SHOW_CODE, 0);
        script.Stop();
        EXPECT_EQ(script.Failure(), "");
        EXPECT_TRUE(script.Done());
    };

    // Each once first, so that what the system keeps after a first use is
    // there before counting.
    flood(1);
    withPalette(1);
    withCodeView(1);
    PumpPending();
    const std::string layout = FrameLayout(frame_, preview);
    const int gdiObjects = window_tests::CountGdiObjects();
    const int userObjects = window_tests::CountUserObjects();

    // A burst reaches the windows inside once, after it.
    int passedOn = 0;
    {
        HWND strip = frame_.Tabs().Strip().Handle();
        ThreadHook counter(WH_CALLWNDPROC, [&](int, LPARAM lParam) {
            const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (call->hwnd == strip && call->message == WM_SETTINGCHANGE) ++passedOn;
            return false;
        });
        flood(200);
        EXPECT_EQ(passedOn, 0);
        PumpPending();
    }
    EXPECT_EQ(passedOn, 1);
    EXPECT_EQ(FrameLayout(frame_, preview), layout);
    EXPECT_EQ(window_tests::CountGdiObjects(), gdiObjects) << "after a flood";
    withPalette(50);
    PumpPending();
    EXPECT_EQ(window_tests::CountGdiObjects(), gdiObjects) << "after the palette";
    withCodeView(50);
    PumpPending();
    EXPECT_EQ(FrameLayout(frame_, preview), layout);
    EXPECT_EQ(window_tests::CountGdiObjects(), gdiObjects) << "after the dialog";
    EXPECT_EQ(window_tests::CountUserObjects(), userObjects);
}

TEST_F(MainFrameTest, ViewCommandsMoveTheirCheckMarks)
{
    EXPECT_TRUE(Checked(kViewToolbar));
    EXPECT_TRUE(Checked(kViewStatusBar));
    for (UINT command : {kViewToolbar, kViewStatusBar}) {
        SendMessageW(frame_.Handle(), WM_COMMAND, command, 0);
        EXPECT_FALSE(Checked(command)) << command;
        SendMessageW(frame_.Handle(), WM_COMMAND, command, 0);
        EXPECT_TRUE(Checked(command)) << command;
    }
}

// Revert to Default writes the template page; a live page keeps every
// control as the user left it, since nothing reads the page back into them.
TEST_F(MainFrameTest, RevertToDefaultLeavesALivePagesControlsAsTheyWere)
{
    const sections::SectionPage& page = *frame_.Pages().Page(0);
    SendMessageW(GetDlgItem(page.Handle(), FirstCheckBox()), BM_CLICK, 0, 0);
    ASSERT_NE(ReadBytes(folder_.File(L"MySpace.html")), WorkingPageText());
    const std::string before = PageState(page);
    modal_driver::Script answer;
    answer.Then("revert prompt", [] {
        HWND box = modal_driver::FindDialog(L"Glimmerpatch");
        if (box) modal_driver::Click(box, IDYES);
        return box != nullptr;
    });
    answer.Start();
    SendMessageW(frame_.Handle(), WM_COMMAND, ID_GP_REVERT_TO_DEFAULT, 0);
    answer.Stop();
    EXPECT_TRUE(answer.Done()) << answer.Failure();
    EXPECT_EQ(ReadBytes(folder_.File(L"MySpace.html")), WorkingPageText());
    EXPECT_EQ(PageState(page), before);
    EXPECT_TRUE(frame_.Saved());
}

TEST_F(MainFrameTest, AChangeClearsTheSavedFlagAndAccelerationIsTheFrames)
{
    EXPECT_EQ(MessageLoop::Current(), &loop_);
    SendMessageW(frame_.Handle(), WM_APP + 1, 0, 0);
    EXPECT_FALSE(frame_.Saved());
    // Ctrl+C becomes the frame's command before any edit can see it.
    MSG key{};
    key.hwnd = frame_.Tabs().Handle();
    key.message = WM_KEYDOWN;
    key.wParam = 'C';
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(loop_.PreTranslate(key));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

} // namespace

namespace {

// The preview is still navigating right after the frame is made: a flood of
// change messages and the frame's end meanwhile leave no host or sink object
// behind.
TEST_F(MainFrameTest, RefreshFloodAndTheEndDuringTheFirstNavigationLeaveNothingBehind)
{
    ASSERT_NE(frame_.Preview().Browser(), nullptr);
    for (int i = 0; i < 2000; ++i) SendMessageW(frame_.Handle(), WM_APP + 1, 0, 0);
    EXPECT_FALSE(frame_.Saved());
    EXPECT_EQ(ControlHost::LiveSiteCount(), 1);
    EXPECT_EQ(PreviewView::LiveEventSinkCount(), 1);
    frame_.Destroy();
    EXPECT_EQ(ControlHost::LiveSiteCount(), 0);
    EXPECT_EQ(PreviewView::LiveEventSinkCount(), 0);
    // What the control still had queued finds no host.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_EQ(ControlHost::LiveSiteCount(), 0);
}

// Refuses the windows of one class (or the child dialogs: the section
// pages) while it lives, as a system short of resources would.
class CreationRefusal {
public:
    explicit CreationRefusal(const wchar_t* className) : className_(className)
    {
        instance_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &CreationRefusal::OnCbt, nullptr, GetCurrentThreadId());
    }
    ~CreationRefusal()
    {
        UnhookWindowsHookEx(hook_);
        instance_ = nullptr;
    }
    CreationRefusal(const CreationRefusal&) = delete;
    CreationRefusal& operator=(const CreationRefusal&) = delete;
    int Refused() const { return refused_; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && instance_) {
            const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
            const wchar_t* wanted = instance_->className_ ? instance_->className_ : L"#32770";
            const bool named = IS_INTRESOURCE(create->lpszClass)
                                   ? !instance_->className_ && LOWORD(create->lpszClass) == 32770
                                   : lstrcmpW(create->lpszClass, wanted) == 0;
            const bool refused = (create->style & WS_CHILD) && named;
            if (refused) {
                ++instance_->refused_;
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    const wchar_t* className_;
    HHOOK hook_ = nullptr;
    int refused_ = 0;
    static inline CreationRefusal* instance_ = nullptr;
};

// Without its section pages or its tab strip the frame is of no use: the
// user is told in a box titled "Glimmerpatch", and the frame is not made
// (the program then ends with 0).
TEST_F(MainFrameTest, AFrameWithoutPagesOrStripIsNotMadeAndSaysSo)
{
    for (const wchar_t* refusedClass : {static_cast<const wchar_t*>(nullptr), L"GlimmerpatchTabStrip"}) {
        SCOPED_TRACE(refusedClass ? "tab strip" : "section pages");
        CreationRefusal refusal(refusedClass);
        std::wstring title, text;
        modal_driver::Script script;
        script.Then("the box", [&] {
            HWND box = modal_driver::FindDialog(L"Glimmerpatch");
            if (!box) return false;
            title = modal_driver::TextOf(box);
            text = modal_driver::MessageText(box);
            modal_driver::Click(box, IDOK);
            return true;
        });
        script.Start();
        {
            Owned<MainFrame> frame;
            EXPECT_EQ(frame.Create(), nullptr);
        }
        script.Stop();
        EXPECT_EQ(script.Failure(), "");
        EXPECT_GT(refusal.Refused(), 0);
        EXPECT_EQ(title, L"Glimmerpatch");
        EXPECT_EQ(text, SectionPagesNotCreatedText());
        EXPECT_EQ(ControlHost::LiveSiteCount(), 1) << "only the fixture's frame hosts a control";
        // The failed frame's end posted WM_QUIT, which would end the next box at once.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

} // namespace

namespace {

// A move of the frame to displays of other DPIs gives the windows a start
// there gives. The trees of fresh starts are recorded first, one run per
// DPI in a Wine session of that DPI (RecordFreshWindows, ctest's
// DpiMoves_fresh*), and a session at 96 DPI replays the moves
// (DpiMoves_replay): both run only through ctest, which orders them.
class DpiMoves : public MainFrameTest {
protected:
    static SIZE ClientAt(int dpi) { return {ScaleForDpi(600, dpi), ScaleForDpi(470, dpi)}; }

    static std::string TreeFile(const char* what, int dpi)
    {
        const char* folder = std::getenv("GLIMMER_FRESH_TREES");
        return NarrowToUtf8(FromUnixPath(std::string(folder ? folder : "/tmp") + "/" + what + "-" +
                                         std::to_string(dpi) + ".txt"));
    }

    // The same start for a fresh frame and a frame about to move: its client
    // area for the DPI, the first four pages made, four controls of the
    // fifth, a box ticked on the first page, the longest page scrolled to
    // its end and the first page shown again.
    void Prepare()
    {
        const RECT place = dpi_move::AroundClient(frame_.Handle(), ClientAt(WindowDpi(frame_.Handle())));
        SetWindowPos(frame_.Handle(), nullptr, 0, 0, Width(place), Height(place), SWP_NOMOVE | SWP_NOZORDER);
        while (frame_.Pages().Count() < 4) frame_.Pages().MakeNextPage(0);
        for (int i = 0; i < 4; ++i) frame_.Pages().MakeNextPage(0);
        SendMessageW(GetDlgItem(frame_.Pages().Page(0)->Handle(), FirstCheckBox()), BM_CLICK, 0, 0);
        const int longest = sections::PageIndex(sections::SectionPageId::FriendsComments);
        frame_.Tabs().Strip().SelectTab(longest);
        SendMessageW(frame_.Tabs().ActivePage(), WM_HSCROLL, SB_RIGHT, 0);
        frame_.Tabs().Strip().SelectTab(0);
    }

    void FinishPages() { EXPECT_EQ(RunLoopUntil([&] { return frame_.Pages().Count() == kPages; }), 0); }

    // Opens a dialog by the frame's command; `whileOpen` sees it, then its
    // OK button ends it. Returns its tree as it was then.
    std::vector<std::string> WithDialog(UINT command, int ok, const std::function<void(HWND)>& whileOpen = {})
    {
        std::vector<std::string> tree;
        modal_driver::Script script;
        script.Then("dialog", [&] {
            const std::vector<HWND> dialogs = modal_driver::ThreadDialogs();
            if (dialogs.empty()) return false;
            if (whileOpen) whileOpen(dialogs.front());
            tree = dpi_move::Tree(dialogs.front());
            modal_driver::Click(dialogs.front(), ok);
            return true;
        });
        script.Start();
        SendMessageW(frame_.Handle(), WM_COMMAND, command, 0);
        script.Stop();
        EXPECT_EQ(script.Failure(), "");
        return tree;
    }

    void Move(int dpi) { dpi_move::Replay(frame_.Handle(), dpi, dpi_move::AroundClient(frame_.Handle(), ClientAt(dpi))); }
};

TEST_F(DpiMoves, RecordFreshWindows)
{
    Prepare();
    FinishPages();
    const int dpi = SessionDpi();
    EXPECT_TRUE(dpi_move::Save(TreeFile("frame", dpi), dpi_move::Tree(frame_.Handle())));
    EXPECT_TRUE(dpi_move::Save(TreeFile("about", dpi), WithDialog(ID_GP_ABOUT, IDC_GP_ABOUT_OK)));
    EXPECT_TRUE(dpi_move::Save(TreeFile("code", dpi), WithDialog(ID_GP_SHOW_CODE, IDC_GP_CODE_OK)));
}

// Each step replays what Windows sends for a move: in one step while the
// About dialog is open (it moves too), in one while a palette is open (it
// closes as a cancel), in one as a burst of moves of which only the last
// counts. After each, the frame with every page made, and the About dialog
// and the code view opened then, equal those of a fresh start at the DPI.
TEST_F(DpiMoves, AMoveGivesWhatAStartThereGives)
{
    ASSERT_EQ(SessionDpi(), kDefaultDpi);
    Prepare();
    enum class During { Nothing, AboutDialog, Palette };
    const struct {
        int dpi;
        During during;
        std::vector<int> burst;  // moves sent one after the other before it
    } steps[] = {{144, During::AboutDialog, {}}, {192, During::Palette, {}}, {120, During::Nothing, {168, 240}},
                 {96, During::Nothing, {}}};
    HWND firstPage = frame_.Pages().Page(0)->Handle();
    int userObjects = 0, gdiObjects = 0;
    for (int round = 0; round < 2; ++round) {
        for (const auto& step : steps) {
            SCOPED_TRACE(step.dpi);
            std::vector<std::string> aboutDuring;
            if (step.during == During::AboutDialog) {
                aboutDuring = WithDialog(ID_GP_ABOUT, IDC_GP_ABOUT_OK, [&](HWND about) {
                    Move(step.dpi);
                    RECT place{};
                    GetWindowRect(about, &place);
                    dpi_move::Replay(about, step.dpi, place);
                });
            } else if (step.during == During::Palette) {
                HWND button = nullptr;
                for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[0].page))
                    if (!button && control.kind == sections::ControlKind::ColorButton)
                        button = GetDlgItem(firstPage, control.id);
                modal_driver::Script script;
                script.Then("palette", [&] {
                    HWND open = GetCapture();
                    if (!open || GetWindow(open, GW_OWNER) != frame_.Handle()) return false;
                    Move(step.dpi);
                    return true;
                });
                script.Start();
                SendMessageW(button, BM_CLICK, 0, 0);
                script.Stop();
                EXPECT_EQ(script.Failure(), "");
                EXPECT_EQ(GetCapture(), nullptr) << "the palette stayed open";
            } else {
                for (int dpi : step.burst) Move(dpi);
                Move(step.dpi);
            }
            FinishPages();
            PumpPending();
            if (round == 1) continue;
            EXPECT_EQ(dpi_move::Differences(dpi_move::Load(TreeFile("frame", step.dpi)),
                                            dpi_move::Tree(frame_.Handle())), "");
            if (!aboutDuring.empty()) {
                EXPECT_EQ(dpi_move::Differences(dpi_move::Load(TreeFile("about", step.dpi)), aboutDuring), "")
                    << "moved while open";
            }
            EXPECT_EQ(dpi_move::Differences(dpi_move::Load(TreeFile("about", step.dpi)),
                                            WithDialog(ID_GP_ABOUT, IDC_GP_ABOUT_OK)), "");
            EXPECT_EQ(dpi_move::Differences(dpi_move::Load(TreeFile("code", step.dpi)),
                                            WithDialog(ID_GP_SHOW_CODE, IDC_GP_CODE_OK)), "");
        }
        // The same windows, with what the user chose in them; and a second
        // round trip leaves nothing behind.
        EXPECT_EQ(frame_.Pages().Page(0)->Handle(), firstPage);
        EXPECT_EQ(SendMessageW(GetDlgItem(firstPage, FirstCheckBox()), BM_GETCHECK, 0, 0), BST_CHECKED);
        if (round == 0) {
            userObjects = window_tests::CountUserObjects();
            gdiObjects = window_tests::CountGdiObjects();
        }
    }
    EXPECT_GT(gdiObjects, 0);
    EXPECT_EQ(window_tests::CountUserObjects(), userObjects);
    EXPECT_EQ(window_tests::CountGdiObjects(), gdiObjects);

    // A DPI no display has, or no rectangle, is not trusted.
    const std::vector<std::string> before = dpi_move::Tree(frame_.Handle());
    RECT none{}, place = WindowRect(frame_.Handle());
    for (const auto& [dpi, rect] : {std::pair{50, &place}, std::pair{600, &place}, std::pair{144, &none},
                                     std::pair{144, static_cast<RECT*>(nullptr)}}) {
        SendMessageW(frame_.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(rect));
        PumpPending();
        EXPECT_EQ(dpi_move::Differences(before, dpi_move::Tree(frame_.Handle())), "") << dpi;
    }
}

} // namespace
