#include <algorithm>
#include <limits>

#include "common/Error.h"
#include "engine/Intervals.h"
#include "ui/Form1.h"
#include "ui/PointerSetting.h"
#include "ui/QuietReport.h"

namespace tess {

namespace {

// A range of 0..0 would turn the bar into a busy indicator.
void SetMaximum(ProgressBar& bar, std::int32_t maximum) {
    bar.SetMaximum(std::max<std::int32_t>(maximum, 1));
}

}  // namespace

bool Form1::AutomaticLogOn() const {
    return ui_.PushButton5.Caption() == kTurnOffCaption;
}

// Whether a tick that let other events run goes on: not once the program is
// shutting down (no entry is written then), nor when the switch was turned off.
bool Form1::TickGoesOn() {
    if (shuttingDown_) return false;
    if (AutomaticLogOn()) return true;
    EndTickSwitchedOff();
    return false;
}

// The switch was turned off while the tick let other events run: the tick ends
// without an entry and without re-arming. The timer is left as the switch leaves
// it, enabled with period 0, so that switching on again resumes the ticks; a count
// that reached the interval starts over, or it would never match it again.
void Form1::EndTickSwitchedOff() {
    s_.timer1.SetInterval(0);
    s_.timer1.SetEnabled(true);
    if (elapsedSeconds_ >= currentInterval_) {
        elapsedSeconds_ = 0;
        ui_.ProgressBar1.SetValue(0);
    }
}

void Form1::Timer1_Timer() {
    ErrorTrap trap(s_.dialogs, "Form1", "Timer1_Timer");
    TickTimer& timer1 = s_.timer1;
    bool stopped = false;
    trap.Step(100, [&] {
        stopped = timer1.Interval() == 0;
        if (stopped) ui_.Frame1.SetCaption("Automatic Log is Off.");
    });
    if (stopped) return;
    trap.Step(102, [&] { currentInterval_ = GetIntervalSeconds(ui_.ListView2.SelectedCaption()); });
    trap.Step(104, [&] {
        if (elapsedSeconds_ == std::numeric_limits<std::int32_t>::max()) throw Error("Overflow");
        ++elapsedSeconds_;
    });
    trap.Step(106, [&] { SetMaximum(ui_.ProgressBar1, currentInterval_); });
    trap.Step(108, [&] {
        if (elapsedSeconds_ <= currentInterval_) ui_.ProgressBar1.SetValue(elapsedSeconds_);
    });
    trap.Step(110, [&] {
        ui_.Frame1.SetCaption(
            "Next log will occur in " +
            FormatHms(currentInterval_ - elapsedSeconds_, s_.format.TimeSeparator()));
    });
    trap.Step(112, [&] { Yield(); });
    if (!TickGoesOn()) return;

    bool due = false;
    trap.Step(114, [&] { due = elapsedSeconds_ == currentInterval_; });
    if (!due) return;
    trap.Step(116, [&] { timer1.SetInterval(0); });
    trap.Step(118, [&] { timer1.SetEnabled(false); });
    trap.Step(120, [&] { Yield(); });
    if (!TickGoesOn()) return;
    trap.Step(122, [&] { intervalSave_.LogBatteryNow(EntryRequest::Automatic); });
    trap.Step(124, [&] { Yield(); });
    if (!TickGoesOn()) return;
    trap.Step(126, [&] { elapsedSeconds_ = 0; });
    trap.Step(128, [&] { ui_.ProgressBar1.SetValue(0); });
    trap.Step(130, [&] { timer1.SetInterval(kTickMilliseconds); });
    trap.Step(132, [&] { timer1.SetEnabled(true); });
}

void Form1::PushButton5_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton5_Click");
    std::string caption;
    trap.Step(100, [&] { caption = ui_.PushButton5.Caption(); });
    if (caption == kTurnOnCaption) {
        trap.Step(102, [&] { ui_.PushButton5.SetCaption(kTurnOffCaption); });
        trap.Step(104, [&] { intervalSave_.LogBatteryNow(EntryRequest::User); });
        trap.Step(106, [&] { s_.timer1.SetInterval(kTickMilliseconds); });
        trap.Step(108, [&] { settings_.Save(keys::kStartStopState, kOn); });
    } else if (caption == kTurnOffCaption) {
        trap.Step(110, [&] { ui_.PushButton5.SetCaption(kTurnOnCaption); });
        trap.Step(112, [&] { s_.timer1.SetInterval(0); });
        trap.Step(114, [&] { settings_.Save(keys::kStartStopState, kOff); });
    }
}

void Form1::PushButton6_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton6_Click");
    TickTimer& timer1 = s_.timer1;
    const bool enabled = timer1.Enabled();
    const int interval = timer1.Interval();
    const bool wasOn = AutomaticLogOn();
    trap.Step(100, [&] {
        timer1.SetEnabled(false);
        timer1.SetInterval(0);
    });
    trap.Step(102, [&] { Yield(); });
    // A close handled meanwhile has ended the program: no entry after it.
    if (shuttingDown_) return;
    trap.Step(104, [&] { ui_.window.SetMousePointer(PointerSetting::kBusy); });
    trap.Step(106, [&] { intervalSave_.LogBatteryNow(EntryRequest::User); });
    trap.Step(108, [&] { ui_.window.SetMousePointer(PointerSetting::kDefault); });
    // A switch turned while the entry was on its way decides the period: the
    // timer must neither run on behind "Turn On Automatic Log" nor stay stopped
    // behind "Turn Off Automatic Log".
    trap.Step(110, [&] {
        timer1.SetEnabled(enabled);
        const bool isOn = AutomaticLogOn();
        timer1.SetInterval(isOn == wasOn ? interval : isOn ? kTickMilliseconds : 0);
    });
}

// Any choice the user makes in the list, by click or by keyboard, restarts the
// countdown: a count left running past a shortened interval would never match it.
void Form1::ListView2_Click() {
    const int index = ui_.ListView2.SelectedIndex();
    if (index == 0) return;
    RunQuietly(s_.diagnostics, "Form1.ListView2_Click",
               [&] { settings_.Save(keys::kOftenIndex, std::to_string(index)); });
    currentInterval_ = GetIntervalSeconds(ui_.ListView2.SelectedCaption());
    elapsedSeconds_ = 0;
}

}  // namespace tess
