#include "common/Files.h"
#include "ui/FileText.h"
#include "ui/Form1.h"
#include "ui/QuietReport.h"
#include "ui/RemoveFile.h"

namespace tess {

namespace {
constexpr const char* kNoHistory =
    "There isn't a history to view because actions have not been performed yet.";
constexpr const char* kClearQuestion =
    "Are you sure you want to delete the history log and start over?";
}  // namespace

// View Log.
void Form1::PushButton1_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton1_Click");
    std::string path;
    bool exists = false;
    trap.Step(100, [&] {
        path = LogPath();
        exists = FileExists(path);
    });
    if (exists) {
        trap.Step(102, [&] { s_.launcher.OpenInTextEditor(path); });
    } else {
        trap.Step(104, [&] { s_.dialogs.Message({kNoHistory, "", MessageButtons::Ok}); });
    }
}

// Copy Log To Clipboard: the file's whole text, as plain text. A file that
// cannot be read is reported, and the text read last is copied again.
void Form1::PushButton2_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton2_Click");
    std::string path;
    bool exists = false;
    trap.Step(100, [&] {
        path = LogPath();
        exists = FileExists(path);
    });
    if (!exists) return;
    trap.Step(102, [&] { copiedText_ = ReadWholeFile(path); });
    trap.Step(104, [&] { s_.clipboard.SetText(copiedText_); });
}

// Clear Log.
void Form1::PushButton4_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton4_Click");
    MessageAnswer answer = MessageAnswer::No;
    trap.Step(100, [&] {
        answer = s_.dialogs.Message({kClearQuestion, "", MessageButtons::YesNo});
    });
    if (answer != MessageAnswer::Yes) return;
    // A close handled while pending events run begins the shutdown, after which
    // nothing is deleted or emptied.
    const auto goesOn = [this] {
        Yield();
        return !shuttingDown_;
    };
    trap.Step(102, [&] { RemoveFile(LogPath(), goesOn); });
    if (shuttingDown_) return;
    trap.Step(104, [&] { ui_.ListView1.Clear(); });
}

// "...": choose the log file.
void Form1::PushButton7_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton7_Click");
    std::optional<std::string> chosen;
    trap.Step(100, [&] {
        chosen = s_.dialogs.OpenFile({"Specify Log File", "Text File (*.txt)", ""});
    });
    if (!chosen || chosen->empty()) return;
    trap.Step(102, [&] { SetText1(*chosen); });
}

// The path takes effect when its edit ends, whoever makes it, and is stored at once.
void Form1::Text1_Change() {
    logPath_ = ui_.Text1.Text();
    RunQuietly(s_.diagnostics, "Form1.Text1_Change",
               [&] { settings_.Save(keys::kText1, logPath_); });
}

// Once the shutdown has begun (the focus leaves the box as the window closes)
// nothing is stored any more.
void Form1::Text1_EditingFinished() {
    if (shuttingDown_ || ui_.Text1.Text() == logPath_) return;
    Text1_Change();
}

}  // namespace tess
