// A small frame wired as the main frame wires its bars: the command bar with
// menu 128 and the toolbar in a rebar, the status bar, and the split window
// with a preview view on top and a plain pane below. It records the commands
// and toolbar drop-downs it receives.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "app/FrameBars.h"
#include "framework/CommandBar.h"
#include "framework/ControlHost.h"
#include "framework/Owned.h"
#include "framework/SplitWindow.h"
#include "framework/Window.h"
#include "page/PreviewView.h"
#include "resources/ResourceIds.h"

class BarsTestFrame : public BaseWindow<BarsTestFrame> {
public:
    static constexpr int kBottomPaneHeight = 247;
    static inline const WindowClass kWindowClass = {.name = L"GlimmerBarsTestFrame", .background = COLOR_BTNFACE};
    // Its messages are routed by hand below.
    static inline const MessageMap<BarsTestFrame> kMessageMap = {};

    Owned<CommandBar> commandBar;
    FrameToolBar toolBar;
    FrameRebar rebar;
    FrameStatusBar statusBar;
    Owned<SplitWindow> split;
    Owned<PreviewView> preview;
    HWND bottomPane = nullptr;
    bool withPreview = true;

    std::mutex lock;
    std::vector<UINT> commands;
    std::vector<int> dropDowns;
    std::atomic<bool> showDropDownMenu{true};

    static bool PrepareControls()
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }

    HWND Create(int width = 900, int height = 700)
    {
        HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_GP_MAINFRAME));
        return BaseWindow::Create({.menu = menu,
                                   .rect = {10, 10, 10 + width, 10 + height},
                                   .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                   .title = L"Glimmerpatch bars"});
    }

    void LayOut() { LayOutFrame(Handle(), rebar.Handle(), statusBar.Handle(), split.Handle()); }

    std::vector<UINT> Commands()
    {
        std::lock_guard<std::mutex> guard(lock);
        return commands;
    }
    std::vector<int> DropDowns()
    {
        std::lock_guard<std::mutex> guard(lock);
        return dropDowns;
    }

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        switch (message.message) {
        case WM_CREATE: {
            rebar.Create(Handle());
            commandBar.Create(rebar.Handle(), Handle());
            commandBar.AttachMenu(GetMenu(Handle()));
            SetMenu(Handle(), nullptr);
            toolBar.Create(rebar.Handle());
            rebar.AddBand(commandBar.Handle(), commandBar.IdealSize());
            rebar.AddBand(toolBar.Handle(), toolBar.IdealSize(), {.newRow = true, .gripper = true});
            statusBar.Create(Handle());
            split.Create(Handle(), RECT{0, 0, 100, 100}, 0xE900);
            LayOut();
            if (withPreview) preview.Create(split.Handle());
            bottomPane = CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", L"  (the section pages go here)",
                                         WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 10, 10, split.Handle(), nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
            split.SetPanes(preview.Handle(), bottomPane);
            RECT client{};
            GetClientRect(Handle(), &client);
            split.SetSplitPosition(client.bottom - kBottomPaneHeight);
            CheckMenuItem(commandBar.Menu(), ID_GP_VIEW_TOOLBAR, MF_BYCOMMAND | MF_CHECKED);
            CheckMenuItem(commandBar.Menu(), ID_GP_VIEW_STATUS_BAR, MF_BYCOMMAND | MF_CHECKED);
            result = 0;
            return true;
        }
        case WM_SIZE:
            LayOut();
            result = 0;
            return true;
        case WM_MENUSELECT:
            statusBar.ShowMenuHelp(message.wParam, message.lParam);
            result = 0;
            return true;
        case WM_COMMAND: {
            {
                std::lock_guard<std::mutex> guard(lock);
                commands.push_back(LOWORD(message.wParam));
            }
            if (LOWORD(message.wParam) == ID_GP_VIEW_TOOLBAR) {
                const bool show = !rebar.BandVisible(FrameRebar::kToolBarBand);
                rebar.ShowBand(FrameRebar::kToolBarBand, show);
                CheckMenuItem(commandBar.Menu(), ID_GP_VIEW_TOOLBAR, MF_BYCOMMAND | (show ? MF_CHECKED : MF_UNCHECKED));
                LayOut();
            }
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(message.lParam);
            if (header->code == static_cast<UINT>(TBN_DROPDOWN) && header->hwndFrom == toolBar.Handle()) {
                const int item = reinterpret_cast<const NMTOOLBARW*>(message.lParam)->iItem;
                {
                    std::lock_guard<std::mutex> guard(lock);
                    dropDowns.push_back(item);
                }
                if (item == ID_GP_REVERT && showDropDownMenu) ShowRevertDropDown(commandBar, toolBar);
                result = TBDDRET_DEFAULT;
                return true;
            }
            if (header->code == static_cast<UINT>(RBN_HEIGHTCHANGE)) {
                LayOut();
                result = 0;
                return true;
            }
            return false;
        }
        default:
            return false;
        }
    }
};
