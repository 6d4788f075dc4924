// Benchmarks of the real Glimmerpatch.exe (not a test: figures, no pass or
// fail). Run by scripts/bench-app under Wine on a virtual display.
//
//   start-up   time from starting the program to its first idle moment
//              (WaitForInputIdle), against StartupBaseline.exe, a program
//              of one window and one dialog built the same way; the median
//              of several starts each.
//   changes    10,000 control changes sent to the real controls of the real
//              pages (two check boxes clicked, a border style picked), each
//              timed end to end: the control's notification, the property
//              handler, the store of the working page, WM_APP+1 and the
//              preview refresh have all happened when the message returns.
//              The program's window-manager and GDI objects and private
//              bytes before and after.
//
//   GlimmerpatchBenchmark.exe [starts] [changes]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/windows/ProgramDriver.h"
#include "sections/SectionCatalogue.h"

using namespace program_driver;

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(share * static_cast<double>(values.size())))];
}

// Starts the program in a fresh folder and times it to its first idle
// moment; then closes it (the close box) and waits for it to end.
double TimeOneStart(const std::wstring& program, const wchar_t* frameClass)
{
    TemporaryFolder folder(L"glimmerpatch-bench-start");
    Program running;
    const LARGE_INTEGER started = Now();
    if (!running.Start(folder.Path(), program)) return -1;
    if (WaitForInputIdle(running.Process(), 60000) != 0) return -1;
    const LARGE_INTEGER idle = Now();
    HWND frame = running.WaitForWindow(frameClass, 30000);
    if (frame) PostMessageW(frame, WM_CLOSE, 0, 0);
    if (running.WaitForExit(30000) == STILL_ACTIVE) running.Kill();
    return Milliseconds(started, idle);
}

void BenchmarkStartUp(int starts)
{
    const std::wstring baseline = FolderOfThisProgram() + L"\\StartupBaseline.exe";
    std::vector<double> program, yardstick;
    // One start of each first, not counted: the system's files are cached then.
    TimeOneStart(GlimmerpatchPath(), L"GlimmerpatchMainFrame");
    TimeOneStart(baseline, L"StartupBaselineFrame");
    for (int i = 0; i < starts; ++i) {
        program.push_back(TimeOneStart(GlimmerpatchPath(), L"GlimmerpatchMainFrame"));
        yardstick.push_back(TimeOneStart(baseline, L"StartupBaselineFrame"));
    }
    const double a = Median(program), b = Median(yardstick);
    std::printf("start-up to first idle, median of %d: Glimmerpatch %.1f ms, one window + one dialog %.1f ms, "
                "ratio %.2f (goal: within 2)\n",
                starts, a, b, b > 0 ? a / b : 0.0);
    std::printf("  Glimmerpatch runs: ");
    for (double value : program) std::printf("%.0f ", value);
    std::printf("\n  baseline runs:     ");
    for (double value : yardstick) std::printf("%.0f ", value);
    std::printf("\n");
}

struct Counts {
    int user;
    int gdi;
    SIZE_T privateBytes;
    SIZE_T workingSet;
};

Counts CountObjects(const Program& program)
{
    return Counts{CountUserObjects(program.Process()), CountGdiObjects(program.Process()),
                  PrivateBytes(program.Process()), WorkingSetBytes(program.Process())};
}

void BenchmarkChanges(int changes)
{
    TemporaryFolder folder(L"glimmerpatch-bench-changes");
    Program program;
    if (!program.Start(folder.Path())) {
        std::printf("changes: cannot start Glimmerpatch\n");
        return;
    }
    HWND frame = program.WaitForMainFrame();
    WaitForInputIdle(program.Process(), 60000);
    HWND tabs = frame ? FindDescendant(frame, L"GlimmerpatchTabContainer") : nullptr;
    const std::vector<HWND> pages = tabs ? Children(tabs, L"#32770") : std::vector<HWND>();
    if (pages.size() < 2) {
        std::printf("changes: the pages are missing\n");
        return;
    }
    // Two check boxes of the Background page and the first style list of
    // the Borders page.
    std::vector<HWND> checks;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[0].page))
        if (control.kind == sections::ControlKind::CheckBox && checks.size() < 2)
            checks.push_back(GetDlgItem(pages[0], control.id));
    int listId = 0;
    for (const sections::TemplateControl& control : sections::TemplateControls(sections::SectionCatalogue()[1].page))
        if (control.kind == sections::ControlKind::DropDown && !listId) listId = control.id;
    HWND list = GetDlgItem(pages[1], listId);
    const int listItems = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    if (checks.size() < 2 || !checks[0] || !checks[1] || !list || listItems < 2) {
        std::printf("changes: the controls are missing\n");
        return;
    }

    // A first round lets every lazily made object exist before counting.
    auto change = [&](int i) {
        switch (i % 3) {
        case 0:
        case 1:
            SendMessageW(checks[i % 3], BM_CLICK, 0, 0);
            break;
        default:
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>((i / 3) % listItems), 0);
            SendMessageW(pages[1], WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
            break;
        }
    };
    for (int i = 0; i < 300; ++i) change(i);
    const Counts before = CountObjects(program);
    const std::string pageBefore = ReadBytes(folder.File(L"MySpace.html"));

    std::vector<double> times;
    times.reserve(static_cast<size_t>(changes));
    const LARGE_INTEGER all = Now();
    for (int i = 0; i < changes; ++i) {
        const LARGE_INTEGER start = Now();
        change(i);
        times.push_back(Milliseconds(start, Now()));
    }
    const double total = Milliseconds(all, Now());
    const Counts after = CountObjects(program);
    const bool pageChanged = ReadBytes(folder.File(L"MySpace.html")) != pageBefore;

    std::printf("%d control changes through the real pages: median %.3f ms, 90th percentile %.3f ms, "
                "slowest %.3f ms, %.1f s in all%s\n",
                changes, Median(times), Percentile(times, 0.9), *std::max_element(times.begin(), times.end()),
                total / 1000.0, pageChanged ? "" : " (the page ended as it began)");
    std::printf("  window-manager objects %d -> %d, GDI objects %d -> %d, private bytes %.2f MB -> %.2f MB, "
                "working set %.2f MB -> %.2f MB\n",
                before.user, after.user, before.gdi, after.gdi, before.privateBytes / 1048576.0,
                after.privateBytes / 1048576.0, before.workingSet / 1048576.0, after.workingSet / 1048576.0);
    PostMessageW(frame, WM_CLOSE, 0, 0);
    // The changes cleared the saved flag: the exit prompt is answered No.
    if (HWND box = program.WaitForMessageBox(10000)) PostMessageW(box, WM_COMMAND, IDNO, 0);
    program.WaitForExit(30000);
}

} // namespace

int main(int argc, char** argv)
{
    const int starts = argc > 1 ? std::atoi(argv[1]) : 7;
    const int changes = argc > 2 ? std::atoi(argv[2]) : 10000;
    if (starts > 0) BenchmarkStartUp(starts);
    std::fflush(stdout);
    if (changes > 0) BenchmarkChanges(changes);
    return 0;
}
