// The frame's bars under Wine, driven by real input (SendInput) from a
// second thread while the window thread runs its message loop: the command
// bar's menus by mouse and keyboard, the status bar's menu help, the
// toolbar's buttons and drop-down, the rebar's second band, and the split
// window's fixed bar and bottom pane.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "style/Utf16.h"
#include "framework/DialogHelpers.h"
#include "framework/Dpi.h"
#include "page/WorkingPage.h"
#include "tests/windows/BarsTestFrame.h"
#include "tests/windows/WindowTestSupport.h"

using namespace window_tests;

namespace {

// The visible pop-up menu windows of this process, the newest first.
std::vector<HWND> OpenPopups()
{
    std::vector<HWND> popups;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (std::wstring(name) == L"#32768" && IsWindowVisible(window) && process == GetCurrentProcessId())
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&popups));
    return popups;
}

HMENU MenuOf(HWND popup)
{
    return reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
}

// Pointer input sent from the windows' own thread. Under Wine an absolute
// move also moves the X server's pointer, and Wine refuses that move while
// another thread's display connection holds the pointer grab that an open
// menu takes ("refusing to warp pointer ... without exclusive grab"): the
// X pointer stays behind, and when the grab next changes (a menu closes or
// the next one opens) X reports the old place and Wine's cursor jumps back,
// so a click sent meanwhile lands on the button before. The thread that
// holds the grab may always move the pointer.
class WindowThreadInput {
public:
    WindowThreadInput()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &WindowThreadInput::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"GlimmerBarsTestInput";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    }
    ~WindowThreadInput() { DestroyWindow(window_); }
    WindowThreadInput(const WindowThreadInput&) = delete;
    WindowThreadInput& operator=(const WindowThreadInput&) = delete;

    HWND Handle() const { return window_; }
    // Called from the driving thread; returns once the input is queued.
    void Click(POINT screen) const { Run([&] { ClickAt(screen); }); }
    void Move(POINT screen) const { Run([&] { MoveMouseTo(screen); }); }
    void Button(bool down) const { Run([&] { MouseButton(down); }); }
    // Waits until the windows' thread is back in its own message loop: a
    // posted message is taken only there, not by a control's handler that
    // is still busy with the last click (a toolbar that ran a drop-down
    // menu from its button-down then drops the clicks queued meanwhile).
    bool Settle() const
    {
        std::atomic<bool> reached{false};
        PostMessageW(window_, kReached, 0, reinterpret_cast<LPARAM>(&reached));
        return WaitFor([&] { return reached.load(); });
    }

private:
    static constexpr UINT kRun = WM_APP + 1;
    static constexpr UINT kReached = WM_APP + 2;
    void Run(const std::function<void()>& send) const
    {
        SendMessageW(window_, kRun, 0, reinterpret_cast<LPARAM>(&send));
    }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kReached) {
            *reinterpret_cast<std::atomic<bool>*>(lParam) = true;
            return 0;
        }
        if (message != kRun) return DefWindowProcW(window, message, wParam, lParam);
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    HWND window_ = nullptr;
};

// Help text of a command as the status bar shows it: its string up to the first line feed.
std::wstring HelpText(UINT command)
{
    const std::wstring text = LoadResourceString(command);
    return text.substr(0, text.find(L'\n'));
}

class BarsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(BarsTestFrame::PrepareControls());
    }

    void SetUp() override
    {
        folder_ = std::make_unique<TemporaryFolder>(L"glimmer-bars");
        SetStartupDirectory(NarrowToUtf8(folder_->Path()));
        frame_ = std::make_unique<Owned<BarsTestFrame>>();
        frame_->withPreview = false;
        ASSERT_NE(frame_->Create(), nullptr);
        ASSERT_NE(frame_->rebar.Handle(), nullptr);
        ASSERT_NE(frame_->toolBar.Handle(), nullptr);
        input_ = std::make_unique<WindowThreadInput>();
        ASSERT_NE(input_->Handle(), nullptr);
        // The pointer rests away from the bars: hot tracking follows it.
        MoveMouseTo(POINT{1200, 1000});
        ASSERT_TRUE(MakeForeground(frame_->Handle()));
        PumpPending();
    }
    void TearDown() override
    {
        input_.reset();
        frame_.reset();
        PumpPending();
        folder_.reset();
    }

    // Runs the script on a second thread while this thread pumps messages.
    void Drive(const std::function<void()>& script)
    {
        std::atomic<bool> done{false};
        std::thread driver([&] {
            script();
            // A failed step may leave a menu open, and this thread's loop
            // with it: close it so that the failure is told, not a hang.
            for (int i = 0; i < 5 && !OpenPopups().empty(); ++i) {
                ADD_FAILURE() << "a menu was left open";
                PressKeys({VK_ESCAPE});
                WaitFor([] { return OpenPopups().empty(); }, 1000);
            }
            done = true;
        });
        const bool finished = PumpUntil([&] { return done.load(); }, 90000);
        if (!finished) {
            // Release a stuck menu so that the driver can end.
            for (int i = 0; i < 20 && !done; ++i) {
                PressKeys({VK_ESCAPE});
                PumpUntil([&] { return done.load(); }, 1000);
            }
        }
        driver.join();
        EXPECT_TRUE(finished) << "the input script did not finish";
        PumpPending();
    }

    POINT MenuButtonCentre(int index) const
    {
        RECT item{};
        SendMessageW(frame_->commandBar.Buttons(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        return ScreenCentre(frame_->commandBar.Buttons(), &item);
    }

    // Waits until exactly the bar's menu `index` is open (and nothing when -1).
    bool WaitForMenu(int index, size_t popups = 1)
    {
        CommandBar& bar = frame_->commandBar;
        return WaitFor([&] {
            const std::vector<HWND> open = OpenPopups();
            if (index < 0) return open.empty() && bar.OpenMenuIndex() == -1;
            if (open.size() != popups || bar.OpenMenuIndex() != index) return false;
            HMENU expected = GetSubMenu(bar.Menu(), index);
            return std::any_of(open.begin(), open.end(), [&](HWND popup) { return MenuOf(popup) == expected; });
        });
    }

    bool WaitForStatus(const std::wstring& text)
    {
        return WaitFor([&] { return frame_->statusBar.Text() == text; });
    }

    std::unique_ptr<TemporaryFolder> folder_;
    std::unique_ptr<Owned<BarsTestFrame>> frame_;
    std::unique_ptr<WindowThreadInput> input_;
};

TEST_F(BarsTest, CommandBarShowsTheMenuAsButtons)
{
    CommandBar& bar = frame_->commandBar;
    HMENU menu = bar.Menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenu(frame_->Handle()), nullptr) << "the menu is shown only by the command bar";
    const int count = GetMenuItemCount(menu);
    ASSERT_EQ(SendMessageW(bar.Buttons(), TB_BUTTONCOUNT, 0, 0), count);
    for (int i = 0; i < count; ++i) {
        wchar_t item[64] = {}, button[64] = {};
        GetMenuStringW(menu, i, item, 64, MF_BYPOSITION);
        SendMessageW(bar.Buttons(), TB_GETBUTTONTEXTW, i + 1, reinterpret_cast<LPARAM>(button));
        std::wstring plain = item;
        plain.erase(std::remove(plain.begin(), plain.end(), L'&'), plain.end());
        EXPECT_EQ(std::wstring(button), plain) << "mnemonics are hidden until Alt";
    }
    EXPECT_EQ(SendMessageW(bar.Buttons(), TB_GETIMAGELIST, 0, 0), 0) << "no images";
}

