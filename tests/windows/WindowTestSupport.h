// Helpers of the bar and preview window tests: a plain top-level host
// window, message pumping with a deadline, real input through SendInput, and
// counts of the process's window-manager and GDI objects.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace window_tests {

// Dispatches the thread's messages until done() holds or the time is up.
// Returns done()'s last answer.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                                  QS_ALLINPUT);
    }
}

// Dispatches what is queued now, without waiting.
inline void PumpPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A plain, visible top-level window whose messages can be watched.
class HostWindow {
public:
    using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

    HostWindow(const wchar_t* title, int width, int height, Handler handler = nullptr) : handler_(std::move(handler))
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &HostWindow::Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"GlimmerTestHost";
        RegisterClassExW(&windowClass);
        window_ = CreateWindowExW(0, L"GlimmerTestHost", title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                  20, 20, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    ~HostWindow()
    {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return window_; }
    void SetHandler(Handler handler) { handler_ = std::move(handler); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        HostWindow* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCCREATE) {
            self = static_cast<HostWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        if (message == WM_NCDESTROY && self) {
            self->window_ = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        }
        LRESULT result = 0;
        if (self && self->handler_ && self->handler_(window, message, wParam, lParam, result)) return result;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    Handler handler_;
    HWND window_ = nullptr;
};

// Brings the window to the front with the keyboard focus, as a click would.
inline bool MakeForeground(HWND window)
{
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
    return PumpUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

inline void SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &input, sizeof(input));
}

// Presses and releases the keys in order, then releases in reverse order
// (a chord such as {VK_MENU, 'F'}).
inline void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<WORD> pressed(keys);
    for (WORD key : pressed) SendKey(key, false);
    for (auto it = pressed.rbegin(); it != pressed.rend(); ++it) SendKey(*it, true);
}

// Moves the mouse to the screen point and clicks the left button there.
inline void ClickAt(POINT screen)
{
    INPUT inputs[3]{};
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN) > 0 ? GetSystemMetrics(SM_CXVIRTUALSCREEN) : 1280;
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN) > 0 ? GetSystemMetrics(SM_CYVIRTUALSCREEN) : 1024;
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = static_cast<LONG>((screen.x * 65535LL) / (width - 1));
    inputs[0].mi.dy = static_cast<LONG>((screen.y * 65535LL) / (height - 1));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].type = INPUT_MOUSE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

inline void MoveMouseTo(POINT screen)
{
    INPUT input{};
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN) > 0 ? GetSystemMetrics(SM_CXVIRTUALSCREEN) : 1280;
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN) > 0 ? GetSystemMetrics(SM_CYVIRTUALSCREEN) : 1024;
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL) / (width - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL) / (height - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &input, sizeof(input));
}

inline void MouseButton(bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
}

// Polls a condition from a thread that does not own the windows (the
// windows' thread keeps pumping meanwhile). Returns its last answer.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) return done();
        Sleep(10);
    }
    return true;
}

// The centre of a window's rectangle (or of a rectangle in its client
// coordinates) in screen coordinates.
inline POINT ScreenCentre(HWND window, const RECT* clientRect = nullptr)
{
    RECT rect{};
    if (clientRect) {
        rect = *clientRect;
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    } else {
        GetWindowRect(window, &rect);
    }
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Windows of this thread: top-level ones and all their descendants.
inline int CountThreadWindows()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM counter) -> BOOL {
            int& total = *reinterpret_cast<int*>(counter);
            ++total;
            EnumChildWindows(
                window, [](HWND, LPARAM inner) -> BOOL { ++*reinterpret_cast<int*>(inner); return TRUE; }, counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Live GDI objects of the process. Where GetGuiResources answers nothing
// (Wine), the process's GDI handle table is counted instead: 24-byte
// entries, 65536 of them, a used entry has a non-zero type byte at offset 14.
inline int CountGdiObjects()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported) return static_cast<int>(reported);
    const BYTE* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    if (!table) return -1;
    int count = 0;
    for (int i = 0; i < 65536; ++i)
        if (table[i * 24 + 14]) ++count;
    return count;
}

// Live window-manager objects of the process; where GetGuiResources answers
// nothing (Wine), the windows of this thread.
inline int CountUserObjects()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return reported ? static_cast<int>(reported) : CountThreadWindows();
}

// A folder under the temporary folder, removed with its files at the end.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const wchar_t* namePart)
    {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + namePart + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount64());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TemporaryFolder()
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

} // namespace window_tests
