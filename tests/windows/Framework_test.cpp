// The window framework: message maps, subclassing and message reflection
// through a real dialog; the program's pictures for any DPI.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/AboutDialog.h"
#include "app/FrameBars.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "framework/DpiPictures.h"
#include "framework/Owned.h"
#include "framework/Reflection.h"
#include "framework/SubclassedWindow.h"
#include "framework/Window.h"

#include <commctrl.h>
#include "tests/windows/DialogTemplateBuilder.h"
#include "tests/windows/WindowTestSupport.h"
#include "resources/ResourceIds.h"
#include "sections/PagePicture.h"

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
    static const MessageMap<ReflectedControl> kMap;
};

const MessageMap<ReflectedControl> ReflectedControl::kMap = {
    OnCommand(kButtonId, BN_CLICKED, &ReflectedControl::OnClicked, kReflectedCommand),
};

bool ReflectedControl::ProcessMessage(Message& message, LRESULT& result)
{
    if (message.message == WM_DESTROY) destroyed = true;
    if (kMap.Route(this, message, result)) return true;
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
    static const MessageMap<HostDialog> kMap;
};

const MessageMap<HostDialog> HostDialog::kMap = {
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
    return kMap.Route(this, message, result);
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
        window_tests::PumpPending();
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
    window_tests::PumpPending();
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

namespace {

// Counts the last messages of its window as a derived class sees them. Its
// destructor does nothing for them: Owned<T> must bring them.
struct LastMessages {
    int destroy = 0;
    int ncDestroy = 0;
    int detached = 0;
};

class CountingWindow : public BaseWindow<CountingWindow> {
public:
    explicit CountingWindow(LastMessages& seen) : seen_(seen) {}
    HWND Create(HWND parent)
    {
        return BaseWindow::Create({.parent = parent,
                                   .id = parent ? 7u : 0u,
                                   .rect = {0, 0, 100, 50},
                                   .style = parent ? WS_CHILD : WS_POPUP,
                                   .title = L"Counting"});
    }
    static inline const WindowClass kWindowClass = {.name = L"GlimmerpatchCountingWindow"};
    static const MessageMap<CountingWindow> kMessageMap;

protected:
    void OnWindowDetached() override { ++seen_.detached; }

private:
    LRESULT OnLastMessage(Message& message)
    {
        ++(message.message == WM_DESTROY ? seen_.destroy : seen_.ncDestroy);
        message.handled = false;
        return 0;
    }
    LastMessages& seen_;
};

const MessageMap<CountingWindow> CountingWindow::kMessageMap = {
    OnMessage(WM_DESTROY, &CountingWindow::OnLastMessage),
    OnMessage(WM_NCDESTROY, &CountingWindow::OnLastMessage),
};

class CountingDialog : public Dialog {
public:
    explicit CountingDialog(LastMessages& seen) : seen_(seen) {}

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_DESTROY) ++seen_.destroy;
        if (message.message == WM_NCDESTROY) ++seen_.ncDestroy;
        result = 0;
        return false;
    }
    void OnWindowDetached() override { ++seen_.detached; }

private:
    LastMessages& seen_;
};

class CountingControl : public SubclassedWindow {
public:
    explicit CountingControl(LastMessages& seen) : seen_(seen) {}

protected:
    bool ProcessMessage(Message& message, LRESULT&) override
    {
        if (message.message == WM_DESTROY) ++seen_.destroy;
        if (message.message == WM_NCDESTROY) ++seen_.ncDestroy;
        return false;
    }
    void OnWindowDetached() override { ++seen_.detached; }

private:
    LastMessages& seen_;
};

void ExpectOnce(const LastMessages& seen, const char* what)
{
    EXPECT_EQ(seen.destroy, 1) << what;
    EXPECT_EQ(seen.ncDestroy, 1) << what;
    EXPECT_EQ(seen.detached, 1) << what;
}

} // namespace

TEST(FrameworkLifetime, LettingTheObjectGoBringsTheLastMessagesToTheDerivedClass)
{
    LastMessages window, dialog;
    {
        Owned<CountingWindow> counting(window);
        ASSERT_NE(counting.Create(nullptr), nullptr);
    }
    ExpectOnce(window, "window");
    {
        DialogTemplateBuilder builder(WS_POPUP, 0, 0, 60, 30, L"Counting");
        auto counting = std::make_unique<Owned<CountingDialog>>(dialog);
        ASSERT_NE(counting->CreateModeless(nullptr, builder.Get()), nullptr);
    }
    ExpectOnce(dialog, "dialog");
}

