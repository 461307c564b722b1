#pragma once

#include <cstddef>
#include <string>

#include "history/ChartGeometry.h"
#include "ui/Controls.h"
#include "ui/history/ChartFrame.h"

// The controls of the battery history window as its behaviour sees them, in the
// manner of ui/Controls.h: one toolkit call or message each, and the user's
// actions handed to the behaviour (HistoryWindow). Changing a control from here
// raises no event.
namespace tess {

// The history window itself: a top-level window of its own, which closing
// hides (its close goes to HistoryWindow::Form_Unload).
class HistoryFrame : public CaptionControl {
public:
    virtual bool Visible() const = 0;
    // Shows the window, restored when it was minimised, in front of the
    // program's other windows, and makes it the active window.
    virtual void ShowInFront() = 0;
};

// A short list of choices, one of them chosen (a drop-down list). The user's
// choice goes to the owner's choice handler.
class ChoiceList {
public:
    virtual ~ChoiceList() = default;
    virtual void AddChoice(const std::string& caption) = 0;
    // Chooses the item at `index` (from 0) without handing a choice to the owner.
    virtual void Choose(int index) = 0;
    // The index of the chosen item, or -1.
    virtual int Chosen() const = 0;
};

// A report-style list whose rows the owner keeps (owner data, a virtual list):
// the toolkit asks the owner for the text of the cells it shows, whenever it
// shows them. While the last row is in sight the list follows each new one;
// once the user scrolls away it stays where it is.
class OwnerDataList {
public:
    virtual ~OwnerDataList() = default;
    // A column at the right of the others; its width in twips.
    virtual void AddColumn(const std::string& header, int widthTwips, bool alignRight) = 0;
    // The list has `rows` rows now, and those from `firstChanged` on may read
    // differently from what it showed.
    virtual void SetRowCount(std::size_t rows, std::size_t firstChanged) = 0;
};

// A surface one chart is drawn on. The toolkit paints it when the window
// system asks and soon after Invalidate, by calling the owner's paint handler
// for it, which calls the surface's Draw; Draw is called from there only.
// Resizing the surface repaints it.
class ChartSurface : public TextMeasure {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Asks for a paint once the events pending now have run; several asks make one paint.
    virtual void Invalidate() = 0;
};

// The battery's charge over time: draws `chart` on `frame` (see ChartFrame),
// the AC spans as bands of kAcShade over the plot's height, then each line of
// kLevelLine: in each column a stroke from `top` to `bottom`, and from the
// second column of a line on, a stroke from the previous column's `last` to
// this column's `first`.
class LevelChartSurface : public ChartSurface {
public:
    virtual void Draw(const ChartFrame& frame, const LevelChart& chart) = 0;
};

// The weekly runtime of a full charge: draws `chart` on `frame`, a line of
// kRuntimeLine from each point that `joinsPrevious` to the point before it, and
// each point as a filled circle of kRuntimePointRadius.
class RuntimeChartSurface : public ChartSurface {
public:
    virtual void Draw(const ChartFrame& frame, const RuntimeChart& chart) = 0;
};

}  // namespace tess
