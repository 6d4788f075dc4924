// The colour picker button in a real dialog, driven like a user: clicks on
// the button, then keys and clicks posted to the palette from a timer that
// fires inside the palette's modal loop (and inside the colour dialog's).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "controls/ColorPickerButton.h"
#include "controls/ColorPaletteLayout.h"
#include "controls/PaletteColors.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "framework/Owned.h"
#include "framework/Window.h"
#include "style/Utf16.h"
#include "tests/windows/DialogTemplateBuilder.h"
#include "tests/windows/HighContrastColors.h"
#include "tests/windows/WindowTestSupport.h"

#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace {

constexpr WORD kPickerId = 1001;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kOrange = RGB(255, 104, 32);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Received {
    UINT code;
    COLORREF color;
    BOOL valid;
};

class PickerDialog : public Dialog {
public:
    Owned<ColorPickerButton> picker;
    std::vector<Received> received;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_INITDIALOG) {
            picker.Attach(GetDlgItem(Handle(), kPickerId));
            result = FALSE;
            return true;
        }
        if (message.message == WM_NOTIFY) {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(message.lParam);
            if (header->idFrom == kPickerId && header->code >= 0x8000 && header->code <= 0x8004) {
                const auto* record = reinterpret_cast<const ColorPickerNotification*>(message.lParam);
                EXPECT_EQ(record->header.hwndFrom, picker.Handle());
                EXPECT_EQ(message.wParam, kPickerId);
                received.push_back(Received{record->header.code, record->color, record->valid});
                result = 0;
                return true;
            }
        }
        return false;
    }
};

