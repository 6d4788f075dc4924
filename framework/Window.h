// A window of one of our own window classes. The object lives at least as
// long as its window; the window procedure finds it through the window's
// user data and hands every message to ProcessMessage, which a class
// usually implements with its message map (framework/MessageMap.h).
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

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

    // Creates the window; the object receives WM_NCCREATE and everything after.
    HWND Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style, const RECT& rect,
                HWND parent, UINT_PTR idOrMenu, HINSTANCE instance = nullptr);
    void Destroy();

protected:
    // Returns true with result set when the message is answered.
    virtual bool ProcessMessage(Message& message, LRESULT& result) = 0;
    // Called after WM_NCDESTROY, when the handle is no longer valid.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
