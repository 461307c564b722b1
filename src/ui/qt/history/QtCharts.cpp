#include "ui/qt/history/QtCharts.h"

#include <QLine>
#include <QVector>
#include <algorithm>
#include <vector>

namespace tess {

namespace {

QColor Colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QRect PlotRect(const ChartFrame& frame) {
    return {frame.plot.left, frame.plot.top, frame.plot.width, frame.plot.height};
}

// The surface and the plot; the painter's origin is then the plot's corner.
void DrawGround(QPainter& painter, const QWidget& surface, const ChartFrame& frame) {
    painter.fillRect(surface.rect(), surface.palette().window());
    const QRect plot = PlotRect(frame);
    painter.fillRect(plot, Colour(kPlotBackground));
    painter.translate(plot.topLeft());
}

void DrawGrid(QPainter& painter, const QRect& plot, const std::vector<AxisTick>& valueTicks,
              const std::vector<AxisTick>& timeTicks) {
    painter.setPen(Colour(kGrid));
    for (const AxisTick& tick : valueTicks) painter.drawLine(0, tick.at, plot.width() - 1, tick.at);
    for (const AxisTick& tick : timeTicks) painter.drawLine(tick.at, 0, tick.at, plot.height() - 1);
    painter.setPen(Colour(kAxis));
    painter.drawRect(0, 0, plot.width() - 1, plot.height() - 1);
}

// The labels of the ticks, beside the plot.
void DrawLabels(QPainter& painter, const QWidget& surface, const ChartFrame& frame,
                const std::vector<AxisTick>& valueTicks, const std::vector<AxisTick>& timeTicks) {
    painter.resetTransform();
    const QRect plot = PlotRect(frame);
    painter.setPen(Colour(kLabelText));
    const QFontMetrics metrics = surface.fontMetrics();
    const int line = metrics.height();
    for (const AxisTick& tick : valueTicks) {
        const QRect box(0, plot.top() + tick.at - line / 2, plot.left() - kLabelGap, line);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(tick.label));
    }
    for (const AxisTick& tick : timeTicks) {
        const QString label = QString::fromStdString(tick.label);
        const int width = metrics.horizontalAdvance(label);
        const int left = std::clamp(plot.left() + tick.at - width / 2, 0,
                                    std::max(0, surface.width() - width));
        painter.drawText(QRect(left, plot.bottom() + 1 + kLabelGap, width, line),
                         Qt::AlignLeft | Qt::AlignTop, label);
    }
}

}  // namespace

void QtLevelChart::Draw(const ChartFrame& frame, const LevelChart& chart) {
    if (!painter_) return;
    QPainter& painter = *painter_;
    DrawGround(painter, *this, frame);
    for (const PixelSpan& span : chart.acSpans) {
        painter.fillRect(span.left, 0, span.right - span.left, frame.plot.height, Colour(kAcShade));
    }
    DrawGrid(painter, PlotRect(frame), chart.percentTicks, chart.timeTicks);
    QVector<QLine> strokes;
    for (const PixelStroke& stroke : LevelStrokes(chart)) {
        strokes.append(QLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2));
    }
    painter.setPen(Colour(kLevelLine));
    painter.drawLines(strokes);
    DrawLabels(painter, *this, frame, chart.percentTicks, chart.timeTicks);
}

void QtRuntimeChart::Draw(const ChartFrame& frame, const RuntimeChart& chart) {
    if (!painter_) return;
    QPainter& painter = *painter_;
    DrawGround(painter, *this, frame);
    DrawGrid(painter, PlotRect(frame), chart.hourTicks, chart.timeTicks);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Colour(kRuntimeLine), 2));
    for (std::size_t i = 1; i < chart.points.size(); ++i) {
        if (!chart.points[i].joinsPrevious) continue;
        painter.drawLine(chart.points[i - 1].x, chart.points[i - 1].y, chart.points[i].x,
                         chart.points[i].y);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colour(kRuntimeLine));
    for (const RuntimePoint& point : chart.points) {
        painter.drawEllipse(QPoint(point.x, point.y), kRuntimePointRadius, kRuntimePointRadius);
    }
    DrawLabels(painter, *this, frame, chart.hourTicks, chart.timeTicks);
}

}  // namespace tess
