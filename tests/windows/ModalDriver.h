// Drives the modal dialogs and message boxes that the code under test opens
// on the test's own thread, the way a user would: a thread timer runs the
// steps of a script in order inside whatever modal loop is running, each
// step retried on every tick until it reports done. WM_TIMER comes only when
// no posted message waits, so input that a step posts (keys, clicks) has
// been handled by the time the next step looks. Steps post rather than send
// anything that opens another modal loop.
//
// A script that is not done within its deadline records which step hung and
// ends every dialog of the thread, so a test fails instead of hanging.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace modal_driver {

// Visible top-level dialogs (class "#32770") of this thread, newest first as
// the window manager orders them.
inline std::vector<HWND> ThreadDialogs()
{
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// The enabled dialog of this thread whose title is title (the innermost
// modal one: its owners are disabled), or nullptr.
inline HWND FindDialog(const std::wstring& title)
{
    for (HWND dialog : ThreadDialogs())
        if (IsWindowEnabled(dialog) && TextOf(dialog) == title) return dialog;
    return nullptr;
}

// The text of a message box: its static control that holds text.
inline std::wstring MessageText(HWND box)
{
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextLengthW(child) > 0) text = TextOf(child);
    }
    return text;
}

// A click on a dialog's button, as the dialog manager would send it after
// a real one.
inline void Click(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A key pressed and released on the window that has the focus in dialog.
inline void PressKey(HWND dialog, UINT key)
{
    HWND target = GetFocus();
    if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

class Script {
public:
    using Step = std::function<bool()>;

    explicit Script(DWORD deadlineMs = 60000) : deadline_(deadlineMs) {}
    ~Script() { Stop(); }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    Script& Then(std::string name, Step step)
    {
        steps_.push_back({std::move(name), std::move(step), false});
        return *this;
    }

    // A step that only answers what may come (a question that appears in
    // some cases): the script counts as done without it when the code under
    // test has already returned.
    Script& ThenMaybe(std::string name, Step step)
    {
        steps_.push_back({std::move(name), std::move(step), true});
        return *this;
    }

    void Start()
    {
        current_ = this;
        next_ = 0;
        started_ = GetTickCount();
        timer_ = SetTimer(nullptr, 0, 15, &Script::OnTimer);
    }

    void Stop()
    {
        if (timer_) KillTimer(nullptr, timer_);
        timer_ = 0;
        if (current_ == this) current_ = nullptr;
    }

    bool Done() const
    {
        for (std::size_t i = next_; i < steps_.size(); ++i)
            if (!steps_[i].optional) return false;
        return true;
    }
    // Empty, or the name of the step that did not finish in time.
    const std::string& Failure() const { return failure_; }
    // Steps not run when the script stopped, for messages.
    std::string Pending() const { return next_ < steps_.size() ? steps_[next_].name : std::string(); }

private:
    struct Entry {
        std::string name;
        Step step;
        bool optional;
    };

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        Script* self = current_;
        if (!self || self->busy_) return;
        self->busy_ = true;
        self->Tick();
        self->busy_ = false;
    }

    void Tick()
    {
        // One step per tick, so that what a step posted is handled before
        // the next one looks.
        if (next_ < steps_.size() && steps_[next_].step()) ++next_;
        if (next_ == steps_.size()) {
            Stop();
            return;
        }
        if (GetTickCount() - started_ > deadline_) {
            failure_ = steps_[next_].name;
            Stop();
            for (HWND dialog : ThreadDialogs()) EndDialog(dialog, 0);
        }
    }

    std::vector<Entry> steps_;
    std::size_t next_ = 0;
    DWORD deadline_;
    DWORD started_ = 0;
    UINT_PTR timer_ = 0;
    bool busy_ = false;
    std::string failure_;
    static inline Script* current_ = nullptr;
};

// Counts the top-level dialogs (class "#32770": dialogs, message boxes,
// file dialogs) created on this thread while it lives.
class DialogCounter {
public:
    DialogCounter()
    {
        instance_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &DialogCounter::OnCbt, nullptr, GetCurrentThreadId());
    }
    ~DialogCounter()
    {
        if (hook_) UnhookWindowsHookEx(hook_);
        instance_ = nullptr;
    }
    DialogCounter(const DialogCounter&) = delete;
    DialogCounter& operator=(const DialogCounter&) = delete;

    int Count() const { return count_; }
    bool Hooked() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && instance_) {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
            const LPCWSTR name = create->lpcs->lpszClass;
            // The dialog class is the atom 32770; child dialogs inside a
            // dialog (pages of the file dialogs) do not count.
            if ((create->lpcs->style & WS_CHILD) == 0 &&
                (IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) == 32770 : lstrcmpW(name, L"#32770") == 0))
                ++instance_->count_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_ = nullptr;
    int count_ = 0;
    static inline DialogCounter* instance_ = nullptr;
};

} // namespace modal_driver