TEST_F(BarsTest, ClicksOpenEachMenuAndEscapeCloses)
{
    CommandBar& bar = frame_->commandBar;
    const int count = GetMenuItemCount(bar.Menu());
    Drive([&] {
        for (int i = 0; i < count; ++i) {
            input_->Click(MenuButtonCentre(i));
            EXPECT_TRUE(WaitForMenu(i)) << "menu " << i;
            // Its pop-up opens under its button.
            const std::vector<HWND> open = OpenPopups();
            if (!open.empty()) {
                RECT popup{}, button{};
                GetWindowRect(open.front(), &popup);
                SendMessageW(bar.Buttons(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&button));
                MapWindowPoints(bar.Buttons(), nullptr, reinterpret_cast<POINT*>(&button), 2);
                EXPECT_EQ(popup.left, button.left);
                EXPECT_GE(popup.top, button.bottom - 1);
                EXPECT_LE(popup.top, button.bottom + 2);
            }
            PressKeys({VK_ESCAPE});
            EXPECT_TRUE(WaitForMenu(-1)) << "menu " << i;
        }
        // With a menu open, the mouse moving over another button opens that one.
        input_->Click(MenuButtonCentre(0));
        EXPECT_TRUE(WaitForMenu(0));
        input_->Move(MenuButtonCentre(2));
        EXPECT_TRUE(WaitForMenu(2)) << "open " << OpenPopups().size() << " index " << bar.OpenMenuIndex();
        // A click on the open menu's button closes it.
        input_->Click(MenuButtonCentre(2));
        EXPECT_TRUE(WaitForMenu(-1));
    });
    EXPECT_TRUE(frame_->Commands().empty());
}

TEST_F(BarsTest, AltLetterOpensAndLeftRightMoveBetweenMenus)
{
    CommandBar& bar = frame_->commandBar;
    Drive([&] {
        PressKeys({VK_MENU, 'F'});
        EXPECT_TRUE(WaitForMenu(0)) << "Alt+F opens File";
        EXPECT_TRUE(bar.MnemonicsShown());
        const int order[] = {VK_RIGHT, 1, VK_RIGHT, 2, VK_RIGHT, 0, VK_LEFT, 2, VK_LEFT, 1, VK_LEFT, 0};
        for (size_t i = 0; i < std::size(order); i += 2) {
            PressKeys({static_cast<WORD>(order[i])});
            EXPECT_TRUE(WaitForMenu(order[i + 1])) << "step " << i / 2;
        }
        // On "Revert..." Right opens its submenu instead; Left closes it again.
        PressKeys({VK_DOWN});
        EXPECT_TRUE(WaitFor([&] { return frame_->statusBar.Text().empty(); }));
        PressKeys({VK_RIGHT});
        EXPECT_TRUE(WaitForMenu(0, 2)) << "the submenu opens beside File";
        PressKeys({VK_LEFT});
        EXPECT_TRUE(WaitForMenu(0, 1)) << "Left closes the submenu first; open " << OpenPopups().size() << " index " << frame_->commandBar.OpenMenuIndex();
        PressKeys({VK_ESCAPE});
        EXPECT_TRUE(WaitForMenu(-1));
        EXPECT_TRUE(WaitFor([&] { return !bar.InKeyboardMode() && !bar.MnemonicsShown(); }));
        // Alt+V and Alt+H open theirs; a letter without a menu opens nothing.
        PressKeys({VK_MENU, 'H'});
        EXPECT_TRUE(WaitForMenu(2));
        PressKeys({VK_ESCAPE});
        EXPECT_TRUE(WaitForMenu(-1));
    });
    EXPECT_TRUE(frame_->Commands().empty());
    EXPECT_EQ(GetFocus(), frame_->Handle());
}

TEST_F(BarsTest, AltAloneAndF10EnterTheBarAndEscapeLeaves)
{
    CommandBar& bar = frame_->commandBar;
    Drive([&] {
        PressKeys({VK_MENU});
        EXPECT_TRUE(WaitFor([&] { return bar.InKeyboardMode() && bar.HotIndex() == 0 && bar.MnemonicsShown(); }));
        EXPECT_TRUE(OpenPopups().empty()) << "Alt alone opens no menu";
        PressKeys({VK_RIGHT});
        EXPECT_TRUE(WaitFor([&] { return bar.HotIndex() == 1; }));
        PressKeys({VK_DOWN});
        EXPECT_TRUE(WaitForMenu(1)) << "Down opens the hot menu";
        PressKeys({VK_ESCAPE});
        EXPECT_TRUE(WaitForMenu(-1));
        EXPECT_TRUE(WaitFor([&] { return !bar.InKeyboardMode() && bar.HotIndex() == -1; }));

        PressKeys({VK_F10});
        EXPECT_TRUE(WaitFor([&] { return bar.InKeyboardMode() && bar.HotIndex() == 0; }));
        PressKeys({VK_LEFT});
        EXPECT_TRUE(WaitFor([&] { return bar.HotIndex() == 2; })) << "Left wraps to the last menu";
        PressKeys({VK_ESCAPE});
        EXPECT_TRUE(WaitFor([&] { return !bar.InKeyboardMode() && !bar.MnemonicsShown(); }));
        PressKeys({VK_MENU});
        EXPECT_TRUE(WaitFor([&] { return bar.InKeyboardMode(); }));
        PressKeys({VK_MENU});
        EXPECT_TRUE(WaitFor([&] { return !bar.InKeyboardMode(); })) << "Alt again leaves";
    });
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(GetFocus(), frame_->Handle()) << "the focus goes back where it was";
}

