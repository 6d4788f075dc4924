// A window of one of our own window classes. The window procedure finds the
// object through the window's user data and hands every message to
// ProcessMessage, which a class usually implements with its message map
// (framework/MessageMap.h). A message that ProcessMessage does not answer
// is reflected to the child control it came from (framework/Reflection.h)
// and otherwise goes to DefWindowProc.
//
// Create objects as Owned<T> (framework/Owned.h): the window ends before
// the object does.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

template <class T>
class Owned;

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return window_; }

    // Registers a window class whose procedure is ours. The caller fills in
    // everything else; lpfnWndProc and cbSize are set here. Registering a
    // class that already exists counts as success.
    static bool RegisterWindowClass(WNDCLASSEXW windowClass);

    // Creates the window; the object receives WM_NCCREATE and everything
    // after. Fails (nullptr) while the object still has a window.
    HWND Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style, const RECT& rect,
                HWND parent, UINT_PTR idOrMenu, HINSTANCE instance = nullptr);
    // Destroys the window now, if it still exists.
    void Destroy();

protected:
    // Returns true with result set when the message is answered.
    virtual bool ProcessMessage(Message& message, LRESULT& result) = 0;
    // The window has had its last message (WM_NCDESTROY): Handle() is
    // nullptr again and the object may create another window.
    virtual void OnWindowDetached() {}

private:
    template <class T>
    friend class Owned;
    virtual void OwnedByMostDerivedClass() = 0;
    void EndWindow() { Destroy(); }

    // noexcept: an exception never unwinds through the system's frames; one
    // that would leave a handler stops the program at once (std::terminate).
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND window_ = nullptr;
};
