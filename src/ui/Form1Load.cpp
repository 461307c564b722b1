#include <algorithm>
#include <exception>
#include <string>
#include <vector>

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

// A read that fails is reported at the line of the step that reads, and gives
// the key's default as an absent value does, so that the load goes on as at a
// first start. An unreadable store fails every read alike: a failure already
// reported in this load is not reported again.
class LoadSettings {
public:
    LoadSettings(const Settings& settings, ErrorTrap& trap) : settings_(settings), trap_(trap) {}

    std::string Get(const char* key, const std::string& fallback) {
        try {
            return settings_.Get(key, fallback);
        } catch (const std::exception& failure) {
            const std::string reason = failure.what();
            if (std::find(reported_.begin(), reported_.end(), reason) == reported_.end()) {
                reported_.push_back(reason);
                trap_.Report(trap_.line(), reason);
            }
            return fallback;
        }
    }

private:
    const Settings& settings_;
    ErrorTrap& trap_;
    std::vector<std::string> reported_;
};

void Form1::Form_Load() {
    ErrorTrap trap(s_.dialogs, "Form1", "Form_Load");
    LoadSettings stored(settings_, trap);
    const std::string folder = s_.programFolder.empty() ? ProgramFolder() : s_.programFolder;

    trap.Step(100, [&] { ApplySkin(ui_.window, form1::kDesign, folder); });
    trap.Step(102, [&] { isLoading_ = true; });
    trap.Step(104, [&] {
        ui_.window.SetCaption(kProductTitle);
        // Reading the support window's icon loads that window, hidden.
        ui_.window.SetIcon(s_.ghost.Icon());
        SetAppTitle();
    });
    trap.Step(106, [&] {
        OpenHomePageAtRandom(s_.launcher, [&] { return s_.drawHomePageNumber(s_.clock); });
    });

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

    SelectStoredInterval(trap, stored);

    trap.Step(168, [&] { DefaultLogPath = s_.defaultLogPath(); });
    // Raises Text1_Change, which stores the path: a first start stores the default.
    trap.Step(170, [&] { SetText1(stored.Get(keys::kText1, DefaultLogPath)); });

    RestoreAutomaticLog(trap, stored);

    trap.Step(188, [&] { cSysTray1_->SetTrayTip(kProductTitle); });
    trap.Step(190, [&] { cSysTray1_->SetInTray(true); });

    RestoreStartupOptions(trap, stored);

    trap.Step(206, [&] { isLoading_ = false; });
}

void Form1::SelectStoredInterval(ErrorTrap& trap, LoadSettings& stored) {
    // A value that is not a number leaves the index at 0, which names no item:
    // both steps are reported.
    std::int16_t index = 0;
    trap.Step(162, [&] {
        index = ToInteger16(stored.Get(keys::kOftenIndex, std::to_string(kDefaultIntervalIndex)));
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

void Form1::RestoreAutomaticLog(ErrorTrap& trap, LoadSettings& stored) {
    std::string state;
    trap.Step(172, [&] { state = stored.Get(keys::kStartStopState, kOff); });
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
    trap.Step(182, [&] { intervalSave_.LogBatteryNow(EntryRequest::Automatic); });
    trap.Step(184, [&] { ui_.PushButton5.SetCaption(kTurnOffCaption); });
    trap.Step(186, [&] { s_.timer1.SetInterval(kTickMilliseconds); });
}

// Setting the boxes raises their click handling, which does nothing for Check4
// while the load runs and writes back the stored value for Check8.
void Form1::RestoreStartupOptions(ErrorTrap& trap, LoadSettings& stored) {
    trap.Step(192, [&] {
        SetCheck(ui_.Check4, stored.Get(keys::kWindowsStartup, kOff) == kOn ? 1 : 0,
                 &Form1::Check4_Click);
    });
    trap.Step(194, [&] {
        SetCheck(ui_.Check8, stored.Get(keys::kMinimized, kOff) == kOn ? 1 : 0,
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
