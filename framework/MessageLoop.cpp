#include "framework/MessageLoop.h"

#include <algorithm>

namespace {
thread_local MessageLoop* currentLoop = nullptr;
}

MessageLoop::MessageLoop() : previous_(currentLoop)
{
    currentLoop = this;
}

MessageLoop::~MessageLoop()
{
    currentLoop = previous_;
}

MessageLoop* MessageLoop::Current()
{
    return currentLoop;
}

void MessageLoop::SetAccelerators(HWND window, HACCEL table)
{
    acceleratorWindow_ = window;
    accelerators_ = table;
}

bool MessageLoop::AddKeyFilter(HWND window, KeyFilter filter)
{
    if (!window || !filter) return false;
    for (const auto& entry : keyFilters_)
        if (entry.first == window) return false;
    keyFilters_.emplace_back(window, std::move(filter));
    return true;
}

void MessageLoop::RemoveKeyFilter(HWND window)
{
    keyFilters_.erase(std::remove_if(keyFilters_.begin(), keyFilters_.end(),
                                     [window](const auto& entry) { return entry.first == window; }),
                      keyFilters_.end());
}

bool MessageLoop::FilterKey(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    // A filter may make or end windows that register: it runs on a copy.
    const std::vector<std::pair<HWND, KeyFilter>> filters = keyFilters_;
    for (const auto& [window, filter] : filters) {
        if (window != message.hwnd && !IsChild(window, message.hwnd)) continue;
        if (filter(message)) return true;
    }
    return false;
}

void MessageLoop::AddDialog(HWND dialog)
{
    if (dialog && std::find(dialogs_.begin(), dialogs_.end(), dialog) == dialogs_.end()) dialogs_.push_back(dialog);
}

void MessageLoop::RemoveDialog(HWND dialog)
{
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

void MessageLoop::SetIdleStep(std::function<bool()> step)
{
    idleStep_ = std::move(step);
}

bool MessageLoop::PreTranslate(MSG& message)
{
    if (accelerators_ && acceleratorWindow_ && IsWindow(acceleratorWindow_) &&
        TranslateAcceleratorW(acceleratorWindow_, accelerators_, &message))
        return true;
    if (!message.hwnd) return false;
    if (FilterKey(message)) return true;
    // The innermost registered dialog that holds the window: a page inside
    // another registered dialog handles its own controls.
    HWND holder = nullptr;
    for (HWND dialog : dialogs_) {
        if (dialog != message.hwnd && !IsChild(dialog, message.hwnd)) continue;
        if (!holder || IsChild(holder, dialog)) holder = dialog;
    }
    return holder && IsDialogMessageW(holder, &message);
}

int MessageLoop::Run()
{
    bool idle = true;
    for (;;) {
        MSG message;
        // The queue has run empty: a wait that returns at once tells the
        // system so, and WaitForInputIdle in another process returns, even
        // though the idle work below keeps the thread busy between
        // messages. (Wine marks a process idle only when one of its threads
        // waits for messages; looking at the queue is not enough.)
        if (idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        while (idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            // A copy: the step may replace itself (a window it ends turns
            // the idle work off) while it runs.
            const std::function<bool()> step = idleStep_;
            idle = step && step();
        }
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got < 0) return -1;
        if (!PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        idle = true;
    }
}
