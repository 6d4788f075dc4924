// What the window tests share: a plain top-level host window, message pumps
// that end, one way to wait for a condition, real input through SendInput,
// counts of a process's window-manager and GDI objects, and a temporary
// folder with wide paths, and reading windows as a screen reader does. The
// end-to-end tests add ProgramDriver.h on top.
#pragma once

#include <windows.h>
#include <oleacc.h>
#include <winternl.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "style/Utf16.h"
#include "tests/native/TestSupport.h"

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

// Dispatches what is queued now, without waiting. A window that keeps
// posting to itself would keep this loop going for ever: past the cap the
// test fails and the loop ends.
inline void PumpPending(int cap = 10000)
{
    MSG message;
    for (int handled = 0; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (handled == cap) {
            ADD_FAILURE() << "messages kept coming: " << cap << " dispatched, message 0x" << std::hex
                          << message.message << " still queued";
            return;
        }
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
    switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_INSERT: case VK_DELETE:
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        break;
    default:
        break;
    }
    SendInput(1, &input, sizeof(input));
}

// Presses the keys in order and releases them in reverse ({VK_CONTROL, 'C'}).
inline void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<WORD> pressed(keys);
    for (WORD key : pressed) SendKey(key, false);
    for (auto it = pressed.rbegin(); it != pressed.rend(); ++it) SendKey(*it, true);
}

inline void MoveMouseTo(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input{};
    const int width = std::max(2, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const int height = std::max(2, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL) / (width - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL) / (height - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &input, sizeof(input));
}

// Moves the mouse to the screen point and clicks the left button there.
inline void ClickAt(POINT screen)
{
    MoveMouseTo(screen);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

inline void MouseButton(bool down)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
}

// Polls a condition every 10 ms until it holds or the time is up; returns
// its last answer. For conditions that another thread or process makes true
// (this thread's own windows need PumpUntil).
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000)
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

// Windows of a process: top-level, message-only and all their descendants.
inline int CountProcessWindows(DWORD process)
{
    struct Search {
        DWORD process;
        int count;
    } search{process, 0};
    auto countTree = [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s.process) return TRUE;
        ++s.count;
        EnumChildWindows(
            window, [](HWND, LPARAM inner) -> BOOL { ++reinterpret_cast<Search*>(inner)->count; return TRUE; }, data);
        return TRUE;
    };
    EnumWindows(countTree, reinterpret_cast<LPARAM>(&search));
    // Message-only windows are not top-level windows for EnumWindows.
    for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;)
        countTree(window, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

// Live GDI objects of a process. Where GetGuiResources answers nothing
// (Wine), the process's GDI handle table is counted instead, read through its
// process environment block: 65536 entries of 24 bytes, a used one with a
// non-zero type byte at offset 14. -1 when neither can be read.
inline int CountGdiObjects(HANDLE process = GetCurrentProcess())
{
    const DWORD reported = GetGuiResources(process, GR_GDIOBJECTS);
    if (reported) return static_cast<int>(reported);
    using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) return -1;
    std::uintptr_t table = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8, &table, sizeof(table),
                           nullptr) ||
        !table)
        return -1;
    std::vector<BYTE> entries(65536 * 24);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr))
        return -1;
    int count = 0;
    for (size_t i = 0; i < 65536; ++i)
        if (entries[i * 24 + 14]) ++count;
    return count;
}

// Live window-manager objects of a process; where GetGuiResources answers
// nothing (Wine), its windows.
inline int CountUserObjects(HANDLE process = GetCurrentProcess())
{
    const DWORD reported = GetGuiResources(process, GR_USEROBJECTS);
    return reported ? static_cast<int>(reported) : CountProcessWindows(GetProcessId(process));
}

// A bitmap's pixels as 0xRRGGBB, top row first, read the same way for every
// kind of bitmap; its size goes into `size`. Empty for no bitmap.
inline std::vector<std::uint32_t> BitmapPixels(HBITMAP bitmap, SIZE& size)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {};
    size = SIZE{info.bmWidth, info.bmHeight};
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

// The pixels of a window's client area as drawn now (painted first), row by
// row from the top, 0x00RRGGBB each.
inline std::vector<DWORD> ClientPixels(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(window, &client);
    std::vector<DWORD> pixels(static_cast<size_t>(client.right) * static_cast<size_t>(client.bottom));
    if (pixels.empty()) return pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(client.bottom), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

// A window's accessible object, as a screen reader gets it (oleacc).
inline Microsoft::WRL::ComPtr<IAccessible> AccessibleOf(HWND window, LONG objectId = OBJID_CLIENT)
{
    Microsoft::WRL::ComPtr<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), __uuidof(IAccessible),
                               reinterpret_cast<void**>(object.GetAddressOf()));
    return object;
}

inline VARIANT ChildId(long id)
{
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// What a screen reader says of an object or one of its elements.
struct Spoken {
    std::wstring name, value;
    long role = 0, state = 0;
};

inline Spoken Speak(IAccessible* object, long id)
{
    Spoken spoken;
    VARIANT number{};
    for (auto [get, text] :
         {std::pair{&IAccessible::get_accName, &spoken.name}, {&IAccessible::get_accValue, &spoken.value}}) {
        BSTR got = nullptr;
        if (object && (object->*get)(ChildId(id), &got) == S_OK && got) *text = got;
        SysFreeString(got);
    }
    if (object && object->get_accRole(ChildId(id), &number) == S_OK && number.vt == VT_I4) spoken.role = number.lVal;
    if (object && object->get_accState(ChildId(id), &number) == S_OK && number.vt == VT_I4) spoken.state = number.lVal;
    return spoken;
}

inline long ChildCount(IAccessible* object)
{
    long count = -1;
    if (object) object->get_accChildCount(&count);
    return count;
}

// A title without the blanks around it, as the strip's tabs are named.
inline std::wstring Trimmed(std::wstring text)
{
    text.erase(text.find_last_not_of(L' ') + 1);
    return text.erase(0, text.find_first_not_of(L' '));
}

// The events of a process's client areas that screen readers hear while
// the recorder lives (out of context: pump this thread to receive them).
class EventRecorder {
public:
    using Event = std::tuple<DWORD, HWND, long>; // event, window, child
    explicit EventRecorder(DWORD process = GetCurrentProcessId())
        : hook_(SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Hear, process, 0,
                                WINEVENT_OUTOFCONTEXT))
    {
        heard_ = &events;
    }
    ~EventRecorder() { UnhookWinEvent(hook_), heard_ = nullptr; }
    bool Heard(DWORD event, HWND window, long child) const
    {
        return std::find(events.begin(), events.end(), Event{event, window, child}) != events.end();
    }
    std::vector<Event> events;

private:
    static void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
    {
        if (heard_ && object == OBJID_CLIENT) heard_->emplace_back(event, window, child);
    }
    static inline std::vector<Event>* heard_ = nullptr;
    HWINEVENTHOOK hook_;
};

// The unit tests' temporary folder (tests/native/TestSupport.h), removed
// with everything in it, with the wide paths that the Win32 calls take.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const wchar_t* namePart)
        : folder_(NarrowToUtf8(namePart)), path_(WidenUtf8(folder_.Path()))
    {
    }
    const std::wstring& Path() const { return path_; }
    std::wstring File(const wchar_t* name) const { return path_ + L"\\" + name; }

private:
    testing_support::TemporaryFolder folder_;
    std::wstring path_;
};

} // namespace window_tests
