#include "ui/Main.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTime>
#include <QWidget>
#include <random>

#include "Vendor.h"
#include "common/Error.h"
#include "ui/Launcher.h"

namespace tess {

namespace {

constexpr int kHomePageNumber = 7;

bool TakesButtonFace(const QWidget* control) {
    return qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control) ||
           qobject_cast<const QGroupBox*>(control) || qobject_cast<const QLabel*>(control);
}

void SetBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

}  // namespace

void ApplySkin(QWidget& window, const QList<QWidget*>& controls, const std::string& programFolder) {
    const QString path = QString::fromStdString(programFolder) + QStringLiteral("/x/o.cjs");
    if (!QFileInfo(path).isFile()) return;

    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    SetBackground(window, buttonFace);
    for (QWidget* control : controls) {
        if (TakesButtonFace(control)) SetBackground(*control, buttonFace);
    }

    QFile skin(path);
    if (!skin.open(QIODevice::ReadOnly)) throw Error(skin.errorString().toStdString());
    window.setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void OpenHomePageAtRandom(Launcher& launcher, const std::function<int()>& draw) {
    if (draw() != kHomePageNumber) return;
    launcher.OpenUrl(std::string("https://") + kVendorHost + "/");
}

int DrawHomePageNumber() {
    std::mt19937 generator(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()));
    return std::uniform_int_distribution<int>(1, 100)(generator);
}

}  // namespace tess
