// The log list at a million entries: the cost of one append with the list in
// sight and following the end, next to a plain QListView over a
// QStringListModel; the memory one entry takes; and the time from launch to
// the first window shown.
//
//   log_list_bench [rows] [appends]     (defaults 1000000 and 5000)
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "ui/qt/LogListModel.h"
#include "ui/qt/LogListView.h"
#include "ui/qt/QtLogList.h"

extern char** environ;

namespace {

using bench::Clock;
using bench::MillisecondsSince;
using bench::SettledResidentBytes;
using bench::Spread;
using bench::SpreadOf;

constexpr const char* kFirstWindowArg = "--first-window";

// The i-th entry of a run that logs once a second: mostly on battery, now and
// then on the charger.
std::string SampleLine(long i) {
    const long t = 6 * 3600 + 60 + 43 + i;
    const long secondOfDay = t % 86400;
    const long hour = secondOfDay / 3600;
    char when[40];
    std::snprintf(when, sizeof when, "12/%ld/26 %ld:%02ld:%02ld %s", 7 + (t / 86400) % 20,
                  (hour + 11) % 12 + 1, secondOfDay / 60 % 60, secondOfDay % 60,
                  hour < 12 ? "AM" : "PM");
    if (i % 8 == 7) return std::string(when) + " Running on AC Power";
    const long percent = 100 - i / 60 % 100;
    const long left = percent * 97;
    return std::string(when) + " Battery Level is " + std::to_string(percent) + "% (" +
           std::to_string(left / 3600) + " Hours, " + std::to_string(left / 60 % 60) +
           " Minutes, " + std::to_string(left % 60) + " Seconds remaining on battery).";
}

void ShowAndWait(QWidget& widget) {
    widget.show();
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    long count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Times `append(i)` followed by one pass of the event loop, so that the view
// lays out and paints what the append changed.
std::vector<double> TimeAppends(long first, long count, const std::function<void(long)>& append) {
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(count));
    for (long i = first; i < first + count; ++i) {
        const auto start = Clock::now();
        append(i);
        QCoreApplication::processEvents();
        samples.push_back(MillisecondsSince(start));
    }
    return samples;
}

void PrintRow(const char* what, const std::string& value) {
    std::printf("%-58s %s\n", what, value.c_str());
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void BenchLogList(long rows, long appends) {
    tess::QtLogList list;
    list.AddColumn("Battery Level");
    list.SetColumnWidth(7000);
    list.resize(520, 169);
    ShowAndWait(list);
    QWidget* viewport = list.findChild<tess::LogListView*>()->viewport();
    QScrollBar* bar = list.findChild<tess::LogListView*>()->verticalScrollBar();

    const long before = SettledResidentBytes();
    double textBytes = 0;
    const auto fillStart = Clock::now();
    for (long i = 0; i < rows; ++i) {
        const std::string line = SampleLine(i);
        textBytes += line.size();
        list.Append(line);
        if (i % 1024 == 0) QCoreApplication::processEvents();  // as the running program would
    }
    QCoreApplication::processEvents();
    const double fillMs = MillisecondsSince(fillStart);
    const long after = SettledResidentBytes();

    PaintCounter paints;
    viewport->installEventFilter(&paints);
    const auto samples = TimeAppends(rows, appends, [&](long i) { list.Append(SampleLine(i)); });
    const Spread spread = SpreadOf(samples);
    const bool following = bar->value() == bar->maximum();
    const auto modelBytes = static_cast<double>(list.model()->BytesHeld());
    const long countedRows = list.Count();

    const auto clearStart = Clock::now();
    list.Clear();
    QCoreApplication::processEvents();
    const double clearMs = MillisecondsSince(clearStart);

    std::printf("\nLogList, %ld rows, 520 x 169 px, shown, following the end\n", rows);
    PrintRow("  append + event loop pass, median", Format("%9.3f ms", spread.median));
    PrintRow("  append + event loop pass, p99", Format("%9.3f ms", spread.p99));
    PrintRow("  appends timed", Format("%9.0f", static_cast<double>(appends)));
    PrintRow("  viewport paints per timed append",
             Format("%9.2f", static_cast<double>(paints.count) / appends));
    PrintRow("  still showing the newest entry afterwards", following ? "      yes" : "       NO");
    PrintRow("  mean entry length (UTF-8)", Format("%9.1f bytes", textBytes / rows));
    PrintRow("  resident memory growth per row (/proc/self/statm)",
             Format("%9.1f bytes", static_cast<double>(after - before) / rows));
    PrintRow("  model's own count per row", Format("%9.1f bytes", modelBytes / countedRows));
    PrintRow("  filling the rows, whole", Format("%9.0f ms", fillMs));
    PrintRow("  Clear at the full size", Format("%9.3f ms", clearMs));
}

void BenchPlainListView(long rows, long appends) {
    QStringListModel model;
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.resize(520, 169);
    ShowAndWait(view);

    const long before = SettledResidentBytes();
    QStringList lines;
    lines.reserve(rows);
    for (long i = 0; i < rows; ++i) lines.append(QString::fromStdString(SampleLine(i)));
    model.setStringList(lines);
    lines.clear();
    view.scrollToBottom();
    QCoreApplication::processEvents();
    const long after = SettledResidentBytes();

    const auto samples = TimeAppends(rows, appends, [&](long i) {
        const int row = model.rowCount();
        model.insertRows(row, 1);
        model.setData(model.index(row), QString::fromStdString(SampleLine(i)));
        view.scrollToBottom();
    });
    const Spread spread = SpreadOf(samples);

    std::printf("\nQListView (uniform item sizes) over QStringListModel, %ld rows, shown\n", rows);
    PrintRow("  append + scrollToBottom + event loop pass, median",
             Format("%9.3f ms", spread.median));
    PrintRow("  append + scrollToBottom + event loop pass, p99", Format("%9.3f ms", spread.p99));
    PrintRow("  appends timed", Format("%9.0f", static_cast<double>(appends)));
    PrintRow("  resident memory growth per row (/proc/self/statm)",
             Format("%9.1f bytes", static_cast<double>(after - before) / rows));
}

// What the program shows first. For now an empty window: the anchor that the
// main window's own start-up is to be held against.
std::unique_ptr<QWidget> MakeFirstWindow() {
    auto window = std::make_unique<QWidget>();
    window->resize(536, 571);
    return window;
}

// The child the start-up timing launches: builds the application, shows the
// first window, then writes the milliseconds this took in the process.
int RunFirstWindow(int argc, char** argv) {
    const auto start = Clock::now();
    QApplication app(argc, argv);
    const auto window = MakeFirstWindow();
    ShowAndWait(*window);
    std::printf("%.3f\n", MillisecondsSince(start));
    std::fflush(stdout);
    return 0;
}

// Latencies are wall-clock times: a busy machine shows in the p99.
void PrintLoadAverage() {
    double load = 0;
    if (FILE* loadavg = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(loadavg, "%lf", &load) != 1) load = 0;
        std::fclose(loadavg);
    }
    std::printf("load average (1 min): %.2f on %ld CPUs\n", load, ::sysconf(_SC_NPROCESSORS_ONLN));
}

struct StartUp {
    double launchToShownMs;
    double inProcessMs;
};

// Launches this program as the first-window child and times it from the
// launch to the child's report that its window is shown.
StartUp TimeStartUp() {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char exe[] = "/proc/self/exe";
    char arg[] = "--first-window";
    char* childArgs[] = {exe, arg, nullptr};

    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, exe, &actions, nullptr, childArgs, environ) != 0) std::abort();
    ::close(pipeEnds[1]);
    std::string report;
    char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1 && byte != '\n') report += byte;
    const double launchToShown = MillisecondsSince(start);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (report.empty()) std::abort();
    return {launchToShown, std::atof(report.c_str())};
}

void BenchStartUp(int runs) {
    std::vector<double> launch;
    std::vector<double> inProcess;
    for (int i = 0; i < runs; ++i) {
        const StartUp s = TimeStartUp();
        launch.push_back(s.launchToShownMs);
        inProcess.push_back(s.inProcessMs);
    }
    std::printf("\nStart-up to the first shown window (an empty QWidget), %d runs\n", runs);
    PrintRow("  launch to window shown, median", Format("%9.1f ms", SpreadOf(launch).median));
    PrintRow("  QApplication + show in the process, median",
             Format("%9.1f ms", SpreadOf(inProcess).median));
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc > 1 && std::strcmp(argv[1], kFirstWindowArg) == 0) return RunFirstWindow(argc, argv);

    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const long appends = argc > 2 ? std::atol(argv[2]) : 5000;
    BenchStartUp(7);

    QApplication app(argc, argv);
    std::printf("\nplatform: %s\n", qPrintable(QGuiApplication::platformName()));
    PrintLoadAverage();
    BenchLogList(rows / 10, appends);
    BenchLogList(rows, appends);
    BenchPlainListView(rows / 10, 200);
    BenchPlainListView(rows, 20);
    return 0;
}
