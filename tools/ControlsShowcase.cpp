// Shows the colour picker button in each state and the tab strip with
// sixteen tabs, scrolled, for looking at them (screenshots under Xvfb); the
// run script starts it until the main window exists. It stays open until it
// is closed. Arguments (any of them):
//   palette  also opens the first button's palette (and implies timed);
//   timed    ends by itself after 30 seconds;
//   widen    the tab strip starts 400 pixels wide scrolled to its last tab
//            and is widened to 900 pixels after a second;
//   bigfont  after a second the icon-title font is doubled and the window
//            told of it (put back when the program ends): the strip remakes
//            its fonts and the container its layout.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/ColorPaletteLayout.h"
#include "controls/ColorPickerButton.h"
#include "controls/TabContainer.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "framework/MessageLoop.h"
#include "framework/Owned.h"
#include "framework/SystemLibraries.h"
#include "tests/windows/DialogTemplateBuilder.h"

namespace {

constexpr int kButtons = 5; // per row: themed above, classic below
const wchar_t* const kLabels[kButtons] = {L"Normal", L"Hot", L"Pressed", L"Disabled", L"Focus, automatic"};
constexpr UINT_PTR kQuitTimer = 1;
constexpr UINT_PTR kOpenTimer = 2;
constexpr UINT_PTR kEndPaletteTimer = 3;
constexpr UINT_PTR kFocusTimer = 4;
constexpr UINT_PTR kHoverTimer = 5;
constexpr UINT_PTR kWidenTimer = 6;
constexpr UINT_PTR kBigFontTimer = 7;

bool HasArgument(const wchar_t* commandLine, const wchar_t* word)
{
    return commandLine && std::wstring(commandLine).find(word) != std::wstring::npos;
}

class Page : public Dialog {
protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_INITDIALOG) {
            result = FALSE;
            return true;
        }
        return false;
    }
};

class Showcase : public Dialog {
public:
    bool openPalette = false;
    bool timed = false;
    bool widen = false;
    bool bigFont = false;
    LOGFONTW originalFont{};
    bool fontChanged = false;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        switch (message.message) {
        case WM_INITDIALOG:
            Initialise();
            result = FALSE;
            return true;
        case WM_TIMER:
            if (message.wParam == kFocusTimer) {
                KillTimer(Handle(), kFocusTimer);
                SetFocus(buttons_[4].Handle());
                SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            } else if (message.wParam == kHoverTimer) {
                // Inside the palette's modal loop: rest the mouse on a colour box.
                KillTimer(Handle(), kHoverTimer);
                if (HWND palette = FindWindowW(L"ColorPicker", nullptr)) {
                    RECT rect;
                    GetClientRect(palette, &rect);
                    const int boxSize = ScaleForDpi(palette::kBoxSize, buttons_[0].Dpi());
                    POINT box{(rect.right - palette::kColumns * boxSize) / 2 + 5 * boxSize + boxSize / 2,
                              rect.bottom / 2};
                    ClientToScreen(palette, &box);
                    SetCursorPos(box.x, box.y);
                }
            } else if (message.wParam == kOpenTimer) {
                KillTimer(Handle(), kOpenTimer);
                SetTimer(Handle(), kHoverTimer, 700, nullptr);
                SetTimer(Handle(), kEndPaletteTimer, 20000, nullptr);
                HWND button = buttons_[0].Handle();
                SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            } else if (message.wParam == kEndPaletteTimer) {
                // Inside the palette's modal loop: close it.
                if (HWND palette = FindWindowW(L"ColorPicker", nullptr)) PostMessageW(palette, WM_KEYDOWN, VK_ESCAPE, 0);
            } else if (message.wParam == kWidenTimer) {
                KillTimer(Handle(), kWidenTimer);
                const int dpi = WindowDpi(Handle());
                SetWindowPos(container_.Handle(), nullptr, 0, 0, ScaleForDpi(900, dpi), ScaleForDpi(140, dpi),
                             SWP_NOMOVE | SWP_NOZORDER);
            } else if (message.wParam == kBigFontTimer) {
                KillTimer(Handle(), kBigFontTimer);
                if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(originalFont), &originalFont, 0)) {
                    LOGFONTW big = originalFont;
                    big.lfHeight *= 2;
                    // Not stored in the profile, so not broadcast either (the
                    // system broadcasts only a stored change): the showcase
                    // tells its own top-level window, as a broadcast would.
                    fontChanged = SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(big), &big, 0);
                    if (fontChanged)
                        SendMessageW(Handle(), WM_SETTINGCHANGE, SPI_SETICONTITLELOGFONT,
                                     reinterpret_cast<LPARAM>(L"WindowMetrics"));
                }
            } else if (message.wParam == kQuitTimer) {
                PostQuitMessage(0);
            }
            result = 0;
            return true;
        case WM_SETTINGCHANGE:
            // Only top-level windows hear of it; the frame passes it on.
            SendMessageW(container_.Handle(), message.message, message.wParam, message.lParam);
            return false;
        case WM_DESTROY:
            if (fontChanged)
                SystemParametersInfoW(SPI_SETICONTITLELOGFONT, sizeof(originalFont), &originalFont, 0);
            return false;
        case WM_CLOSE:
            PostQuitMessage(0);
            result = 0;
            return true;
        }
        return false;
    }

