#include "ui/history/HistoryWindow.h"

#include <algorithm>

#include "common/CivilTime.h"

namespace tess {

namespace {

// After new entries, the sessions at the end may be taken again; as many as
// this, kept as they were, tell which rows of the table changed.
constexpr std::size_t kComparedSessions = 8;

bool Same(const DischargeSession& a, const DischargeSession& b) {
    return a.first == b.first && a.last == b.last && a.start == b.start && a.end == b.end &&
           a.firstPercent == b.firstPercent && a.lastPercent == b.lastPercent;
}

bool SameFrame(const ChartFrame& a, const ChartFrame& b) {
    return a.plot == b.plot && a.area.width == b.area.width && a.area.height == b.area.height &&
           a.area.timeLabelSpacing == b.area.timeLabelSpacing &&
           a.area.valueLabelSpacing == b.area.valueLabelSpacing;
}

// A moment whose date and time are among the widest a format writes.
constexpr LocalDateTime kWideMoment{2026, 12, 28, 23, 58, 58};

}  // namespace

HistoryWindow::HistoryWindow(const HistoryControls& controls, const DateTimeFormat& format,
                             TickTimer& reader, const Stopwatch& stopwatch)
    : ui_(controls), format_(format), reader_(reader), stopwatch_(stopwatch) {
    ui_.window.SetCaption(kHistoryCaption);
    for (const char* choice : kRangeChoices) ui_.range.AddChoice(choice);
    ui_.range.Choose(static_cast<int>(kFirstRange));
    for (const SessionColumnDesign& column : kSessionColumns) {
        ui_.sessions.AddColumn(column.header, column.widthTwips, column.alignRight);
    }
    reader_.SetEnabled(false);
    reader_.SetInterval(kReadingInterval);
    reader_.OnTick([this] { ReadOn(); });
}

HistoryWindow::~HistoryWindow() {
    reader_.SetEnabled(false);
    reader_.OnTick(nullptr);
}

void HistoryWindow::ShowHistory(const std::string& path) {
    if (history_ && path == path_) {
        Follow();
    } else {
        Read(path);
    }
    ui_.window.ShowInFront();
}

void HistoryWindow::EntryAdded(const std::string& path) {
    if (!history_) return;
    if (path != path_) return Read(path);
    Follow();
}

void HistoryWindow::Read(const std::string& path) {
    path_ = path;
    history_.reset();  // the log before goes first, so that two are never held
    history_ = std::make_unique<BatteryHistory>(format_);
    history_->Name(path);
    reading_ = true;
    reader_.SetEnabled(false);
    ReadOn();
}

// What an event reads of the log: pieces of it, while the time lasts.
LogChange HistoryWindow::ReadAWhile() {
    const std::int64_t start = stopwatch_.Milliseconds();
    return history_->Follow(kPieceBytes, [&] {
        return stopwatch_.Milliseconds() - start < kReadingMilliseconds;
    });
}

// More of the log being read: at its end the history shows; before it, the
// window shows how far the reading is, and the reader's tick goes on.
void HistoryWindow::ReadOn() {
    if (!history_) return;
    ReadAWhile();
    const bool began = !reader_.Enabled();
    reader_.SetEnabled(false);
    if (history_->Caught()) {
        reading_ = false;
        Show(0);
        return;
    }
    // The next tick counts from the end of this reading: what waits meanwhile
    // (a paint, the writer's tick) runs first, and a loop that runs the events
    // pending until none is left (a yield) sees none left.
    reader_.SetEnabled(true);
    if (began) {
        Show(0);
    } else {
        ui_.summary.SetCaption(history_->Summary());
    }
}

void HistoryWindow::Follow() {
    // The reading under way takes in whatever the writer appends meanwhile.
    if (reading_) return;
    const std::vector<DischargeSession>& sessions = history_->Analysis().Sessions();
    const std::size_t before = sessions.size();
    const std::size_t from = before > kComparedSessions ? before - kComparedSessions : 0;
    const std::vector<DischargeSession> kept(sessions.begin() + static_cast<std::ptrdiff_t>(from),
                                             sessions.end());
    const LogChange change = ReadAWhile();
    if (!history_->Caught()) {
        // Replaced by a large file, or a large append: read on as at the start.
        reading_ = true;
        reader_.SetEnabled(true);
        Show(0);
        return;
    }
    if (change == LogChange::None) return;
    std::size_t first = 0;
    if (change == LogChange::Appended) {
        first = from;
        while (first < std::min(before, sessions.size()) && Same(kept[first - from], sessions[first]))
            ++first;
        // Should even the earliest kept one differ, the rows before it may too.
        if (first == from) first = 0;
    }
    Show(first);
}

void HistoryWindow::Show(std::size_t firstChangedRow) {
    ++version_;
    ui_.summary.SetCaption(path_.empty() ? "The main window names no log file."
                                         : history_->Summary());
    ui_.sessions.SetRowCount(reading_ ? 0 : history_->Analysis().Sessions().size(),
                             firstChangedRow);
    ui_.runtimeCaption.SetCaption(RuntimeCaption());
    ui_.levelChart.Invalidate();
    ui_.runtimeChart.Invalidate();
}

std::string HistoryWindow::RuntimeCaption() const {
    static const std::string kTitle = "Runtime of a full charge, median of each week: ";
    if (reading_) return kTitle + "...";
    const std::vector<WeekRuntime> weeks = history_->Analysis().Weeks();
    if (weeks.empty()) {
        return kTitle + "no discharge of " + std::to_string(DischargeAnalysis::kMinDropForWeek) +
               " points or more yet.";
    }
    const WeekRuntime& last = weeks.back();
    return kTitle + TenthsText(last.medianHours) + " h in the week of " +
           format_.ShortDate(CivilFromSeconds(last.weekStart)) + " (" +
           std::to_string(last.sessions) + (last.sessions == 1 ? " session)." : " sessions).");
}

void HistoryWindow::Range_Click() {
    ui_.levelChart.Invalidate();
}

ChartRange HistoryWindow::Range() const {
    const int chosen = ui_.range.Chosen();
    return chosen >= 0 && chosen < static_cast<int>(kRangeChoices.size())
               ? static_cast<ChartRange>(chosen)
               : kFirstRange;
}

void HistoryWindow::LevelChart_Paint() {
    LevelChartSurface& surface = ui_.levelChart;
    const ChartFrame frame =
        FrameChart(surface.Width(), surface.Height(), surface, {"100%"},
                   {format_.ShortDate(kWideMoment), format_.LongTime(kWideMoment)});
    const ChartRange range = Range();
    if (!level_.valid || level_.version != version_ || level_.range != range ||
        !SameFrame(level_.frame, frame)) {
        level_ = {Ready() ? LayoutLevelChart(history_->Samples(), history_->Analysis(), range,
                                             frame.area, format_)
                          : LevelChart{},
                  frame, version_, range, true};
    }
    surface.Draw(level_.frame, level_.chart);
}

void HistoryWindow::RuntimeChart_Paint() {
    RuntimeChartSurface& surface = ui_.runtimeChart;
    const ChartFrame frame = FrameChart(surface.Width(), surface.Height(), surface, {"100 h"},
                                        {format_.ShortDate(kWideMoment)});
    if (!runtime_.valid || runtime_.version != version_ || !SameFrame(runtime_.frame, frame)) {
        runtime_ = {Ready() ? LayoutRuntimeChart(history_->Analysis(), frame.area, format_)
                            : RuntimeChart{},
                    frame, version_, ChartRange::All, true};
    }
    surface.Draw(runtime_.frame, runtime_.chart);
}

void HistoryWindow::Form_Unload() {
    reader_.SetEnabled(false);
    reading_ = false;
    history_.reset();
    path_.clear();
    ++version_;
    level_ = {};
    runtime_ = {};
    ui_.sessions.SetRowCount(0, 0);
}

std::string HistoryWindow::SessionCell(std::size_t row, int column) const {
    if (!Ready() || column < 0 || column >= static_cast<int>(kSessionColumns.size())) return {};
    const std::vector<DischargeSession>& sessions = history_->Analysis().Sessions();
    if (row >= sessions.size()) return {};
    return SessionText(sessions[row], static_cast<SessionColumn>(column), format_);
}

}  // namespace tess