TEST_F(BarsTest, HighlightedItemsShowTheirHelpAndReadyComesBack)
{
    ASSERT_EQ(frame_->statusBar.Text(), LoadResourceString(IDS_GP_READY));
    LONG style = GetWindowLongW(frame_->statusBar.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & SBARS_SIZEGRIP);
    Drive([&] {
        PressKeys({VK_MENU, 'V'});
        EXPECT_TRUE(WaitForMenu(1));
        EXPECT_TRUE(WaitForStatus(HelpText(ID_GP_VIEW_TOOLBAR))) << "the first item is highlighted";
        PressKeys({VK_DOWN});
        EXPECT_TRUE(WaitForStatus(HelpText(ID_GP_VIEW_STATUS_BAR)));
        PressKeys({VK_LEFT});
        EXPECT_TRUE(WaitForMenu(0));
        // "&Open..." has no string: nothing shows.
        EXPECT_TRUE(WaitForStatus(L""));
        PressKeys({VK_LEFT});
        EXPECT_TRUE(WaitForMenu(2));
        EXPECT_TRUE(WaitForStatus(HelpText(ID_GP_ABOUT)));
        PressKeys({VK_ESCAPE});
        EXPECT_TRUE(WaitForMenu(-1));
        EXPECT_TRUE(WaitForStatus(LoadResourceString(IDS_GP_READY)));
        // A choice reaches the frame as its command.
        PressKeys({VK_MENU, 'F'});
        EXPECT_TRUE(WaitForMenu(0));
        PressKeys({VK_UP});
        EXPECT_TRUE(WaitForStatus(HelpText(ID_GP_EXIT)));
        PressKeys({VK_RETURN});
        EXPECT_TRUE(WaitForMenu(-1));
        EXPECT_TRUE(WaitForStatus(LoadResourceString(IDS_GP_READY)));
    });
    EXPECT_TRUE(PumpUntil([&] { return !frame_->Commands().empty(); }, 3000));
    EXPECT_EQ(frame_->Commands(), std::vector<UINT>{ID_GP_EXIT});
    EXPECT_FALSE(HelpText(ID_GP_EXIT).empty());
}

