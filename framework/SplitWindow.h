// A window split into a top and a bottom pane by a horizontal bar that the
// user cannot move. When the window is resized the bottom pane keeps its
// height and the top pane takes the change; SetSplitPosition places the bar.
//
// WM_COMMAND and WM_NOTIFY from the panes go on to the split window's parent
// (the frame), whose answer is returned; a change of the system's settings,
// colours or theme goes on to the panes (framework/SystemChanges.h), and so
// does a new DPI of the frame (kUseDpiMessage), which sets the bar's
// thickness.
//
// Create it as Owned<SplitWindow>.
#pragma once

#include <windows.h>

#include "framework/Window.h"

class SplitWindow : public BaseWindow<SplitWindow> {
public:
    HWND Create(HWND parent, const RECT& rect, UINT id,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, DWORD exStyle = 0);

    // The windows of the two panes (children of the split window); either
    // may be nullptr.
    void SetPanes(HWND top, HWND bottom);
    HWND TopPane() const { return top_; }
    HWND BottomPane() const { return bottom_; }

    // Places the bar: the top pane becomes `position` pixels high (clamped
    // to the client area). Until it is called the bar sits in the middle.
    void SetSplitPosition(int position);
    int SplitPosition() const { return position_; }
    // The bar's thickness in pixels at a DPI (the sizing frame's, at least
    // 4 pixels at 96 DPI), and at the system's DPI.
    static int BarHeight(int dpi);
    static int BarHeight();

    static const WindowClass kWindowClass;
    static const MessageMap<SplitWindow> kMessageMap;

private:
    LRESULT OnSize(Message& message);
    LRESULT ForwardToParent(Message& message);
    LRESULT OnSystemChange(Message& message);
    LRESULT OnUseDpi(Message& message);

    void Layout();
    int ClientHeight() const;
    // The bar's thickness for the display this window stands on.
    int OwnBarHeight() const;

    HWND top_ = nullptr;
    HWND bottom_ = nullptr;
    int position_ = -1;
    int bottomHeight_ = -1;
    int dpi_ = 0;   // told by the frame; until then the window's own
};
