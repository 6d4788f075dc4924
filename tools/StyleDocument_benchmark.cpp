// Times the style document's operations on the default working page next to
// a baseline that reads and rewrites the same bytes with no edit (a plain
// truncating write, as unsafe as it is fast), and prints each operation's
// ratio to that baseline. Goal: SetProperty within 1.5x. SafeReadAndRewrite
// is the same read and rewrite through the safe write, which every operation
// stores with: its ratio is the price of safety alone.
#include "page/WorkingPage.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <unistd.h>

namespace {

const char kFriendCount[] = "table tr td.text table tr td.text table tr td .btext .redbtext{";

void Baseline_ReadAndRewrite(benchmark::State& state)
{
    std::string page;
    for (auto _ : state) {
        ReadWholeFile(WorkingPagePath(), page);
        std::FILE* file = std::fopen(WorkingPagePath().c_str(), "wb");
        if (!file) std::abort();
        std::fwrite(page.data(), 1, page.size(), file);
        std::fclose(file);
    }
}

void SafeReadAndRewrite(benchmark::State& state)
{
    std::string page;
    for (auto _ : state) {
        ReadWholeFile(WorkingPagePath(), page);
        WriteWholeFile(WorkingPagePath(), page);
    }
}

void SetProperty(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state)
        StyleDocument::SetProperty(kFriendCount, "color", (++i & 1) ? "rgb(1, 2, 3)" : "rgb(4, 5, 6)");
}

void SetProperties_ThreeValues(benchmark::State& state)
{
    for (auto _ : state)
        StyleDocument::SetProperties(kFriendCount, {"font-family", "font-weight", "font-size"},
                                     {"Arial", "bold", "12pt"});
}

void GetStyleCode(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(StyleDocument::GetStyleCode());
}

void WriteWorkingPage(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(::WriteWorkingPage());
}

BENCHMARK(Baseline_ReadAndRewrite);
BENCHMARK(SafeReadAndRewrite);
BENCHMARK(SetProperty);
BENCHMARK(SetProperties_ThreeValues);
BENCHMARK(GetStyleCode);
BENCHMARK(WriteWorkingPage);

// Collects each benchmark's real time per iteration for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& Times() const { return times_; }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    char folder[] = "/tmp/glimmerpatch-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    SetStartupDirectory(folder);
    ::WriteWorkingPage();

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto& times = reporter.Times();
    const auto baseline = times.find("Baseline_ReadAndRewrite");
    if (baseline != times.end() && baseline->second > 0) {
        std::printf("\nRatio to the read-and-rewrite baseline (%.1f us per call):\n", baseline->second / 1000.0);
        for (const auto& entry : times)
            std::printf("  %-28s %6.2fx\n", entry.first.c_str(), entry.second / baseline->second);
    }
    std::remove(WorkingPagePath().c_str());
    rmdir(folder);
    benchmark::Shutdown();
    return 0;
}
