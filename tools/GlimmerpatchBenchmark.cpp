// Benchmarks of the real Glimmerpatch.exe (not a test: figures, no pass or
// fail). Run by scripts/bench-app under Wine on a virtual display.
//
//   start-up   for Glimmerpatch and for StartupBaseline.exe (a program of
//              one window and one dialog built the same way), in the same
//              run, the median of several starts each:
//              - launch to a visible window that takes input: the frame
//                shown and the first message sent to it answered;
//              - launch to the first idle moment as WaitForInputIdle sees
//                it. Under Wine that is when the thread first waits for
//                messages on an empty queue (Glimmerpatch's loop does so,
//                for no time, before its idle work);
//              - launch to all sixteen section pages made (Glimmerpatch
//                only): the tab container holds sixteen initialised pages
//                (program_driver::SectionPagesMade), looked for every 10 ms;
//              - the longest stretch, from the moment the window shows until
//                the pages are all made, for which the program's thread
//                took no message: a WM_NULL is sent to the frame again and
//                again, and the longest wait for its answer is that stretch
//                (short by at most the pause between two probes, 1 ms).
//                A start of its own: the probes slow the making of pages.
//   changes    10,000 control changes sent to the real controls of the real
//              pages (two check boxes clicked, a border style picked), each
//              timed end to end: the control's notification, the property
//              handler, the store of the working page, WM_APP+1 and the
//              preview refresh have all happened when the message returns.
//              The program's window-manager and GDI objects and private
//              bytes before and after.
//
//   GlimmerpatchBenchmark.exe [starts] [changes] [other programs...]
// other programs: Glimmerpatch.exe of other builds (Windows paths), whose
// start-up is measured beside this build's, start for start.
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

constexpr int kSectionPages = 16;

// Waits until the frame holds all sixteen pages. With `probe`, measures how
// long the program's thread leaves a sent message waiting meanwhile, sending
// one again and again (1 ms apart), and returns the longest wait in
// milliseconds; without, only looks every 10 ms, which hardly slows the
// program, and returns 0. -1 when the pages never came.
double WaitForAllPages(HWND frame, DWORD timeoutMs, bool probe, LARGE_INTEGER* allMade = nullptr)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    double longest = 0;
    for (;;) {
        DWORD_PTR answer = 0;
        if (probe) {
            const LARGE_INTEGER sent = Now();
            SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer);
            longest = std::max(longest, Milliseconds(sent, Now()));
        }
        if (SectionPagesMade(frame) >= kSectionPages) {
            // The step that finished the last page has returned once this
            // is answered.
            SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer);
            if (allMade) *allMade = Now();
            return longest;
        }
        if (GetTickCount64() >= deadline) return -1;
        Sleep(probe ? 1 : 10);
    }
}

struct StartTimes {
    double visible = -1;   // launch to a shown frame that answered a message
    double inputIdle = -1; // launch to WaitForInputIdle's return
    double allPages = -1;  // launch to all sixteen pages made
    double stretch = -1;   // the longest time without taking a message after showing
};

struct IdleWatch {
    HANDLE process;
    LARGE_INTEGER at;
    DWORD result;
};

DWORD WINAPI WatchForInputIdle(void* parameter)
{
    IdleWatch& watch = *static_cast<IdleWatch*>(parameter);
    watch.result = WaitForInputIdle(watch.process, 60000);
    watch.at = Now();
    return 0;
}

// Starts the program in a fresh folder and times it; then closes it (the
// close box) and waits for it to end. With `probe`, the longest stretch
// without taking a message is measured, which slows the making of the pages.
StartTimes TimeOneStart(const std::wstring& program, const wchar_t* frameClass, bool hasPages, bool probe = false)
{
    StartTimes times;
    TemporaryFolder folder(L"glimmerpatch-bench-start");
    Program running;
    const LARGE_INTEGER started = Now();
    if (!running.Start(folder.Path(), program)) return times;
    IdleWatch idle{running.Process(), {}, WAIT_FAILED};
    HANDLE watcher = CreateThread(nullptr, 0, &WatchForInputIdle, &idle, 0, nullptr);
    // The frame as soon as it shows, looked for every 10 ms (more often, and
    // the looking slows a program that is still making its windows).
    HWND frame = nullptr;
    const ULONGLONG deadline = GetTickCount64() + 60000;
    for (;;) {
        const std::vector<HWND> frames = TopLevelWindows(running.Id(), frameClass);
        frame = frames.empty() ? nullptr : frames.front();
        if ((frame && IsWindowVisible(frame)) || GetTickCount64() > deadline) break;
        Sleep(10);
    }
    DWORD_PTR answer = 0;
    if (frame && SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer)) {
        times.visible = Milliseconds(started, Now());
        if (hasPages) {
            LARGE_INTEGER allMade{};
            const double longest = WaitForAllPages(frame, 60000, probe, &allMade);
            if (longest >= 0) times.allPages = Milliseconds(started, allMade);
            if (probe) times.stretch = longest;
        }
    }
    if (watcher) {
        WaitForSingleObject(watcher, 60000);
        CloseHandle(watcher);
        if (idle.result == 0) times.inputIdle = Milliseconds(started, idle.at);
    }
    if (frame) PostMessageW(frame, WM_CLOSE, 0, 0);
    if (running.WaitForExit(30000) == STILL_ACTIVE) running.Kill();
    return times;
}

