// Our windows: each is a window of a class of our own, with one object per
// window. A class is built on BaseWindow<T> and declares two things, its
// window class and its message map; the base registers the window class the
// first time a window of it is made, and routes every message to the map.
//
//   class Swatch : public BaseWindow<Swatch> {
//   public:
//       HWND Create(HWND parent, const RECT& rect)
//       {
//           return BaseWindow::Create({.parent = parent, .rect = rect, .style = WS_CHILD | WS_VISIBLE});
//       }
//       static const WindowClass kWindowClass;
//       static const MessageMap<Swatch> kMessageMap;
//   private:
//       LRESULT OnPaint(Message& message);
//   };
//
//   const WindowClass Swatch::kWindowClass = {.name = L"GlimmerpatchSwatch", .background = COLOR_WINDOW};
//   const MessageMap<Swatch> Swatch::kMessageMap = {OnMessage(WM_PAINT, &Swatch::OnPaint)};
//
// A message that the map does not answer is reflected to the child control
// it came from (framework/Reflection.h) and otherwise goes to DefWindowProc.
//
// Create objects as Owned<T> (framework/Owned.h): the window ends before
// the object does.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

template <class T>
class Owned;
template <class T>
class BaseWindow;

// A window class of ours, as its windows' class declares it.
struct WindowClass {
    // The system colours start at 0 (COLOR_SCROLLBAR): no background is -1.
    static constexpr int kNoBackground = -1;

    const wchar_t* name = nullptr;
    UINT style = 0;                      // CS_ class styles
    const wchar_t* cursor = IDC_ARROW;   // a system cursor, or nullptr for none
    int background = kNoBackground;      // a system colour (COLOR_WINDOW, ...)
    int iconId = 0;                      // the program's icon resource; 0 for none
    // A drop shadow (CS_DROPSHADOW) when the system shows them, as it does at
    // the moment the class is registered.
    bool dropShadow = false;
};

// What a window is made with; name the parts that are given:
//   {.parent = frame, .id = 7, .rect = area, .style = WS_CHILD | WS_VISIBLE}
// A left (top) of CW_USEDEFAULT leaves the position and the width (height)
// to the system.
struct WindowArguments {
    HWND parent = nullptr;
    UINT id = 0;            // a child window's id
    HMENU menu = nullptr;   // a top-level window's menu, its own once it is made
    RECT rect{};
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* title = L"";
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return window_; }

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
    template <class T>
    friend class BaseWindow;
    template <class T, class Base>
    friend class RoutedToMessageMap;

    Window() = default;
    virtual void OwnedByMostDerivedClass() = 0;
    void EndWindow() { Destroy(); }

    // Registers the class unless it is registered already; false when it
    // cannot be.
    static bool RegisterClassOnce(const WindowClass& windowClass);
    static void UnregisterWindowClass(const WindowClass& windowClass);
    // Creates a window of a registered class; the object receives
    // WM_NCCREATE and everything after. Fails (nullptr) while the object
    // still has a window.
    HWND CreateOfClass(const wchar_t* className, const WindowArguments& arguments);

    // noexcept: an exception never unwinds through the system's frames; one
    // that would leave a handler stops the program at once (std::terminate).
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND window_ = nullptr;
};

template <class T>
class BaseWindow : public RoutedToMessageMap<T, Window> {
protected:
    // Makes the window, of T's class; the class is registered first when no
    // window of it has been made yet (or it was unregistered since).
    HWND Create(const WindowArguments& arguments)
    {
        if (!Window::RegisterClassOnce(T::kWindowClass)) return nullptr;
        return this->CreateOfClass(T::kWindowClass.name, arguments);
    }
    // For a class whose description may change between its windows (a drop
    // shadow that follows the system's setting): the next window registers
    // it anew. Only while no window of it exists.
    static void UnregisterWindowClass() { Window::UnregisterWindowClass(T::kWindowClass); }
};
