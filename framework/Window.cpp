#include "framework/Window.h"

#include "framework/Reflection.h"

Window::~Window()
{
    // Owned<T> has destroyed the window already. Should a window still be
    // here, its last messages must not reach the parts already destroyed.
    if (window_ && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        HWND window = window_;
        window_ = nullptr;
        DestroyWindow(window);
    }
}

bool Window::RegisterWindowClass(WNDCLASSEXW windowClass)
{
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Window::WindowProcedure;
    if (!windowClass.hInstance) windowClass.hInstance = GetModuleHandleW(nullptr);
    if (RegisterClassExW(&windowClass)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Window::Create(const wchar_t* className, DWORD exStyle, const wchar_t* title, DWORD style, const RECT& rect,
                    HWND parent, UINT_PTR idOrMenu, HINSTANCE instance)
{
    if (window_) return nullptr;
    if (!instance) instance = GetModuleHandleW(nullptr);
    return CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(idOrMenu), instance, this);
}

void Window::Destroy()
{
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

LRESULT CALLBACK Window::WindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    Window* self = reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (!self && message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->window_ = handle;
            SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcW(handle, message, wParam, lParam);

    // Nothing below may touch `self` after the handlers ran, except on
    // WM_NCDESTROY: a handler may have ended the object's owner.
    Message current{message, wParam, lParam, false};
    LRESULT result = 0;
    bool answered = self->ProcessMessage(current, result);
    if (!answered) answered = ReflectToChild(handle, message, wParam, lParam, result);
    if (!answered) result = DefWindowProcW(handle, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->OnWindowDetached();
    }
    return result;
}
