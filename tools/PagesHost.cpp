// The pages host: the tab strip with all sixteen section pages, made by the
// code the main frame uses, in a window of its own, for looking at the pages
// and trying them by hand. It writes its working page into a folder of its
// own under the temporary folder and counts the WM_APP+1 it receives (shown
// in its title). Not a test.
//
//   PagesHost.exe [--page N] [--position P] [--size WIDTH HEIGHT]
//                 [--focus-strip] [--high-contrast]
//
// --page selects tab N (0-based); --position scrolls that page to P pixels
// through SB_THUMBPOSITION, as the scroll bar's thumb would; --focus-strip
// gives the tab strip the keyboard focus as F6 would, with the focus cues
// shown; --high-contrast shows everything in a high-contrast scheme (put
// back when the host ends; under Wine the whole session shows it meanwhile).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "framework/MessageLoop.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "style/StyleDocument.h"
#include "tests/windows/HighContrastColors.h"
#include "tests/windows/PagesHostWindow.h"

#include <cstdlib>
#include <cwchar>
#include <memory>
#include <string>

namespace {

class CountingHost : public PagesHostWindow {
protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        const bool answered = PagesHostWindow::ProcessMessage(message, result);
        if (message.message == WM_APP + 1) {
            const std::wstring title = L"Glimmerpatch pages host (" + std::to_wstring(refreshes) + L" refreshes)";
            SetWindowTextW(Handle(), title.c_str());
        }
        if (message.message == WM_DESTROY) PostQuitMessage(0);
        return answered;
    }
};

std::string OwnFolder()
{
    wchar_t temporary[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary) + L"glimmerpatch-pages-host-" +
                                std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return NarrowToUtf8(folder);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int page = 0, position = -1, width = 1000, height = 260;
    bool focusStrip = false, highContrast = false;
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--page" && i + 1 < argc) page = _wtoi(argv[++i]);
        else if (option == L"--position" && i + 1 < argc) position = _wtoi(argv[++i]);
        else if (option == L"--focus-strip") focusStrip = true;
        else if (option == L"--high-contrast") highContrast = true;
        else if (option == L"--size" && i + 2 < argc) {
            width = _wtoi(argv[++i]);
            height = _wtoi(argv[++i]);
        }
    }
    LocalFree(argv);

    InitCommonControls();
    std::unique_ptr<HighContrastColors> scheme(highContrast ? new HighContrastColors : nullptr);
    SetStartupDirectory(OwnFolder());
    WriteWorkingPage();

    MessageLoop loop;
    Owned<CountingHost> host;
    if (!host.Create(width, height, true)) return 1;
    host.container.Strip().SelectTab(page);
    RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (sections::SectionPage* shown = host.pages.Page(page); shown && position >= 0) {
        // Let the page take its place first (WM_APP+2 sets the page size).
        MSG pending;
        while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);
        SendMessageW(shown->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    }

    if (focusStrip) {
        SetForegroundWindow(host.Handle());
        SetFocus(host.container.Strip().Handle());
        SendMessageW(host.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    return loop.Run();
}
