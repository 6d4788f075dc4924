// The framework's message loop with a modeless page and a frame window:
// keyboard navigation inside the page, accelerators that reach the frame
// and not the focused edit, the idle step and the exit code.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/Dialog.h"
#include "framework/MessageLoop.h"
#include "framework/Owned.h"
#include "framework/Window.h"
#include "tests/windows/DialogTemplateBuilder.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

constexpr WORD kEditId = 201;
constexpr WORD kCheckId = 202;
constexpr WORD kSpinEditId = 203;
constexpr WORD kUpDownId = 204;
constexpr WORD kCopyCommand = 57634;

class Frame : public BaseWindow<Frame> {
public:
    std::vector<WORD> commands;
    HWND Create()
    {
        return BaseWindow::Create(
            {.rect = {40, 40, 540, 340}, .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .title = L"Loop frame"});
    }
    static inline const WindowClass kWindowClass = {.name = L"GlimmerpatchLoopFrame", .background = COLOR_BTNFACE};
    // Its messages are routed by hand below.
    static inline const MessageMap<Frame> kMessageMap = {};

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_COMMAND && message.lParam == 0) {
            commands.push_back(LOWORD(message.wParam));
            result = 0;
            return true;
        }
        return false;
    }
};

class Page : public Dialog {
protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_INITDIALOG) {
            SendDlgItemMessageW(Handle(), kUpDownId, UDM_SETRANGE32, 4, 40);
            SendDlgItemMessageW(Handle(), kUpDownId, UDM_SETPOS32, 0, 10);
            result = FALSE;
            return true;
        }
        return false;
    }
};

class MessageLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);
        ASSERT_NE(frame_.Create(), nullptr);
        DialogTemplateBuilder builder(WS_CHILD | WS_VISIBLE, 0, 0, 300, 100, L" Page ");
        builder.AddControl(L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 100, 12, kEditId);
        builder.AddControl(L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 30, 60, 12, kCheckId, L"Underline");
        builder.AddControl(L"EDIT", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 50, 44, 13,
                           kSpinEditId);
        builder.AddControl(UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 0, 0,
                           10, 13, kUpDownId);
        ASSERT_NE(page_.CreateModeless(frame_.Handle(), builder.Get()), nullptr);
        accelerators_ = CreateAcceleratorTableW(accelerator_, 1);
        loop_.SetAccelerators(frame_.Handle(), accelerators_);
        ASSERT_TRUE(window_tests::MakeForeground(frame_.Handle()));
        SetFocus(Item(kEditId));
    }
    void TearDown() override { DestroyAcceleratorTable(accelerators_); }

    HWND Item(WORD id) const { return GetDlgItem(page_.Handle(), id); }

    // Runs the loop; a timer runs the steps one per tick from inside it,
    // then quits with 7.
    int RunSteps(std::vector<std::function<void()>> steps)
    {
        steps_ = std::move(steps);
        next_ = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 40, &MessageLoopTest::Tick);
        const int code = loop_.Run();
        KillTimer(nullptr, timer);
        return code;
    }

    MessageLoop loop_; // before the windows: they find it while they are made
    Owned<Frame> frame_;
    Owned<Page> page_;
    ACCEL accelerator_[1] = {{FCONTROL | FVIRTKEY, 'C', kCopyCommand}};
    HACCEL accelerators_ = nullptr;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (next_ < steps_.size())
            steps_[next_++]();
        else if (next_++ == steps_.size())
            PostQuitMessage(7);
    }
    static inline std::vector<std::function<void()>> steps_;
    static inline std::size_t next_ = 0;
};

// Real key input, as the keyboard gives it: it goes to the focused window
// of the foreground window's thread.
void Press(std::vector<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND Focus()
{
    return GetFocus();
}

} // namespace

