// Message reflection, the same for windows and dialogs: a message from a
// child control that its parent does not answer goes back to that child
// with kReflectionOffset added to its number, and the child's answer
// becomes the parent's answer. This is how a control handles what it
// tells its parent about itself: a colour picker button learns that it was
// clicked from the reflected BN_CLICKED (kReflectedCommand) and paints on
// the reflected WM_DRAWITEM (kReflectedDrawItem).
#pragma once

#include <windows.h>

#include "framework/FrameworkMessages.h"

constexpr UINT Reflected(UINT message)
{
    return kReflectionOffset + message;
}

constexpr UINT kReflectedCommand = Reflected(WM_COMMAND);   // 0x2111
constexpr UINT kReflectedNotify = Reflected(WM_NOTIFY);     // 0x204E
constexpr UINT kReflectedDrawItem = Reflected(WM_DRAWITEM); // 0x202B

// The control colour messages, WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC. A
// dialog procedure returns their answer (a brush) directly, and an answer
// of 0 means "not answered".
constexpr bool IsControlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The child control that a parent's message comes from, or nullptr when the
// message is not one that is reflected or its child cannot be found:
//   WM_COMMAND: the window in lParam (menu and accelerator commands have none);
//   WM_NOTIFY: the NMHDR's hwndFrom;
//   WM_DRAWITEM: the item window, when wParam (the control id) is not 0;
//   WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM: the parent's child with
//     the structure's CtlID, when wParam is not 0;
//   WM_VKEYTOITEM, WM_CHARTOITEM, WM_VSCROLL and the colour messages: the
//     window in lParam;
//   WM_PARENTNOTIFY: the window in lParam for WM_CREATE and WM_DESTROY,
//     else the child whose id is the high word of wParam.
HWND FindReflectionTarget(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// Sends the message back to its child with kReflectionOffset added and
// returns true with the child's answer. Returns false (result untouched)
// when there is no child to reflect to, or when the child left a colour
// message unanswered (answer 0), so that the default colours apply.
bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
