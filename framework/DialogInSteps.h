// A modeless dialog made from its extended template (DLGTEMPLATEEX) a few
// controls at a time, so that a large dialog can be made in the idle moments
// of a message loop without keeping input waiting:
//
//   DialogInSteps steps;
//   if (!steps.Load(instance, templateId)) report(steps.Refusal());
//   HWND dialog = steps.CreateShell(parent, procedure, param);   // no controls yet
//   while (!steps.Done()) steps.MakeControls(StepDeadline::After(30));   // one call per idle moment
//
// What comes out is what CreateDialogIndirectParamW makes of the whole
// template, to everything another program can see of it: the dialog window
// as the dialog manager makes it from the template's header (class, styles,
// size, font, help id), shown only once initialised when the template asks
// for WS_VISIBLE; then the controls in template order with the same class,
// text (a resource ordinal passed as the template holds it), styles
// (WS_CHILD added, WS_POPUP removed, WS_BORDER turned into WS_EX_CLIENTEDGE,
// WS_EX_NOPARENTNOTIFY added), id (a 32-bit id such as -1 widened with its
// sign, as GWLP_ID holds it), help id, creation data, rectangle (each of x,
// y, width and height converted from dialog units on its own), the dialog's
// font given without redrawing and a default push button made the default;
// then WM_INITDIALOG, once every control exists, with the first tab stop
// and the focus given as the dialog manager gives them.
//
// The procedure gets every message from the moment CreateShell returns; the
// messages of the window's creation (its WM_SETFONT among them) and the
// dialog manager's own WM_INITDIALOG for the empty window go elsewhere.
//
// Other DPIs: the dialog manager makes the window with the font and base
// units of the DPI it knows. UseDpi makes the template's font for another
// one (framework/DialogUnits.h): the controls made from then on are made
// for it, and PlaceControls places those made before from the template
// again, as the dialog manager would have placed them at that DPI. A
// dialog that the dialog manager made whole from the same template can be
// adopted for this (Adopt).
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "framework/DialogUnits.h"
#include "framework/GdiHandles.h"

// A moment some milliseconds ahead, read on the performance counter: the
// tick count moves in steps of 10 to 16 ms, as long as a whole idle step.
class StepDeadline {
public:
    StepDeadline() = default;   // none: never reached
    static StepDeadline After(unsigned milliseconds);

    bool IsSet() const { return at_ != 0; }
    bool Reached() const;

private:
    LONGLONG at_ = 0;           // in counter ticks
};

class DialogInSteps {
public:
    // False, with Refusal() saying why, when the resource is missing or
    // holds a template that this cannot make as the dialog manager would.
    bool Load(HINSTANCE instance, UINT templateId);
    // A template in memory, which must stay there until the last control
    // is made.
    bool Load(HINSTANCE instance, const void* dialogTemplate, std::size_t size);
    const char* Refusal() const { return refusal_; }

    // Makes the dialog window, without controls and hidden, as a child (or
    // an owned window) of parent. nullptr when it cannot be made.
    HWND CreateShell(HWND parent, DLGPROC procedure, LPARAM param);

    // Makes the next controls until all are made or `deadline` is reached
    // (at least one per call). With a deadline the call after the one that
    // made the last control sends WM_INITDIALOG; without one, the same call.
    // False when a control cannot be made (and the template does not say
    // DS_NOFAILCREATE): the rest are not tried.
    bool MakeControls(const StepDeadline& deadline = {});

    // Every control made and WM_INITDIALOG sent.
    bool Done() const { return initialised_; }
    std::size_t Count() const { return items_.size(); }
    std::size_t Made() const { return next_; }

    // Takes a dialog that the dialog manager made from the loaded template
    // as made and initialised: its children are the template's controls in
    // order. False when their number differs.
    bool Adopt(HWND dialog);

    // The DPI the controls are made and placed for from here on. Where the
    // dialog manager's font and base units are those of dpi they stay;
    // otherwise the template's font is made for dpi and the controls that
    // had the previous one get it.
    void UseDpi(int dpi);
    // Places the controls made so far from the template for the DPI in use,
    // all moved left by `shift` pixels (a scrolled dialog's offset). A
    // picture static keeps its size, which its picture gives it; an up-down
    // that aligns itself with its buddy does so again.
    void PlaceControls(int shift = 0);
    // The template's size in pixels for the DPI in use: the dialog's client
    // area as the dialog manager makes it.
    SIZE ClientSize() const { return ClientSizeFor(units_); }
    SIZE ClientSizeFor(DialogBaseUnits units) const;
    // The window's size around that client area at dpi, as the dialog
    // manager makes it from the template's styles.
    SIZE WindowSize(int dpi) const { return WindowSizeFor(ClientSize(), dpi); }
    DialogBaseUnits Units() const { return units_; }
    // The template's font for the DPI in use (the dialog manager's own at
    // the DPI it made the dialog for).
    HFONT TemplateFont() const;
    const DialogFontDescription& Font() const { return font_; }
    // The control made from the template's item `index`, or nullptr.
    HWND Control(std::size_t index) const { return index < made_.size() ? made_[index] : nullptr; }

private:
    struct Item {
        DWORD helpId = 0;
        DWORD exStyle = 0;
        DWORD style = 0;
        short x = 0, y = 0, cx = 0, cy = 0;
        LONG id = 0;
        const wchar_t* className = nullptr;   // a predefined class's name for its ordinal
        const wchar_t* text = nullptr;        // into the template: an ordinal stays 0xFFFF, n
        const void* data = nullptr;           // creation data, or nullptr
    };

    bool Refuse(const char* reason);
    SIZE WindowSizeFor(SIZE client, int dpi) const;
    void Initialise();

    HINSTANCE instance_ = nullptr;
    std::vector<DWORD> shell_;                // the header alone, DWORD-aligned as templates must be
    DWORD style_ = 0;                         // the template's own style
    DWORD exStyle_ = 0;
    bool scrollBarsOutside_ = false;          // the dialog manager adds them to the template's size
    short width_ = 0, height_ = 0;            // the template's size in dialog units
    DialogFontDescription font_;
    std::vector<Item> items_;
    std::vector<HWND> made_;                  // one per item made (nullptr where one could not be)
    DialogBaseUnits units_;                   // those the controls are placed with
    GdiObject<HFONT> ownFont_;                // the template's font for a DPI the dialog manager did not use
    int dpi_ = 0;                             // the DPI given to UseDpi, 0 before
    std::size_t next_ = 0;
    HWND dialog_ = nullptr;
    LPARAM param_ = 0;
    bool initialised_ = false;
    const char* refusal_ = "";
};
