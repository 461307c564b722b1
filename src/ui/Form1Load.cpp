#include "common/AppTitle.h"
#include "common/Error.h"
#include "common/Files.h"
#include "engine/Intervals.h"
#include "settings/DefaultLogPath.h"
#include "ui/Form1.h"
#include "ui/Form1Design.h"
#include "ui/Ghost.h"
#include "ui/IntegerText.h"
#include "ui/Main.h"

namespace tess {

namespace {
constexpr int kFirstIntervalLine = 134;
constexpr int kColumnWidthTwips = 7000;
}  // namespace

void Form1::Form_Load() {
    ErrorTrap trap(s_.dialogs, "Form1", "Form_Load");
    const std::string folder = s_.programFolder.empty() ? ProgramFolder() : s_.programFolder;

    trap.Step(100, [&] { ApplySkin(ui_.window, form1::kDesign, folder); });
    trap.Step(102, [&] { isLoading_ = true; });
    trap.Step(104, [&] {
        ui_.window.SetCaption(kProductTitle);
        // Reading the support window's icon loads that window, hidden.
        ui_.window.SetIcon(s_.ghost.Icon());
        SetAppTitle();
    });
    trap.Step(106, [&] { OpenHomePageAtRandom(s_.launcher, s_.drawHomePageNumber); });

    bool cursorFile = false;
    const std::string cursorPath = InFolder(folder, "HAND-M.CUR");
    trap.Step(126, [&] { cursorFile = FileExists(cursorPath); });
    if (cursorFile) {
        trap.Step(128, [&] {
            if (!ui_.window.LoadMouseIcon(cursorPath)) throw Error("Invalid picture");
        });
    }

    trap.Step(130,
              [&] { ui_.ListView2.AddColumn("How often would you like to log battery level?"); });
    trap.Step(132, [&] { ui_.ListView2.SetColumnWidth(kColumnWidthTwips); });
    for (std::size_t i = 0; i < kIntervals.size(); ++i) {
        trap.Step(kFirstIntervalLine + 2 * static_cast<int>(i),
                  [&] { ui_.ListView2.AddItem(kIntervals[i].caption); });
    }
    trap.Step(158, [&] { ui_.ListView1.AddColumn("Battery Level"); });
    trap.Step(160, [&] { ui_.ListView1.SetColumnWidth(kColumnWidthTwips); });

    SelectStoredInterval(trap);

    trap.Step(168, [&] { DefaultLogPath = s_.defaultLogPath(); });
    // Raises Text1_Change, which stores the path: a first start stores the default.
    trap.Step(170, [&] { SetText1(settings_.Get(keys::kText1, DefaultLogPath)); });

    RestoreAutomaticLog(trap);

    trap.Step(188, [&] { cSysTray1_->SetTrayTip(kProductTitle); });
    trap.Step(190, [&] { cSysTray1_->SetInTray(true); });

    RestoreStartupOptions(trap);

    trap.Step(206, [&] { isLoading_ = false; });
}

void Form1::SelectStoredInterval(ErrorTrap& trap) {
    // A value that is not a number leaves the index at 0, which names no item:
    // both steps are reported.
    std::int16_t index = 0;
    trap.Step(162, [&] {
        index =
            ToInteger16(settings_.Get(keys::kOftenIndex, std::to_string(kDefaultIntervalIndex)));
    });
    if (trap.Step(164, [&] { SelectInterval(index); })) return;
    // Without a selection the countdown would count on for ever and never log.
    // The list shows, and the tick uses, the default interval; the stored value
    // stays until the user picks one.
    if (ui_.ListView2.Count() >= kDefaultIntervalIndex) ui_.ListView2.Select(kDefaultIntervalIndex);
}

// Only the selection changes: the choice handling does not run.
void Form1::SelectInterval(int index) {
    if (index < 1 || index > ui_.ListView2.Count()) throw Error("Index out of bounds");
    ui_.ListView2.Select(index);
}

void Form1::RestoreAutomaticLog(ErrorTrap& trap) {
    std::string state;
    trap.Step(172, [&] { state = settings_.Get(keys::kStartStopState, kOff); });
    bool off = false;
    bool on = false;
    trap.Step(174, [&] { off = state == kOff; });
    if (off) {
        trap.Step(176, [&] { ui_.PushButton5.SetCaption(kTurnOnCaption); });
        trap.Step(178, [&] { s_.timer1.SetInterval(0); });
        return;
    }
    trap.Step(180, [&] { on = state == kOn; });
    if (!on) return;
    trap.Step(182, [&] { intervalSave_.LogBatteryNow(); });
    trap.Step(184, [&] { ui_.PushButton5.SetCaption(kTurnOffCaption); });
    trap.Step(186, [&] { s_.timer1.SetInterval(kTickMilliseconds); });
}

// Setting the boxes raises their click handling, which does nothing for Check4
// while the load runs and writes back the stored value for Check8.
void Form1::RestoreStartupOptions(ErrorTrap& trap) {
    trap.Step(192, [&] {
        SetCheck(ui_.Check4, settings_.Get(keys::kWindowsStartup, kOff) == kOn ? 1 : 0,
                 &Form1::Check4_Click);
    });
    trap.Step(194, [&] {
        SetCheck(ui_.Check8, settings_.Get(keys::kMinimized, kOff) == kOn ? 1 : 0,
                 &Form1::Check8_Click);
    });
    bool startsWithSystem = false;
    trap.Step(196, [&] { startsWithSystem = ui_.Check4.Value() == 1; });
    if (!startsWithSystem) {
        trap.Step(204, [&] { ui_.Check8.SetVisible(false); });
        return;
    }
    trap.Step(198, [&] { ui_.Check8.SetVisible(true); });
    bool minimized = false;
    trap.Step(200, [&] { minimized = ui_.Check8.Value() == 1; });
    // The window is not shown yet: showing it takes the state (Show).
    if (minimized) {
        trap.Step(202, [&] { ui_.window.SetState(WindowState::Minimized); });
    }
}

}  // namespace tess