TEST(FrameworkLifetime, AWindowEndedFromOutsideReachesItsObjectOnceAndItCanBeMadeAgain)
{
    LastMessages parentSeen, childSeen, controlSeen;
    Owned<CountingWindow> parent(parentSeen);
    Owned<CountingWindow> child(childSeen);
    Owned<CountingControl> control(controlSeen);
    ASSERT_NE(parent.Create(nullptr), nullptr);
    ASSERT_NE(child.Create(parent.Handle()), nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD, 0, 0, 20, 20, parent.Handle(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(control.Subclass(button));

    DestroyWindow(parent.Handle()); // the children go with their parent
    ExpectOnce(parentSeen, "parent");
    ExpectOnce(childSeen, "child");
    ExpectOnce(controlSeen, "subclassed control");
    EXPECT_EQ(child.Handle(), nullptr);
    EXPECT_EQ(control.Handle(), nullptr);

    // The object outlived its window and may make another.
    EXPECT_NE(parent.Create(nullptr), nullptr);
}

TEST(FrameworkLifetime, ASubclassedControlOutlivesItsObjectAndTheChainAfterOursKeepsWorking)
{
    LastMessages seen;
    HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 20, 20, host, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(button, nullptr);
    static int foreignMessages = 0;
    const SUBCLASSPROC foreign = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) -> LRESULT {
        if (message == WM_USER + 5) ++foreignMessages;
        return DefSubclassProc(window, message, wParam, lParam);
    };
    {
        Owned<CountingControl> ours(seen);
        ASSERT_TRUE(ours.Subclass(button));
        ASSERT_TRUE(SetWindowSubclass(button, foreign, 99, 0)); // installed after ours
        SendMessageW(button, WM_USER + 5, 0, 0);
        EXPECT_EQ(foreignMessages, 1);
    }
    // Ours is gone; the control lives on, and so does the subclass after ours.
    EXPECT_EQ(seen.detached, 1);
    EXPECT_EQ(seen.destroy, 0);
    ASSERT_TRUE(IsWindow(button));
    SendMessageW(button, WM_USER + 5, 0, 0);
    EXPECT_EQ(foreignMessages, 2);
    wchar_t text[8] = {};
    GetWindowTextW(button, text, 8);
    EXPECT_STREQ(text, L"b");
    RemoveWindowSubclass(button, foreign, 99);
    DestroyWindow(host);
}

namespace {

// A plain window (no dialog) as the parent of a reflected control.
class PlainParent : public BaseWindow<PlainParent> {
public:
    HWND Create()
    {
        return BaseWindow::Create({.rect = {30, 30, 230, 130}, .style = WS_POPUP | WS_VISIBLE, .title = L"Plain"});
    }
    static inline const WindowClass kWindowClass = {.name = L"GlimmerpatchPlainParent", .background = COLOR_BTNFACE};
    static inline const MessageMap<PlainParent> kMessageMap = {};
};

} // namespace

TEST(FrameworkReflection, APlainWindowReflectsLikeADialog)
{
    Owned<PlainParent> parent;
    ASSERT_NE(parent.Create(), nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 50, 20,
                                  parent.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)),
                                  GetModuleHandleW(nullptr), nullptr);
    HWND label = CreateWindowExW(0, L"STATIC", L"l", WS_CHILD | WS_VISIBLE, 5, 30, 50, 20, parent.Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStaticId)),
                                 GetModuleHandleW(nullptr), nullptr);
    Owned<ReflectedControl> reflectedButton, reflectedLabel;
    ASSERT_TRUE(reflectedButton.Subclass(button));
    ASSERT_TRUE(reflectedLabel.Subclass(label));

    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(reflectedButton.clickCodes, std::vector<UINT>{BN_CLICKED});

    HDC dc = GetDC(label);
    const LRESULT brush = SendMessageW(parent.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(label));
    ReleaseDC(label, dc);
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(reflectedLabel.reflected.back(), Reflected(WM_CTLCOLORSTATIC));

    // A colour message that the child leaves unanswered gets the default
    // answer (a brush), not 0.
    reflectedLabel.Detach();
    dc = GetDC(label);
    EXPECT_NE(SendMessageW(parent.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(label)),
              0);
    ReleaseDC(label, dc);
}

