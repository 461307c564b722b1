#pragma once

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QString>

#include "ui/OneCopy.h"

namespace tess {

// One copy per user session on Linux: the copy that runs holds a lock on a file
// in the user's runtime folder ($XDG_RUNTIME_DIR), which the system releases
// when the process ends however it ends, and listens on a local socket beside
// it, to which a later start sends its request. The lock, not the socket, says
// who runs: a socket left behind by a killed copy is taken over.
class LocalSocketOneCopy : public OneCopy {
public:
    // `folder`: where the lock and the socket live; empty: the runtime folder.
    explicit LocalSocketOneCopy(QString folder = {});
    ~LocalSocketOneCopy() override;
    LocalSocketOneCopy(const LocalSocketOneCopy&) = delete;
    LocalSocketOneCopy& operator=(const LocalSocketOneCopy&) = delete;

    bool Claim(std::function<bool()> anotherStart) override;

private:
    bool Lock();
    bool HandOver(const QDeadlineTimer& deadline) const;

    QString lockPath_;
    QString socketPath_;
    int lock_ = -1;
    QLocalServer server_;
};

}  // namespace tess
