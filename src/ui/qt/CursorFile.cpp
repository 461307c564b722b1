#include "ui/qt/CursorFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace tess {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr quint16 kIconType = 1;
constexpr quint16 kCursorType = 2;

quint16 Word(const QByteArray& data, int at) {
    return static_cast<quint16>(static_cast<quint8>(data[at]) | static_cast<quint8>(data[at + 1])
                                                                    << 8);
}

}  // namespace

std::optional<QCursor> LoadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray data = file.readAll();
    if (data.size() < kDirectorySize + kEntrySize) return std::nullopt;
    const quint16 type = Word(data, 2);
    if (Word(data, 0) != 0 || (type != kIconType && type != kCursorType) || Word(data, 4) == 0) {
        return std::nullopt;
    }
    // In a cursor's first directory entry the two words that an icon uses for
    // its planes and bit count hold the hotspot.
    const int hotX = type == kCursorType ? Word(data, kDirectorySize + 4) : 0;
    const int hotY = type == kCursorType ? Word(data, kDirectorySize + 6) : 0;

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, type == kCursorType ? "cur" : "ico");
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace tess
