#include "ui/Form1.h"

#include "resources/IconNames.h"
#include "ui/Form1Design.h"
#include "ui/Ghost.h"
#include "ui/LogCopy.h"

namespace tess {

Form1::Form1(const Form1Controls& controls, const Form1Services& services)
    : ui_(controls),
      s_(services),
      settings_(services.store),
      intervalSave_({services.power, services.clock, services.format, services.writer, *this,
                     services.dialogs}),
      cSysTray1_(std::make_unique<cSysTray>(
          cSysTray::Services{services.trayShell, services.trayWait, *this})) {
    // cSysTray1 and Timer1 as designed: the 'Q' icon, no tip, not yet in the
    // tray; the timer enabled with period 0.
    cSysTray1_->SetTrayIcon(
        std::make_shared<const Picture>(Picture{Picture::Type::Icon, icons::kTray}));
    s_.timer1.SetInterval(0);
    s_.timer1.SetEnabled(true);
    s_.timer1.OnTick([this] { Timer1_Timer(); });
    s_.ghost.SetMainWindow(&ui_.window);
}

const std::array<ClickRoute<Form1>, 7> Form1::kButtonClicks{{
    {form1::PushButton1, &Form1::PushButton1_Click},
    {form1::PushButton2, &Form1::PushButton2_Click},
    {form1::PushButton3, &Form1::PushButton3_Click},
    {form1::PushButton4, &Form1::PushButton4_Click},
    {form1::PushButton5, &Form1::PushButton5_Click},
    {form1::PushButton6, &Form1::PushButton6_Click},
    {form1::PushButton7, &Form1::PushButton7_Click},
}};

Form1::~Form1() {
    s_.ghost.SetMainWindow(nullptr);
    s_.timer1.OnTick(nullptr);
    cSysTray1_.reset();
}

std::string Form1::LogPath() const {
    return logPath_;
}

void Form1::AddEntry(const std::string& line) {
    ui_.ListView1.Append(line);
    if (s_.history) s_.history->EntryAdded(LogPath());
}

void Form1::SetText1(const std::string& text) {
    if (ui_.Text1.Text() != text) ui_.Text1.SetText(text);
    if (logPath_ != text) Text1_Change();
}

void Form1::SetCheck(CheckBox& box, int value, void (Form1::*click)()) {
    if (box.Value() == value) return;
    box.SetValue(value);
    (this->*click)();
}

void Form1::HelpKey() {
    s_.ghost.ShowSupport();
}

void Form1::ShowHistory() {
    if (s_.history) s_.history->ShowHistory(LogPath());
}

void Form1::Yield() {
    s_.yield();
}

}  // namespace tess
