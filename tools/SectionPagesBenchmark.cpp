// Benchmark (not a test) of the section pages under Wine:
//  1. making and initialising all sixteen pages (SectionPageSet::Create into
//     a tab container), beside the baseline of the dialog manager alone
//     making the same sixteen templates with a procedure that does nothing;
//     then the same for each page on its own, with its number of windows,
//     the page made in steps as the main frame makes it while idle (its
//     window and controls, then its initialisation; a page needed at once
//     has both in one call), and the page font given to every control
//     again, redrawn and not;
//  2. one control change end to end (a font size up-down's arrow key: its
//     UDN_DELTAPOS, the size handler's SetProperty on the working page and
//     the WM_APP+1 handled by the host), beside the baseline of the same
//     SetProperty called directly.
// Prints the median and the fastest of several runs, in milliseconds.
#include <windows.h>
#include <commctrl.h>

#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "sections/SectionCatalogue.h"
#include "style/StyleDocument.h"
#include "tests/windows/PagesHostWindow.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void DispatchPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Report(const char* name, int runs, const std::function<double()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(run());
    std::sort(times.begin(), times.end());
    std::printf("%-58s median %9.3f ms   fastest %9.3f ms   (%d runs)\n", name, times[times.size() / 2], times.front(),
                runs);
    std::fflush(stdout);
}

INT_PTR CALLBACK NothingProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? FALSE : FALSE;
}

} // namespace

int main()
{
    InitCommonControls();
    wchar_t temporary[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring folder = std::wstring(temporary) + L"glimmerpatch-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    SetStartupDirectory(NarrowToUtf8(folder));
    WriteWorkingPage();

    Owned<PagesHostWindow> container;   // a parent for the baseline dialogs
    if (!container.Create(1000, 260, true)) return 1;
    DispatchPending();

    Report("baseline: dialog manager alone, 16 templates", 5, [&] {
        const double start = Now();
        std::vector<HWND> dialogs;
        for (const sections::CataloguePage& page : sections::SectionCatalogue())
            dialogs.push_back(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(page.dialogId),
                                                 container.container.Handle(), &NothingProcedure, 0));
        DispatchPending();
        const double elapsed = Now() - start;
        for (HWND dialog : dialogs) DestroyWindow(dialog);
        return elapsed;
    });

    Report("16 section pages made, initialised, added as tabs", 5, [&] {
        const double start = Now();
        Owned<PagesHostWindow> host;
        host.Create(1000, 260, true);
        DispatchPending();
        const double elapsed = Now() - start;
        return elapsed;
    });

    for (const sections::CataloguePage& entry : sections::SectionCatalogue()) {
        int windows = 0;
        char name[96];
        std::snprintf(name, sizeof name, "  %-20s dialog manager alone", entry.title);
        Report(name, 5, [&] {
            const double start = Now();
            HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(entry.dialogId),
                                             container.container.Handle(), &NothingProcedure, 0);
            const double elapsed = Now() - start;
            windows = 0;
            for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++windows;
            DestroyWindow(dialog);
            DispatchPending();
            return elapsed;
        });
        std::snprintf(name, sizeof name, "  %-20s section page at once (%d windows)", entry.title, windows + 1);
        Report(name, 5, [&] {
            Owned<sections::SectionPage> page(entry.page);
            const double start = Now();
            page.Create(container.container.Handle());
            const double elapsed = Now() - start;
            page.Destroy();
            DispatchPending();
            return elapsed;
        });
        // The same page made in steps, its two parts: the controls, then
        // the initialisation that its WM_INITDIALOG starts.
        double initialisation = 0;
        std::snprintf(name, sizeof name, "  %-20s in steps: window and controls", entry.title);
        std::vector<double> initialisations;
        Report(name, 5, [&] {
            Owned<sections::SectionPage> page(entry.page);
            const double start = Now();
            page.CreateInSteps(container.container.Handle());
            page.MakeMoreControls(StepDeadline::After(600000));
            const double elapsed = Now() - start;
            const double initialised = Now();
            page.MakeMoreControls();
            initialisations.push_back(Now() - initialised);
            page.Destroy();
            DispatchPending();
            return elapsed;
        });
        std::sort(initialisations.begin(), initialisations.end());
        initialisation = initialisations[initialisations.size() / 2];
        std::printf("  %-20s in steps: initialisation                median %9.3f ms\n", entry.title, initialisation);
        // One part of the initialisation on its own: every control given
        // the page font again, with and without redrawing.
        for (const BOOL redraw : {TRUE, FALSE}) {
            std::snprintf(name, sizeof name, "  %-20s   the font again, %s", entry.title,
                          redraw ? "redrawn" : "not redrawn");
            Owned<sections::SectionPage> page(entry.page);
            page.Create(container.container.Handle());
            Report(name, 5, [&] {
                const double start = Now();
                for (HWND child = GetWindow(page.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), redraw);
                return Now() - start;
            });
            page.Destroy();
            DispatchPending();
        }
    }

    Owned<PagesHostWindow> host;
    host.Create(1000, 260, true);
    DispatchPending();
    sections::SectionPage* page = host.pages.Page(sections::SectionPageId::Copyright);
    HWND upDown = page->Control(1591);
    const sections::TemplateControl* control = sections::FindTemplateControl(sections::SectionPageId::Copyright, 1591);
    int direction = VK_UP;
    Report("one change end to end: up-down arrow to WM_APP+1 handled", 40, [&] {
        // Turn before the ends of the range, so that every press changes the size.
        const int position = static_cast<int>(SendMessageW(upDown, UDM_GETPOS32, 0, 0));
        if (position >= control->upper - 1) direction = VK_DOWN;
        if (position <= control->lower + 1) direction = VK_UP;
        const int before = host.refreshes;
        const double start = Now();
        SendMessageW(upDown, WM_KEYDOWN, direction, 0);
        const double elapsed = Now() - start;
        if (host.refreshes != before + 1) std::printf("no WM_APP+1 seen\n");
        return elapsed;
    });
    int size = 4;
    Report("baseline: the same SetProperty called directly", 40, [&] {
        size = size == 40 ? 4 : size + 1;
        const double start = Now();
        StyleDocument::SetProperty("table tr td div font{", "font-size", std::to_string(size) + "pt");
        return Now() - start;
    });
    return 0;
}