namespace {

// A window class of the base's own kind: the class is registered by the
// first window, and a test may take it away again while no window is left.
class Probe : public BaseWindow<Probe> {
public:
    std::vector<UINT> heard;
    HWND Create(HWND parent = nullptr)
    {
        return BaseWindow::Create({.parent = parent,
                                   .id = parent ? 9u : 0u,
                                   .rect = {10, 20, 110, 70},
                                   .style = parent ? WS_CHILD : WS_POPUP,
                                   .title = L"Probe"});
    }
    static void Unregister() { UnregisterWindowClass(); }
    static inline const WindowClass kWindowClass = {
        .name = L"GlimmerpatchProbe", .style = CS_DBLCLKS, .background = COLOR_INFOBK};
    static const MessageMap<Probe> kMessageMap;

private:
    LRESULT OnAnswered(Message& message)
    {
        heard.push_back(message.message);
        return 42;
    }
    LRESULT OnPassedOn(Message& message)
    {
        heard.push_back(message.message);
        message.handled = false;
        return 0;
    }
};

const MessageMap<Probe> Probe::kMessageMap = {
    OnMessage(WM_USER + 1, &Probe::OnAnswered),
    OnMessage(WM_GETTEXTLENGTH, &Probe::OnPassedOn),
    OnCommand(5, BN_CLICKED, &Probe::OnAnswered),
};

bool ClassRegistered(WNDCLASSEXW& info)
{
    info = WNDCLASSEXW{};
    info.cbSize = sizeof(info);
    return GetClassInfoExW(GetModuleHandleW(nullptr), Probe::kWindowClass.name, &info) != FALSE;
}

} // namespace

TEST(FrameworkWindow, TheFirstWindowRegistersItsClassAndEveryMessageGoesThroughTheMap)
{
    WNDCLASSEXW info{};
    ASSERT_FALSE(ClassRegistered(info));
    Owned<Probe> window, child;
    ASSERT_NE(window.Create(), nullptr);
    ASSERT_TRUE(ClassRegistered(info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
    EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_ARROW));
    ASSERT_NE(child.Create(window.Handle()), nullptr);
    EXPECT_EQ(GetDlgCtrlID(child.Handle()), 9);
    RECT placed{};
    GetWindowRect(window.Handle(), &placed);
    EXPECT_EQ(placed.right - placed.left, 100);
    EXPECT_EQ(placed.bottom - placed.top, 50);

    // Answered by the map, passed on to the default handling (the length of
    // "Probe"), or not in the map at all.
    struct Case {
        UINT message;
        WPARAM wParam;
        LRESULT answer;
        bool heard;
    };
    const Case cases[] = {
        {WM_USER + 1, 0, 42, true},
        {WM_GETTEXTLENGTH, 0, 5, true},
        {WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 42, true},
        {WM_COMMAND, MAKEWPARAM(6, BN_CLICKED), 0, false},
        {WM_USER + 2, 0, 0, false},
    };
    for (const Case& test : cases) {
        window.heard.clear();
        EXPECT_EQ(SendMessageW(window.Handle(), test.message, test.wParam, 0), test.answer) << test.message;
        EXPECT_EQ(window.heard, test.heard ? std::vector<UINT>{test.message} : std::vector<UINT>{}) << test.message;
    }

    // Taken away while no window is left, the class comes back with the next.
    window.Destroy();
    Probe::Unregister();
    EXPECT_FALSE(ClassRegistered(info));
    EXPECT_NE(window.Create(), nullptr);
    EXPECT_TRUE(ClassRegistered(info));
    window.Destroy();
    Probe::Unregister();
}