void PrintRuns(const char* label, const std::vector<double>& values)
{
    std::printf("  %-32s", label);
    for (double value : values) std::printf(" %.0f", value);
    std::printf("\n");
}

struct ProgramRuns {
    std::wstring path;
    std::vector<double> visible, inputIdle, allPages, stretches;
};

// programs: this build's Glimmerpatch first, then any other builds to
// compare with; their starts take turns with the baseline's, so that a
// change in the machine's load reaches all of them alike.
void BenchmarkStartUp(int starts, std::vector<ProgramRuns> programs)
{
    const std::wstring baseline = FolderOfThisProgram() + L"\\StartupBaseline.exe";
    std::vector<double> yardstick, yardstickIdle;
    // One start of each first, not counted: the system's files are cached then.
    for (const ProgramRuns& program : programs) TimeOneStart(program.path, L"GlimmerpatchMainFrame", true);
    TimeOneStart(baseline, L"StartupBaselineFrame", false);
    for (int i = 0; i < starts; ++i) {
        for (ProgramRuns& program : programs) {
            const StartTimes times = TimeOneStart(program.path, L"GlimmerpatchMainFrame", true);
            program.visible.push_back(times.visible);
            program.inputIdle.push_back(times.inputIdle);
            program.allPages.push_back(times.allPages);
            program.stretches.push_back(TimeOneStart(program.path, L"GlimmerpatchMainFrame", true, true).stretch);
        }
        const StartTimes times = TimeOneStart(baseline, L"StartupBaselineFrame", false);
        yardstick.push_back(times.visible);
        yardstickIdle.push_back(times.inputIdle);
    }
    const double b = Median(yardstick);
    std::printf("start-up, median of %d starts each (ms); one window + one dialog: visible and answering %.1f, "
                "WaitForInputIdle %.1f\n",
                starts, b, Median(yardstickIdle));
    PrintRuns("baseline visible:", yardstick);
    PrintRuns("baseline WaitForInputIdle:", yardstickIdle);
    for (const ProgramRuns& program : programs) {
        std::printf("%ls\n", program.path.c_str());
        const double a = Median(program.visible);
        std::printf("  launch to visible window taking input: %.1f, ratio to the baseline %.2f (goal: within 3)\n", a,
                    b > 0 ? a / b : 0.0);
        std::printf("  launch to WaitForInputIdle: %.1f, ratio %.2f\n", Median(program.inputIdle),
                    Median(yardstickIdle) > 0 ? Median(program.inputIdle) / Median(yardstickIdle) : 0.0);
        std::printf("  launch to all %d pages made: %.1f\n", kSectionPages, Median(program.allPages));
        std::printf("  longest stretch without taking a message after showing: median %.1f, worst %.1f "
                    "(goal: under 250)\n",
                    Median(program.stretches), *std::max_element(program.stretches.begin(), program.stretches.end()));
        PrintRuns("visible:", program.visible);
        PrintRuns("WaitForInputIdle:", program.inputIdle);
        PrintRuns("all pages:", program.allPages);
        PrintRuns("longest stretch:", program.stretches);
    }
    // On a busy machine the load changes from round to round more than the
    // programs differ: the ratio of this build's time to another's within
    // each round, whose starts followed each other, says more than the
    // ratio of the medians.
    for (std::size_t other = 1; other < programs.size(); ++other) {
        std::vector<double> visible, inputIdle, allPages;
        for (std::size_t i = 0; i < programs[0].visible.size(); ++i) {
            auto ratio = [i](const std::vector<double>& mine, const std::vector<double>& theirs) {
                return mine[i] > 0 && theirs[i] > 0 ? mine[i] / theirs[i] : 0.0;
            };
            visible.push_back(ratio(programs[0].visible, programs[other].visible));
            inputIdle.push_back(ratio(programs[0].inputIdle, programs[other].inputIdle));
            allPages.push_back(ratio(programs[0].allPages, programs[other].allPages));
        }
        std::printf("this build against %ls, median of the ratios start for start: visible %.2f, "
                    "WaitForInputIdle %.2f, all %d pages made %.2f\n",
                    programs[other].path.c_str(), Median(visible), Median(inputIdle), kSectionPages, Median(allPages));
    }
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

void BenchmarkChanges(int changes, const std::wstring& glimmerpatch)
{
    TemporaryFolder folder(L"glimmerpatch-bench-changes");
    Program program;
    if (!program.Start(folder.Path(), glimmerpatch)) {
        std::printf("changes: cannot start Glimmerpatch\n");
        return;
    }
    HWND frame = program.WaitForMainFrame();
    WaitForInputIdle(program.Process(), 60000);
    if (frame) WaitForAllPages(frame, 60000, false);
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
    const int starts = argc > 1 ? std::atoi(argv[1]) : 9;
    const int changes = argc > 2 ? std::atoi(argv[2]) : 10000;
    std::vector<ProgramRuns> programs{ProgramRuns{GlimmerpatchPath(), {}, {}, {}, {}}};
    for (int i = 3; i < argc; ++i) {
        if (!argv[i][0]) continue;
        std::wstring path;
        for (const char* c = argv[i]; *c; ++c) path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
        programs.push_back(ProgramRuns{path, {}, {}, {}, {}});
    }
    if (starts > 0) BenchmarkStartUp(starts, programs);
    std::fflush(stdout);
    if (changes > 0) BenchmarkChanges(changes, GlimmerpatchPath());
    return 0;
}
