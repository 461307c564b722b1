#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include "../PictureFiles.h"

namespace tess::test {

// A cursor file as the icon editors write it: an icon directory of type 2
// whose first entry holds the hotspot.
inline QByteArray CursorFileData(int size, int hotX, int hotY) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "ico").write(image);
    data[2] = 2;
    data[10] = static_cast<char>(hotX);
    data[11] = 0;
    data[12] = static_cast<char>(hotY);
    data[13] = 0;
    return data;
}

// A one-colour GIF picture of the given size (Qt reads GIF but cannot write it).
inline QByteArray GifFileData(int width, int height) {
    return QByteArray::fromStdString(GifBytes(width, height));
}

}  // namespace tess::test
