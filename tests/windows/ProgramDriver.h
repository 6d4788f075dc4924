// Driving the real Glimmerpatch.exe from another process, as a user would:
// start it in a folder of its own, find its windows, click and type with
// real input (SendInput), read what it wrote, and read its state where a
// window message can tell it. Used by the end-to-end test and the
// program benchmarks.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sections/SectionCatalogue.h"
#include "tests/windows/WindowTestSupport.h"

namespace program_driver {

using namespace window_tests;

inline std::wstring FolderOfThisProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path);
    return text.substr(0, text.find_last_of(L'\\'));
}

// The program beside the tests in the build tree: <build>/app/Glimmerpatch.exe,
// the tests being in <build>/tests/windows.
inline std::wstring GlimmerpatchPath()
{
    return FolderOfThisProgram() + L"\\..\\..\\app\\Glimmerpatch.exe";
}

// A Unix path as Wine's drive Z: shows it.
inline std::wstring FromUnixPath(const std::string& path)
{
    std::wstring result = L"Z:";
    for (char c : path) result += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return result;
}

inline bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::string ReadBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

inline std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    // WM_GETTEXT is carried across processes by the system.
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

inline DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Top-level windows of a process, optionally of one class.
inline std::vector<HWND> TopLevelWindows(DWORD process, const wchar_t* className = nullptr)
{
    struct Search {
        DWORD process;
        const wchar_t* className;
        std::vector<HWND> found;
    } search{process, className, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (ProcessOf(window) == s.process && (!s.className || ClassOf(window) == s.className))
                s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Direct children in z-order (the order in which siblings were created).
inline std::vector<HWND> Children(HWND parent, const wchar_t* className = nullptr)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!className || ClassOf(child) == className) found.push_back(child);
    return found;
}

// The first descendant of a class, depth first.
inline HWND FindDescendant(HWND parent, const wchar_t* className)
{
    for (HWND child : Children(parent)) {
        if (ClassOf(child) == className) return child;
        if (HWND inner = FindDescendant(child, className)) return inner;
    }
    return nullptr;
}

inline RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

inline int Height(const RECT& rect) { return rect.bottom - rect.top; }
inline int Width(const RECT& rect) { return rect.right - rect.left; }
inline POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Memory inside another process, for the messages that carry a pointer
// (the system does not carry those across processes).
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size) : process_(process), size_(size)
    {
        address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    bool Write(const void* data, size_t size) const
    {
        return address_ && WriteProcessMemory(process_, address_, data, std::min(size, size_), nullptr);
    }
    bool Read(void* data, size_t size) const
    {
        return address_ && ReadProcessMemory(process_, address_, data, std::min(size, size_), nullptr);
    }

private:
    HANDLE process_;
    size_t size_;
    void* address_ = nullptr;
};

inline std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

inline bool SetClipboardText(const std::wstring& text)
{
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool done = false;
    if (memory) {
        wchar_t* locked = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.c_str(), text.c_str() + text.size() + 1, locked);
        GlobalUnlock(memory);
        done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!done) GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}

// The running program: started in a folder, its main frame, its exit code.
class Program {
public:
    Program() = default;
    ~Program() { Kill(); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program with the folder as its current directory.
    bool Start(const std::wstring& folder, const std::wstring& program = GlimmerpatchPath())
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + program + L"\"";
        if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &info_))
            return false;
        return true;
    }

    // Waits for a top-level window of the class to be visible.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 60000) const
    {
        HWND found = nullptr;
        WaitFor(
            [&] {
                for (HWND window : TopLevelWindows(info_.dwProcessId, className))
                    if (IsWindowVisible(window)) found = window;
                return found != nullptr || HasEnded();
            },
            timeoutMs);
        return found;
    }

    HWND WaitForMainFrame(DWORD timeoutMs = 60000) const { return WaitForWindow(L"GlimmerpatchMainFrame", timeoutMs); }

    // A message box of the program: a dialog of the system's dialog class.
    HWND WaitForMessageBox(DWORD timeoutMs = 20000) const { return WaitForWindow(L"#32770", timeoutMs); }

    bool HasEnded() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }

    // The exit code once the process has ended, or STILL_ACTIVE after the time.
    DWORD WaitForExit(DWORD timeoutMs = 30000) const
    {
        if (!info_.hProcess) return STILL_ACTIVE;
        WaitForSingleObject(info_.hProcess, timeoutMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

    void Kill()
    {
        if (!info_.hProcess) return;
        if (!HasEnded()) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
        info_ = PROCESS_INFORMATION{};
    }

    HANDLE Process() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// The section pages a main frame has finished: the dialogs in its tab
// container that have their titles. A page takes its title when it is
// initialised, once all its controls exist, whether it was made at once or
// over several idle moments. The titles are read as the system keeps them,
// without a message to the program, which would wait for it and slow it.
inline int SectionPagesMade(HWND frame)
{
    HWND tabs = frame ? FindDescendant(frame, L"GlimmerpatchTabContainer") : nullptr;
    int made = 0;
    for (HWND page : tabs ? Children(tabs, L"#32770") : std::vector<HWND>()) {
        wchar_t title[2] = {};
        if (InternalGetWindowText(page, title, 2) > 0) ++made;
    }
    return made;
}

// The program takes input and reports idle long before it has made all its
// section pages. Waits until it has, and until the step of its message loop
// that finished the last one has returned (a message sent to the frame is
// answered only then). False when that does not happen within the time.
inline bool WaitForSectionPages(HWND frame, DWORD timeoutMs = 60000)
{
    if (!WaitFor([&] { return SectionPagesMade(frame) >= sections::kSectionPageCount || !IsWindow(frame); },
                 timeoutMs))
        return false;
    DWORD_PTR answer = 0;
    return IsWindow(frame) && SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer) != 0;
}

// The texts of a message box: its static texts and its button texts.
inline std::vector<std::wstring> DialogTexts(HWND dialog, const wchar_t* className)
{
    std::vector<std::wstring> texts;
    for (HWND child : Children(dialog, className)) {
        const std::wstring text = TextOf(child);
        if (!text.empty()) texts.push_back(text);
    }
    return texts;
}

// Clicks a message box's button by its id, where the user would.
inline bool ClickDialogButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    ClickAt(Centre(WindowRect(button)));
    return true;
}

// Private bytes; where the system leaves them out for another process
// (Wine), its page-file usage, which counts the same committed memory.
inline SIZE_T PrivateBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return 0;
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

inline SIZE_T WorkingSetBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(process, &counters, sizeof(counters)) ? counters.WorkingSetSize : 0;
}

} // namespace program_driver
