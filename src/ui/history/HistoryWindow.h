#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "history/BatteryHistory.h"
#include "history/ChartGeometry.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryView.h"
#include "ui/history/SessionText.h"

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
    // `format` is the log writer's own; it outlives the window.
    HistoryWindow(const HistoryControls& controls, const DateTimeFormat& format);

    // HistoryView. The log is read at once, in the caller's event: a million
    // entries take a few tenths of a second, once; a new entry after that well
    // under a millisecond, its charts laid out again when they are next painted.
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
    void Show(std::size_t firstChangedRow);
    std::string RuntimeCaption() const;
    ChartRange Range() const;

    HistoryControls ui_;
    const DateTimeFormat& format_;
    std::string path_;
    std::unique_ptr<BatteryHistory> history_;
    // Changes whenever what the charts show changes.
    std::size_t version_ = 0;
    Laid<LevelChart> level_;
    Laid<RuntimeChart> runtime_;
};

}  // namespace tess
