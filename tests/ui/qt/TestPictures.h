#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

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
// The pixels are coded as literals with a clear code after every second one,
// so the codes keep their first width of three bits.
inline QByteArray GifFileData(int width, int height) {
    const auto word = [](QByteArray& out, int value) {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8);
    };
    QByteArray gif("GIF89a");
    word(gif, width);
    word(gif, height);
    gif += QByteArray("\x91\x00\x00", 3);                                       // 4 colours
    gif += QByteArray("\x00\x00\xC0\xFF\xFF\xFF\x00\x00\x00\x00\x00\x00", 12);  // the table
    gif += '\x2C';
    word(gif, 0);
    word(gif, 0);
    word(gif, width);
    word(gif, height);
    gif += '\x00';
    gif += '\x02';  // the smallest code size: clear is 4, end is 5

    QByteArray codes;
    unsigned bits = 0;
    int count = 0;
    const auto putCode = [&](unsigned code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) {
            codes += static_cast<char>(bits & 0xFF);
        }
    };
    for (int pixel = 0; pixel < width * height; ++pixel) {
        if (pixel % 2 == 0) putCode(4);
        putCode(0);
    }
    putCode(5);
    if (count > 0) codes += static_cast<char>(bits & 0xFF);
    for (int at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += static_cast<char>(block.size());
        gif += block;
    }
    gif += '\x00';
    gif += '\x3B';
    return gif;
}

}  // namespace tess::test
