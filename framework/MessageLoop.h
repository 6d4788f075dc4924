// The message loop of the user-interface thread. Every message taken from
// the queue goes through, in this order:
//   1. accelerator translation: the table given for a window (the main
//      frame's), for every message, so these keys never reach an edit;
//   2. IsDialogMessage of the registered modeless dialog that holds the
//      message's window (Tab and arrow keys between controls, Space on a
//      check box, arrow keys in an up-down); modeless dialogs of
//      framework/Dialog.h register themselves while their window lives;
//   3. TranslateMessage and DispatchMessage.
// When the queue has run empty after a message, the idle step runs; while it
// says it has more to do it runs again, as long as nothing arrives, so that
// work done in small steps never keeps a message waiting for more than one
// step.
//
// One loop per thread, created on the stack of the thread's entry routine
// before its windows, so that they can find it through Current().
#pragma once

#include <windows.h>

#include <functional>
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

    // Steps 1 and 2 for one message: true when it was used up there and
    // must not be dispatched.
    bool PreTranslate(MSG& message);

private:
    HWND acceleratorWindow_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::vector<HWND> dialogs_;
    std::function<bool()> idleStep_;
    MessageLoop* previous_ = nullptr;
};
