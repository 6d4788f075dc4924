// Glimmerpatch's entry: the component runtime in a single-threaded
// apartment, the common controls, then the main frame and the message loop
// of the one thread (each window class registers itself when its first
// window is made). A normal run ends
// with exit code 1 (the main frame posts it when it is destroyed); 0 means
// that the main frame could not be created.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/MainFrame.h"
#include "framework/MessageLoop.h"
#include "framework/Owned.h"
#include "framework/SystemLibraries.h"

namespace {

int RunMainFrame(int show)
{
    MessageLoop loop;
    Owned<MainFrame> frame;
    if (!frame.Create()) return 0;
    ShowWindow(frame.Handle(), show);
    UpdateWindow(frame.Handle());
    return loop.Run();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    // Libraries from the system folder only, before anything loads one.
    UseSystemFolderForLibraries();

    // The browser control needs a single-threaded apartment; the bars and
    // spin boxes need their common-control classes registered.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // Every window is gone by the time the loop returns.
    const int exitCode = RunMainFrame(show);

    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
