#include "framework/SubclassedWindow.h"

namespace {
const wchar_t kObjectProperty[] = L"Glimmerpatch.SubclassedWindow";
}

SubclassedWindow::~SubclassedWindow()
{
    Unsubclass();
}

bool SubclassedWindow::Subclass(HWND window)
{
    if (window_ || !IsWindow(window) || GetPropW(window, kObjectProperty)) return false;
    if (!SetPropW(window, kObjectProperty, this)) return false;
    window_ = window;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedWindow::SubclassProcedure)));
    if (!original_) {
        RemovePropW(window, kObjectProperty);
        window_ = nullptr;
        return false;
    }
    return true;
}

void SubclassedWindow::Unsubclass()
{
    if (!window_) return;
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropW(window_, kObjectProperty);
    }
    window_ = nullptr;
    original_ = nullptr;
}

LRESULT SubclassedWindow::CallOriginalProcedure(const Message& message)
{
    return CallWindowProcW(original_, window_, message.message, message.wParam, message.lParam);
}

LRESULT CALLBACK SubclassedWindow::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SubclassedWindow* self = static_cast<SubclassedWindow*>(GetPropW(window, kObjectProperty));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);

    Message current{message, wParam, lParam, false};
    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        // The control's last message: hand the window back before it goes.
        WNDPROC original = self->original_;
        self->Unsubclass();
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    if (self->ProcessMessage(current, result)) return result;
    return self->CallOriginalProcedure(current);
}
