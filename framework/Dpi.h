// Sizes for the display a window stands on. The program is per-monitor DPI
// aware: every size that is given in pixels at 96 DPI (100 %) is scaled with
// the DPI of the window it belongs to (ScaleForDpi, framework/DpiScale.h), and fonts and pictures are made for
// that DPI. The functions of newer systems are looked up when first needed,
// so that the program still starts where they are missing; there the
// system's DPI stands for every window.
#pragma once

#include <windows.h>

#include "framework/DpiScale.h"

// Sent by the system to every child window before and after its top-level
// window takes a new DPI (per-monitor aware, version 2). The top-level
// window itself gets WM_DPICHANGED.
constexpr UINT kDpiChangedBeforeParentMessage = 0x02E2;
constexpr UINT kDpiChangedAfterParentMessage = 0x02E3;

// The DPI of the display the window stands on (for a child window, that of
// its top-level window); the system's DPI when the window is nullptr or the
// system cannot say.
int WindowDpi(HWND window);
// The system's DPI (that of the primary display when the session started).
int SystemDpi();

// GetSystemMetrics for the given DPI.
int SystemMetricForDpi(int index, int dpi);
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
