// Shows the bars and the preview pane in a small frame, for screenshots (not
// a test). With "menu" on the command line it opens the File menu by Alt+F
// after a moment; with "revert" the toolbar's "Revert..." drop-down.
#include <windows.h>

#include <cwchar>

#include "page/WorkingPage.h"
#include "style/Utf16.h"
#include "tests/windows/BarsTestFrame.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    std::wstring folder = std::wstring(directory) + L"glimmer-showcase";
    CreateDirectoryW(folder.c_str(), nullptr);
    SetStartupDirectory(NarrowToUtf8(folder));
    BarsTestFrame::PrepareControls();
    Owned<BarsTestFrame> frame;
    if (!frame.Create(900, 700)) return 1;
    SetForegroundWindow(frame.Handle());
    if (wcsstr(commandLine, L"menu")) SetTimer(frame.Handle(), 1, 1500, nullptr);
    if (wcsstr(commandLine, L"revert")) SetTimer(frame.Handle(), 2, 1500, nullptr);
    if (wcsstr(commandLine, L"help")) SetTimer(frame.Handle(), 3, 1500, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == frame.Handle()) {
            KillTimer(frame.Handle(), message.wParam);
            if (message.wParam == 1 || message.wParam == 3) {
                INPUT keys[4]{};
                for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
                keys[0].ki.wVk = VK_MENU;
                keys[1].ki.wVk = message.wParam == 1 ? 'F' : 'V';
                keys[2].ki.wVk = keys[1].ki.wVk;
                keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
                keys[3].ki.wVk = VK_MENU;
                keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
                SendInput(4, keys, sizeof(INPUT));
            } else {
                POINT corner = frame.toolBar.ButtonBottomLeft(ID_GP_REVERT);
                SetCursorPos(corner.x + 20, corner.y - 10);
                INPUT clicks[2]{};
                clicks[0].type = clicks[1].type = INPUT_MOUSE;
                clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
                clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
                SendInput(2, clicks, sizeof(INPUT));
            }
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (!IsWindow(frame.Handle())) break;
    }
    CoUninitialize();
    return 0;
}
