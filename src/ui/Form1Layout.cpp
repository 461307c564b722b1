#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <initializer_list>
#include <iterator>

#include "ui/qt/DesignFont.h"
#include "ui/Form1.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"
#include "ui/qt/Twips.h"

namespace tess {

namespace {

constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 8565;

void SetWhiteBackground(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

int Form1::Twips(int twips) const {
    return tess::Twips(*this, twips);
}

void Form1::BuildLayout() {
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
    setFont(Arial(9, false));
    SetWhiteBackground(*this);

    const QFont text = Arial(9, true);
    const QFont button = Arial(11.25, true);
    const auto place = [this](QWidget* control, int left, int top, int width, int height,
                              const QFont& font) {
        control->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
        control->setFont(font);
    };
    const auto pushButton = [&](const char* caption, QWidget* parent, int left, int top, int width,
                                int height) {
        auto* control = new QPushButton(QString::fromUtf8(caption), parent);
        place(control, left, top, width, height, button);
        return control;
    };

    Frame1 = new QGroupBox(QStringLiteral("Next log will occur in"), this);
    place(Frame1, 120, 60, 7800, 840, text);
    ProgressBar1 = new QProgressBar(Frame1);
    place(ProgressBar1, 240, 285, 7320, 405, text);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    ListView1 = new QtLogList(this);
    place(ListView1, 120, 1000, 7800, 2535, text);

    Frame3 = new QGroupBox(QStringLiteral("Log File"), this);
    place(Frame3, 120, 6070, 7800, 820, text);
    Text1 = new QLineEdit(Frame3);
    place(Text1, 240, 300, 6495, 345, text);
    PushButton7 = pushButton("...", Frame3, 6840, 300, 720, 345);

    Frame2 = new QGroupBox(QStringLiteral("Startup Options"), this);
    place(Frame2, 120, 5270, 7800, 735, text);
    Check4 = new QCheckBox(QStringLiteral("Load this software on Windows startup"), Frame2);
    place(Check4, 240, 300, 3930, 285, text);
    Check8 = new QCheckBox(QStringLiteral("Minimized to system tray"), Frame2);
    place(Check8, 4200, 300, 2580, 285, text);

    PushButton5 = pushButton("Turn On Automatic Logging", this, 120, 7020, 3840, 405);
    PushButton6 = pushButton("Log Battery Level Now (Test)", this, 4080, 7020, 3840, 405);
    PushButton1 = pushButton("View Log", this, 120, 7530, 3840, 405);
    PushButton2 = pushButton("Copy Log To Clipboard", this, 4080, 7530, 3840, 405);
    PushButton3 = pushButton("Help", this, 120, 8040, 3840, 405);
    PushButton4 = pushButton("Clear Log", this, 4080, 8040, 3840, 405);

    ListView2 = new QtIntervalList(this);
    place(ListView2, 120, 3630, 7800, 1590, text);

    for (QWidget* white : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3, Check4, Check8}) {
        SetWhiteBackground(*white);
    }

    // The design's tab order; frames and the progress bar take no focus.
    QWidget* const order[] = {ListView1,   PushButton5, PushButton6, PushButton1,
                              PushButton2, Check8,      Check4,      PushButton3,
                              PushButton4, Text1,       PushButton7, ListView2};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace tess
