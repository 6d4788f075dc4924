// A change of the system's settings, colours or theme (WM_SETTINGCHANGE,
// WM_SYSCOLORCHANGE, WM_THEMECHANGED) is sent to top-level windows only.
// The rule for passing it on is one: a window that holds children remakes
// what it draws from the settings and passes the message on to its direct
// children with PassToChildren; each of our windows among them does the
// same with its own children. So the frame's one call reaches every window
// of ours inside it, each after its parent. The system's controls pass
// nothing on: their owner reaches the windows inside them by hand.
#pragma once

#include <windows.h>

// WM_SETTINGCHANGE, WM_SYSCOLORCHANGE or WM_THEMECHANGED.
bool IsSystemChange(UINT message);

// Sends the message to every direct child of window (nothing for nullptr),
// in the order of the children, as they are when the call begins: a child
// that one of the others ends meanwhile is passed over.
void PassToChildren(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