HWND FindThreadWindow(const wchar_t* className, HWND exclude = nullptr)
{
    struct Search {
        const wchar_t* className;
        HWND exclude;
        HWND found;
    } search{className, exclude, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (window != s->exclude && lstrcmpiW(name, s->className) == 0 && IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindPalette()
{
    return FindThreadWindow(L"ColorPicker");
}

// Steps run one per timer tick while the palette (or the colour dialog) is
// open. A step returns false to be tried again at the next tick. If the
// script stalls, the timer closes whatever is open, so that no test hangs.
class Script {
public:
    using Step = std::function<bool()>;

    static void Run(std::vector<Step> steps)
    {
        steps_ = std::move(steps);
        next_ = 0;
        ticks_ = 0;
        stalled_ = false;
        timer_ = SetTimer(nullptr, 0, 40, &Script::Tick);
    }
    static void Stop()
    {
        if (timer_) KillTimer(nullptr, timer_);
        timer_ = 0;
    }
    static bool Finished() { return next_ == steps_.size() && !stalled_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (++ticks_ > 250) {
            stalled_ = true;
            if (HWND palette = FindPalette()) PostMessageW(palette, WM_KEYDOWN, VK_ESCAPE, 0);
            if (HWND dialog = FindThreadWindow(L"#32770", owner_)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        if (next_ < steps_.size() && steps_[next_]()) ++next_;
    }

    static inline std::vector<Step> steps_;
    static inline std::size_t next_ = 0;
    static inline int ticks_ = 0;
    static inline bool stalled_ = false;
    static inline UINT_PTR timer_ = 0;

public:
    static inline HWND owner_ = nullptr; // the test dialog, never taken for the colour dialog
};

Script::Step Key(WPARAM key)
{
    return [key] {
        HWND palette = FindPalette();
        if (!palette) return false;
        PostMessageW(palette, WM_KEYDOWN, key, 0);
        return true;
    };
}

// The DPI the palettes of the test are opened at: that of the button that
// opens them.
int gPaletteDpi = kDefaultDpi;

palette::Size EdgeAt(int dpi)
{
    return palette::Size{SystemMetricForDpi(SM_CXEDGE, dpi), SystemMetricForDpi(SM_CYEDGE, dpi)};
}

// The open palette's layout from the layout function, given the text extent
// that makes a window of the palette's size with these entries.
palette::Layout LayoutOf(HWND window, bool hasAutomatic = true, bool hasCustom = true)
{
    RECT client;
    GetClientRect(window, &client);
    const palette::Size edge = EdgeAt(gPaletteDpi);
    // The sizes of the DPI, as the layout function has them.
    const palette::Layout sizes = palette::LayOutPalette(false, false, palette::Size{}, edge, gPaletteDpi);
    const int entries = (hasAutomatic ? 1 : 0) + (hasCustom ? 1 : 0);
    const int textHeight = entries ? (client.bottom - sizes.window.height) / entries : 0;
    const palette::Size text{client.right - 2 * edge.width - 2 * sizes.textPadding, textHeight - 2 * sizes.textPadding};
    const palette::Layout layout = palette::LayOutPalette(hasAutomatic, hasCustom, text, edge, gPaletteDpi);
    EXPECT_EQ(layout.window.width, client.right);
    EXPECT_EQ(layout.window.height, client.bottom);
    return layout;
}

POINT Centre(const palette::Rect& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

Script::Step ClickAt(std::function<POINT(HWND)> where)
{
    return [where] {
        HWND palette = FindPalette();
        if (!palette) return false;
        const POINT point = where(palette);
        PostMessageW(palette, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        PostMessageW(palette, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        return true;
    };
}

Script::Step ClickBox(int index, bool hasAutomatic = true)
{
    return ClickAt([=](HWND palette) { return Centre(LayoutOf(palette, hasAutomatic).BoxRect(index)); });
}

Script::Step ClickAutomaticEntry()
{
    return ClickAt([](HWND palette) { return Centre(LayoutOf(palette).automatic); });
}

Script::Step ClickCustomEntry()
{
    return ClickAt([](HWND palette) { return Centre(LayoutOf(palette).custom); });
}

Script::Step WithPalette(std::function<void(HWND)> inspect)
{
    return [inspect] {
        HWND palette = FindPalette();
        if (!palette) return false;
        inspect(palette);
        return true;
    };
}

Script::Step CloseColorDialog(int button)
{
    return [button] {
        if (FindPalette()) return false;
        HWND dialog = FindThreadWindow(L"#32770", Script::owner_);
        if (!dialog) return false;
        PostMessageW(dialog, WM_COMMAND, button, 0);
        return true;
    };
}

std::vector<UINT> Codes(const std::vector<Received>& received)
{
    std::vector<UINT> codes;
    for (const Received& r : received) codes.push_back(r.code);
    return codes;
}

class ColorPickerButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 200, 80, L"Picker test");
        builder.AddControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 38, 26, kPickerId);
        builder.AddControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 60, 10, 50, 14, IDOK, L"OK");
        ASSERT_NE(dialog_.CreateModeless(nullptr, builder.Get()), nullptr) << GetLastError();
        Script::owner_ = dialog_.Handle();
        ASSERT_NE(dialog_.picker.Handle(), nullptr);
        gPaletteDpi = dialog_.picker.Dpi();
        window_tests::PumpPending();
    }
    void TearDown() override
    {
        Script::Stop();
        dialog_.Destroy();
    }

    // Clicks the button like a user and returns once the palette (and any
    // colour dialog) has closed again.
    void ClickPicker(std::vector<Script::Step> steps)
    {
        Script::Run(std::move(steps));
        HWND button = dialog_.picker.Handle();
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Script::Stop();
        EXPECT_TRUE(Script::Finished()) << "the script stalled";
        EXPECT_EQ(FindPalette(), nullptr);
    }

    COLORREF SwatchPixel()
    {
        HWND button = dialog_.picker.Handle();
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(button, &client);
        HDC dc = GetDC(button);
        const COLORREF pixel = GetPixel(dc, client.right / 3, client.bottom / 2);
        ReleaseDC(button, dc);
        return pixel;
    }

    Owned<PickerDialog> dialog_;
};

} // namespace

TEST_F(ColorPickerButtonTest, StartsAutomaticAndOwnerDrawn)
{
    EXPECT_EQ(dialog_.picker.GetColor(), kAutomaticColor);
    EXPECT_EQ(dialog_.picker.GetDefaultText(), L"Automatic");
    EXPECT_EQ(dialog_.picker.GetCustomText(), L"More Colors...");
    EXPECT_EQ(dialog_.picker.GetDefaultColor(), GetSysColor(COLOR_APPWORKSPACE));
    EXPECT_EQ(GetWindowLongPtrW(dialog_.picker.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    dialog_.picker.SetDefaultColor(RGB(10, 200, 30));
    EXPECT_EQ(SwatchPixel(), RGB(10, 200, 30));

    // Without visual styles for the button it draws the classic frame,
    // around the same swatch.
    SetWindowTheme(dialog_.picker.Handle(), L" ", L" ");
    EXPECT_FALSE(dialog_.picker.IsDrawnWithVisualStyles());
    EXPECT_EQ(SwatchPixel(), RGB(10, 200, 30));
    HDC dc = GetDC(dialog_.picker.Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_3DHILIGHT)); // the raised frame's light corner
    ReleaseDC(dialog_.picker.Handle(), dc);

    // In a high-contrast scheme the arrow takes the button's text colour:
    // black would vanish on the scheme's black face.
    HighContrastColors scheme;
    RECT client;
    GetClientRect(dialog_.picker.Handle(), &client);
    const palette::Size edge = EdgeAt(dialog_.picker.Dpi());
    const palette::PickerFace face = palette::LayOutPickerFace(
        palette::Rect{edge.width, edge.height, client.right - edge.width, client.bottom - edge.height},
        dialog_.picker.Dpi());
    const std::vector<DWORD> pixels = window_tests::ClientPixels(dialog_.picker.Handle());
    EXPECT_EQ(pixels[static_cast<size_t>((face.arrow[2].y - 1) * client.right + face.arrow[2].x)], 0xFFFFFFu);
}

TEST_F(ColorPickerButtonTest, AtEveryDpiTheFaceAndThePaletteHaveTheSizesOfThatDpi)
{
    HWND button = dialog_.picker.Handle();
    const int own = dialog_.picker.Dpi();
    EXPECT_EQ(own, WindowDpi(button));
    dialog_.picker.SetColor(kRed);
    // Without visual styles the face sits inside the classic frame's edges.
    SetWindowTheme(button, L" ", L" ");
    RECT client;
    GetClientRect(button, &client);
    const palette::Layout at96 = palette::LayOutPalette(false, false, palette::Size{}, EdgeAt(kDefaultDpi), kDefaultDpi);

    for (int dpi : {own, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        dialog_.picker.SetDpi(dpi);
        gPaletteDpi = dpi;
        EXPECT_EQ(dialog_.picker.Dpi(), dpi);

        // The swatch, pixel for pixel: its colour inside a black frame.
        const palette::Size edge = EdgeAt(dpi);
        const palette::PickerFace face = palette::LayOutPickerFace(
            palette::Rect{edge.width, edge.height, client.right - edge.width, client.bottom - edge.height}, dpi);
        const std::vector<DWORD> pixels = window_tests::ClientPixels(button);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(client.right * client.bottom));
        auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y * client.right + x)]; };
        ASSERT_GT(face.swatch.Width(), 2);
        std::vector<DWORD> swatch, expected;
        for (int y = face.swatch.top; y < face.swatch.bottom; ++y) {
            for (int x = face.swatch.left; x < face.swatch.right; ++x) {
                swatch.push_back(at(x, y));
                const bool frame = x == face.swatch.left || y == face.swatch.top || x == face.swatch.right - 1 ||
                                   y == face.swatch.bottom - 1;
                expected.push_back(frame ? 0 : 0xFF0000);
            }
        }
        EXPECT_TRUE(swatch == expected) << "the swatch is not its colour in a one-pixel black frame";
        // Nothing of it beside the swatch; the arrow black from edge to tip.
        for (int y = face.swatch.top; y < face.swatch.bottom; ++y) EXPECT_NE(at(face.swatch.right, y), 0xFF0000u);
        EXPECT_EQ(at(face.arrow[2].x, face.arrow[2].y - 1), 0u);
        EXPECT_EQ(at((face.arrow[0].x + face.arrow[1].x) / 2, face.arrow[0].y), 0u);
        EXPECT_NE(at(face.arrow[2].x, face.arrow[2].y + 2), 0u);

        // The palette opens laid out for the DPI, and a click in a box of it
        // picks that box.
        palette::Layout opened;
        ClickPicker({WithPalette([&](HWND palette) { opened = LayoutOf(palette); }), ClickBox(9)});
        EXPECT_LE(std::abs(opened.boxSize * kDefaultDpi - at96.boxSize * dpi), kDefaultDpi);
        EXPECT_EQ(dialog_.picker.GetColor(), kOrange);
        dialog_.picker.SetColor(kRed);
    }

    // Told that its window's DPI changed, the button takes it again.
    SendMessageW(button, WM_DPICHANGED_AFTERPARENT, 0, 0);
    EXPECT_EQ(dialog_.picker.Dpi(), own);
}

