#include "ui/linux/XdgLauncher.h"

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QObject>
#include <QProcess>
#include <QSocketNotifier>
#include <QString>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "common/Error.h"
#include "common/Files.h"
#include "settings/linux/DesktopExec.h"
#include "settings/linux/DesktopFile.h"
#include "ui/linux/StartProgram.h"

namespace tess {

namespace {

// The file: URL of an absolute path: every byte but the unreserved ones and
// '/' percent-encoded.
std::string FileUrl(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || std::strchr("-._~/", c) != nullptr) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0xF];
        }
    }
    return url;
}

// The command that opens `file` with the application, in a terminal when its
// entry asks for one (Debian's x-terminal-emulator takes "-e" and a command).
std::vector<std::string> EditorCommand(const DesktopApplication& application,
                                       const std::string& file) {
    const DesktopGroup& entry = application.entry;
    const auto command = DesktopCommand(DesktopValue(entry, "Exec"),
                                        {.file = file,
                                         .url = FileUrl(file),
                                         .icon = DesktopStringText(DesktopValue(entry, "Icon")),
                                         .name = DesktopStringText(DesktopValue(entry, "Name")),
                                         .location = application.path});
    if (!command) throw Error("The Exec line of " + application.path + " cannot be read");
    if (DesktopValue(entry, "Terminal") != "true") return *command;
    std::vector<std::string> inTerminal{"x-terminal-emulator", "-e"};
    inTerminal.insert(inTerminal.end(), command->begin(), command->end());
    return inTerminal;
}

// What a program's end says when it failed: an exit status but 0, or a signal.
std::string FailureOf(const std::string& program, int status) {
    if (WIFEXITED(status)) {
        if (WEXITSTATUS(status) == 0) return {};
        return program + " ended with exit status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return program + " ended by signal " + std::to_string(WTERMSIG(status)) + " (" +
               strsignal(WTERMSIG(status)) + ")";
    }
    return {};
}

// A started editor, waited for when it ends, from the event loop: an end in
// failure within the start time is told to `failed`.
class EditorWatch : public QObject {
public:
    // Watches the child `pid` under `parent`; without process descriptors
    // (Linux before 5.3) it is left to itself.
    static void Start(pid_t pid, std::string program, Launcher::Failure failed,
                      std::chrono::milliseconds startTime, QObject* parent) {
        // Through syscall(): glibc 2.36's <sys/pidfd.h> does not declare it for C++.
        const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
        if (pidfd < 0) return;
        new EditorWatch(pid, pidfd, std::move(program), std::move(failed), startTime, parent);
    }
    ~EditorWatch() override { ::close(pidfd_); }
    EditorWatch(const EditorWatch&) = delete;
    EditorWatch& operator=(const EditorWatch&) = delete;

private:
    EditorWatch(pid_t pid, int pidfd, std::string program, Launcher::Failure failed,
                std::chrono::milliseconds startTime, QObject* parent)
        : QObject(parent),
          pid_(pid),
          pidfd_(pidfd),
          program_(std::move(program)),
          failed_(std::move(failed)),
          deadline_(std::chrono::steady_clock::now() + startTime),
          notifier_(new QSocketNotifier(pidfd, QSocketNotifier::Read, this)) {
        connect(notifier_, &QSocketNotifier::activated, this, [this] { Ended(); });
    }

    void Ended() {
        notifier_->setEnabled(false);
        deleteLater();
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) != pid_) return;
        const std::string reason = FailureOf(program_, status);
        if (!reason.empty() && std::chrono::steady_clock::now() < deadline_ && failed_) {
            failed_(reason);
        }
    }

    pid_t pid_;
    int pidfd_;
    std::string program_;
    Launcher::Failure failed_;
    std::chrono::steady_clock::time_point deadline_;
    QSocketNotifier* notifier_;
};

void StartXdgOpen(const std::string& target) {
    const QString program = QStringLiteral("xdg-open");
    if (!QProcess::startDetached(program, {QString::fromStdString(target)})) {
        throw Error("Cannot start " + program.toStdString());
    }
}

}  // namespace

XdgLauncher::XdgLauncher(XdgDirs dirs, std::chrono::milliseconds startTime)
    : dirs_(std::move(dirs)), startTime_(startTime), watches_(std::make_unique<QObject>()) {}

XdgLauncher::~XdgLauncher() = default;

void XdgLauncher::OpenUrl(const std::string& url) {
    StartXdgOpen(url);
}

void XdgLauncher::OpenInTextEditor(const std::string& path, Failure failed) {
    const auto application = DefaultApplication("text/plain", dirs_);
    if (!application) throw Error("No application is set to open text files (text/plain)");
    const std::string file = PathText(std::filesystem::absolute(Utf8Path(path)));
    const std::vector<std::string> command = EditorCommand(*application, file);
    const pid_t pid =
        StartProgram(command, DesktopStringText(DesktopValue(application->entry, "Path")));
    EditorWatch::Start(pid, command.front(), std::move(failed), startTime_, watches_.get());
}

}  // namespace tess
