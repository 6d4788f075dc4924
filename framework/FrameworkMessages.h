// The window framework's own message numbers, kept apart from those of the
// program built on it (which stay below kFrameworkMessageFirst):
//   - reflection sends a child's message back to it as kReflectionOffset +
//     the message (framework/Reflection.h): 0x2000 to 0x23FF, among the
//     numbers below WM_APP that a window class keeps for itself;
//   - the framework's private messages take the range kFrameworkMessageFirst
//     to kFrameworkMessageLast at the top of the first thousand numbers that
//     Windows leaves to programs (WM_APP and up).
#pragma once

#include <windows.h>

constexpr UINT kReflectionOffset = 0x2000;

constexpr UINT kFrameworkMessageFirst = WM_APP + 0x3A0;
constexpr UINT kFrameworkMessageLast = WM_APP + 0x3FF;

// Posted by a command bar to itself, to open one of its menus outside the
// handler that noticed the key or the click: wParam is the button index,
// lParam 1 when the menu is opened by the keyboard.
constexpr UINT kCommandBarOpenMenuMessage = kFrameworkMessageFirst;
