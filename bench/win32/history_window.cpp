// The battery history window of tessaline.exe on a large log, under Wine (or
// Windows): opening the log into the shown window (reading, analysis, layout
// and the first paint with GDI) next to reading the same file whole, as `cat`
// does; the memory that takes; a redraw at a new width for each range; and a
// new entry taken into the open window, alone and with the repaint that
// follows it.
//
//   history_window_win32.exe [entries] [runs]     (defaults 1000000 and 5)
//
// The log is that of HistoryBenchLog.h.

#include <windows.h>
// psapi.h needs windows.h before it.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../BenchTiming.h"
#include "../HistoryBenchLog.h"
#include "../HistoryWindowFigures.h"
#include "history/BatteryHistory.h"
#include "ui/win32/history/Win32HistoryWindow.h"

namespace {

namespace fs = std::filesystem;

// The file read whole in pieces of 1 MiB into nothing, as `cat` to /dev/null.
void ReadWhole(const fs::path& file) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) std::abort();
    std::vector<char> piece(1 << 20);
    DWORD read = 0;
    while (ReadFile(handle, piece.data(), static_cast<DWORD>(piece.size()), &read, nullptr) &&
           read > 0) {
    }
    CloseHandle(handle);
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The window and its controls painted now.
void Paint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ChooseRange(tess::Win32HistoryWindow& window, tess::ChartRange range) {
    window.Range().Choose(static_cast<int>(range));
    window.Logic().Range_Click();
}

// The whole window resized to a new width and painted, median of 21.
double RedrawMs(tess::Win32HistoryWindow& window, tess::ChartRange range) {
    ChooseRange(window, range);
    Pump();
    RECT outer;
    GetWindowRect(window.Handle(), &outer);
    std::vector<double> samples;
    for (int i = 0; i < 21; ++i) {
        const int width = outer.right - outer.left + 40 * (i % 2 == 0);
        samples.push_back(bench::Milliseconds([&] {
            SetWindowPos(window.Handle(), nullptr, 0, 0, width, outer.bottom - outer.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            Paint(window.Handle());
        }));
        Pump();
    }
    return bench::SpreadOf(samples).median;
}

}  // namespace

int main(int argc, char** argv) {
    const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
    const tess::test::UsDateTimeFormat format;
    const fs::path folder = fs::temp_directory_path() / ("tessaline-history-window-bench-" +
                                                         std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    const fs::path log = folder / "Tessaline.txt";
    bench::WriteLog(log, entries, format);

    tess::Win32HistoryWindow window(format);
    // The window's first showing over no log, so that the runs measure the log.
    window.Logic().ShowHistory((folder / "none.txt").string());
    Pump();
    const auto close = [&] { SendMessageW(window.Handle(), WM_CLOSE, 0, 0); };
    // The log is read a slice per event: the open runs the message loop
    // until it is read, and keeps its longest pass but the last, in which the
    // history is first painted.
    double longestPass = 0;
    const auto open = [&] {
        const double ms = bench::Milliseconds([&] {
            const auto first = bench::Clock::now();
            window.Logic().ShowHistory(log.string());
            longestPass = std::max(longestPass, bench::MillisecondsSince(first));
            while (!window.Logic().Ready()) {
                WaitMessage();
                const auto start = bench::Clock::now();
                Pump();
                if (!window.Logic().Ready()) {
                    longestPass = std::max(longestPass, bench::MillisecondsSince(start));
                }
            }
            Paint(window.Handle());
        });
        Pump();
        return ms;
    };

    ReadWhole(log);  // both read from the file cache from here on
    close();
    Pump();
    const PROCESS_MEMORY_COUNTERS before = Memory();
    open();
    const PROCESS_MEMORY_COUNTERS after = Memory();

    std::vector<double> opens;
    std::vector<double> reads;
    for (int i = 0; i < runs; ++i) {
        close();
        opens.push_back(open());
        reads.push_back(bench::Milliseconds([&] { ReadWhole(log); }));
    }

    bench::HistoryWindowFigures figures{.painting = "GDI",
                                        .redrawAll = RedrawMs(window, tess::ChartRange::All),
                                        .redrawWeek = RedrawMs(window, tess::ChartRange::Week),
                                        .redrawDay = RedrawMs(window, tess::ChartRange::Day)};

    // New entries, each appended as the writer does, then handed to the window.
    long next = entries;
    for (const tess::ChartRange range : {tess::ChartRange::Week, tess::ChartRange::All}) {
        ChooseRange(window, range);
        Pump();
        for (int i = 0; i < 300; ++i) {
            bench::AppendLogEntry(log, next++, format);
            const auto start = bench::Clock::now();
            window.Logic().EntryAdded(log.string());
            figures.update.push_back(bench::MillisecondsSince(start));
            Paint(window.Handle());
            figures.withPaint[range == tess::ChartRange::All].push_back(
                bench::MillisecondsSince(start));
            Pump();
        }
    }
    const tess::LogReport& report = window.Logic().History()->Report();
    figures.whole = report.entries == static_cast<std::size_t>(next) && report.skipped == 0;

    RECT client;
    GetClientRect(window.Handle(), &client);
    const double openMs = bench::SpreadOf(opens).median;
    const double readMs = bench::SpreadOf(reads).median;
    std::printf("log of %ld entries, %.1f MB, %d runs, client area %ld x %ld\n", entries,
                static_cast<double>(fs::file_size(log)) / 1e6, runs, client.right, client.bottom);
    std::printf("found: %s\n", window.Logic().History()->Summary().c_str());
    std::printf("open into the shown window (read, layout, paint), median %9.1f ms\n", openMs);
    std::printf("the same file read whole (as cat), median               %9.1f ms\n", readMs);
    std::printf("ratio                                                   %9.1f x\n",
                openMs / readMs);
    std::printf("longest pass of the message loop while the log is read  %9.1f ms\n",
                longestPass);
    std::printf(
        "memory held by the open window (working set growth)     %9.1f MB\n",
        (static_cast<double>(after.WorkingSetSize) - static_cast<double>(before.WorkingSetSize)) /
            1e6);
    std::printf("memory at the peak of the open (peak working set growth)%9.1f MB\n",
                (static_cast<double>(after.PeakWorkingSetSize) -
                 static_cast<double>(before.WorkingSetSize)) /
                    1e6);
    bench::PrintAfterOpen(figures);
    close();
    fs::remove_all(folder);
    return figures.whole ? 0 : 1;
}
