#include "ui/RemoveFile.h"

#include <QFile>
#include <QFileInfo>

namespace tess {

namespace {
// QFile deletes exactly the named file: "*" and "?" are ordinary characters to
// it. A folder, or a link's target, is never touched.
bool IsDeletable(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && (info.isSymLink() || !info.isDir());
}
}  // namespace

void ForceDeleteFile(const QString& path) {
    if (!IsDeletable(path)) return;
    const QFileInfo info(path);
    if (!info.isSymLink() && !info.isWritable()) {
        QFile::setPermissions(
            path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    QFile::remove(path);
}

void RemoveFile(const QString& path, const std::function<void()>& yield) {
    yield();
    if (IsDeletable(path) && QFile::remove(path)) return;
    ForceDeleteFile(path);
}

}  // namespace tess