TEST_F(ColorPickerButtonTest, ADpiChangeWhileThePaletteIsOpenClosesItWithoutAChoice)
{
    // The change reaches the button (its frame tells it the new DPI) or the
    // palette itself (a top-level window of its own).
    const std::function<void(HWND)> changes[] = {
        [this](HWND) {
            SendMessageW(dialog_.picker.Handle(), kUseDpiMessage, dialog_.picker.Dpi() == 144 ? 120 : 144, 0);
        },
        [](HWND palette) {
            RECT rect;
            GetWindowRect(palette, &rect);
            SendMessageW(palette, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&rect));
        },
    };
    for (const auto& change : changes) {
        dialog_.received.clear();
        dialog_.picker.SetColor(kRed);
        ClickPicker({Key(VK_RIGHT), WithPalette(change)});
        EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));
        EXPECT_EQ(dialog_.picker.GetColor(), kRed);
    }
}

TEST_F(ColorPickerButtonTest, EscapeCancelsWithoutAChange)
{
    dialog_.picker.SetColor(kRed);
    int tools = 0;
    wchar_t tenth[64] = {};
    RECT paletteRect{};
    ClickPicker({WithPalette([&](HWND palette) {
                     GetWindowRect(palette, &paletteRect);
                     HWND tooltip = nullptr;
                     EnumThreadWindows(
                         GetCurrentThreadId(),
                         [](HWND window, LPARAM data) -> BOOL {
                             wchar_t name[64] = {};
                             GetClassNameW(window, name, 64);
                             if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && GetWindow(window, GW_OWNER) == FindPalette())
                                 *reinterpret_cast<HWND*>(data) = window;
                             return TRUE;
                         },
                         reinterpret_cast<LPARAM>(&tooltip));
                     if (!tooltip) return;
                     tools = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
                     TTTOOLINFOW tool{};
                     tool.cbSize = sizeof(tool);
                     tool.hwnd = palette;
                     tool.uId = 10; // box 9
                     tool.lpszText = tenth;
                     SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
                 }),
                 Key(VK_ESCAPE)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));
    for (const Received& r : dialog_.received) EXPECT_EQ(r.color, kRed);
    EXPECT_EQ(dialog_.picker.GetColor(), kRed);
    EXPECT_EQ(tools, 40);
    EXPECT_STREQ(tenth, L"Orange");

    // The palette opened under the button's lower left corner, and its class
    // is gone again.
    RECT buttonRect;
    GetWindowRect(dialog_.picker.Handle(), &buttonRect);
    EXPECT_EQ(paletteRect.left, buttonRect.left);
    EXPECT_EQ(paletteRect.top, buttonRect.bottom);
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"ColorPicker", &info));
}

