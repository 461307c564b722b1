#pragma once

#include <optional>
#include <string>
#include <vector>

#include "FakeControls.h"
#include "ui/history/HistoryWindow.h"

// The history window's controls as fakes that keep what they are given.
namespace tess::test {

class FakeHistoryFrame : public HistoryFrame {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    bool Visible() const override { return shown > 0; }
    void ShowInFront() override { ++shown; }
    std::string caption;
    int shown = 0;
};

class FakeChoiceList : public ChoiceList {
public:
    void AddChoice(const std::string& caption) override { choices.push_back(caption); }
    void Choose(int index) override { chosen = index; }
    int Chosen() const override { return chosen; }
    std::vector<std::string> choices;
    int chosen = -1;
};

class FakeOwnerDataList : public OwnerDataList {
public:
    void AddColumn(const std::string& header, int, bool) override { headers.push_back(header); }
    void SetRowCount(std::size_t count, std::size_t firstChanged) override {
        rows = count;
        changes.push_back(firstChanged);
    }
    std::vector<std::string> headers;
    std::size_t rows = 0;
    std::vector<std::size_t> changes;  // the first changed row of each SetRowCount
};

// A surface of a fixed size whose text is 7 pixels a character, 15 a line; it
// keeps the last chart drawn.
template <typename Surface, typename Chart>
class FakeSurface : public Surface {
public:
    int Width() const override { return width; }
    int Height() const override { return height; }
    void Invalidate() override { ++invalidated; }
    int TextWidth(const std::string& text) const override {
        return 7 * static_cast<int>(text.size());
    }
    int LineHeight() const override { return 15; }
    void Draw(const ChartFrame& to, const Chart& chart) override {
        frame = to;
        drawn = chart;
    }
    int width = 600;
    int height = 300;
    int invalidated = 0;
    ChartFrame frame;
    std::optional<Chart> drawn;
};
using FakeLevelSurface = FakeSurface<LevelChartSurface, LevelChart>;
using FakeRuntimeSurface = FakeSurface<RuntimeChartSurface, RuntimeChart>;

struct FakeHistoryControls {
    HistoryControls Refs() {
        return {window, summary, range, levelChart, sessions, runtimeCaption, runtimeChart};
    }
    FakeHistoryFrame window;
    FakeCaption summary;
    FakeChoiceList range;
    FakeLevelSurface levelChart;
    FakeOwnerDataList sessions;
    FakeCaption runtimeCaption;
    FakeRuntimeSurface runtimeChart;
};

}  // namespace tess::test
