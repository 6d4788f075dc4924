// The main frame with its client area 900 x 620 at 96 DPI, scaled to the
// DPI it works at, every page made; then moved to displays of the DPIs on
// the command line one after the other, as Windows tells a moved window
// (tests/windows/DpiMoveReplay.h), and left open until it is closed: for
// screenshots beside a start at the last DPI (GLIMMER_DPI=144 with no DPIs
// given). Not a test. Its working page goes to a folder of its own under the
// temporary folder.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cwchar>
#include <cwctype>

#include "app/MainFrame.h"
#include "framework/MessageLoop.h"
#include "framework/Owned.h"
#include "tests/windows/DpiMoveReplay.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t temporary[MAX_PATH];
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary) + L"glimmer-moves";
    CreateDirectoryW(folder.c_str(), nullptr);
    SetCurrentDirectoryW(folder.c_str());

    MessageLoop loop;
    Owned<MainFrame> frame;
    if (!frame.Create()) return 1;
    auto clientAt = [](int dpi) { return SIZE{ScaleForDpi(900, dpi), ScaleForDpi(620, dpi)}; };
    const RECT start = dpi_move::AroundClient(frame.Handle(), clientAt(WindowDpi(frame.Handle())));
    SetWindowPos(frame.Handle(), nullptr, 0, 0, start.right - start.left, start.bottom - start.top, SWP_NOZORDER);
    ShowWindow(frame.Handle(), SW_SHOWNORMAL);
    while (frame.Pages().MakeNextPage()) {
    }
    for (const wchar_t* at = commandLine; *at;) {
        wchar_t* end = nullptr;
        const long dpi = std::wcstol(at, &end, 10);
        if (end == at) {
            ++at;
            continue;
        }
        at = end;
        dpi_move::Replay(frame.Handle(), static_cast<int>(dpi), dpi_move::AroundClient(frame.Handle(), clientAt(dpi)));
    }
    const int code = loop.Run();
    CoUninitialize();
    return code;
}
