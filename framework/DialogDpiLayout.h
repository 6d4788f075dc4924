// A modal dialog of ours at the DPI of the display it stands on, laid out by
// the program at every DPI from its template (framework/DialogInSteps.h):
// the dialog manager makes it for the DPI it knows, which under Wine is
// always the session's and on Windows the display it was made on, and per-
// monitor version 2 would move, size and give fonts to it and its controls
// on a change on top of what the program does. So the system's help is
// declined, and the program places every control from the template with
// the template's font for the DPI, gives the controls that show the stock
// GUI font that font for the DPI, and makes the client area the template's
// size - once, whatever the DPI was before.
//
// The dialog's DPI is its owner's (a dialog centred over its owner stands on
// the owner's display), or its display's when it has no owner; after a
// WM_DPICHANGED the one that carries. The dialog keeps it as its decided
// DPI (framework/Dpi.h) for the windows it opens.
#pragma once

#include <windows.h>

#include "framework/DialogInSteps.h"
#include "framework/GdiHandles.h"

class DialogDpiLayout {
public:
    // In WM_INITDIALOG, once the controls have their fonts: takes the dialog
    // made from templateId and lays it out for its DPI where the dialog
    // manager made it for another. False (the dialog stays as it was made)
    // when the template cannot be read or does not match the dialog.
    bool Start(HWND dialog, UINT templateId);
    // WM_DPICHANGED: the new DPI, the dialog placed at the suggested
    // rectangle's corner with the template's size for it. False, and nothing
    // changes, for a DPI no display has or no rectangle.
    bool OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // WM_GETDPISCALEDSIZE: the window's size at the DPI in wParam, into the
    // SIZE at lParam. False when it cannot say.
    bool OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam) const;
    // In WM_DESTROY.
    void Finish();

    int Dpi() const { return dpi_; }

private:
    void Apply(int dpi);
    // The client area the template's size, whatever frame is drawn around it.
    void FitClientArea();

    HWND dialog_ = nullptr;
    DialogInSteps template_;
    // The stock GUI font for a DPI other than the system's.
    GdiObject<HFONT> guiFont_;
    int dpi_ = 0;
};
