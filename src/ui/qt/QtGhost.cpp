#include "ui/qt/QtGhost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/GhostDesign.h"

namespace tess {

QtGhost::QtGhost(const GhostServices& services)
    : QtWindow(ghost::kDesign, nullptr),
      image1_(Control<QLabel>(ghost::Image1)),
      pushButton3_(Control<QPushButton>(ghost::PushButton3)),
      pushButton4_(Control<QPushButton>(ghost::PushButton4)),
      pushButton5_(Control<QPushButton>(ghost::PushButton5)),
      pushButton6_(Control<QPushButton>(ghost::PushButton6)),
      ghost_({*this, image1_, pushButton3_, pushButton4_, pushButton5_, pushButton6_}, services) {
    // Left open, the support window does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    HandClicksTo(ghost_, Ghost::kButtonClicks);
    HandPointerMovesTo([this](ControlId control) { ghost_.MouseMove(control); });
}

// A close the window system delivers is the user's; the program's own come from a call.
void QtGhost::closeEvent(QCloseEvent* event) {
    if (ghost_.Form_QueryUnload(event->spontaneous() ? UnloadMode::User : UnloadMode::Program)) {
        event->ignore();
        return;
    }
    QtWindow::closeEvent(event);
}

}  // namespace tess
