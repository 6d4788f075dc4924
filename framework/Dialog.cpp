#include "framework/Dialog.h"

#include "framework/DialogInSteps.h"
#include "framework/MessageLoop.h"
#include "framework/Reflection.h"

namespace {

// Messages whose answer a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool ReturnsAnswerDirectly(UINT message)
{
    if (IsControlColorMessage(message)) return true;
    switch (message) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

HINSTANCE OrModule(HINSTANCE instance)
{
    return instance ? instance : GetModuleHandleW(nullptr);
}

} // namespace

Dialog::~Dialog()
{
    // Owned<T> has destroyed the window already. Should a window still be
    // here, its last messages must not reach the parts already destroyed.
    if (window_ && IsWindow(window_)) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        HWND window = window_;
        window_ = nullptr;
        if (MessageLoop* loop = MessageLoop::Current()) loop->RemoveDialog(window);
        DestroyWindow(window);
    }
}

void Dialog::EndWindow()
{
    // Also a modal dialog is destroyed at once: its object is going away,
    // and the dialog manager's loop ends when the window is gone.
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

HWND Dialog::CreateModeless(HWND parent, UINT templateId, HINSTANCE instance)
{
    if (window_) return nullptr;
    modal_ = false;
    return CreateDialogParamW(OrModule(instance), MAKEINTRESOURCEW(templateId), parent, &Dialog::DialogProcedure,
                              reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND parent, const DLGTEMPLATE* dialogTemplate, HINSTANCE instance)
{
    if (window_) return nullptr;
    modal_ = false;
    return CreateDialogIndirectParamW(OrModule(instance), dialogTemplate, parent, &Dialog::DialogProcedure,
                                      reinterpret_cast<LPARAM>(this));
}

// The object is the window's from the start: what the window receives
// before its WM_INITDIALOG reaches the class as well.
HWND Dialog::CreateModeless(HWND parent, DialogInSteps& steps)
{
    if (window_) return nullptr;
    modal_ = false;
    HWND window = steps.CreateShell(parent, &Dialog::DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window) {
        window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    }
    return window;
}

INT_PTR Dialog::RunModal(HWND parent, UINT templateId, HINSTANCE instance)
{
    if (window_) return -1;
    modal_ = true;
    return DialogBoxParamW(OrModule(instance), MAKEINTRESOURCEW(templateId), parent, &Dialog::DialogProcedure,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(HWND parent, const DLGTEMPLATE* dialogTemplate, HINSTANCE instance)
{
    if (window_) return -1;
    modal_ = true;
    return DialogBoxIndirectParamW(OrModule(instance), dialogTemplate, parent, &Dialog::DialogProcedure,
                                   reinterpret_cast<LPARAM>(this));
}

void Dialog::EndModal(INT_PTR result)
{
    if (window_ && modal_) EndDialog(window_, result);
}

void Dialog::Destroy()
{
    if (!window_ || !IsWindow(window_)) return;
    if (modal_)
        EndDialog(window_, IDCANCEL);
    else
        DestroyWindow(window_);
}

INT_PTR CALLBACK Dialog::DialogProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    Dialog* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(handle, DWLP_USER));
    if (!self && message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        if (self) {
            self->window_ = handle;
            SetWindowLongPtrW(handle, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return FALSE;
    if (message == WM_INITDIALOG && !self->modal_) {
        if (MessageLoop* loop = MessageLoop::Current()) loop->AddDialog(handle);
    }

    // Nothing below may touch `self` after the handlers ran, except on
    // WM_NCDESTROY: a handler may have ended the object's owner.
    Message current{message, wParam, lParam, false};
    LRESULT result = 0;
    bool answered = self->ProcessMessage(current, result);
    if (!answered) answered = ReflectToChild(handle, message, wParam, lParam, result);

    if (message == WM_NCDESTROY) {
        if (MessageLoop* loop = MessageLoop::Current()) loop->RemoveDialog(handle);
        SetWindowLongPtrW(handle, DWLP_USER, 0);
        self->window_ = nullptr;
        self->OnWindowDetached();
        return FALSE;
    }
    if (!answered) return FALSE;
    if (ReturnsAnswerDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(handle, DWLP_MSGRESULT, result);
    return TRUE;
}
