// The message loop of the user-interface thread. Every message taken from
// the queue goes through, in this order:
//   1. accelerator translation: the table given for a window (the main
//      frame's), for every message, so these keys never reach an edit;
//   2. the key filters of the registered windows that hold the message's
//      window, for key messages only: a window that has its own keys for
//      everything inside it (a hosted browser control's keys, a tab
//      container's keys between its pages) registers itself while it lives;
//   3. IsDialogMessage of the registered modeless dialog that holds the
//      message's window (Tab and arrow keys between controls, Space on a
//      check box, arrow keys in an up-down); modeless dialogs of
//      framework/Dialog.h register themselves while their window lives;
//   4. TranslateMessage and DispatchMessage.
// When the queue has run empty after a message, the idle step runs; while it
// says it has more to do it runs again, as long as nothing arrives, so that
// work done in small steps never keeps a message waiting for more than one
// step. Before the idle steps the thread waits for messages for no time at
// all: to other processes it is idle then (WaitForInputIdle returns).
//
// Keys, one way: a window that must see the keys of the windows inside it
// before they are dispatched (a browser control's keys, a tab container's
// page keys, a command bar's Alt+letter) registers a key filter (step 2)
// while it lives. Nothing else on this thread looks at keys before their
// window does: no thread hook, no subclass for keys.
//   The filters run only for the messages this loop takes from the queue.
// While another loop runs (the system's for an open menu, a dialog box or a
// message box; the colour palette's own, which reads its keys itself), that
// loop takes the messages and no filter sees them. Inside an open menu the one thing that sees its keys is a
// WH_MSGFILTER hook, which the menu's loop calls for each message: the
// command bar installs one for the time its menu is open, and that is the
// only hook there is. The window manager's own menu request (Alt alone, F10)
// is no key but WM_SYSCOMMAND with SC_KEYMENU to the top-level window; the
// command bar answers it through its subclass of that window.
//
// One loop per thread, created on the stack of the thread's entry routine
// before its windows, so that they can find it through Current().
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

class MessageLoop {
public:
    MessageLoop();
    ~MessageLoop();
    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    // The thread's loop, or nullptr while it has none.
    static MessageLoop* Current();

    // Translates the keys of `table` into WM_COMMAND for `window`; nullptr
    // for either turns translation off. The table stays the caller's.
    void SetAccelerators(HWND window, HACCEL table);
    void AddDialog(HWND dialog);
    void RemoveDialog(HWND dialog);
    // The idle step, which returns true while it has more to do; an empty
    // function for none.
    void SetIdleStep(std::function<bool()> step);

    // Runs until WM_QUIT and returns its exit code (wParam).
    int Run();

    // Steps 1 to 3 for one message: true when it was used up there and
    // must not be dispatched.
    bool PreTranslate(MSG& message);

    // A key message (WM_KEYFIRST to WM_KEYLAST) whose window is `window` or
    // inside it goes to `filter` first; true from the filter uses it up.
    // Only key messages reach a filter, and only those of this loop (see Keys
    // above). One filter per window: a window that has one keeps it, and
    // another is refused (false), so that no filter silently replaces
    // another's (the command bar's is on its top-level window).
    using KeyFilter = std::function<bool(MSG& message)>;
    bool AddKeyFilter(HWND window, KeyFilter filter);
    void RemoveKeyFilter(HWND window);

private:
    bool FilterKey(MSG& message);

    HWND acceleratorWindow_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::vector<HWND> dialogs_;
    std::vector<std::pair<HWND, KeyFilter>> keyFilters_;
    std::function<bool()> idleStep_;
    MessageLoop* previous_ = nullptr;
};
