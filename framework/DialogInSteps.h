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
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

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
    void Initialise();

    HINSTANCE instance_ = nullptr;
    std::vector<DWORD> shell_;                // the header alone, DWORD-aligned as templates must be
    DWORD style_ = 0;                         // the template's own style
    std::vector<Item> items_;
    std::size_t next_ = 0;
    HWND dialog_ = nullptr;
    LPARAM param_ = 0;
    bool initialised_ = false;
    const char* refusal_ = "";
};