TEST_F(ColorPickerButtonTest, PickingTheCurrentColourChangesNothing)
{
    dialog_.picker.SetColor(kRed); // box 16
    ClickPicker({ClickBox(16)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8003}));
    EXPECT_EQ(dialog_.picker.GetColor(), kRed);
}

TEST_F(ColorPickerButtonTest, PickingAColourBoxReportsItAndShowsIt)
{
    dialog_.picker.SetColor(kRed);
    ClickPicker({ClickBox(9)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8000, 0x8002, 0x8003}));
    ASSERT_EQ(dialog_.received.size(), 4u);
    EXPECT_EQ(dialog_.received[0].color, kRed);
    EXPECT_EQ(dialog_.received[1].color, kOrange);
    EXPECT_EQ(dialog_.received[1].valid, TRUE);
    EXPECT_EQ(dialog_.received[3].color, kOrange);
    EXPECT_EQ(dialog_.picker.GetColor(), kOrange);
    EXPECT_EQ(SwatchPixel(), kOrange);
}

TEST_F(ColorPickerButtonTest, PickingTheAutomaticEntryReportsTheAutomaticColour)
{
    dialog_.picker.SetColor(kRed);
    dialog_.picker.SetDefaultColor(RGB(10, 200, 30));
    ClickPicker({ClickAutomaticEntry()});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8000, 0x8002, 0x8003}));
    ASSERT_GE(dialog_.received.size(), 2u);
    EXPECT_EQ(dialog_.received[1].color, 0xFF000000u);
    EXPECT_EQ(dialog_.picker.GetColor(), 0xFF000000u);
    EXPECT_EQ(SwatchPixel(), RGB(10, 200, 30)); // the swatch shows the default colour
}

