#include "framework/Window.h"

#include "framework/Dpi.h"
#include "framework/Reflection.h"

#ifndef SPI_GETDROPSHADOW
#define SPI_GETDROPSHADOW 0x1024
#endif
#ifndef CS_DROPSHADOW
#define CS_DROPSHADOW 0x00020000
#endif

namespace {

// The program's icon at the sizes for the system's DPI, as drawn (the icon
// file holds it drawn at 16 to 256 pixels); shared, so never destroyed.
HICON LoadClassIcon(HINSTANCE instance, int iconId, int widthMetric, int heightMetric)
{
    if (iconId == 0) return nullptr;
    const int dpi = SystemDpi();
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                         SystemMetricForDpi(widthMetric, dpi), SystemMetricForDpi(heightMetric, dpi),
                                         LR_DEFAULTCOLOR | LR_SHARED));
}

} // namespace

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

bool Window::RegisterClassOnce(const WindowClass& description)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, description.name, &windowClass)) return true;

    windowClass = WNDCLASSEXW{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = description.style;
    if (description.dropShadow) {
        BOOL shadows = FALSE;
        if (SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &shadows, 0) && shadows) windowClass.style |= CS_DROPSHADOW;
    }
    windowClass.lpfnWndProc = &Window::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadClassIcon(instance, description.iconId, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = LoadClassIcon(instance, description.iconId, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = description.cursor ? LoadCursorW(nullptr, description.cursor) : nullptr;
    if (description.background != WindowClass::kNoBackground)
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(description.background + 1));
    windowClass.lpszClassName = description.name;
    if (RegisterClassExW(&windowClass)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void Window::UnregisterWindowClass(const WindowClass& description)
{
    UnregisterClassW(description.name, GetModuleHandleW(nullptr));
}

HWND Window::CreateOfClass(const wchar_t* className, const WindowArguments& arguments)
{
    if (window_) return nullptr;
    const RECT& rect = arguments.rect;
    const int width = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    const int height = rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    HMENU menuOrId = arguments.menu ? arguments.menu : reinterpret_cast<HMENU>(static_cast<UINT_PTR>(arguments.id));
    return CreateWindowExW(arguments.exStyle, className, arguments.title, arguments.style, rect.left, rect.top, width,
                           height, arguments.parent, menuOrId, GetModuleHandleW(nullptr), this);
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
