// A thousand windows, dialogs and subclassed controls of the framework made
// and ended again: the process's GDI and USER objects must not grow.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/ColorPickerButton.h"
#include "controls/TabContainer.h"
#include "framework/Dialog.h"
#include "framework/Owned.h"
#include "framework/Window.h"
#include "tests/windows/DialogTemplateBuilder.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

constexpr int kCycles = 1000;
constexpr WORD kPickerId = 300;

// The process's GDI and USER objects (GetGuiResources, or where Wine answers
// nothing, the GDI handle table and the process's windows).
struct GuiCounts {
    long gdi = 0;
    long user = 0;
};

bool SystemCountsObjects()
{
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) != 0;
}

GuiCounts Count()
{
    return GuiCounts{window_tests::CountGdiObjects(), window_tests::CountUserObjects()};
}

class Host : public BaseWindow<Host> {
public:
    HWND Create()
    {
        return BaseWindow::Create({.rect = {0, 0, 500, 260}, .style = WS_POPUP | WS_VISIBLE, .title = L"Stress"});
    }
    static inline const WindowClass kWindowClass = {.name = L"GlimmerpatchStressHost", .background = COLOR_BTNFACE};
    static inline const MessageMap<Host> kMessageMap = {};
};

class Page : public Dialog {
public:
    Owned<ColorPickerButton> picker;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message != WM_INITDIALOG) return false;
        picker.Attach(GetDlgItem(Handle(), kPickerId));
        picker.SetColor(RGB(200, 30, 30));
        result = FALSE;
        return true;
    }
};

// Ends itself as soon as it has started.
class QuickModal : public Dialog {
protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        if (message.message == WM_INITDIALOG) PostMessageW(Handle(), WM_COMMAND, IDOK, 0);
        if (message.message == WM_COMMAND && LOWORD(message.wParam) == IDOK) EndModal(IDOK);
        result = 0;
        return message.message == WM_COMMAND;
    }
};

void CALLBACK CloseThePalette(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND palette = FindWindowW(L"ColorPicker", nullptr)) {
        PostMessageW(palette, WM_KEYDOWN, VK_ESCAPE, 0);
        KillTimer(nullptr, timer);
    }
}

// One cycle: a host window with a tab container of three pages, each with a
// colour picker button painted once; on some cycles the first button's
// palette opened and closed; a modal dialog run to its end. All of it let go
// again, on odd cycles after the host window was destroyed under the objects.
void OneCycle(int cycle, const DialogTemplateBuilder& pageTemplate, const DialogTemplateBuilder& modalTemplate)
{
    Owned<Host> host;
    ASSERT_NE(host.Create(), nullptr);
    Owned<TabContainer> container;
    container.SetStripStyle(0x2143);
    ASSERT_NE(container.Create(host.Handle(), RECT{0, 0, 500, 260}, WS_CHILD | WS_VISIBLE, 1, WS_EX_CLIENTEDGE),
              nullptr);
    std::vector<std::unique_ptr<Owned<Page>>> pages;
    for (int i = 0; i < 3; ++i) {
        pages.push_back(std::make_unique<Owned<Page>>());
        ASSERT_NE(pages.back()->CreateModeless(container.Handle(), pageTemplate.Get()), nullptr);
        container.AddPage(pages.back()->Handle());
    }
    container.Strip().SelectTab(0);
    UpdateWindow(host.Handle());
    RedrawWindow(pages[0]->picker.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    if (cycle % 10 == 0) {
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &CloseThePalette);
        HWND button = pages[0]->picker.Handle();
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        KillTimer(nullptr, timer);
        EXPECT_EQ(FindWindowW(L"ColorPicker", nullptr), nullptr);
    }

    Owned<QuickModal> modal;
    EXPECT_EQ(modal.RunModal(host.Handle(), modalTemplate.Get()), IDOK);
    if (cycle % 2) DestroyWindow(host.Handle());
}

void Settle()
{
    window_tests::PumpPending();
}

} // namespace

TEST(FrameworkStress, AThousandCyclesLeaveNoGdiOrUserObjectsBehind)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    DialogTemplateBuilder pageTemplate(WS_CHILD, 0, 0, 200, 80, L" Page ");
    pageTemplate.AddControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 38, 26, kPickerId);
    pageTemplate.AddControl(L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 60, 10, 80, 12, 301);
    DialogTemplateBuilder modalTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 100, 40, L"Modal");
    modalTemplate.AddControl(L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 10, 50, 14, IDOK, L"OK");

    // The counters themselves must see an object come and go.
    const GuiCounts empty = Count();
    ASSERT_GT(empty.gdi, 0);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(Count().gdi, empty.gdi + 1);
    DeleteObject(brush);
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_GT(Count().user, empty.user);
    DestroyWindow(probe);

    // Warm up: classes, fonts and caches that live as long as the process.
    for (int i = 0; i < 3; ++i) OneCycle(i, pageTemplate, modalTemplate);
    Settle();
    const GuiCounts before = Count();
    for (int i = 0; i < kCycles; ++i) {
        OneCycle(i, pageTemplate, modalTemplate);
        if (::testing::Test::HasFatalFailure()) return;
        if (i % 50 == 0) Settle();
    }
    Settle();
    const GuiCounts after = Count();
    std::printf("GDI objects %ld -> %ld, USER objects %ld -> %ld over %d cycles (%s)\n", before.gdi, after.gdi,
                before.user, after.user, kCycles, SystemCountsObjects() ? "GetGuiResources" : "handle table and windows");
    EXPECT_LE(after.gdi, before.gdi);
    EXPECT_LE(after.user, before.user);
}
