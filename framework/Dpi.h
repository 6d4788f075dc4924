// Sizes for the display a window stands on. The program is per-monitor DPI
// aware: every size that is given in pixels at 96 DPI (100 %) is scaled with
// the DPI of the window it belongs to (ScaleForDpi, framework/DpiScale.h), and fonts and pictures are made for
// that DPI. The functions of newer systems are looked up when first needed,
// so that the program still starts where they are missing; there the
// system's DPI stands for every window.
//
// A top-level window decides the DPI of everything inside it: its
// display's when it is made (MonitorDpi), then the one each WM_DPICHANGED
// carries (SetDecidedDpi). Its children are told of a change
// (kUseDpiMessage) and ask no one else: on per-monitor version 1 the system
// tells children nothing, under Wine the system's answer for a window never
// changes, and on version 2 its messages to the children come around the
// top-level window's own.
#pragma once

#include <windows.h>

#include "framework/DpiScale.h"
#include "framework/FrameworkMessages.h"

// Sent by the system to every child window before and after its top-level
// window takes a new DPI (per-monitor aware, version 2). The top-level
// window itself gets WM_DPICHANGED.
constexpr UINT kDpiChangedBeforeParentMessage = 0x02E2;
constexpr UINT kDpiChangedAfterParentMessage = 0x02E3;
// Sent by the system to a top-level window of version 2 before a change, to
// ask for its size at the new DPI (wParam the DPI, lParam a SIZE to fill).
constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// Sent by a window of ours to its children when its top-level window has
// decided on a new DPI (wParam): each child remakes what depends on the DPI
// and passes the message on to its own children (framework/SystemChanges.h's
// rule), so that the top-level window's one call reaches every window of
// ours inside it, parents before children.
constexpr UINT kUseDpiMessage = kFrameworkMessageFirst + 1;
// Sent after kUseDpiMessage, the same way, once the top-level window has
// laid itself out at that DPI: what depends on the final sizes (a scroll
// position, a hidden page's place) is set now.
constexpr UINT kDpiLaidOutMessage = kFrameworkMessageFirst + 2;

// The DPIs a display can have; a DPI change that names another is not
// trusted.
constexpr int kLowestDpi = 72;
constexpr int kHighestDpi = 480;
constexpr bool IsUsableDpi(int dpi)
{
    return dpi >= kLowestDpi && dpi <= kHighestDpi;
}

// The DPI the window works at: the one its top-level window has decided on,
// or, where none decided, what the system says of the top-level window's
// display (MonitorDpi); the system's DPI for nullptr.
int WindowDpi(HWND window);
// What the system says of the display the window stands on: its DPI for the
// window, else its monitor's, else the system's.
int MonitorDpi(HWND window);
// A top-level window's decision, which every window inside it takes from
// then on (WindowDpi); ForgetDecidedDpi before the window goes.
void SetDecidedDpi(HWND topLevel, int dpi);
void ForgetDecidedDpi(HWND topLevel);

// A dialog whose layout the program makes itself at every DPI: the dialog
// manager of per-monitor version 2 would otherwise move, size and give fonts
// to it and its controls once more after a change. Nothing where the
// system has no such behaviour.
void LayOutDialogWithoutSystemHelp(HWND dialog);
void LayOutControlWithoutSystemHelp(HWND control);
// The system's DPI (that of the primary display when the session started).
int SystemDpi();

// GetSystemMetrics for the given DPI.
int SystemMetricForDpi(int index, int dpi);
// AdjustWindowRectEx for the given DPI (without a menu).
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The icon-title font (the tab strip's and the pages' font family) as it is
// for the given DPI. False when the system cannot say.
bool IconTitleFontForDpi(LOGFONTW& font, int dpi);
// The message-box font (the menus' and the status bar's) for the given DPI.
bool MessageFontForDpi(LOGFONTW& font, int dpi);
// The menu bar's font for the given DPI (the command bar's).
bool MenuFontForDpi(LOGFONTW& font, int dpi);
// The status bar's font for the given DPI.
bool StatusFontForDpi(LOGFONTW& font, int dpi);
// A stock font (DEFAULT_GUI_FONT and the like) is made for the system's DPI.
// For a window on a display of another DPI: a new font like it, its height
// scaled to that DPI, which the caller deletes. nullptr at the system's DPI,
// where the stock font itself is right, and when no font can be made.
HFONT StockFontForDpi(int stockFont, int dpi);