TEST_F(BarsTest, ToolbarHasTheNineButtons)
{
    HWND toolbar = frame_->toolBar.Handle();
    EXPECT_EQ(GetDlgCtrlID(toolbar), ID_GP_VIEW_TOOLBAR);
    const LONG style = GetWindowLongW(toolbar, GWL_STYLE);
    const LONG wanted = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_LIST | TBSTYLE_TRANSPARENT;
    EXPECT_EQ(style & wanted, wanted);
    const LRESULT extended = SendMessageW(toolbar, TB_GETEXTENDEDSTYLE, 0, 0);
    EXPECT_TRUE(extended & TBSTYLE_EX_MIXEDBUTTONS);
    EXPECT_FALSE(extended & TBSTYLE_EX_HIDECLIPPEDBUTTONS) << "buttons that do not fit stay visible";
    EXPECT_FALSE(extended & TBSTYLE_EX_DRAWDDARROWS) << "the whole drop-down button drops down";

    // (command, image, label string, style, enabled); command 0 is a separator.
    using Row = std::tuple<int, int, std::wstring, BYTE, bool>;
    auto label = [](UINT id) { return ToolBarLabel(LoadResourceString(id)); };
    const BYTE shows = BTNS_SHOWTEXT | BTNS_AUTOSIZE;
    const std::vector<Row> expected = {
        {ID_GP_OPEN, 0, label(IDS_GP_LABEL_OPEN), shows, true},
        {0, 0, L"", BTNS_SEP, false},
        {ID_GP_REVERT, 1, label(IDS_GP_LABEL_REVERT), shows | BTNS_DROPDOWN, true},
        {0, 0, L"", BTNS_SEP, false},
        {ID_GP_SAVE, 2, label(IDS_GP_LABEL_SAVE), shows, true},
        {0, 0, L"", BTNS_SEP, false},
        {ID_GP_SHOW_CODE, 3, label(IDS_GP_LABEL_SHOW_CODE), shows, true},
        {0, 0, L"", BTNS_SEP, false},
        {ID_GP_DONATE, 4, label(IDS_GP_LABEL_DONATE), shows, true},
    };
    std::vector<Row> actual;
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP) {
            actual.emplace_back(0, 0, L"", button.fsStyle, false);
            continue;
        }
        wchar_t text[64] = {};
        SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text));
        actual.emplace_back(button.idCommand, button.iBitmap, text, button.fsStyle,
                            (button.fsState & TBSTATE_ENABLED) != 0);
    }
    EXPECT_EQ(actual, expected);
    // The labels keep their blanks and lose their bars.
    EXPECT_EQ(std::get<2>(expected[0]).find(L'|'), std::wstring::npos);
    EXPECT_EQ(std::get<2>(expected[0]).front(), L' ');

    // Five 32 x 32 images at 96 DPI, scaled with the toolbar's DPI and made
    // again when it changes; the mask colour transparent. Back at its own
    // DPI every button stands where it stood.
    const int ownDpi = WindowDpi(toolbar);
    auto buttonPlaces = [&] {
        std::vector<RECT> places(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&places[static_cast<size_t>(i)]));
        return places;
    };
    auto samePlaces = [](const std::vector<RECT>& a, const std::vector<RECT>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const RECT& x, const RECT& y) { return EqualRect(&x, &y) != FALSE; });
    };
    const std::vector<RECT> placesAtOwnDpi = buttonPlaces();
    for (int dpi : {ownDpi, 168, 240, 120, ownDpi}) {
        frame_->toolBar.UseDpi(dpi);
        const int size = ScaleForDpi(32, dpi);
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
        ASSERT_NE(images, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(images), 5);
        int width = 0, height = 0;
        ImageList_GetIconSize(images, &width, &height);
        EXPECT_EQ(width, size) << dpi;
        EXPECT_EQ(height, size) << dpi;
        RECT open{};
        SendMessageW(toolbar, TB_GETRECT, ID_GP_OPEN, reinterpret_cast<LPARAM>(&open));
        EXPECT_GT(open.bottom - open.top, size) << dpi << ": the button holds its picture";
        // The band holding the toolbar is as tall as the toolbar's buttons.
        REBARBANDINFOW band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILDSIZE;
        SendMessageW(frame_->rebar.Handle(), RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&band));
        EXPECT_EQ(static_cast<int>(band.cyMinChild), frame_->toolBar.IdealSize().cy) << dpi;
        EXPECT_GE(static_cast<LONG>(band.cyMinChild), open.bottom) << dpi;
        // Drawn with its mask on green: the corner shows the green, the centre the picture.
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(format.bmiHeader);
        format.bmiHeader.biWidth = size;
        format.bmiHeader.biHeight = -size;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP canvas = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(canvas, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, canvas);
        for (int image = 0; image < 5; ++image) {
            RECT all{0, 0, size, size};
            HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
            FillRect(dc, &all, green);
            DeleteObject(green);
            ASSERT_TRUE(ImageList_Draw(images, image, dc, 0, 0, ILD_NORMAL));
            EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 255, 0)) << "image " << image << ": corner is background";
            int background = 0, maskColour = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const COLORREF pixel = GetPixel(dc, x, y);
                    background += pixel == RGB(0, 255, 0);
                    maskColour += pixel == RGB(192, 192, 192);
                }
            EXPECT_EQ(maskColour, 0) << "image " << image << " at " << dpi << ": the mask colour never shows";
            EXPECT_GT(background, size * size / 10) << "image " << image << " at " << dpi;
            EXPECT_LT(background, size * size * 8 / 10) << "image " << image << " at " << dpi << ": a picture fills it";
        }
        SelectObject(dc, old);
        DeleteObject(canvas);
        DeleteDC(dc);
    }
    EXPECT_EQ(frame_->toolBar.Dpi(), ownDpi);
    EXPECT_TRUE(samePlaces(buttonPlaces(), placesAtOwnDpi));
}

