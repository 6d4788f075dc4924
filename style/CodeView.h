// The code view: the style code (StyleDocument::GetStyleCode) in a white
// read-only box under short instructions, with a button that copies it to
// the clipboard through the edit control's own copy, so the user can paste
// the finished style block into the profile.
//
// Modal, created for each Show Code command and owned by the window that is
// active then, at the DPI of its owner's display and laid out by the
// program at every DPI (framework/DialogDpiLayout.h). Only its own OK button ends it: the standard OK and Cancel
// commands have no handler, so Escape does nothing. Its template and control
// ids are the IDD_GP_CODE_VIEW block of resources/ResourceIds.h.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "framework/DialogDpiLayout.h"

class CodeView : public BaseDialog<CodeView> {
public:
    // Runs the dialog owned by owner; returns the id of its OK button
    // (IDC_GP_CODE_OK), or -1 when it could not be created.
    INT_PTR Show(HWND owner);

    // The instructions shown above the code (116 characters, LF line breaks,
    // TABs expanded by the static control).
    static const wchar_t kInstructions[];

    static const MessageMap<CodeView> kMessageMap;

private:
    LRESULT OnInitDialog(Message& message);
    LRESULT OnControlColorStatic(Message& message);
    LRESULT OnCopy(Message& message);
    LRESULT OnOk(Message& message);
    LRESULT OnDpiChanged(Message& message);
    LRESULT OnGetDpiScaledSize(Message& message);
    LRESULT OnDestroy(Message& message);

    DialogDpiLayout layout_;
};

// Runs the code view owned by the active window (the Show Code command).
void ShowCodeView();
