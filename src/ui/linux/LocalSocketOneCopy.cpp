#include "ui/linux/LocalSocketOneCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <utility>

#include "ui/Diagnostics.h"

namespace tess {

namespace {

constexpr const char* kName = "example.quorvane.Tessaline";
constexpr const char* kRequest = "show\n";
constexpr const char* kAnswer = "shown\n";
// How long a later start waits for the copy that runs, which may itself be
// starting (holding the lock, not yet listening).
constexpr int kHandOverMs = 10000;
constexpr int kRetryMs = 50;

QString Folder(QString folder) {
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    }
    QDir().mkpath(folder);
    return folder;
}

// Answers a later start's request, which may have arrived with the connection;
// a copy that is ending closes the connection unanswered.
void Serve(QLocalSocket* peer, const std::function<bool()>& anotherStart) {
    QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    const auto answer = [peer, anotherStart] {
        if (!peer->canReadLine() || peer->readLine() != kRequest) return;
        if (!anotherStart()) {
            peer->abort();
            return;
        }
        peer->write(kAnswer);
        peer->flush();
    };
    QObject::connect(peer, &QLocalSocket::readyRead, peer, answer);
    answer();
}

}  // namespace

LocalSocketOneCopy::LocalSocketOneCopy(QString folder)
    : lockPath_(Folder(std::move(folder)) + QLatin1Char('/') + QLatin1String(kName) +
                QStringLiteral(".lock")),
      socketPath_(QFileInfo(lockPath_).path() + QLatin1Char('/') + QLatin1String(kName) +
                  QStringLiteral(".socket")) {}

LocalSocketOneCopy::~LocalSocketOneCopy() {
    if (lock_ < 0) return;
    server_.close();
    ::close(lock_);
}

bool LocalSocketOneCopy::Claim(std::function<bool()> anotherStart) {
    // The copy that runs may be starting (holding the lock, not yet listening) or
    // ending (refusing, or gone before it answers): this start asks again, and
    // runs once the lock is free. One that never answers keeps the session's
    // copy: two would log every entry twice.
    const QDeadlineTimer deadline(kHandOverMs);
    while (!Lock()) {
        // Without a lock file at all (no runtime folder we may write) nothing
        // can tell copies apart: this start runs rather than never running.
        if (errno != EWOULDBLOCK) return true;
        if (HandOver(deadline) || deadline.hasExpired()) return false;
        QThread::msleep(kRetryMs);
    }
    // Whatever socket is there was left by a copy that ended. The folder is the
    // user's own, so the socket needs no access options (which would bind it
    // under a longer temporary name first).
    QLocalServer::removeServer(socketPath_);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_,
                     [this, anotherStart = std::move(anotherStart)] {
                         while (QLocalSocket* peer = server_.nextPendingConnection()) {
                             Serve(peer, anotherStart);
                         }
                     });
    if (!server_.listen(socketPath_)) {
        StandardErrorDiagnostics().Warn("A later start cannot reach this copy: " +
                                        server_.errorString().toStdString());
    }
    return true;
}

// Takes the lock; false with errno set when it cannot.
bool LocalSocketOneCopy::Lock() {
    lock_ = ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ < 0) return false;
    int locked = 0;
    do {
        locked = ::flock(lock_, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) return true;
    const int reason = errno;
    ::close(lock_);
    lock_ = -1;
    errno = reason;
    return false;
}

// Asks the copy that runs to show its window; true once it has answered, so
// that this process ends only once the request has been taken.
bool LocalSocketOneCopy::HandOver(const QDeadlineTimer& deadline) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())) ||
        socket.write(kRequest) <= 0 ||
        !socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    return socket.readLine() == kAnswer;
}

}  // namespace tess
