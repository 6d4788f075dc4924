// Shows the code view or the About dialog on a fresh working page, for
// looking at them (screenshots under Xvfb). Argument: "code" or "about".
// The program ends by itself after 30 seconds.
#include <windows.h>

#include <string>

#include "framework/Owned.h"
#include "app/AboutDialog.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "style/CodeView.h"
#include "style/StyleDocument.h"

namespace {

void CALLBACK Quit(HWND, UINT, UINT_PTR, DWORD)
{
    ExitProcess(0);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring start = folder;
    start += L"glimmerpatch-showcase";
    CreateDirectoryW(start.c_str(), nullptr);
    SetStartupDirectory(NarrowToUtf8(start));
    WriteWorkingPage();
    SetTimer(nullptr, 0, 30000, &Quit);
    if (std::wstring(commandLine).find(L"about") != std::wstring::npos) {
        Owned<AboutDialog> dialog;
        dialog.Show(nullptr);
    } else {
        Owned<CodeView> view;
        view.Show(nullptr);
    }
    return 0;
}
