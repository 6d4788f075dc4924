#include "framework/SubclassedWindow.h"

#include <commctrl.h>

namespace {
// One id for all our subclasses: a window is held by one object at a time,
// which the property marks.
constexpr UINT_PTR kSubclassId = 0x476C6D72;
const wchar_t kHeldProperty[] = L"Glimmerpatch.SubclassedWindow";
} // namespace

SubclassedWindow::~SubclassedWindow()
{
    // Owned<T> has detached already; this only covers a stray window.
    if (window_ && IsWindow(window_)) {
        RemoveWindowSubclass(window_, &SubclassedWindow::SubclassProcedure, kSubclassId);
        RemovePropW(window_, kHeldProperty);
    }
    window_ = nullptr;
}

bool SubclassedWindow::Subclass(HWND window)
{
    if (window_ || !IsWindow(window) || GetPropW(window, kHeldProperty)) return false;
    if (!SetPropW(window, kHeldProperty, this)) return false;
    if (!SetWindowSubclass(window, &SubclassedWindow::SubclassProcedure, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropW(window, kHeldProperty);
        return false;
    }
    window_ = window;
    return true;
}

void SubclassedWindow::Detach()
{
    if (!window_) return;
    HWND window = window_;
    window_ = nullptr;
    if (IsWindow(window)) {
        RemoveWindowSubclass(window, &SubclassedWindow::SubclassProcedure, kSubclassId);
        RemovePropW(window, kHeldProperty);
    }
    OnWindowDetached();
}

LRESULT SubclassedWindow::CallOriginalProcedure(const Message& message)
{
    return DefSubclassProc(window_, message.message, message.wParam, message.lParam);
}

LRESULT CALLBACK SubclassedWindow::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                     UINT_PTR, DWORD_PTR data) noexcept
{
    SubclassedWindow* self = reinterpret_cast<SubclassedWindow*>(data);
    if (!self || self->window_ != window) return DefSubclassProc(window, message, wParam, lParam);

    Message current{message, wParam, lParam, false};
    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        // The control's last message: the object sees it and lets go of the
        // control, then the rest of the chain sees it too.
        self->ProcessMessage(current, result);
        self->Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    // Nothing below may touch `self` after the handler ran: it may have
    // ended the object's owner.
    if (self->ProcessMessage(current, result)) return result;
    return DefSubclassProc(window, message, wParam, lParam);
}
