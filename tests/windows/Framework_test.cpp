// The window framework: message maps, subclassing and message reflection
// through a real dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Owned.h"
#include "framework/Reflection.h"
#include "framework/SubclassedWindow.h"
#include "tests/windows/DialogTemplateBuilder.h"

namespace {

constexpr WORD kButtonId = 501;
constexpr WORD kStaticId = 502;
constexpr WORD kHandledId = 503;

// Records what comes back to it by reflection.
class ReflectedControl : public SubclassedWindow {
public:
    std::vector<UINT> reflected;
    std::vector<UINT> clickCodes;
    bool destroyed = false;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;

private:
    LRESULT OnClicked(Message& message)
    {
        clickCodes.push_back(HIWORD(message.wParam));
        reflected.push_back(message.message);
        return 0;
    }
    static const MessageEntry<ReflectedControl> kMap[];
};

const MessageEntry<ReflectedControl> ReflectedControl::kMap[] = {
    OnCommand(kButtonId, BN_CLICKED, &ReflectedControl::OnClicked, kReflectedCommand),
};

bool ReflectedControl::ProcessMessage(Message& message, LRESULT& result)
{
    if (message.message == WM_DESTROY) destroyed = true;
    if (RouteMessage(this, kMap, message, result)) return true;
    if (message.message >= kReflectionOffset && message.message < kReflectionOffset + WM_USER) {
        reflected.push_back(message.message);
        result = message.message == Reflected(WM_CTLCOLORSTATIC)
                     ? reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH))
                     : 0;
        return true;
    }
    return false;
}

class HostDialog : public Dialog {
public:
    Owned<ReflectedControl> button;
    Owned<ReflectedControl> label;
    std::vector<WPARAM> answeredCommands;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;

private:
    LRESULT OnHandledCommand(Message& message)
    {
        answeredCommands.push_back(message.wParam);
        return 0;
    }
    static const MessageEntry<HostDialog> kMap[];
};

const MessageEntry<HostDialog> HostDialog::kMap[] = {
    OnCommand(kHandledId, BN_CLICKED, &HostDialog::OnHandledCommand),
};

bool HostDialog::ProcessMessage(Message& message, LRESULT& result)
{
    if (message.message == WM_INITDIALOG) {
        button.Subclass(GetDlgItem(Handle(), kButtonId));
        label.Subclass(GetDlgItem(Handle(), kStaticId));
        result = TRUE;
        return true;
    }
    return RouteMessage(this, kMap, message, result);
}

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200, 60, L"Framework test");
        builder.AddControl(L"BUTTON", BS_PUSHBUTTON, 5, 5, 50, 14, kButtonId, L"Reflect");
        builder.AddControl(L"STATIC", SS_LEFT, 5, 25, 50, 10, kStaticId, L"Label");
        builder.AddControl(L"BUTTON", BS_PUSHBUTTON, 60, 5, 50, 14, kHandledId, L"Answered");
        ASSERT_NE(dialog_.CreateModeless(nullptr, builder.Get()), nullptr);
        PumpMessages(30);
    }
    void TearDown() override { dialog_.Destroy(); }

    Owned<HostDialog> dialog_;
};

} // namespace

TEST_F(FrameworkTest, ClickIsReflectedToTheButtonThroughItsMessageMap)
{
    // (A button of common controls 6 also sends custom-draw notifications,
    // which come back as 0x204E.)
    SendMessageW(dialog_.button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog_.button.clickCodes, std::vector<UINT>{BN_CLICKED});
    EXPECT_EQ(std::count(dialog_.button.reflected.begin(), dialog_.button.reflected.end(), 0x2111u), 1);
}

TEST_F(FrameworkTest, AnsweredAndMenuCommandsAreNotReflected)
{
    HWND answered = GetDlgItem(dialog_.Handle(), kHandledId);
    SendMessageW(answered, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog_.answeredCommands.size(), 1u);
    // A menu command (no window) goes nowhere.
    dialog_.button.reflected.clear();
    SendMessageW(dialog_.Handle(), WM_COMMAND, MAKEWPARAM(kButtonId, 0), 0);
    EXPECT_TRUE(dialog_.button.reflected.empty());
    EXPECT_EQ(FindReflectionTarget(dialog_.Handle(), WM_COMMAND, kButtonId, 0), nullptr);
}

TEST_F(FrameworkTest, ColourAndNotifyMessagesComeBackWithTheChildsAnswer)
{
    PumpMessages(20);
    dialog_.label.reflected.clear();
    HDC dc = GetDC(dialog_.label.Handle());
    const LRESULT brush =
        SendMessageW(dialog_.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(dialog_.label.Handle()));
    ReleaseDC(dialog_.label.Handle(), dc);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
    ASSERT_FALSE(dialog_.label.reflected.empty());
    EXPECT_EQ(dialog_.label.reflected.back(), 0x2138u);

    NMHDR header{dialog_.label.Handle(), kStaticId, 12345};
    SendMessageW(dialog_.Handle(), WM_NOTIFY, kStaticId, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(dialog_.label.reflected.back(), 0x204Eu);

    // Owner-draw messages find their child by id or by the item window.
    MEASUREITEMSTRUCT measure{};
    measure.CtlID = kStaticId;
    EXPECT_EQ(FindReflectionTarget(dialog_.Handle(), WM_MEASUREITEM, kStaticId, reinterpret_cast<LPARAM>(&measure)),
              dialog_.label.Handle());
    EXPECT_EQ(FindReflectionTarget(dialog_.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), nullptr);
    EXPECT_EQ(FindReflectionTarget(dialog_.Handle(), WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, kButtonId), 0),
              dialog_.button.Handle());
    EXPECT_EQ(FindReflectionTarget(dialog_.Handle(), WM_SIZE, 0, 0), nullptr);
}

TEST_F(FrameworkTest, SubclassEndsWithTheWindow)
{
    HWND button = dialog_.button.Handle();
    EXPECT_FALSE(dialog_.button.Subclass(button)); // only once
    DestroyWindow(button);
    EXPECT_TRUE(dialog_.button.destroyed);
    EXPECT_EQ(dialog_.button.Handle(), nullptr);
}

TEST(FrameworkLifetime, DeletingADialogObjectDestroysItsWindowSafely)
{
    DialogTemplateBuilder builder(WS_POPUP | WS_VISIBLE, 10, 10, 100, 40, L"Short-lived");
    builder.AddControl(L"BUTTON", BS_PUSHBUTTON, 5, 5, 50, 14, kButtonId, L"Reflect");
    builder.AddControl(L"STATIC", SS_LEFT, 5, 25, 50, 10, kStaticId, L"Label");
    auto dialog = std::make_unique<Owned<HostDialog>>();
    HWND window = dialog->CreateModeless(nullptr, builder.Get());
    ASSERT_NE(window, nullptr);
    HWND button = dialog->button.Handle();
    dialog.reset(); // no call of Destroy first
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(button));
}

namespace {

// Ends itself from a timer with a result of its own.
class TimedModalDialog : public Dialog {
protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_INITDIALOG) SetTimer(Handle(), 1, 50, nullptr);
        if (message.message == WM_TIMER) EndModal(77);
        result = 0;
        return message.message == WM_TIMER;
    }
};

} // namespace

TEST(FrameworkLifetime, ModalDialogRunsUntilEndModal)
{
    DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 100, 40, L"Modal");
    Owned<TimedModalDialog> dialog;
    EXPECT_EQ(dialog.RunModal(nullptr, builder.Get()), 77);
    EXPECT_EQ(dialog.Handle(), nullptr);
}
