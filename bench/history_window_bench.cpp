// The battery history window on a large log, painted by Qt on the offscreen
// platform: opening the log into the shown window (reading, analysis, layout
// and the first paint) next to `cat` of the same file; the memory that takes;
// a redraw at a new width for each range; and a new entry taken into the open
// window, alone and with the repaint that follows it.
//
//   history_window_bench [entries] [runs]     (defaults 1000000 and 5)
//
// The log is that of HistoryBenchLog.h. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.

#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "HistoryBenchLog.h"
#include "HistoryWindowFigures.h"
#include "history/BatteryHistory.h"
#include "ui/qt/history/QtCharts.h"
#include "ui/qt/history/QtHistoryWindow.h"

namespace {

namespace fs = std::filesystem;

void ChooseRange(tess::QtHistoryWindow& window, tess::ChartRange range) {
    window.Range().setCurrentIndex(static_cast<int>(range));
    window.Logic().Range_Click();
}

// The whole window resized to a new width and painted, median of 21.
double RedrawMs(tess::QtHistoryWindow& window, tess::ChartRange range) {
    ChooseRange(window, range);
    QApplication::processEvents();
    std::vector<double> samples;
    for (int i = 0; i < 21; ++i) {
        const int width = 1000 + 40 * (i % 2 == 0);
        samples.push_back(bench::Milliseconds([&] {
            window.resize(width, 760);
            window.repaint();
        }));
        if (window.LevelChart().width() != width - 16) std::abort();
        QApplication::processEvents();
    }
    return bench::SpreadOf(samples).median;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
    QApplication app(argc, argv);
    const tess::test::UsDateTimeFormat format;
    const fs::path folder = fs::temp_directory_path() /
                            ("tessaline-history-window-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path log = folder / "Tessaline.txt";
    bench::WriteLog(log, entries, format);

    tess::QtHistoryWindow window(format);
    // The window's first showing over no log, so that the runs measure the log.
    window.Logic().ShowHistory((folder / "none.txt").string());
    QApplication::processEvents();
    window.close();
    // The log is read a slice per event: the open runs the event loop until
    // it is read, and keeps the longest pass. What the events that the
    // showing posts do after the first paint is left out: a repaint of what
    // was painted.
    double longestPass = 0;
    const auto open = [&] {
        const double ms = bench::Milliseconds([&] {
            const auto first = bench::Clock::now();
            window.Logic().ShowHistory(log.string());
            longestPass = std::max(longestPass, bench::MillisecondsSince(first));
            while (!window.Logic().Ready()) {
                const auto start = bench::Clock::now();
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                longestPass = std::max(longestPass, bench::MillisecondsSince(start));
            }
            window.repaint();
        });
        QApplication::processEvents();
        return ms;
    };

    bench::RunCat(log.string());  // both read from the page cache from here on
    const long before = bench::SettledResidentBytes();
    bench::ResetPeakResident();
    open();
    const long held = bench::ResidentBytes() - before;
    const long peak = bench::PeakResidentBytes() - before;

    std::vector<double> opens;
    std::vector<double> cat;
    for (int i = 0; i < runs; ++i) {
        window.close();
        opens.push_back(open());
        cat.push_back(bench::Milliseconds([&] { bench::RunCat(log.string()); }));
    }

    bench::HistoryWindowFigures figures{.painting = "Qt",
                                        .redrawAll = RedrawMs(window, tess::ChartRange::All),
                                        .redrawWeek = RedrawMs(window, tess::ChartRange::Week),
                                        .redrawDay = RedrawMs(window, tess::ChartRange::Day)};

    // New entries, each appended as the writer does, then handed to the window.
    long next = entries;
    for (const tess::ChartRange range : {tess::ChartRange::Week, tess::ChartRange::All}) {
        ChooseRange(window, range);
        QApplication::processEvents();
        for (int i = 0; i < 1000; ++i) {
            bench::AppendLogEntry(log, next++, format);
            const auto start = bench::Clock::now();
            window.Logic().EntryAdded(log.string());
            figures.update.push_back(bench::MillisecondsSince(start));
            QApplication::processEvents();
            figures.withPaint[range == tess::ChartRange::All].push_back(
                bench::MillisecondsSince(start));
        }
    }
    const tess::LogReport& report = window.Logic().History()->Report();
    figures.whole = report.entries == static_cast<std::size_t>(next) && report.skipped == 0;

    const double openMs = bench::SpreadOf(opens).median;
    const double catMs = bench::SpreadOf(cat).median;
    std::printf("log of %ld entries, %.1f MB (%s), %d runs, window %d x %d\n", entries,
                static_cast<double>(fs::file_size(log)) / 1e6, log.c_str(), runs, window.width(),
                window.height());
    std::printf("found: %s\n", window.Logic().History()->Summary().c_str());
    std::printf("open into the shown window (read, layout, paint), median %9.1f ms\n", openMs);
    std::printf("cat of the same file to /dev/null, median               %9.1f ms\n", catMs);
    std::printf("ratio                                                   %9.1f x\n", openMs / catMs);
    std::printf("longest pass of the event loop while the log is read    %9.1f ms\n", longestPass);
    std::printf("memory held by the open window (resident growth)        %9.1f MB\n", held / 1e6);
    std::printf("memory at the peak of the open (VmHWM growth)           %9.1f MB\n", peak / 1e6);
    bench::PrintAfterOpen(figures);
    fs::remove_all(folder);
    return figures.whole ? 0 : 1;
}
