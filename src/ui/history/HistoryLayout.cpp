#include "ui/history/HistoryLayout.h"

#include <algorithm>

namespace tess {

namespace {
constexpr int kMargin = 8;
constexpr int kSpacing = 6;
// Shares of the height left for the chart of the charge, the table and the
// weekly runtime.
constexpr int kLevelShare = 5;
constexpr int kSessionsShare = 3;
constexpr int kRuntimeShare = 2;
}  // namespace

HistoryPlaces LayOutHistory(int width, int height, const HistoryMetrics& metrics) {
    const int inner = std::max(0, width - 2 * kMargin);
    int top = kMargin;
    // The next control down: `rows` pixels high, then the spacing.
    const auto next = [&](int rows, int controlWidth) {
        const PixelRect place{kMargin, top, controlWidth, std::max(0, rows)};
        top += place.height + kSpacing;
        return place;
    };
    HistoryPlaces places;
    places.summary = next(2 * metrics.lineHeight, inner);
    places.range = next(metrics.choiceHeight, std::min(inner, metrics.choiceWidth));
    const int fixedBelow = metrics.lineHeight + 3 * kSpacing + kMargin;
    const int left = std::max(0, height - top - fixedBelow);
    const int shares = kLevelShare + kSessionsShare + kRuntimeShare;
    const int level = left * kLevelShare / shares;
    const int sessions = left * kSessionsShare / shares;
    places.levelChart = next(level, inner);
    places.sessions = next(sessions, inner);
    places.runtimeCaption = next(metrics.lineHeight, inner);
    places.runtimeChart = next(left - level - sessions, inner);
    return places;
}

}  // namespace tess
