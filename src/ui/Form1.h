#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/ErrorTrap.h"
#include "engine/IntervalSave.h"
#include "settings/Settings.h"
#include "tray/TrayHost.h"
#include "tray/cSysTray.h"
#include "ui/ClickRoute.h"
#include "ui/Controls.h"
#include "ui/Form1Services.h"
#include "ui/ListControls.h"
#include "ui/Window.h"

namespace tess {

// The captions of the automatic-logging switch, which are its state.
inline constexpr const char* kTurnOnCaption = "Turn On Automatic Log";
inline constexpr const char* kTurnOffCaption = "Turn Off Automatic Log";
// The period of Timer1 while automatic logging is on.
inline constexpr int kTickMilliseconds = 1000;

// True while the main window is hidden behind its tray icon; false at start.
extern bool HiddenToTray;

// The main window's controls that its behaviour acts on, by their design names.
struct Form1Controls {
    Window& window;
    CaptionControl& Frame1;
    ProgressBar& ProgressBar1;
    LogList& ListView1;
    TextBox& Text1;
    Button& PushButton5;
    CheckBox& Check4;
    CheckBox& Check8;
    IntervalList& ListView2;
};

// The main window's behaviour: the log list, the interval list with the
// countdown, the automatic-logging switch, the log file commands, the start-up
// options, the tray icon and the window's state. A toolkit's window builds the
// controls from form1::kDesign and calls the handlers below for the user's
// actions; this class decides everything else.
class Form1 : public LogView, public TrayHost {
public:
    Form1(const Form1Controls& controls, const Form1Services& services);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Turns the designed window into the working one; runs once, before the window is shown.
    void Form_Load();
    // Shows the loaded window as the platform does after the load: a window the
    // load left minimised raises its resize handling first, which hides it into
    // the tray, and is shown only when it is still minimised afterwards.
    void Show();

    // LogView: the path box and the log list.
    std::string LogPath() const override;
    void AddEntry(const std::string& line) override;

    // Automatic logging.
    void Timer1_Timer();
    void PushButton5_Click();
    void PushButton6_Click();
    void ListView2_Click();

    // Log file commands and help.
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton7_Click();
    void Text1_Change();

    // Start-up options.
    void Check4_Click();
    void Check8_Click();

    // The push buttons and the click handlers above they go to.
    static const std::array<ClickRoute<Form1>, 7> kButtonClicks;

    // Window state and shutdown. A minimised window hides behind the tray icon,
    // which brings it back; every close request ends the program.
    void Form_Resize();
    void cSysTray1_MouseUp(std::int16_t button, std::int32_t id);
    // Stops logging, takes the icon out of the tray and ends the process; runs
    // once, whatever asks for it (the window, the session or a signal).
    void Form_QueryUnload();
    // A later start of the program handed over to this copy: the window comes
    // back as a click on the tray icon brings it, unless the program is ending.
    void AnotherStart();

    // TrayHost: the events of cSysTray1.
    void MouseUp(std::int16_t button, std::int32_t id) override;

    // The pointer moved over a control of the design, or over the window's
    // background (kWindowItself).
    void MouseMove(ControlId control);
    // The help key (F1) in the window: the support window comes up.
    void HelpKey();

    bool IsLoading() const { return isLoading_; }
    std::int32_t ElapsedSeconds() const { return elapsedSeconds_; }
    std::int32_t CurrentInterval() const { return currentInterval_; }
    cSysTray& cSysTray1() { return *cSysTray1_; }

private:
    void SelectStoredInterval(ErrorTrap& trap);
    void SelectInterval(int index);
    void RestoreAutomaticLog(ErrorTrap& trap);
    void RestoreStartupOptions(ErrorTrap& trap);
    // A change of the path box's text or of a check box's value raises its
    // change or click handling, as the user's change does; setting what is
    // already there raises nothing.
    void SetText1(const std::string& text);
    void SetCheck(CheckBox& box, int value, void (Form1::*click)());
    bool AutomaticLogOn() const;
    bool TickGoesOn();
    void EndTickSwitchedOff();
    void Yield();

    Form1Controls ui_;
    Form1Services s_;
    Settings settings_;
    IntervalSave intervalSave_;
    std::unique_ptr<cSysTray> cSysTray1_;

    bool isLoading_ = false;
    bool shuttingDown_ = false;
    std::int32_t elapsedSeconds_ = 0;
    std::int32_t currentInterval_ = 0;
    // The text Copy Log last read; it is copied again should a later read fail.
    std::string copiedText_;
};

}  // namespace tess