private:
    void Initialise()
    {
        const COLORREF colors[kButtons] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 147, 0), RGB(255, 215, 0),
                                           0xFF000000};
        for (int i = 0; i < 2 * kButtons; ++i) {
            buttons_[i].Attach(GetDlgItem(Handle(), 1000 + i));
            buttons_[i].SetColor(colors[i % kButtons]);
            buttons_[i].SetDefaultText(L"Default");
            buttons_[i].SetDefaultColor(RGB(255, 255, 255));
            // The second row without visual styles: the classic frame.
            if (i >= kButtons) SetWindowTheme(buttons_[i].Handle(), L" ", L" ");
        }
        for (int row = 0; row < 2; ++row) {
            EnableWindow(buttons_[row * kButtons + 3].Handle(), FALSE);
            SendMessageW(buttons_[row * kButtons + 2].Handle(), BM_SETSTATE, TRUE, 0);
        }
        SetTimer(Handle(), kFocusTimer, 300, nullptr);

        // The hot button: the mouse rests on it.
        RECT hot;
        GetWindowRect(buttons_[1].Handle(), &hot);
        SetCursorPos((hot.left + hot.right) / 2, (hot.top + hot.bottom) / 2);

        RECT client;
        GetClientRect(Handle(), &client);
        const int dpi = WindowDpi(Handle());
        container_.SetStripStyle(0x2143);
        container_.Create(Handle(),
                          RECT{0, client.bottom - ScaleForDpi(140, dpi), ScaleForDpi(widen ? 400 : 560, dpi),
                               client.bottom},
                          WS_CHILD | WS_VISIBLE, 2000, WS_EX_CLIENTEDGE);
        for (int i = 1; i <= 16; ++i) {
            const std::wstring title = L" Title " + std::to_wstring(i) + L" ";
            const std::wstring text = L"This is page" + title;
            DialogTemplateBuilder builder(WS_CHILD, 0, 0, 300, 60, title.c_str());
            builder.AddControl(L"STATIC", SS_LEFT, 10, 10, 200, 10, 100, text.c_str());
            pages_.push_back(std::make_unique<Owned<Page>>());
            pages_.back()->CreateModeless(container_.Handle(), builder.Get());
            container_.AddPage(pages_.back()->Handle());
        }
        container_.Strip().SelectTab(0);
        container_.Strip().SelectTab(widen ? 15 : 11); // out of view: scrolls

        if (timed || openPalette) SetTimer(Handle(), kQuitTimer, 30000, nullptr);
        if (openPalette) SetTimer(Handle(), kOpenTimer, 500, nullptr);
        if (widen) SetTimer(Handle(), kWidenTimer, 1000, nullptr);
        if (bigFont) SetTimer(Handle(), kBigFontTimer, 1000, nullptr);
    }

    Owned<ColorPickerButton> buttons_[2 * kButtons];
    Owned<TabContainer> container_;
    std::vector<std::unique_ptr<Owned<Page>>> pages_;
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    UseSystemFolderForLibraries();
    // Shown as the program shows them: each window at its display's DPI.
    // (Where the manifest has said so already, or the system has no such
    // setting, this does nothing.)
    using SetAwarenessFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        if (auto setAwareness = reinterpret_cast<SetAwarenessFunction>(
                reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext"))))
            setAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
    MessageLoop loop;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    DialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 10, 10, 620, 210,
                                  L"Glimmerpatch controls");
    for (int i = 0; i < 2 * kButtons; ++i) {
        const short x = static_cast<short>(10 + (i % kButtons) * 70);
        const short y = static_cast<short>(i < kButtons ? 10 : 55);
        builder.AddControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, x, y, 38, 26, static_cast<WORD>(1000 + i));
        builder.AddControl(L"STATIC", SS_LEFT, x, static_cast<short>(y + 30), 66, 10, 0xFFFF, kLabels[i % kButtons]);
    }

    Owned<Showcase> showcase;
    showcase.openPalette = HasArgument(commandLine, L"palette");
    showcase.timed = HasArgument(commandLine, L"timed");
    showcase.widen = HasArgument(commandLine, L"widen");
    showcase.bigFont = HasArgument(commandLine, L"bigfont");
    if (!showcase.CreateModeless(nullptr, builder.Get())) return 1;
    return loop.Run();
}