namespace {

// Each of the program's pictures with its drawings for 96, 144 and 192 DPI,
// which it must take as they are.
struct DrawnPicture {
    const PictureDescription& picture;
    int id;
    int at144;
    int at192;
};
const DrawnPicture kDrawnPictures[] = {
    {FrameToolBar::kPicture, IDB_GP_TOOLBAR, IDB_GP_TOOLBAR_150, IDB_GP_TOOLBAR_200},
    {sections::kPagePicture, IDB_GP_PAGE_PICTURE, IDB_GP_PAGE_PICTURE_150, IDB_GP_PAGE_PICTURE_200},
    {AboutDialog::kDonationPicture, IDB_GP_DONATE, IDB_GP_DONATE_150, IDB_GP_DONATE_200},
};
constexpr int kOddDpis[] = {72, 96, 110, 120, 144, 168, 192, 240, 288};
constexpr std::uint32_t kMask = 0xC0C0C0;

// A bitmap's pixels as 0xRRGGBB from the top, read the same way for every
// kind of bitmap.
PicturePixels PixelsOf(HBITMAP bitmap)
{
    PicturePixels out;
    SIZE size{};
    out.pixels = window_tests::BitmapPixels(bitmap, size);
    out.width = size.cx;
    out.height = size.cy;
    return out;
}

PicturePixels ResourcePixels(int id)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    PicturePixels pixels = PixelsOf(bitmap);
    if (bitmap) DeleteObject(bitmap);
    return pixels;
}

PicturePixels LoadedPixels(const PictureDescription& picture, int dpi)
{
    HBITMAP bitmap = LoadPictureForDpi(picture, dpi);
    PicturePixels pixels = PixelsOf(bitmap);
    if (bitmap) DeleteObject(bitmap);
    return pixels;
}

// What a picture looks like from afar: its share of background and the mean
// colour of the rest.
struct Look {
    double background = 0;
    double channel[3] = {0, 0, 0};
};

Look LookOf(const PicturePixels& picture, bool masked)
{
    Look look;
    double drawn = 0;
    for (std::uint32_t pixel : picture.pixels) {
        if (masked && pixel == kMask) {
            look.background += 1;
            continue;
        }
        drawn += 1;
        for (int i = 0; i < 3; ++i) look.channel[i] += (pixel >> (16 - 8 * i)) & 0xFF;
    }
    if (!picture.pixels.empty()) look.background /= static_cast<double>(picture.pixels.size());
    for (double& channel : look.channel) channel /= drawn > 0 ? drawn : 1;
    return look;
}

bool SamePixels(const PicturePixels& a, const PicturePixels& b)
{
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

} // namespace

TEST(DpiPictures, EveryDpiGetsThePictureAtItsScaledSizeLookingLikeTheDrawing)
{
    for (const DrawnPicture& drawn : kDrawnPictures) {
        const PicturePixels small = ResourcePixels(drawn.id);
        const SIZE one = PictureSizeForDpi(drawn.picture, kDefaultDpi);
        ASSERT_GT(one.cx, 0);
        ASSERT_EQ(small.width % one.cx, 0) << drawn.id;
        ASSERT_EQ(small.height, one.cy) << drawn.id;
        const int across = small.width / one.cx;
        const bool masked = drawn.id != IDB_GP_PAGE_PICTURE;
        const Look original = LookOf(small, masked);
        for (int dpi : kOddDpis) {
            const PicturePixels picture = LoadedPixels(drawn.picture, dpi);
            const SIZE size = PictureSizeForDpi(drawn.picture, dpi);
            EXPECT_EQ(size.cx, ScaleForDpi(one.cx, dpi));
            EXPECT_EQ(size.cy, ScaleForDpi(one.cy, dpi));
            EXPECT_EQ(picture.width, across * size.cx) << drawn.id << " at " << dpi;
            EXPECT_EQ(picture.height, size.cy) << drawn.id << " at " << dpi;
            // The same picture as drawn at 100 %: as much background and,
            // where drawn, about the same colours.
            const Look look = LookOf(picture, masked);
            EXPECT_NEAR(look.background, original.background, 0.05) << drawn.id << " at " << dpi;
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(look.channel[i], original.channel[i], 8.0) << drawn.id << " at " << dpi << " channel " << i;
        }
    }
}

TEST(DpiPictures, PicturesDrawnForADpiComeExactlyAsDrawn)
{
    for (const DrawnPicture& drawn : kDrawnPictures) {
        const int ids[] = {drawn.id, drawn.at144, drawn.at192};
        const int dpis[] = {kDefaultDpi, 144, 192};
        for (int i = 0; i < 3; ++i) {
            HBITMAP loaded = LoadPictureForDpi(drawn.picture, dpis[i]);
            DIBSECTION section{};
            ASSERT_EQ(GetObjectW(loaded, sizeof section, &section), static_cast<int>(sizeof section));
            EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
            EXPECT_TRUE(SamePixels(PixelsOf(loaded), ResourcePixels(ids[i]))) << drawn.id << " at " << dpis[i];
            DeleteObject(loaded);
        }
    }
    // A picture whose drawing is no bitmap (the toolbar's layout) or that
    // has no size comes as nothing.
    PictureDescription broken = FrameToolBar::kPicture;
    broken.drawings[0].resourceId = IDR_GP_TOOLBAR;
    EXPECT_EQ(LoadPictureForDpi(broken, kDefaultDpi), nullptr);
    EXPECT_EQ(LoadPictureForDpi(PictureDescription{}, kDefaultDpi), nullptr);
}

