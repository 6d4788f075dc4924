// Glimmerpatch's entry: OLE (the component runtime in a single-threaded
// apartment, and what the hosted browser control needs besides), the
// preview's document mode, the common controls, then the main frame and the
// message loop of the one thread (each window class registers itself when
// its first window is made). A normal run ends
// with exit code 1 (the main frame posts it when it is destroyed); 0 means
// that the main frame could not be created.
#include <windows.h>
#include <commctrl.h>

#include "app/MainFrame.h"
#include "framework/ControlHost.h"
#include "framework/MessageLoop.h"
#include "framework/Owned.h"
#include "framework/SystemLibraries.h"
#include "page/PreviewView.h"

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

    // The browser control is activated in place and takes part in drag and
    // drop and the clipboard: OLE, for as long as the thread has windows.
    // Where OLE cannot be had no control is made, and the preview says so.
    const OleSession ole;
    // Before the first browser control: the document mode for this program.
    PreviewView::UseCurrentDocumentMode(L"Glimmerpatch.exe");
    // The bars and spin boxes need their common-control classes registered.
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // Every window is gone by the time the loop returns, before OLE ends.
    return RunMainFrame(show);
}
