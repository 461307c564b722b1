#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "common/AppTitle.h"
#include "common/Files.h"
#include "engine/Intervals.h"
#include "settings/DefaultLogPath.h"
#include "ui/qt/CursorFile.h"
#include "ui/Form1.h"
#include "ui/qt/HiddenWindowState.h"
#include "ui/IntegerText.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"
#include "ui/Main.h"

namespace tess {

namespace {
constexpr int kFirstIntervalLine = 134;
constexpr int kColumnWidthTwips = 7000;
}  // namespace

void Form1::Form_Load() {
    ErrorTrap trap(s_.dialogs, "Form1", "Form_Load");
    const std::string folder = s_.programFolder.empty() ? ProgramFolder() : s_.programFolder;

    trap.Step(100, [&] { ApplySkin(*this, Controls(), folder); });
    trap.Step(102, [&] { isLoading_ = true; });
    trap.Step(104, [&] {
        setWindowTitle(QString::fromUtf8(kProductTitle));
        if (s_.ghostIcon) setWindowIcon(s_.ghostIcon());
        SetAppTitle();
    });
    trap.Step(106, [&] {
        OpenHomePageAtRandom(s_.launcher,
                             s_.drawHomePageNumber ? s_.drawHomePageNumber : DrawHomePageNumber);
    });

    bool cursorFile = false;
    const std::string cursorPath = folder + "/HAND-M.CUR";
    trap.Step(126, [&] { cursorFile = FileExists(cursorPath); });
    if (cursorFile) {
        trap.Step(128,
                  [&] { pointer_->SetCustom(LoadCursorFile(QString::fromStdString(cursorPath))); });
    }

    trap.Step(130, [&] {
        ListView2->SetHeader(QStringLiteral("How often would you like to log battery level?"));
    });
    trap.Step(132, [&] { ListView2->SetColumnWidth(Twips(kColumnWidthTwips)); });
    for (std::size_t i = 0; i < kIntervals.size(); ++i) {
        trap.Step(kFirstIntervalLine + 2 * static_cast<int>(i),
                  [&] { ListView2->AddItem(QString::fromUtf8(kIntervals[i].caption)); });
    }
    trap.Step(158, [&] {
        ListView1->SetHeader(QStringLiteral("Battery Level"), Twips(kColumnWidthTwips));
    });

    SelectStoredInterval(trap);

    trap.Step(168, [&] { DefaultLogPath = ComputeDefaultLogPath(kProductTitle); });
    trap.Step(170, [&] {
        // Raises Text1_Change, which stores the path: a first start stores the default.
        Text1->setText(QString::fromStdString(settings_.Get(keys::kText1, DefaultLogPath)));
    });

    RestoreAutomaticLog(trap);

    trap.Step(188, [&] { cSysTray1_->SetTrayTip(kProductTitle); });
    trap.Step(190, [&] { cSysTray1_->SetInTray(true); });

    RestoreStartupOptions(trap);

    trap.Step(206, [&] { isLoading_ = false; });
}

void Form1::SelectStoredInterval(ErrorTrap& trap) {
    // A value that is not a number leaves the index at 0, which names no item:
    // both steps are reported and no interval is selected.
    std::int16_t index = 0;
    trap.Step(162, [&] {
        index =
            ToInteger16(settings_.Get(keys::kOftenIndex, std::to_string(kDefaultIntervalIndex)));
    });
    trap.Step(164, [&] { ListView2->SelectIndex(index); });
}

void Form1::RestoreAutomaticLog(ErrorTrap& trap) {
    std::string state;
    trap.Step(172, [&] { state = settings_.Get(keys::kStartStopState, kOff); });
    bool off = false;
    bool on = false;
    trap.Step(174, [&] { off = state == kOff; });
    if (off) {
        trap.Step(176, [&] { PushButton5->setText(QString::fromUtf8(kTurnOnCaption)); });
        trap.Step(178, [&] { timer1_.SetInterval(0); });
        return;
    }
    trap.Step(180, [&] { on = state == kOn; });
    if (!on) return;
    trap.Step(182, [&] { intervalSave_.LogBatteryNow(); });
    trap.Step(184, [&] { PushButton5->setText(QString::fromUtf8(kTurnOffCaption)); });
    trap.Step(186, [&] { timer1_.SetInterval(kTickMilliseconds); });
}

void Form1::RestoreStartupOptions(ErrorTrap& trap) {
    trap.Step(192, [&] { Check4->setChecked(settings_.Get(keys::kWindowsStartup, kOff) == kOn); });
    trap.Step(194, [&] { Check8->setChecked(settings_.Get(keys::kMinimized, kOff) == kOn); });
    bool startsWithSystem = false;
    trap.Step(196, [&] { startsWithSystem = Check4->isChecked(); });
    if (!startsWithSystem) {
        trap.Step(204, [&] { Check8->setVisible(false); });
        return;
    }
    trap.Step(198, [&] { Check8->setVisible(true); });
    bool minimized = false;
    trap.Step(200, [&] { minimized = Check8->isChecked(); });
    // The window is not shown yet: showing it takes the state (Form1::setVisible).
    if (minimized) {
        trap.Step(202, [&] { SetWindowStateKeepingHidden(*this, Qt::WindowMinimized); });
    }
}

}  // namespace tess
