#include "ui/Form1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "resources/Icons.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

namespace tess {

Form1::Form1(const Form1Services& services, QWidget* parent)
    : QWidget(parent),
      s_(services),
      settings_(services.store),
      intervalSave_({services.power, services.clock, services.format, services.writer, *this,
                     services.dialogs}),
      cSysTray1_(std::make_unique<cSysTray>(
          cSysTray::Services{services.trayShell, services.trayWait, *this})),
      timer1_(services.timer1),
      pointer_(new PointerSetting(*this)) {
    BuildLayout();
    // cSysTray1 as designed: the 'Q' icon, no tip, not yet in the tray.
    cSysTray1_->SetTrayIcon(
        std::make_shared<const Picture>(Picture{Picture::Type::Icon, icons::kTray}));
    ConnectHandlers();
    InstallHoverHandlers();
    timer1_.SetInterval(0);
    timer1_.SetEnabled(true);
    timer1_.OnTick([this] { Timer1_Timer(); });
}

Form1::~Form1() {
    timer1_.OnTick(nullptr);
    cSysTray1_.reset();
}

std::string Form1::LogPath() const {
    return Text1->text().toStdString();
}

void Form1::AddEntry(const std::string& line) {
    ListView1->Append(line);
}

void Form1::ConnectHandlers() {
    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(PushButton5, &QPushButton::clicked, this, &Form1::PushButton5_Click);
    connect(PushButton6, &QPushButton::clicked, this, &Form1::PushButton6_Click);
    connect(PushButton7, &QPushButton::clicked, this, &Form1::PushButton7_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(ListView2, &QtIntervalList::chosen, this, &Form1::ListView2_Click);
    // A check box that changes its value, by the user or in code, raises its click handling.
    connect(Check4, &QCheckBox::toggled, this, &Form1::Check4_Click);
    connect(Check8, &QCheckBox::toggled, this, &Form1::Check8_Click);
}

QList<QWidget*> Form1::Controls() const {
    return {Frame1,      ProgressBar1, ListView1,   Frame3,      Text1,       PushButton7,
            Frame2,      Check4,       Check8,      PushButton5, PushButton6, PushButton1,
            PushButton2, PushButton3,  PushButton4, ListView2};
}

void Form1::Yield() {
    if (s_.yield) {
        s_.yield();
    } else {
        QCoreApplication::processEvents();
    }
}

}  // namespace tess