TEST_F(ColorPickerButtonTest, ClickOutsideOrRightButtonCancels)
{
    dialog_.picker.SetColor(kRed);
    ClickPicker({ClickAt([](HWND) { return POINT{-30, -30}; })});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));

    dialog_.received.clear();
    ClickPicker({[] {
        HWND palette = FindPalette();
        if (!palette) return false;
        PostMessageW(palette, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 40));
        return true;
    }});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));
    EXPECT_EQ(dialog_.picker.GetColor(), kRed);
}

TEST_F(ColorPickerButtonTest, KeyboardMovesThroughEntriesAndRows)
{
    dialog_.picker.SetColor(kBlack);
    // Down from no entry: automatic; Down: colour 0; Right: 1; Down: 9 (Orange).
    ClickPicker({Key(VK_DOWN), Key(VK_DOWN), Key(VK_RIGHT), Key(VK_DOWN), Key(VK_RETURN)});
    EXPECT_EQ(dialog_.picker.GetColor(), kOrange);

    // Up from a colour in the top row highlights the automatic entry.
    dialog_.received.clear();
    ClickPicker({Key(VK_RIGHT), Key(VK_RIGHT), Key(VK_RIGHT), Key(VK_UP), Key(VK_SPACE)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8000, 0x8002, 0x8003}));
    EXPECT_EQ(dialog_.picker.GetColor(), kAutomaticColor);

    // Left from no entry: custom; Left: 39 (White); Left: 38.
    ClickPicker({Key(VK_LEFT), Key(VK_LEFT), Key(VK_LEFT), Key(VK_RETURN)});
    EXPECT_EQ(dialog_.picker.GetColor(), kPaletteColors[38].color);

    // Enter with no entry hot is no choice.
    dialog_.received.clear();
    ClickPicker({Key(VK_RETURN)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));
}

// The button: its owner's name, a drop-down button, its colour in words as
// value, changed with an event by a pick. The palette: a list of its 42
// entries, each reached by a key heard; once closed, gone.
TEST_F(ColorPickerButtonTest, ScreenReadersHearTheColourAsTheValueAndThePaletteAsAList)
{
    dialog_.picker.SetAccessibleName(L"Swatch under test");
    window_tests::EventRecorder heard;
    auto button = window_tests::AccessibleOf(dialog_.picker.Handle());
    const window_tests::Spoken before = window_tests::Speak(button.Get(), CHILDID_SELF);
    EXPECT_TRUE(before.name == dialog_.picker.GetAccessibleName() && before.role == ROLE_SYSTEM_BUTTONDROPDOWN &&
                before.value == dialog_.picker.GetDefaultText());
    EXPECT_EQ(before.state & (STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_EXPANDED), STATE_SYSTEM_HASPOPUP);

    std::vector<std::wstring> expected{dialog_.picker.GetDefaultText()}, names;
    for (const PaletteColor& color : kPaletteColors) expected.push_back(WidenUtf8(color.name));
    expected.push_back(dialog_.picker.GetCustomText());
    Microsoft::WRL::ComPtr<IAccessible> list;
    HWND palette = nullptr;
    VARIANT focus{};
    // Right from no entry: the automatic entry (1); Right: colour 0 (2); Down: colour 8 (10).
    ClickPicker({WithPalette([&](HWND window) {
                     list = window_tests::AccessibleOf(palette = window);
                     EXPECT_EQ(window_tests::Speak(list.Get(), CHILDID_SELF).role, ROLE_SYSTEM_LIST);
                     for (long i = 1; i <= window_tests::ChildCount(list.Get()); ++i)
                         names.push_back(window_tests::Speak(list.Get(), i).name);
                     EXPECT_TRUE(window_tests::Speak(button.Get(), CHILDID_SELF).state & STATE_SYSTEM_EXPANDED);
                 }),
                 Key(VK_RIGHT), Key(VK_RIGHT), Key(VK_DOWN),
                 WithPalette([&](HWND) { list->get_accFocus(&focus); }), Key(VK_RETURN)});
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(focus.vt == VT_I4 && focus.lVal == 10);
    window_tests::PumpPending();
    for (long at : {1, 2, 10})
        EXPECT_TRUE(heard.Heard(EVENT_OBJECT_FOCUS, palette, at) && heard.Heard(EVENT_OBJECT_SELECTION, palette, at));
    EXPECT_EQ(window_tests::Speak(button.Get(), CHILDID_SELF).value, WidenUtf8(kPaletteColors[8].name));
    EXPECT_TRUE(heard.Heard(EVENT_OBJECT_VALUECHANGE, dialog_.picker.Handle(), CHILDID_SELF));
    BSTR gone = nullptr;
    EXPECT_EQ(list->get_accName(window_tests::ChildId(1), &gone), CO_E_OBJNOTCONNECTED);
}

