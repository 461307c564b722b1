// The battery history on a large log: opening it into the model next to `cat`
// of the same file, the memory the model takes, the chart geometry of a
// redraw, and taking in one new entry while the history is open; then opening
// a log of as many entries in short sessions, next to `cat` of that file.
//
//   history_bench [entries] [runs]     (defaults 1000000 and 5)
//
// The logs are those of HistoryBenchLog.h.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "HistoryBenchLog.h"
#include "history/BatteryHistory.h"
#include "history/ChartGeometry.h"

namespace {

namespace fs = std::filesystem;

struct OpenAndCat {
    double open;
    double cat;
};

// Median times of opening the log into the model and of `cat` of it.
OpenAndCat TimeOpen(const fs::path& log, int runs, const tess::DateTimeFormat& format) {
    std::vector<double> open;
    std::vector<double> cat;
    for (int i = 0; i < runs; ++i) {
        open.push_back(bench::Milliseconds([&] {
            tess::BatteryHistory again(format);
            again.Open(log.string());
        }));
        cat.push_back(bench::Milliseconds([&] { bench::RunCat(log.string()); }));
    }
    return {bench::SpreadOf(open).median, bench::SpreadOf(cat).median};
}

double RedrawMs(const tess::BatteryHistory& history, tess::ChartRange range,
                const tess::DateTimeFormat& format) {
    const tess::ChartArea area{1000, 400, 120, 24};
    std::vector<double> samples;
    for (int i = 0; i < 21; ++i) {
        samples.push_back(bench::Milliseconds([&] {
            const auto level =
                tess::LayoutLevelChart(history.Samples(), history.Analysis(), range, area, format);
            const auto runtime = tess::LayoutRuntimeChart(history.Analysis(), area, format);
            if (level.columns.empty() || runtime.points.empty()) std::abort();
        }));
    }
    return bench::SpreadOf(samples).median;
}

}  // namespace

int main(int argc, char** argv) {
    const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
    const tess::test::UsDateTimeFormat format;
    const fs::path folder =
        fs::temp_directory_path() / ("tessaline-history-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path log = folder / "Tessaline.txt";
    bench::WriteLog(log, entries, format);

    bench::RunCat(log.string());  // both read from the page cache from here on
    const long before = bench::SettledResidentBytes();
    bench::ResetPeakResident();
    tess::BatteryHistory history(format);
    history.Open(log.string());
    const long held = bench::ResidentBytes() - before;
    const long peak = bench::PeakResidentBytes() - before;

    const OpenAndCat times = TimeOpen(log, runs, format);

    // New entries, each appended to the file as the writer does and then taken in.
    std::vector<double> update;
    for (long i = entries; i < entries + 2000; ++i) {
        bench::AppendLogEntry(log, i, format);
        update.push_back(bench::Milliseconds([&] {
            if (history.Follow() != tess::LogChange::Appended) std::abort();
        }));
    }
    const bool whole = history.Report().entries == static_cast<std::size_t>(entries) + 2000 &&
                       history.Report().skipped == 0;

    const double openMs = times.open;
    const double catMs = times.cat;
    const bench::Spread updateMs = bench::SpreadOf(update);
    std::printf("log of %ld entries, %.1f MB (%s), %d runs\n", entries,
                static_cast<double>(fs::file_size(log)) / 1e6, log.c_str(), runs);
    std::printf("found: %s\n", history.Summary().c_str());
    std::printf("  %zu discharge sessions, %zu weeks\n", history.Analysis().Sessions().size(),
                history.Analysis().Weeks().size());
    std::printf("open into the model (BatteryHistory::Open), median   %9.1f ms\n", openMs);
    std::printf("cat of the same file to /dev/null, median            %9.1f ms\n", catMs);
    std::printf("ratio                                                %9.1f x\n", openMs / catMs);
    std::printf("memory held by the model (resident growth)           %9.1f MB\n", held / 1e6);
    std::printf("memory at the peak of the open (VmHWM growth)        %9.1f MB\n", peak / 1e6);
    std::printf("redraw geometry at 1000 x 400, level and runtime charts, median:\n");
    std::printf("  all                                                %9.2f ms\n",
                RedrawMs(history, tess::ChartRange::All, format));
    std::printf("  week                                               %9.2f ms\n",
                RedrawMs(history, tess::ChartRange::Week, format));
    std::printf("  day                                                %9.2f ms\n",
                RedrawMs(history, tess::ChartRange::Day, format));
    std::printf("update per new entry (append, then Follow), median   %9.3f ms\n", updateMs.median);
    std::printf("update per new entry, 99th percentile                %9.3f ms\n", updateMs.p99);
    std::printf("every entry read                                     %9s\n", whole ? "yes" : "NO");

    const fs::path shortLog = folder / "ShortSessions.txt";
    bench::WriteLog(shortLog, entries, format, bench::AddShortSessionEntry);
    bench::RunCat(shortLog.string());
    tess::BatteryHistory sessions(format);
    sessions.Open(shortLog.string());
    const OpenAndCat shortTimes = TimeOpen(shortLog, runs, format);
    std::printf("log of %ld entries in short sessions, %.1f MB: %zu discharge sessions\n", entries,
                static_cast<double>(fs::file_size(shortLog)) / 1e6,
                sessions.Analysis().Sessions().size());
    std::printf("open into the model, short sessions, median          %9.1f ms\n", shortTimes.open);
    std::printf("cat of that file to /dev/null, median                %9.1f ms\n", shortTimes.cat);
    std::printf("ratio                                                %9.1f x\n",
                shortTimes.open / shortTimes.cat);
    fs::remove_all(folder);
    return whole ? 0 : 1;
}
