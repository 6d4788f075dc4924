// A dialog from a template (a resource id or a template in memory), modeless
// or modal. The dialog procedure hands every message to ProcessMessage;
// what that does not answer is reflected to the child control it came from
// (framework/Reflection.h) and otherwise left to the dialog manager.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    HWND Handle() const { return window_; }

    HWND CreateModeless(HWND parent, UINT templateId, HINSTANCE instance = nullptr);
    HWND CreateModeless(HWND parent, const DLGTEMPLATE* dialogTemplate, HINSTANCE instance = nullptr);
    // Returns what EndModal was given, or -1 when the dialog could not be made.
    INT_PTR RunModal(HWND parent, UINT templateId, HINSTANCE instance = nullptr);
    INT_PTR RunModal(HWND parent, const DLGTEMPLATE* dialogTemplate, HINSTANCE instance = nullptr);
    void EndModal(INT_PTR result);
    void Destroy();

protected:
    // Returns true with result set when the message is answered.
    virtual bool ProcessMessage(Message& message, LRESULT& result) = 0;
    // Called after WM_NCDESTROY, when the handle is no longer valid.
    virtual void OnFinalMessage() {}

private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool modal_ = false;
};
