// Copy Log To Clipboard on a large log, next to reading the same file with cat:
// the main window's own command (Form1::PushButton2_Click) on a log of the given
// size, in the Qt window built from the platform's services in a scratch home.
// Its time and its peak of resident memory, against cat's time and peak, and
// against the text the clipboard must hold; then what stays resident once
// another program has taken the clipboard.
//
//   copy_log_bench [megabytes] [runs]     (defaults 100 and 5)
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "ui/Form1Design.h"
#include "ui/qt/AppServices.h"
#include "ui/qt/QtForm1.h"
#include "ui/qt/QtGhost.h"

namespace {

namespace fs = std::filesystem;

// A log as the program writes it, of at least `bytes` bytes.
void WriteLog(const fs::path& path, long bytes) {
    std::ofstream out(path, std::ios::binary);
    char line[160];
    for (long written = 0, i = 0; written < bytes; ++i) {
        const long left = 100 * 3600 - i % (100 * 3600);
        const int length = std::snprintf(
            line, sizeof line,
            "%ld %s 2026 %02ld:%02ld:%02ld Battery Level is %ld%% (%ld Hours, %ld Minutes, %ld "
            "Seconds remaining on battery).\r\n",
            1 + i / 86400 % 28, "Dec", i / 3600 % 24, i / 60 % 60, i % 60, 100 - i / 3600 % 100,
            left / 3600, left / 60 % 60, left % 60);
        out.write(line, length);
        written += length;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 100;
    const int runs = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // A scratch home, so that the window's settings go nowhere that matters.
    const fs::path home =
        fs::temp_directory_path() / ("tessaline-copy-bench-" + std::to_string(::getpid()));
    for (const char* folder : {"config", "temp", "supply"}) fs::create_directories(home / folder);
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("TEMP", (home / "temp").c_str(), 1);
    ::setenv("TESSALINE_POWER_SUPPLY_DIR", (home / "supply").c_str(), 1);
    const fs::path log = home / "temp" / "Tessaline.txt";
    WriteLog(log, megabytes * 1000 * 1000);

    QApplication app(argc, argv);
    tess::AppServices services;
    tess::QtGhost ghost(services.ForGhost());
    tess::QtForm1 window(services.ForForm1(ghost.Logic()));
    window.Control<QLineEdit>(tess::form1::Text1).setText(QString::fromStdString(log.string()));
    tess::Form1& form = window.Logic();
    form.Text1_EditingFinished();

    // Both read from the page cache from here on.
    bench::RunCat(log.string());
    std::vector<double> catPeak;
    const auto size = fs::file_size(log);
    QClipboard& clipboard = *QGuiApplication::clipboard();
    std::vector<double> copy;
    std::vector<double> cat;
    std::vector<double> peak;
    std::vector<double> held;
    bool whole = true;
    for (int i = 0; i < runs; ++i) {
        // Another program takes the clipboard, and with it what Copy Log put there.
        clipboard.clear();
        const long before = bench::SettledResidentBytes();
        bench::ResetPeakResident();
        copy.push_back(bench::Milliseconds([&] { form.PushButton2_Click(); }));
        peak.push_back(static_cast<double>(bench::PeakResidentBytes() - before));
        const QMimeData* data = clipboard.mimeData();
        whole = whole && data != nullptr &&
                data->data(QStringLiteral("text/plain")).size() == static_cast<qsizetype>(size);
        clipboard.clear();
        held.push_back(static_cast<double>(bench::SettledResidentBytes() - before));
        cat.push_back(bench::Milliseconds([&] { bench::RunCat(log.string()); }));
        catPeak.push_back(static_cast<double>(bench::CatPeakResidentBytes(log.string())));
    }

    const auto median = [](const std::vector<double>& samples) {
        return bench::SpreadOf(samples).median;
    };
    std::printf("log of %.1f MB (%s), %d runs, platform %s\n", size / 1e6, log.c_str(), runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("Copy Log To Clipboard (Form1::PushButton2_Click)   %9.1f ms (median)\n",
                median(copy));
    std::printf("cat of the same file to /dev/null                  %9.1f ms (median)\n",
                median(cat));
    std::printf("ratio                                              %9.1f x\n",
                median(copy) / median(cat));
    std::printf("Copy Log's peak of resident memory (VmHWM growth)  %9.1f MB (median)\n",
                median(peak) / 1e6);
    std::printf("cat's peak of resident memory (/usr/bin/time)      %9.1f MB (median)\n",
                median(catPeak) / 1e6);
    std::printf("the text on the clipboard (UTF-8)                  %9.1f MB\n", size / 1e6);
    std::printf("peak over the text                                 %9.2f x\n",
                median(peak) / static_cast<double>(size));
    std::printf("resident after another program took the clipboard %9.1f MB (median)\n",
                median(held) / 1e6);
    std::printf("clipboard holds the whole log                      %9s\n", whole ? "yes" : "NO");
    fs::remove_all(home);
    return whole ? 0 : 1;
}