TEST_F(BarsTest, RevertButtonDropsDownWithoutCommand301)
{
    HWND toolbar = frame_->toolBar.Handle();
    RECT button{};
    SendMessageW(toolbar, TB_GETRECT, ID_GP_REVERT, reinterpret_cast<LPARAM>(&button));
    const POINT corner = frame_->toolBar.ButtonBottomLeft(ID_GP_REVERT);
    // Its left part and its right part.
    const RECT parts[] = {{button.left + 4, button.top + 4, button.left + 6, button.top + 6},
                          {button.right - 6, button.bottom - 6, button.right - 4, button.bottom - 4}};
    Drive([&] {
        for (const RECT& part : parts) {
            input_->Click(ScreenCentre(toolbar, &part));
            EXPECT_TRUE(WaitFor([&] { return OpenPopups().size() == 1; }));
            const std::vector<HWND> open = OpenPopups();
            if (open.size() == 1) {
                HMENU shown = MenuOf(open.front());
                EXPECT_EQ(GetMenuItemCount(shown), 2);
                EXPECT_EQ(GetMenuItemID(shown, 0), static_cast<UINT>(ID_GP_REVERT_TO_SAVED));
                EXPECT_EQ(GetMenuItemID(shown, 1), static_cast<UINT>(ID_GP_REVERT_TO_DEFAULT));
                RECT popup{};
                GetWindowRect(open.front(), &popup);
                EXPECT_EQ(popup.left, corner.x);
                EXPECT_EQ(popup.top, corner.y);
            }
            PressKeys({VK_ESCAPE});
            EXPECT_TRUE(WaitFor([&] { return OpenPopups().empty(); }));
            EXPECT_TRUE(input_->Settle());
        }
        // A choice arrives as its own command.
        input_->Click(ScreenCentre(toolbar, &parts[0]));
        EXPECT_TRUE(WaitFor([&] { return OpenPopups().size() == 1; }));
        PressKeys({VK_DOWN});
        PressKeys({VK_DOWN});
        PressKeys({VK_RETURN});
        EXPECT_TRUE(WaitFor([&] { return OpenPopups().empty(); }));
    });
    EXPECT_TRUE(PumpUntil([&] { return !frame_->Commands().empty(); }, 3000));
    EXPECT_EQ(frame_->DropDowns(), (std::vector<int>{ID_GP_REVERT, ID_GP_REVERT, ID_GP_REVERT}));
    EXPECT_EQ(frame_->Commands(), std::vector<UINT>{ID_GP_REVERT_TO_DEFAULT}) << "never 301";
}

