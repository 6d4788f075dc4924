// A modeless dialog made from its extended template (DLGTEMPLATEEX) a few
// controls at a time, so that a large dialog can be made in the idle moments
// of a message loop without keeping input waiting:
//
//   DialogInSteps steps;
//   steps.Load(instance, templateId);
//   CreateDialogIndirectParamW(instance, steps.Shell(), ...);   // no controls yet
//   while (!steps.Done()) steps.MakeControls(dialog, deadline);  // one call per idle moment
//
// Shell() is the template with its controls left out: the dialog manager
// makes the dialog window exactly as from the whole template (class, styles,
// size, font) and sends WM_INITDIALOG at once, before any control exists.
// MakeControls then makes the controls in template order as the dialog
// manager makes them: the same class, text (a resource ordinal passed as the
// template holds it), styles (WS_CHILD added, WS_POPUP removed, WS_BORDER
// turned into WS_EX_CLIENTEDGE, WS_EX_NOPARENTNOTIFY added), id, creation
// data and rectangle (each of x, y, width and height converted from dialog
// units on its own), and the dialog's font given to each without redrawing.
// Default push buttons get no special treatment: templates made in steps
// have none.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

class DialogInSteps {
public:
    // False when the resource is missing or is not an extended template.
    bool Load(HINSTANCE instance, UINT templateId);

    // The template without its controls; valid while the object lives.
    const DLGTEMPLATE* Shell() const { return reinterpret_cast<const DLGTEMPLATE*>(shell_.data()); }

    // Makes the next controls in `dialog` until all are made or the tick
    // count has reached `deadline` (at least one control per call; 0 for no
    // deadline). False when a control cannot be made: the rest are not tried.
    bool MakeControls(HWND dialog, ULONGLONG deadline = 0);

    bool Done() const { return next_ == items_.size(); }
    std::size_t Count() const { return items_.size(); }
    std::size_t Made() const { return next_; }

private:
    struct Item {
        DWORD exStyle = 0;
        DWORD style = 0;
        short x = 0, y = 0, cx = 0, cy = 0;
        DWORD id = 0;
        const wchar_t* className = nullptr;   // a predefined class's name for its ordinal
        const wchar_t* text = nullptr;        // into the template: an ordinal stays 0xFFFF, n
        const void* data = nullptr;           // creation data, or nullptr
    };

    HINSTANCE instance_ = nullptr;
    std::vector<DWORD> shell_;                // DWORD-aligned, as templates must be
    std::vector<Item> items_;
    std::size_t next_ = 0;
};
