// The main frame made inside the test process, where its parts can be asked
// directly: the start-up directory and working page path, the tab titles,
// the split position, the View menu's check marks and the saved flag. The
// end-to-end tests (Glimmerpatch_test.cpp) drive the real program.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>

#include "ProgramDriver.h"
#include "app/MainFrame.h"
#include "app/UserNotices.h"
#include "framework/CommandBar.h"
#include "framework/ControlHost.h"
#include "framework/MessageLoop.h"
#include "framework/SplitWindow.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "sections/SectionCatalogue.h"
#include "style/StyleDocument.h"
#include "tests/windows/ModalDriver.h"

using namespace program_driver;

namespace {

constexpr UINT kViewToolbar = 59392;
constexpr UINT kViewStatusBar = 59393;

class MainFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ControlHost::RegisterWindowClass();
        CommandBar::RegisterWindowClass();
        SplitWindow::RegisterWindowClass();
        MainFrame::RegisterWindowClass();
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

TEST_F(MainFrameTest, TabsCarryThePageTitlesInCatalogueOrderWithTheFirstSelected)
{
    const TabStrip& strip = frame_.Tabs().Strip();
    ASSERT_EQ(static_cast<size_t>(strip.TabCount()), sections::SectionCatalogue().size());
    for (int i = 0; i < strip.TabCount(); ++i) {
        wchar_t text[64] = {};
        GetWindowTextW(strip.TabPage(i), text, 64);
        EXPECT_EQ(strip.TabTitle(i), WidenUtf8(sections::SectionCatalogue()[static_cast<size_t>(i)].title)) << i;
        EXPECT_EQ(strip.TabTitle(i), text);
        EXPECT_EQ(GetParent(strip.TabPage(i)), frame_.Tabs().Handle());
    }
    EXPECT_EQ(strip.SelectedIndex(), 0);
    EXPECT_EQ(frame_.Tabs().ActivePage(), strip.TabPage(0));
    EXPECT_TRUE(IsWindowVisible(strip.TabPage(0)));
}

// The frame is not shown yet when it sets the split, so the split window
// still fills its client area: the bar put at the client height less 247
// leaves the pages 247 pixels less the bar, which they keep.
TEST_F(MainFrameTest, ThePagesPaneKeepsTheHeightTheSplitGaveIt)
{
    EXPECT_EQ(Height(WindowRect(frame_.Tabs().Handle())) + SplitWindow::BarHeight(), 247);
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
