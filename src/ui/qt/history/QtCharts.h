#pragma once

#include <QPainter>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

#include "ui/history/HistoryControls.h"

namespace tess {

// A chart surface over Qt: a widget whose paint goes to its owner's paint
// handler, which draws through Draw while the widget's painter is active.
template <typename Surface>
class QtChartView : public QWidget, public Surface {
public:
    explicit QtChartView(QWidget* parent = nullptr) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    // The owner's paint handler.
    void OnPaint(std::function<void()> paint) { paint_ = std::move(paint); }

    // ChartSurface
    int Width() const override { return width(); }
    int Height() const override { return height(); }
    void Invalidate() override { update(); }
    int TextWidth(const std::string& text) const override {
        return fontMetrics().horizontalAdvance(QString::fromStdString(text));
    }
    int LineHeight() const override { return fontMetrics().height(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter_ = &painter;
        if (paint_) {
            paint_();
        } else {
            painter.fillRect(rect(), palette().window());
        }
        painter_ = nullptr;
    }
    // The painter of the paint under way; null outside it.
    QPainter* painter_ = nullptr;

private:
    std::function<void()> paint_;
};

// The charge over time, with the periods on AC shaded.
class QtLevelChart : public QtChartView<LevelChartSurface> {
public:
    using QtChartView::QtChartView;
    void Draw(const ChartFrame& frame, const LevelChart& chart) override;
};

// The weekly runtime of a full charge.
class QtRuntimeChart : public QtChartView<RuntimeChartSurface> {
public:
    using QtChartView::QtChartView;
    void Draw(const ChartFrame& frame, const RuntimeChart& chart) override;
};

}  // namespace tess
