// A dialog from a template (a resource id or a template in memory), modeless
// or modal. The dialog procedure hands every message to ProcessMessage;
// what that does not answer is reflected to the child control it came from
// (framework/Reflection.h) and otherwise left to the dialog manager.
//
// A modeless dialog is registered with the thread's message loop
// (framework/MessageLoop.h), if there is one, for keyboard navigation
// (IsDialogMessage) until its window is destroyed.
//
// A dialog class whose messages all go through its message map is built on
// BaseDialog<T> and declares `static const MessageMap<T> kMessageMap`
// (framework/MessageMap.h); a dialog with a routine of its own overrides
// ProcessMessage instead.
//
// Create objects as Owned<T> (framework/Owned.h): the window ends before
// the object does.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

class DialogInSteps;
template <class T>
class Owned;

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    HWND Handle() const { return window_; }

    HWND CreateModeless(HWND parent, UINT templateId, HINSTANCE instance = nullptr);
    HWND CreateModeless(HWND parent, const DLGTEMPLATE* dialogTemplate, HINSTANCE instance = nullptr);
    // The window of a template loaded into `steps` (framework/DialogInSteps.h),
    // without controls; WM_INITDIALOG comes once steps has made the last one.
    HWND CreateModeless(HWND parent, DialogInSteps& steps);
    // Returns what EndModal was given, or -1 when the dialog could not be made.
    INT_PTR RunModal(HWND parent, UINT templateId, HINSTANCE instance = nullptr);
    INT_PTR RunModal(HWND parent, const DLGTEMPLATE* dialogTemplate, HINSTANCE instance = nullptr);
    void EndModal(INT_PTR result);
    // A modeless dialog is destroyed now; a modal one ends with IDCANCEL.
    void Destroy();

protected:
    // Returns true with result set when the message is answered. For
    // WM_INITDIALOG, the colour messages and the others whose answer a
    // dialog procedure returns directly, result is that answer.
    virtual bool ProcessMessage(Message& message, LRESULT& result) = 0;
    // The window has had its last message (WM_NCDESTROY): Handle() is
    // nullptr again and the object may create another dialog.
    virtual void OnWindowDetached() {}

private:
    template <class T>
    friend class Owned;
    virtual void OwnedByMostDerivedClass() = 0;
    void EndWindow();

    // noexcept: an exception never unwinds through the system's frames; one
    // that would leave a handler stops the program at once (std::terminate).
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND window_ = nullptr;
    bool modal_ = false;
};

template <class T>
using BaseDialog = RoutedToMessageMap<T, Dialog>;
