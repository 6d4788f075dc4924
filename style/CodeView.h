// The code view, dialog 116: the style code (StyleDocument::GetStyleCode)
// in a white read-only box under short instructions, with a button that
// copies it to the clipboard through the edit control's own copy.
//
// Modal, created for each Show Code command and owned by the window that is
// active then. Only its OK button (1566) ends it: there is no handler for the
// standard OK and Cancel commands, so Escape does nothing.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"

class CodeView : public Dialog {
public:
    // Runs the dialog owned by owner; returns 1566, or -1 when it could not
    // be created.
    INT_PTR Show(HWND owner);

    // The instructions shown above the code (116 characters, LF line breaks,
    // TABs expanded by the static control).
    static const wchar_t kInstructions[];

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;

private:
    LRESULT OnInitDialog(Message& message);
    LRESULT OnControlColorStatic(Message& message);
    LRESULT OnCopy(Message& message);
    LRESULT OnOk(Message& message);

    static const MessageEntry<CodeView> kMessageMap[];
};

// Runs the code view owned by the active window (the Show Code command).
void ShowCodeView();
