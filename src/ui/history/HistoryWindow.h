#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "common/Stopwatch.h"
#include "history/BatteryHistory.h"
#include "history/ChartGeometry.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryView.h"
#include "ui/history/SessionText.h"
#include "ui/TickTimer.h"

namespace tess {

// The history window's controls that its behaviour acts on.
struct HistoryControls {
    HistoryFrame& window;
    CaptionControl& summary;
    ChoiceList& range;
    LevelChartSurface& levelChart;
    OwnerDataList& sessions;
    CaptionControl& runtimeCaption;
    RuntimeChartSurface& runtimeChart;
};

// The choices of the range, in the order of ChartRange.
inline constexpr std::array<const char*, 3> kRangeChoices{"Day", "Week", "All"};
inline constexpr ChartRange kFirstRange = ChartRange::Week;

// The battery history window's behaviour: the log the writer appends to, read
// back when the window is shown and followed while it is open; the charge over
// the chosen range with the periods on AC, the discharge sessions, the weekly
// runtime of a full charge, and a sentence on what was found. The log is held
// only while the window is open. A toolkit's window builds the controls, lays
// them out with LayOutHistory, and calls the handlers below; the charts'
// geometry is computed here when their surfaces are painted.
class HistoryWindow : public HistoryView {
public:
    // An event reads the log this many bytes at a time, for this many
    // milliseconds at most (and one piece at least); the reader's next tick
    // comes this many milliseconds after the end of its reading.
    static constexpr std::uint64_t kPieceBytes = 256 << 10;
    static constexpr std::int64_t kReadingMilliseconds = 20;
    static constexpr int kReadingInterval = 10;

    // `format` is the log writer's own; it outlives the window. `reader` is a
    // timer of the window's own, which reads on while a large log is read,
    // and `stopwatch` times each event's reading.
    HistoryWindow(const HistoryControls& controls, const DateTimeFormat& format,
                  TickTimer& reader, const Stopwatch& stopwatch);
    ~HistoryWindow() override;
    HistoryWindow(const HistoryWindow&) = delete;
    HistoryWindow& operator=(const HistoryWindow&) = delete;

    // HistoryView. No event waits for a large log: one reads of it for a few
    // milliseconds, the reader's ticks read on with the program's events
    // between them (the writer's entries, which the reading takes in too), and
    // the history shows once the whole log is read; meanwhile the summary
    // says how much is. A new entry after that takes well under a
    // millisecond, its charts laid out again when next painted.
    void ShowHistory(const std::string& path) override;
    void EntryAdded(const std::string& path) override;

    // The user chose a range.
    void Range_Click();
    // The surfaces ask for their paint.
    void LevelChart_Paint();
    void RuntimeChart_Paint();
    // The window was closed: the log is let go until it is shown again.
    void Form_Unload();

    // The text of a cell of the sessions table (owner data).
    std::string SessionCell(std::size_t row, int column) const;
    // Whether the window holds a log (it is open).
    bool IsOpen() const { return history_ != nullptr; }
    // Whether the log it holds is read to its end, and shown.
    bool Ready() const { return history_ != nullptr && !reading_; }
    const BatteryHistory* History() const { return history_.get(); }

private:
    // A chart as last laid out, and what it was laid out for.
    template <typename Chart>
    struct Laid {
        Chart chart;
        ChartFrame frame;
        std::size_t version = 0;
        ChartRange range = ChartRange::All;
        bool valid = false;
    };

    void Read(const std::string& path);
    void Follow();
    void ReadOn();
    LogChange ReadAWhile();
    void Show(std::size_t firstChangedRow);
    std::string RuntimeCaption() const;
    ChartRange Range() const;

    HistoryControls ui_;
    const DateTimeFormat& format_;
    std::string path_;
    TickTimer& reader_;
    const Stopwatch& stopwatch_;
    std::unique_ptr<BatteryHistory> history_;
    // The log is being read: what it holds shows once it is read to its end.
    bool reading_ = false;
    // Changes whenever what the charts show changes.
    std::size_t version_ = 0;
    Laid<LevelChart> level_;
    Laid<RuntimeChart> runtime_;
};

}  // namespace tess
