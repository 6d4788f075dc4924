/* Keeps Wine's desktop process alive between test programs.
 *
 * Wine ends its desktop process shortly after the last program that uses the
 * desktop exits, and starts a new one for the next program, which inherits
 * that program's output pipes and keeps ctest waiting for them. The test
 * wrapper starts this program once per Wine server, with no pipes, so the
 * desktop outlives every test. It ends on its own after two hours, or when
 * the Wine server is stopped. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    /* A message-only window attaches this process to the desktop. */
    HWND window = CreateWindowExW(0, L"STATIC", L"Glimmerpatch desktop keeper", 0, 0, 0, 0, 0,
                                  HWND_MESSAGE, NULL, instance, NULL);
    if (!window) return 1;
    const DWORD deadline = GetTickCount() + 2u * 60u * 60u * 1000u;
    for (;;) {
        const DWORD now = GetTickCount();
        if ((LONG)(deadline - now) <= 0) break;
        MsgWaitForMultipleObjects(0, NULL, FALSE, deadline - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return 0;
            DispatchMessageW(&message);
        }
    }
    DestroyWindow(window);
    return 0;
}
