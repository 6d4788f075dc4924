// The window framework: message maps, subclassing and message reflection
// through a real dialog; the program's pictures for any DPI.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

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

class CountingWindow : public Window {
public:
    explicit CountingWindow(LastMessages& seen) : seen_(seen) {}
    HWND Create(HWND parent)
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"GlimmerpatchCountingWindow";
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        if (!RegisterWindowClass(windowClass)) return nullptr;
        return Window::Create(L"GlimmerpatchCountingWindow", 0, L"Counting", parent ? WS_CHILD : WS_POPUP,
                              RECT{0, 0, 100, 50}, parent, parent ? 7 : 0);
    }

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
class PlainParent : public Window {
public:
    HWND Create()
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"GlimmerpatchPlainParent";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        if (!RegisterWindowClass(windowClass)) return nullptr;
        return Window::Create(L"GlimmerpatchPlainParent", 0, L"Plain", WS_POPUP | WS_VISIBLE,
                              RECT{30, 30, 230, 130}, nullptr, 0);
    }

protected:
    bool ProcessMessage(Message&, LRESULT&) override { return false; }
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

// Each picture with its drawings for 144 and 192 DPI, which the program
// must take as they are.
struct DrawnPicture {
    int id;
    int at144;
    int at192;
};
constexpr DrawnPicture kDrawnPictures[] = {
    {IDB_GP_TOOLBAR, IDB_GP_TOOLBAR_150, IDB_GP_TOOLBAR_200},
    {IDB_GP_PAGE_PICTURE, IDB_GP_PAGE_PICTURE_150, IDB_GP_PAGE_PICTURE_200},
    {IDB_GP_DONATE, IDB_GP_DONATE_150, IDB_GP_DONATE_200},
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

PicturePixels LoadedPixels(int id, int dpi)
{
    HBITMAP bitmap = LoadPictureForDpi(id, dpi);
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
        const SIZE one = PictureSizeForDpi(drawn.id, kDefaultDpi);
        ASSERT_GT(one.cx, 0);
        ASSERT_EQ(small.width % one.cx, 0) << drawn.id;
        ASSERT_EQ(small.height, one.cy) << drawn.id;
        const int across = small.width / one.cx;
        const bool masked = drawn.id != IDB_GP_PAGE_PICTURE;
        const Look original = LookOf(small, masked);
        for (int dpi : kOddDpis) {
            const PicturePixels picture = LoadedPixels(drawn.id, dpi);
            const SIZE size = PictureSizeForDpi(drawn.id, dpi);
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
            HBITMAP loaded = LoadPictureForDpi(drawn.id, dpis[i]);
            DIBSECTION section{};
            ASSERT_EQ(GetObjectW(loaded, sizeof section, &section), static_cast<int>(sizeof section));
            EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
            EXPECT_TRUE(SamePixels(PixelsOf(loaded), ResourcePixels(ids[i]))) << drawn.id << " at " << dpis[i];
            DeleteObject(loaded);
        }
    }
    EXPECT_EQ(LoadPictureForDpi(IDB_GP_TOOLBAR_150, kDefaultDpi), nullptr);
    EXPECT_EQ(PictureSizeForDpi(IDR_GP_TOOLBAR, kDefaultDpi).cx, 0);
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
    ShowPicturesForDpi(holder, IDB_GP_PAGE_PICTURE, 168);
    DeleteObject(LoadPictureForDpi(IDB_GP_TOOLBAR, 168));
    const int before = window_tests::CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int round = 0; round < 40; ++round) {
        for (const DrawnPicture& drawn : kDrawnPictures)
            for (int dpi : kOddDpis) DeleteObject(LoadPictureForDpi(drawn.id, dpi));
        ShowPicturesForDpi(holder, IDB_GP_PAGE_PICTURE, kOddDpis[round % std::size(kOddDpis)]);
    }
    ShowPicturesForDpi(holder, IDB_GP_PAGE_PICTURE, 168);
    EXPECT_EQ(window_tests::CountGdiObjects(), before);
    BITMAP shown{};
    GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown, &shown);
    EXPECT_EQ(shown.bmWidth, PictureSizeForDpi(IDB_GP_PAGE_PICTURE, 168).cx);
    EXPECT_EQ(shown.bmHeight, PictureSizeForDpi(IDB_GP_PAGE_PICTURE, 168).cy);
    DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, 0)));
    DestroyWindow(holder);
}
