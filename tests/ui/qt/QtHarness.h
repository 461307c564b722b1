#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

#include "../Form1Harness.h"
#include "ui/qt/QtForm1.h"
#include "ui/qt/QtGhost.h"

namespace tess::test {

// The Qt windows over the fake services.
class QtHarness : public Form1Fakes {
public:
    ~QtHarness() { window.reset(); }

    QtForm1& Create() {
        window = std::make_unique<QtForm1>(Services(ghost.Logic()));
        return *window;
    }
    QtForm1& Load() {
        Create();
        window->Logic().Form_Load();
        return *window;
    }

    QtGhost ghost{ForGhost()};
    std::unique_ptr<QtForm1> window;
};

// A pointer move with no button held at `at` (by default near the bottom of the
// widget, clear of a list's header), delivered as the window system delivers it:
// to the widget under the pointer, and on to its parents if it does not take it.
inline void MoveOver(QWidget& widget, QPoint at = QPoint(-1, -1)) {
    const QPointF point =
        at.x() < 0 ? QPointF(widget.width() / 2.0, widget.height() - 2.0) : QPointF(at);
    QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

}  // namespace tess::test
