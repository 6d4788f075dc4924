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
#include "framework/CommandBar.h"
#include "framework/ControlHost.h"
#include "framework/MessageLoop.h"
#include "framework/SplitWindow.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "sections/SectionCatalogue.h"
#include "style/StyleDocument.h"

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
