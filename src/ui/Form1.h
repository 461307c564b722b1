#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "common/ErrorTrap.h"
#include "engine/IntervalSave.h"
#include "settings/Settings.h"
#include "tray/TrayHost.h"
#include "tray/cSysTray.h"
#include "ui/Form1Services.h"
#include "ui/PointerSetting.h"

class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tess {

class QtIntervalList;
class QtLogList;

// The captions of the automatic-logging switch, which are its state.
inline constexpr const char* kTurnOnCaption = "Turn On Automatic Log";
inline constexpr const char* kTurnOffCaption = "Turn Off Automatic Log";
// The period of Timer1 while automatic logging is on.
inline constexpr int kTickMilliseconds = 1000;

// True while the main window is hidden behind its tray icon; false at start.
extern bool HiddenToTray;

// The main window: the log list, the interval list with the countdown, the
// automatic-logging switch, the log file commands and the start-up options.
class Form1 : public QWidget, public LogView, public TrayHost {
    Q_OBJECT
public:
    explicit Form1(const Form1Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Turns the designed window into the working one; runs once, before the window is shown.
    void Form_Load();

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

    // Window state and shutdown. A minimised window hides behind the tray icon,
    // which brings it back; every close request ends the program.
    void Form_Resize();
    void cSysTray1_MouseUp(std::int16_t button, std::int32_t id);
    // Stops logging, takes the icon out of the tray and ends the process; runs
    // once, whatever asks for it (the window, the session or a signal).
    void Form_QueryUnload();

    // TrayHost: the events of cSysTray1.
    void MouseUp(std::int16_t button, std::int32_t id) override;

    // Showing a minimised window hides it into the tray instead (Form_Resize).
    void setVisible(bool visible) override;

    // The pointer setting (PointerSetting's values) and the hand pointer.
    int MousePointer() const { return pointer_->value(); }
    void SetMousePointer(int setting) { pointer_->Set(setting); }
    const QCursor& MouseIcon() const { return pointer_->Custom(); }

    bool IsLoading() const { return isLoading_; }
    std::int32_t ElapsedSeconds() const { return elapsedSeconds_; }
    std::int32_t CurrentInterval() const { return currentInterval_; }
    cSysTray& cSysTray1() { return *cSysTray1_; }

    // Twips to pixels on this window's screen.
    int Twips(int twips) const;

    // The controls, by their design names.
    QGroupBox* Frame1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QtLogList* ListView1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* PushButton7 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check8 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton6 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton4 = nullptr;
    QtIntervalList* ListView2 = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void ConnectHandlers();
    void InstallHoverHandlers();
    QList<QWidget*> Controls() const;
    void SelectStoredInterval(ErrorTrap& trap);
    void RestoreAutomaticLog(ErrorTrap& trap);
    void RestoreStartupOptions(ErrorTrap& trap);
    bool AutomaticLogOn() const;
    bool TickGoesOn();
    void EndTickSwitchedOff();
    void Yield();

    Form1Services s_;
    Settings settings_;
    IntervalSave intervalSave_;
    std::unique_ptr<cSysTray> cSysTray1_;
    TickTimer& timer1_;

    bool isLoading_ = false;
    bool shuttingDown_ = false;
    std::int32_t elapsedSeconds_ = 0;
    std::int32_t currentInterval_ = 0;
    PointerSetting* pointer_;
    bool revertingCheck4_ = false;
    // The text Copy Log last loaded; it is copied again should a later load fail.
    QString copiedText_;
};

}  // namespace tess
