#include "framework/SplitWindow.h"

#include <algorithm>

#include "framework/Dpi.h"
#include "framework/SystemChanges.h"

const WindowClass SplitWindow::kWindowClass = {.name = L"GlimmerSplitWindow", .background = COLOR_BTNFACE};

const MessageMap<SplitWindow> SplitWindow::kMessageMap = {
    OnMessage(WM_SIZE, &SplitWindow::OnSize),
    OnMessage(WM_COMMAND, &SplitWindow::ForwardToParent),
    OnMessage(WM_NOTIFY, &SplitWindow::ForwardToParent),
    OnMessage(WM_SETTINGCHANGE, &SplitWindow::OnSystemChange),
    OnMessage(WM_SYSCOLORCHANGE, &SplitWindow::OnSystemChange),
    OnMessage(WM_THEMECHANGED, &SplitWindow::OnSystemChange),
    OnMessage(kUseDpiMessage, &SplitWindow::OnUseDpi),
    OnMessage(kDpiLaidOutMessage, &SplitWindow::OnSystemChange),
};

HWND SplitWindow::Create(HWND parent, const RECT& rect, UINT id, DWORD style, DWORD exStyle)
{
    return BaseWindow::Create({.parent = parent, .id = id, .rect = rect, .style = style, .exStyle = exStyle});
}

int SplitWindow::BarHeight(int dpi)
{
    return std::max(ScaleForDpi(4, dpi), SystemMetricForDpi(SM_CYSIZEFRAME, dpi));
}

int SplitWindow::BarHeight()
{
    return BarHeight(SystemDpi());
}

int SplitWindow::OwnBarHeight() const
{
    return BarHeight(dpi_ > 0 ? dpi_ : WindowDpi(Handle()));
}

int SplitWindow::ClientHeight() const
{
    RECT client{};
    if (Handle()) GetClientRect(Handle(), &client);
    return client.bottom - client.top;
}

void SplitWindow::SetPanes(HWND top, HWND bottom)
{
    top_ = top;
    bottom_ = bottom;
    Layout();
}

void SplitWindow::SetSplitPosition(int position)
{
    const int height = ClientHeight();
    const int bar = OwnBarHeight();
    position_ = std::clamp(position, 0, std::max(0, height - bar));
    bottomHeight_ = std::max(0, height - position_ - bar);
    Layout();
}

void SplitWindow::Layout()
{
    if (!Handle()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int height = client.bottom - client.top;
    const int bar = OwnBarHeight();
    if (bottomHeight_ < 0) {
        position_ = std::max(0, (height - bar) / 2);
    } else {
        // The bottom pane keeps its height; the top pane takes the change.
        position_ = std::max(0, height - bar - bottomHeight_);
    }
    const int bottomTop = std::min(height, position_ + bar);
    HDWP positions = BeginDeferWindowPos(2);
    if (top_ && positions)
        positions = DeferWindowPos(positions, top_, nullptr, 0, 0, client.right, position_,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (bottom_ && positions)
        positions = DeferWindowPos(positions, bottom_, nullptr, 0, bottomTop, client.right, height - bottomTop,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (positions) EndDeferWindowPos(positions);
    RECT barArea{0, position_, client.right, bottomTop};
    InvalidateRect(Handle(), &barArea, TRUE);
}

LRESULT SplitWindow::OnSize(Message&)
{
    Layout();
    return 0;
}

LRESULT SplitWindow::ForwardToParent(Message& message)
{
    HWND parent = GetParent(Handle());
    if (!parent) {
        message.handled = false;
        return 0;
    }
    return SendMessageW(parent, message.message, message.wParam, message.lParam);
}

LRESULT SplitWindow::OnUseDpi(Message& message)
{
    dpi_ = static_cast<int>(message.wParam);
    PassToChildren(Handle(), message.message, message.wParam, message.lParam);
    Layout();
    return 0;
}

LRESULT SplitWindow::OnSystemChange(Message& message)
{
    PassToChildren(Handle(), message.message, message.wParam, message.lParam);
    message.handled = false;
    return 0;
}