TEST(DpiPictures, ResizingAveragesAreasKeepsTheBackgroundCleanAndEachPictureToItself)
{
    const std::uint32_t red = 0xE02020, blue = 0x2040E0, nearMask = 0xC0C0BF, aboveMask = 0xC0C0C1;
    struct Case {
        const char* what;
        PicturePixels source;
        int across, width, height;
        bool masked;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        {"black and white to grey", {2, 1, {0x000000, 0xFFFFFF}}, 1, 1, 1, false, {0x808080}},
        {"a drawn corner stays, background stays exactly background",
         {4, 2, {red, red, kMask, kMask, red, red, kMask, kMask}}, 1, 2, 1, true, {red, kMask}},
        {"a pixel mostly background is background",
         {4, 1, {red, kMask, kMask, kMask}}, 1, 1, 1, true, {kMask}},
        {"half drawn takes the drawn colour only",
         {2, 1, {blue, kMask}}, 1, 1, 1, true, {blue}},
        {"a drawn mean never equals the background", {2, 1, {nearMask, aboveMask}}, 1, 1, 1, true, {kMask ^ 1}},
        {"pictures side by side do not bleed", {4, 1, {red, red, blue, blue}}, 2, 1, 1, false, {red, blue}},
        {"enlarged", {2, 1, {red, blue}}, 1, 4, 1, false, {red, red, blue, blue}},
        {"three pictures of three to two each",
         {9, 1, {red, red, red, blue, blue, blue, 0, 0, 0}}, 3, 2, 1, false, {red, red, blue, blue, 0, 0}},
        {"nothing to resize", {0, 0, {}}, 1, 2, 2, false, {}},
    };
    for (const Case& test : cases) {
        const PicturePixels resized = ResizePicture(test.source, test.across, test.width, test.height, test.masked,
                                                    kMask);
        EXPECT_EQ(resized.pixels, test.expected) << test.what;
        if (!test.expected.empty()) {
            EXPECT_EQ(resized.width, test.across * test.width) << test.what;
            EXPECT_EQ(resized.height, test.height) << test.what;
        }
    }
}

TEST(DpiPictures, ManyLoadsAndPictureChangesLeaveNoGdiObjectBehind)
{
    HWND picture = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | SS_BITMAP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(picture, nullptr);
    HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SetParent(picture, holder);
    SetWindowLongPtrW(picture, GWL_STYLE, WS_CHILD | SS_BITMAP);
    // Warm up once: the first load may make objects that stay for the run.
    ShowPicturesForDpi(holder, sections::kPagePicture, 168);
    DeleteObject(LoadPictureForDpi(FrameToolBar::kPicture, 168));
    ImageList_Destroy(LoadPictureListForDpi(AboutDialog::kDonationPicture, 168));
    const int before = window_tests::CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int round = 0; round < 40; ++round) {
        for (const DrawnPicture& drawn : kDrawnPictures) {
            for (int dpi : kOddDpis) DeleteObject(LoadPictureForDpi(drawn.picture, dpi));
            ImageList_Destroy(LoadPictureListForDpi(drawn.picture, kOddDpis[round % std::size(kOddDpis)]));
        }
        ShowPicturesForDpi(holder, sections::kPagePicture, kOddDpis[round % std::size(kOddDpis)]);
    }
    ShowPicturesForDpi(holder, sections::kPagePicture, 168);
    EXPECT_EQ(window_tests::CountGdiObjects(), before);
    BITMAP shown{};
    GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown, &shown);
    EXPECT_EQ(shown.bmWidth, PictureSizeForDpi(sections::kPagePicture, 168).cx);
    EXPECT_EQ(shown.bmHeight, PictureSizeForDpi(sections::kPagePicture, 168).cy);
    ReleaseShownPictures(holder);
    EXPECT_EQ(window_tests::CountGdiObjects(), before - 1) << "the shown picture is gone";
    DestroyWindow(holder);
}