TEST_F(ColorPickerButtonTest, WithoutDefaultTextThereIsNoAutomaticEntry)
{
    dialog_.picker.SetDefaultText(L"");
    dialog_.picker.SetColor(kRed);
    int height = 0;
    ClickPicker({WithPalette([&](HWND palette) {
                     RECT client;
                     GetClientRect(palette, &client);
                     height = client.bottom;
                 }),
                 Key(VK_ESCAPE)});
    dialog_.picker.SetDefaultText(L"Automatic");
    int heightWithBoth = 0;
    ClickPicker({WithPalette([&](HWND palette) {
                     RECT client;
                     GetClientRect(palette, &client);
                     heightWithBoth = client.bottom;
                 }),
                 Key(VK_ESCAPE)});
    const int textEntry = heightWithBoth - height;
    EXPECT_GT(textEntry, 10);
    const palette::Layout sizes = palette::LayOutPalette(false, false, palette::Size{}, EdgeAt(gPaletteDpi), gPaletteDpi);
    EXPECT_EQ(height, sizes.window.height + textEntry);

    // A click at the top hits colour 0, not an automatic entry.
    dialog_.picker.SetDefaultText(L"");
    dialog_.received.clear();
    ClickPicker({ClickAt([](HWND palette) {
        const palette::Rect box = LayoutOf(palette, false).BoxRect(0);
        return POINT{box.left + 5, box.top + 3};
    })});
    EXPECT_EQ(dialog_.picker.GetColor(), kBlack);

    // Right from no entry skips to colour 0; Up from the top row goes on to
    // the custom entry, and Up from there to colour 39.
    ClickPicker({Key(VK_RIGHT), Key(VK_UP), Key(VK_UP), Key(VK_RETURN)});
    EXPECT_EQ(dialog_.picker.GetColor(), kWhite);
}

TEST_F(ColorPickerButtonTest, CancellingTheColourDialogLeavesTheColour)
{
    dialog_.picker.SetColor(kRed);
    // Left from no entry: custom, 39, 38, 37, 36; Down from the bottom row: custom.
    ClickPicker({Key(VK_LEFT), Key(VK_LEFT), Key(VK_LEFT), Key(VK_LEFT), Key(VK_LEFT), Key(VK_DOWN), Key(VK_RETURN),
                 CloseColorDialog(IDCANCEL)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));
    EXPECT_EQ(dialog_.picker.GetColor(), kRed);

    // OK keeps the colour that the dialog started with: no change either.
    dialog_.received.clear();
    ClickPicker({ClickCustomEntry(),
                 CloseColorDialog(IDOK)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8002, 0x8003}));
    EXPECT_EQ(dialog_.picker.GetColor(), kRed);
}

TEST_F(ColorPickerButtonTest, TrackSelectionFollowsTheHighlightAndPutsTheColourBack)
{
    dialog_.picker.SetTrackSelection(true);
    dialog_.picker.SetColor(kRed);
    ClickPicker({Key(VK_RIGHT), Key(VK_RIGHT), ClickAt([](HWND) { return POINT{-1, -1}; })});
    // The click outside left the highlight on no entry: valid 0, then the
    // cancel put red back.
    const std::vector<UINT> expected{0x8001, 0x8000, 0x8000, 0x8000, 0x8000, 0x8002, 0x8004};
    ASSERT_EQ(Codes(dialog_.received), expected);
    EXPECT_EQ(dialog_.received[1].color, kAutomaticColor);
    EXPECT_EQ(dialog_.received[2].color, kBlack);
    EXPECT_EQ(dialog_.received[3].valid, FALSE);
    EXPECT_EQ(dialog_.received[4].color, kRed);
    EXPECT_EQ(dialog_.received[6].color, kRed);
    EXPECT_EQ(dialog_.picker.GetColor(), kRed);

    // A choice keeps the tracked colour: the change was reported while tracking.
    dialog_.received.clear();
    ClickPicker({Key(VK_DOWN), Key(VK_DOWN), Key(VK_RETURN)});
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8000, 0x8000, 0x8000, 0x8002, 0x8003}));
    EXPECT_EQ(dialog_.picker.GetColor(), kBlack);
}