TEST_F(MessageLoopTest, ThePageIsRegisteredWhileItsWindowLives)
{
    MSG tab{Item(kEditId), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(loop_.PreTranslate(tab)); // used up by IsDialogMessage
    MSG elsewhere{frame_.Handle(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_FALSE(loop_.PreTranslate(elsewhere));
    HWND edit = Item(kEditId);
    page_.Destroy();
    MSG gone{edit, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_FALSE(loop_.PreTranslate(gone));
}

TEST_F(MessageLoopTest, KeysMoveThroughThePageAndWorkItsControls)
{
    HWND focusAfterTab = nullptr, focusAfterSecondTab = nullptr;
    wchar_t spinText[16] = {};
    const int code = RunSteps({
        [] { Press({VK_TAB}); },
        [&] {
            focusAfterTab = Focus();
            Press({VK_SPACE});
        },
        [] { Press({VK_TAB}); },
        [&] {
            focusAfterSecondTab = Focus();
            Press({VK_UP});
        },
        [&] { GetWindowTextW(Item(kSpinEditId), spinText, 16); },
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(focusAfterTab, Item(kCheckId));
    EXPECT_EQ(SendMessageW(Item(kCheckId), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(focusAfterSecondTab, Item(kSpinEditId));
    EXPECT_STREQ(spinText, L"11");
}

TEST_F(MessageLoopTest, AnAcceleratorReachesTheFrameNotTheFocusedEdit)
{
    SetWindowTextW(Item(kEditId), L"text");
    SendMessageW(Item(kEditId), EM_SETSEL, 0, -1);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    HWND focus = nullptr;
    RunSteps({
        [] { Press({VK_CONTROL, 'C'}); },
        [&] { focus = Focus(); },
    });
    EXPECT_EQ(focus, Item(kEditId));
    EXPECT_EQ(frame_.commands, std::vector<WORD>{kCopyCommand});
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT)); // the edit copied nothing
}

TEST_F(MessageLoopTest, TheIdleStepRunsWhenTheQueueRunsEmptyAndAgainWhileItHasMore)
{
    // The idle step drives itself, no timer takes part: the first time it
    // posts two messages and asks for more, so it runs again only once both
    // were handled; the second time it asks for more with nothing waiting,
    // so it runs again at once; the third time it posts one message and is
    // done; the fourth (after that message) quits.
    std::vector<std::size_t> commandsAtIdle;
    loop_.SetIdleStep([&] {
        commandsAtIdle.push_back(frame_.commands.size());
        switch (commandsAtIdle.size()) {
        case 1:
            PostMessageW(frame_.Handle(), WM_COMMAND, 4321, 0);
            PostMessageW(frame_.Handle(), WM_COMMAND, 4322, 0);
            return true;
        case 2:
            return true;
        case 3:
            PostMessageW(frame_.Handle(), WM_COMMAND, 4323, 0);
            return false;
        default:
            PostQuitMessage(5);
            return false;
        }
    });
    EXPECT_EQ(loop_.Run(), 5);
    EXPECT_EQ(commandsAtIdle, (std::vector<std::size_t>{0, 2, 2, 3}));
    EXPECT_EQ(frame_.commands, (std::vector<WORD>{4321, 4322, 4323}));
}

// A window's key filter sees the key messages of the windows inside it, after
// the accelerators and before the page's dialog navigation, while it is
// registered; other messages and other windows' keys pass it by.
TEST_F(MessageLoopTest, AKeyFilterComesAfterTheAcceleratorsAndBeforeThePage)
{
    std::vector<std::pair<HWND, WPARAM>> filtered;
    loop_.AddKeyFilter(page_.Handle(), [&](MSG& message) {
        filtered.emplace_back(message.hwnd, message.wParam);
        return message.wParam == VK_TAB;
    });
    // A second filter for the window is refused; the first one stays.
    EXPECT_FALSE(loop_.AddKeyFilter(page_.Handle(), [](MSG&) { return true; }));
    BYTE keys[256] = {};
    auto control = [&](bool down) {
        GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    };

    // Ctrl+C is the frame's before the filter sees it.
    control(true);
    MSG copy{Item(kEditId), WM_KEYDOWN, 'C', 1, 0, {}};
    EXPECT_TRUE(loop_.PreTranslate(copy));
    control(false);
    EXPECT_EQ(frame_.commands, std::vector<WORD>{kCopyCommand});
    EXPECT_TRUE(filtered.empty());

    // Tab in the edit is the filter's: the page does not move the focus.
    MSG tab{Item(kEditId), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(loop_.PreTranslate(tab));
    EXPECT_EQ(GetFocus(), Item(kEditId));
    // A key the filter leaves goes on to the page (which takes a check
    // box's Space); a mouse message (the page's too) and the frame's own
    // keys pass it by.
    MSG space{Item(kCheckId), WM_KEYDOWN, VK_SPACE, 1, 0, {}};
    EXPECT_TRUE(loop_.PreTranslate(space));
    MSG mouse{Item(kEditId), WM_MOUSEMOVE, 0, 0, 0, {}};
    loop_.PreTranslate(mouse);
    MSG frameKey{frame_.Handle(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_FALSE(loop_.PreTranslate(frameKey));
    EXPECT_EQ(filtered, (std::vector<std::pair<HWND, WPARAM>>{{Item(kEditId), VK_TAB}, {Item(kCheckId), VK_SPACE}}));

    // Once removed, Tab is the page's again.
    loop_.RemoveKeyFilter(page_.Handle());
    MSG again{Item(kEditId), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_TRUE(loop_.PreTranslate(again));
    EXPECT_EQ(filtered.size(), 2u);
}
