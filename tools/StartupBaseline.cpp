// The yardstick for Glimmerpatch's start-up time: a program built the same
// way (same compiler, flags, static runtime, manifest) that starts the
// component runtime and the common controls, opens one top-level window
// with one modeless dialog in it, and runs a message loop. Not a test: the
// program benchmark starts it and waits for its first idle moment.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <vector>

namespace {

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(1);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// A child dialog with one check box and one edit, in dialog units.
std::vector<WORD> DialogTemplate()
{
    std::vector<WORD> words;
    auto put32 = [&](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    auto text = [&](const wchar_t* value) {
        do words.push_back(*value); while (*value++);
    };
    auto align = [&] {
        if (words.size() % 2) words.push_back(0);
    };
    put32(DS_SETFONT | DS_CONTROL | WS_CHILD | WS_VISIBLE);
    put32(0);
    words.push_back(2);
    words.insert(words.end(), {0, 0, 200, 60});
    words.push_back(0); // no menu
    words.push_back(0); // default class
    text(L"");
    words.push_back(8);
    text(L"MS Shell Dlg");
    struct Item { DWORD style; WORD atom; const wchar_t* title; short x, y, cx, cy; WORD id; };
    const Item items[] = {
        {WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0x0080, L"Check", 7, 7, 80, 10, 100},
        {WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0x0081, L"12", 7, 22, 80, 12, 101},
    };
    for (const Item& item : items) {
        align();
        put32(item.style);
        put32(0);
        words.insert(words.end(), {static_cast<WORD>(item.x), static_cast<WORD>(item.y),
                                   static_cast<WORD>(item.cx), static_cast<WORD>(item.cy), item.id});
        words.push_back(0xFFFF);
        words.push_back(item.atom);
        text(item.title);
        words.push_back(0);
    }
    return words;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = FrameProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"StartupBaselineFrame";
    RegisterClassExW(&windowClass);
    HWND frame = CreateWindowExW(0, windowClass.lpszClassName, L"Startup baseline", WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                 instance, nullptr);
    if (!frame) return 0;
    const std::vector<WORD> dialogTemplate = DialogTemplate();
    HWND dialog = CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                             frame, DialogProcedure, 0);
    ShowWindow(frame, show);
    UpdateWindow(frame);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (dialog && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return static_cast<int>(message.wParam);
}