TEST_F(ColorPickerButtonTest, NearTheBottomOfTheWorkAreaThePaletteOpensAbove)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT dialogRect;
    GetWindowRect(dialog_.Handle(), &dialogRect);
    SetWindowPos(dialog_.Handle(), nullptr, 100, work.bottom - (dialogRect.bottom - dialogRect.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window_tests::PumpPending();
    RECT paletteRect{};
    ClickPicker({WithPalette([&](HWND palette) { GetWindowRect(palette, &paletteRect); }), Key(VK_ESCAPE)});
    RECT buttonRect;
    GetWindowRect(dialog_.picker.Handle(), &buttonRect);
    EXPECT_EQ(paletteRect.bottom, buttonRect.top);
    EXPECT_EQ(paletteRect.left, buttonRect.left);
    EXPECT_LE(paletteRect.bottom, work.bottom);
}

namespace {

// A plain window (no dialog) holding a colour picker button. What it does
// on WM_CLOSE is up to the test.
class PlainHost : public BaseWindow<PlainHost> {
public:
    static inline const WindowClass kWindowClass = {.name = L"GlimmerpatchPickerHost", .background = COLOR_BTNFACE};
    // Its messages are routed by hand below.
    static inline const MessageMap<PlainHost> kMessageMap = {};

    // What to do on WM_CLOSE: true when answered (no DestroyWindow). Lives
    // outside the object, which it may let go.
    std::function<bool()>* onClose = nullptr;
    std::vector<Received> received;

    HWND Create()
    {
        return BaseWindow::Create({.rect = {60, 60, 460, 360},
                                   .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                   .title = L"Plain host"});
    }

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_CLOSE && onClose) {
            result = 0;
            return (*onClose)();
        }
        if (message.message == WM_NOTIFY) {
            const auto* record = reinterpret_cast<const ColorPickerNotification*>(message.lParam);
            if (record->header.idFrom == kPickerId && record->header.code >= 0x8000 && record->header.code <= 0x8004) {
                received.push_back(Received{record->header.code, record->color, record->valid});
                result = 0;
                return true;
            }
        }
        return false;
    }
};

struct HostedPicker {
    Owned<PlainHost> host;
    Owned<ColorPickerButton> picker;

    bool Make()
    {
        if (!host.Create()) return false;
        // Placed in pixels, as a window without a dialog template places it:
        // scaled with the host's DPI, as the program would.
        const int dpi = WindowDpi(host.Handle());
        HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                      ScaleForDpi(20, dpi), ScaleForDpi(20, dpi), ScaleForDpi(57, dpi),
                                      ScaleForDpi(42, dpi), host.Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPickerId)),
                                      GetModuleHandleW(nullptr), nullptr);
        if (!button || !picker.Attach(button)) return false;
        gPaletteDpi = picker.Dpi();
        return true;
    }
    void Click()
    {
        HWND button = picker.Handle();
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
};

COLORREF PixelOf(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

} // namespace

