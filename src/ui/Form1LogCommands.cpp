#include <memory>
#include <string>

#include "common/Files.h"
#include "ui/Form1.h"
#include "ui/LogCopy.h"
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
        // An editor that fails after its start is reported as one that cannot
        // start, when it tells; the window does not wait for it.
        const auto failed =
            [this, window = std::weak_ptr<const bool>(alive_)](const std::string& reason) {
                if (window.expired() || shuttingDown_) return;
                ErrorTrap(s_.dialogs, "Form1", "PushButton1_Click").Report(102, reason);
            };
        trap.Step(102, [&] { s_.launcher.OpenInTextEditor(path, failed); });
    } else {
        trap.Step(104, [&] { s_.dialogs.Message({kNoHistory, "", MessageButtons::Ok}); });
    }
}

// Copy Log To Clipboard: the file's whole text, as plain text. The file is
// read a slice at a time with the window's events running in between, so that
// neither the window nor the automatic log waits for a large log; a Copy Log
// clicked meanwhile takes over, and a shutdown ends the copy. The text goes
// straight into the clipboard's own copy of it. A file that cannot be read is
// reported and the clipboard keeps what it holds: the text copied last, as
// long as no other program has taken the clipboard since.
void Form1::PushButton2_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton2_Click");
    std::string path;
    bool exists = false;
    trap.Step(100, [&] {
        path = LogPath();
        exists = FileExists(path);
    });
    if (!exists) return;
    const std::uint64_t copy = ++copies_;
    logCopy_.reset();
    if (!trap.Step(102, [&] { logCopy_ = std::make_unique<LogCopy>(path, s_.clipboard); })) {
        return;
    }
    for (bool more = true; more;) {
        if (!trap.Step(102, [&] { more = logCopy_->ReadSlice(); })) {
            logCopy_.reset();
            return;
        }
        if (!more) break;
        Yield();
        if (copy != copies_) return;  // the later Copy Log has it in hand
        if (shuttingDown_) {
            logCopy_.reset();
            return;
        }
    }
    trap.Step(104, [&] { logCopy_->Put(); });
    logCopy_.reset();
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
