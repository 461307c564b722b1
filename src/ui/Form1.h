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

class LoadSettings;
class LogCopy;

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

    // LogView: the log path in force and the log list.
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
    // The user ended an edit of the path box: Enter, or the focus went to
    // another control of the window. The window losing the activation (to a
    // message box, another program, the tray) ends no edit. What the box holds
    // then becomes the log path in force, and is stored; until then entries,
    // commands and the stored setting keep the path in force before the edit,
    // so that no entry goes to half a path and a restart never reads one.
    void Text1_EditingFinished();

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
    // back as a click on the tray icon brings it (during the load, once the load
    // has shown it). False when the program is ending: it cannot take it.
    bool AnotherStart();

    // TrayHost: the events of cSysTray1.
    void MouseUp(std::int16_t button, std::int32_t id) override;

    // The pointer moved over a control of the design, or over the window's
    // background (kWindowItself).
    void MouseMove(ControlId control);
    // The help key (F1) in the window: the support window comes up.
    void HelpKey();
    // The log list's "Battery History" command and the Ctrl+H key: the history
    // of the log in the path box comes up.
    void ShowHistory();

    bool IsLoading() const { return isLoading_; }
    std::int32_t ElapsedSeconds() const { return elapsedSeconds_; }
    std::int32_t CurrentInterval() const { return currentInterval_; }
    cSysTray& cSysTray1() { return *cSysTray1_; }

private:
    void SelectStoredInterval(ErrorTrap& trap, LoadSettings& stored);
    void SelectInterval(int index);
    void RestoreAutomaticLog(ErrorTrap& trap, LoadSettings& stored);
    void RestoreStartupOptions(ErrorTrap& trap, LoadSettings& stored);
    // A change of the path box's text or of a check box's value raises its
    // change or click handling, as the user's change does; setting what is
    // already there raises nothing.
    void SetText1(const std::string& text);
    // The path box's text becomes the log path in force, and is stored.
    void Text1_Change();
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

    // The log path in force: what the path box held when its last edit ended.
    std::string logPath_;
    bool isLoading_ = false;
    bool shuttingDown_ = false;
    bool shown_ = false;                // Show() after the load has run
    bool anotherStartPending_ = false;  // a later start came during the load
    std::int32_t elapsedSeconds_ = 0;
    std::int32_t currentInterval_ = 0;
    // The copy of the log that Copy Log is preparing, and the number of the
    // latest Copy Log; a later one takes over from a copy still in hand.
    std::unique_ptr<LogCopy> logCopy_;
    std::uint64_t copies_ = 0;
    // Expires with the window, so that what the launcher tells later finds
    // out whether there is still a window to tell it.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace tess