TEST(ColorPickerUnderAPlainWindow, PaintsAndNotifies)
{
    HostedPicker hosted;
    ASSERT_TRUE(hosted.Make());
    hosted.picker.SetColor(kRed);
    RedrawWindow(hosted.picker.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(hosted.picker.Handle(), &client);
    EXPECT_EQ(PixelOf(hosted.picker.Handle(), client.right / 3, client.bottom / 2), kRed);

    Script::owner_ = hosted.host.Handle();
    Script::Run({ClickBox(9)});
    hosted.Click();
    Script::Stop();
    EXPECT_TRUE(Script::Finished());
    EXPECT_EQ(Codes(hosted.host.received), (std::vector<UINT>{0x8001, 0x8000, 0x8002, 0x8003}));
    EXPECT_EQ(hosted.picker.GetColor(), kOrange);
    RedrawWindow(hosted.picker.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(PixelOf(hosted.picker.Handle(), client.right / 3, client.bottom / 2), kOrange);
}

TEST(ColorPickerPaletteLoop, EndsWhenTheOwnerIsClosed)
{
    HostedPicker hosted;
    ASSERT_TRUE(hosted.Make());
    HWND host = hosted.host.Handle();
    Script::owner_ = host;
    Script::Run({WithPalette([&](HWND) { PostMessageW(host, WM_CLOSE, 0, 0); })});
    hosted.Click(); // returns: the loop ended with the palette's owner
    Script::Stop();
    EXPECT_TRUE(Script::Finished());
    EXPECT_FALSE(IsWindow(host));
    EXPECT_EQ(FindPalette(), nullptr);
    EXPECT_EQ(hosted.picker.Handle(), nullptr);
    // Nothing was reported after the button had gone.
    EXPECT_EQ(Codes(hosted.host.received), std::vector<UINT>{0x8001});
}

TEST(ColorPickerPaletteLoop, EndsWhenTheOwnerLetsTheObjectsGoInsideTheLoop)
{
    auto hosted = std::make_unique<HostedPicker>();
    ASSERT_TRUE(hosted->Make());
    HWND host = hosted->host.Handle();
    HWND button = hosted->picker.Handle();
    bool closed = false;
    std::function<bool()> onClose = [&] {
        closed = true;
        hosted.reset(); // the window's object, and the button's, go right here
        return true;
    };
    hosted->host.onClose = &onClose;
    Script::owner_ = host;
    Script::Run({WithPalette([&](HWND) { PostMessageW(host, WM_CLOSE, 0, 0); })});
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Script::Stop();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(FindPalette(), nullptr);
    window_tests::PumpPending(); // nothing left in the queue reaches a freed object
}

TEST(ColorPickerPaletteLoop, EndsOnAltF4FromTheKeyboard)
{
    HostedPicker hosted;
    ASSERT_TRUE(hosted.Make());
    HWND host = hosted.host.Handle();
    ASSERT_TRUE(window_tests::MakeForeground(host));
    SetFocus(hosted.picker.Handle());
    Script::owner_ = host;
    Script::Run({WithPalette([](HWND) {
        INPUT keys[4] = {};
        for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
        keys[0].ki.wVk = VK_MENU;
        keys[1].ki.wVk = VK_F4;
        keys[2].ki.wVk = VK_F4;
        keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
        keys[3].ki.wVk = VK_MENU;
        keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, keys, sizeof(INPUT));
    })});
    hosted.Click();
    Script::Stop();
    EXPECT_FALSE(IsWindow(host));
    EXPECT_EQ(FindPalette(), nullptr);
    EXPECT_EQ(hosted.picker.Handle(), nullptr);
}

TEST(ColorPickerPaletteLoop, LeavesAQuitForTheThreadsLoop)
{
    HostedPicker hosted;
    ASSERT_TRUE(hosted.Make());
    hosted.picker.SetColor(kRed);
    Script::owner_ = hosted.host.Handle();
    Script::Run({WithPalette([](HWND) { PostQuitMessage(3); })});
    hosted.Click();
    Script::Stop();
    EXPECT_EQ(FindPalette(), nullptr);
    EXPECT_EQ(Codes(hosted.host.received), (std::vector<UINT>{0x8001, 0x8002, 0x8004}));
    EXPECT_EQ(hosted.picker.GetColor(), kRed);
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
}

TEST_F(ColorPickerButtonTest, MoreColorsOpensWithTheFocusAndOkWithANewColourReportsIt)
{
    dialog_.picker.SetColor(kRed);
    bool focusInside = false;
    ClickPicker({ClickCustomEntry(),
                 [&] {
                     if (FindPalette()) return false;
                     HWND colorDialog = FindThreadWindow(L"#32770", Script::owner_);
                     if (!colorDialog) return false;
                     HWND focus = GetFocus();
                     focusInside = focus && (focus == colorDialog || IsChild(colorDialog, focus));
                     // The red, green and blue fields of the dialog.
                     SetDlgItemInt(colorDialog, 706, 10, FALSE);
                     SetDlgItemInt(colorDialog, 707, 20, FALSE);
                     SetDlgItemInt(colorDialog, 708, 30, FALSE);
                     return true;
                 },
                 CloseColorDialog(IDOK)});
    EXPECT_TRUE(focusInside) << "the colour dialog opened without the keyboard focus";
    EXPECT_EQ(Codes(dialog_.received), (std::vector<UINT>{0x8001, 0x8000, 0x8002, 0x8003}));
    ASSERT_EQ(dialog_.received.size(), 4u);
    EXPECT_EQ(dialog_.received[1].color, RGB(10, 20, 30));
    EXPECT_EQ(dialog_.picker.GetColor(), RGB(10, 20, 30));
}
