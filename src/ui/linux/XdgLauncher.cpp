#include "ui/linux/XdgLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include "common/Error.h"

namespace tess {

namespace {
void StartDetached(const std::string& target) {
    const QString program = QStringLiteral("xdg-open");
    if (!QProcess::startDetached(program, {QString::fromStdString(target)})) {
        throw Error("Cannot start " + program.toStdString());
    }
}
}  // namespace

void XdgLauncher::OpenUrl(const std::string& url) {
    StartDetached(url);
}

// The desktop's handler of the file's type is the text editor for a .txt log.
// The path goes as an absolute one, so that a name starting with '-' or holding
// a colon is never read as an option or a web address.
void XdgLauncher::OpenInTextEditor(const std::string& path) {
    StartDetached(QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
}

}  // namespace tess
