#include "ui/history/ChartFrame.h"

#include <algorithm>

namespace tess {

namespace {
int Widest(const TextMeasure& text, std::initializer_list<std::string> labels) {
    int widest = 0;
    for (const std::string& label : labels) widest = std::max(widest, text.TextWidth(label));
    return widest;
}
}  // namespace

ChartFrame FrameChart(int width, int height, const TextMeasure& text,
                      std::initializer_list<std::string> valueLabels,
                      std::initializer_list<std::string> timeLabels) {
    const int line = std::max(text.LineHeight(), 1);
    ChartFrame frame;
    // Half a line above and to the right, so that the top value label and the
    // last time label are not cut by the surface's edge.
    frame.plot.left = Widest(text, valueLabels) + 2 * kLabelGap;
    frame.plot.top = line / 2 + 1;
    frame.plot.width = std::max(0, width - frame.plot.left - line);
    frame.plot.height = std::max(0, height - frame.plot.top - line - 2 * kLabelGap);
    frame.area = {frame.plot.width, frame.plot.height, Widest(text, timeLabels) + 2 * line,
                  2 * line};
    return frame;
}

}  // namespace tess
