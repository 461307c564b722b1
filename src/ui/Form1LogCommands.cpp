#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStringDecoder>

#include "common/Error.h"
#include "common/Files.h"
#include "ui/Form1.h"
#include "ui/qt/QtLogList.h"
#include "ui/QuietReport.h"
#include "ui/RemoveFile.h"

namespace tess {

namespace {
constexpr const char* kNoHistory =
    "There isn't a history to view because actions have not been performed yet.";
constexpr const char* kClearQuestion =
    "Are you sure you want to delete the history log and start over?";

// The whole file as text, decoded from the system's encoding in which the log is
// written. Only a regular file is read: a device never ends, and opening a pipe
// would wait for a writer with the window frozen.
QString ReadText(const QString& path) {
    if (!QFileInfo(path).isFile()) throw Error("Not a regular file: " + path.toStdString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw Error(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw Error(file.errorString().toStdString());
    QStringDecoder decode(QStringDecoder::System);
    return decode(bytes);
}
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

// Copy Log To Clipboard: the file's whole text, as plain text.
void Form1::PushButton2_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton2_Click");
    std::string path;
    bool exists = false;
    trap.Step(100, [&] {
        path = LogPath();
        exists = FileExists(path);
    });
    if (!exists) return;
    trap.Step(102, [&] { copiedText_ = ReadText(QString::fromStdString(path)); });
    trap.Step(104, [&] { QGuiApplication::clipboard()->setText(copiedText_); });
}

// Clear Log.
void Form1::PushButton4_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton4_Click");
    MessageAnswer answer = MessageAnswer::No;
    trap.Step(100, [&] {
        answer = s_.dialogs.Message({kClearQuestion, "", MessageButtons::YesNo});
    });
    if (answer != MessageAnswer::Yes) return;
    trap.Step(102, [&] { RemoveFile(Text1->text(), [this] { Yield(); }); });
    trap.Step(104, [&] { ListView1->Clear(); });
}

// "...": choose the log file.
void Form1::PushButton7_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton7_Click");
    std::optional<std::string> chosen;
    trap.Step(100, [&] {
        chosen = s_.dialogs.OpenFile({"Specify Log File", "Text File (*.txt)", ""});
    });
    if (!chosen || chosen->empty()) return;
    trap.Step(102, [&] { Text1->setText(QString::fromStdString(*chosen)); });
}

// Every change of the path, whoever makes it, is stored at once.
void Form1::Text1_Change() {
    RunQuietly("Form1.Text1_Change", [&] { settings_.Save(keys::kText1, LogPath()); });
}

}  // namespace tess