TEST_F(BarsTest, HidingTheToolbarBandRemovesItsRow)
{
    HWND rebar = frame_->rebar.Handle();
    const LONG style = GetWindowLongW(rebar, GWL_STYLE);
    const LONG wanted = RBS_VARHEIGHT | RBS_BANDBORDERS | RBS_AUTOSIZE | CCS_NODIVIDER;
    EXPECT_EQ(style & wanted, wanted);
    ASSERT_EQ(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0), 2);
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD;
    SendMessageW(rebar, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&band));
    EXPECT_TRUE(band.fStyle & RBBS_NOGRIPPER);
    EXPECT_EQ(band.hwndChild, frame_->commandBar.Handle());
    SendMessageW(rebar, RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&band));
    EXPECT_TRUE(band.fStyle & RBBS_BREAK);
    EXPECT_EQ(band.hwndChild, frame_->toolBar.Handle());

    auto height = [](HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect.bottom - rect.top;
    };
    const int rowOne = static_cast<int>(SendMessageW(rebar, RB_GETROWHEIGHT, 0, 0));
    const int rowTwo = static_cast<int>(SendMessageW(rebar, RB_GETROWHEIGHT, 1, 0));
    ASSERT_EQ(SendMessageW(rebar, RB_GETROWCOUNT, 0, 0), 2);
    const int fullHeight = height(rebar);
    const int fullSplit = height(frame_->split.Handle());
    EXPECT_GE(rowTwo, 32) << "the toolbar's row holds its 32-pixel images";

    // Through the View menu, as the user does it.
    Drive([&] {
        PressKeys({VK_MENU, 'V'});
        EXPECT_TRUE(WaitForMenu(1));
        PressKeys({VK_RETURN});
        EXPECT_TRUE(WaitForMenu(-1));
    });
    EXPECT_TRUE(PumpUntil([&] { return !frame_->rebar.BandVisible(1); }, 3000));
    EXPECT_EQ(SendMessageW(rebar, RB_GETROWCOUNT, 0, 0), 1);
    EXPECT_FALSE(IsWindowVisible(frame_->toolBar.Handle()));
    EXPECT_GE(height(rebar), rowOne);
    EXPECT_LE(height(rebar), fullHeight - rowTwo) << "the whole second row is gone";
    EXPECT_EQ(height(frame_->split.Handle()), fullSplit + (fullHeight - height(rebar)))
        << "the client area takes the row's place";
    EXPECT_EQ(GetMenuState(frame_->commandBar.Menu(), ID_GP_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED, 0u);

    SendMessageW(frame_->Handle(), WM_COMMAND, ID_GP_VIEW_TOOLBAR, 0);
    EXPECT_EQ(SendMessageW(rebar, RB_GETROWCOUNT, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(frame_->toolBar.Handle()));
    EXPECT_EQ(height(rebar), fullHeight);
    EXPECT_EQ(height(frame_->split.Handle()), fullSplit);
}

TEST_F(BarsTest, SplitKeepsTheBottomPaneHeightAndCannotBeDragged)
{
    SplitWindow& split = frame_->split;
    auto height = [](HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect.bottom - rect.top;
    };
    const int bottom = height(frame_->bottomPane);
    EXPECT_EQ(bottom, BarsTestFrame::kBottomPaneHeight - SplitWindow::BarHeight());
    for (SIZE size : {SIZE{700, 600}, SIZE{1000, 800}, SIZE{640, 520}, SIZE{900, 700}}) {
        SetWindowPos(frame_->Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpPending();
        RECT client{};
        GetClientRect(split.Handle(), &client);
        EXPECT_EQ(height(frame_->bottomPane), bottom) << size.cx << "x" << size.cy;
        EXPECT_EQ(split.SplitPosition(), client.bottom - bottom - SplitWindow::BarHeight());
        RECT pane{};
        GetWindowRect(frame_->bottomPane, &pane);
        MapWindowPoints(nullptr, split.Handle(), reinterpret_cast<POINT*>(&pane), 2);
        EXPECT_EQ(pane.bottom, client.bottom);
        EXPECT_EQ(pane.right, client.right);
    }
    // A position can be set; the bottom pane keeps the new height from then on.
    split.SetSplitPosition(100);
    EXPECT_EQ(split.SplitPosition(), 100);
    const int newBottom = height(frame_->bottomPane);
    SetWindowPos(frame_->Handle(), nullptr, 0, 0, 800, 760, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(height(frame_->bottomPane), newBottom);

    // Dragging the bar moves nothing.
    const int before = split.SplitPosition();
    RECT bar{0, before, 200, before + SplitWindow::BarHeight()};
    const POINT grab = ScreenCentre(split.Handle(), &bar);
    // The drag is over once the frame has taken the button's release.
    static std::atomic<bool> released;
    released = false;
    HHOOK watch = SetWindowsHookExW(
        WH_GETMESSAGE,
        [](int code, WPARAM remove, LPARAM lParam) -> LRESULT {
            const MSG* message = reinterpret_cast<const MSG*>(lParam);
            if (code == HC_ACTION && remove == PM_REMOVE && message->message == WM_LBUTTONUP) released = true;
            return CallNextHookEx(nullptr, code, remove, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(watch, nullptr);
    Drive([&] {
        input_->Move(grab);
        input_->Button(true);
        input_->Move(POINT{grab.x, grab.y + 60});
        input_->Button(false);
        EXPECT_TRUE(WaitFor([] { return released.load(); })) << "the drag never ended";
    });
    UnhookWindowsHookEx(watch);
    EXPECT_EQ(split.SplitPosition(), before);
    EXPECT_EQ(height(frame_->bottomPane), newBottom);
}

} // namespace
