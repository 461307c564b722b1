#pragma once

#include <cstdint>
#include <string>

// The bytes of small picture files, for the windows' tests of every toolkit.
namespace tess::test {

// A one-colour GIF picture of the given size. The pixels are coded as literals
// with a clear code after every second one, so the codes keep their first
// width of three bits.
inline std::string GifBytes(int width, int height) {
    const auto word = [](std::string& out, int value) {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8);
    };
    std::string gif("GIF89a");
    word(gif, width);
    word(gif, height);
    gif += std::string("\x91\x00\x00", 3);                                       // 4 colours
    gif += std::string("\x00\x00\xC0\xFF\xFF\xFF\x00\x00\x00\x00\x00\x00", 12);  // the table
    gif += '\x2C';
    word(gif, 0);
    word(gif, 0);
    word(gif, width);
    word(gif, height);
    gif += '\x00';
    gif += '\x02';  // the smallest code size: clear is 4, end is 5

    std::string codes;
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
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const std::string block = codes.substr(at, 255);
        gif += static_cast<char>(block.size());
        gif += block;
    }
    gif += '\x00';
    gif += '\x3B';
    return gif;
}

// A cursor file of one blue square of 32-bit pixels with its hotspot, as the
// icon editors write it: an icon directory of type 2 whose entry holds the
// hotspot, then the bitmap of twice the height (the colours, then the mask).
inline std::string CursorBytes(int size, int hotX, int hotY) {
    const auto put = [](std::string& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    const int maskRow = (size + 31) / 32 * 4;
    const auto imageBytes = static_cast<std::uint32_t>(40 + size * size * 4 + maskRow * size);
    std::string cursor;
    put(cursor, 0, 2);
    put(cursor, 2, 2);
    put(cursor, 1, 2);
    put(cursor, static_cast<std::uint32_t>(size), 1);
    put(cursor, static_cast<std::uint32_t>(size), 1);
    put(cursor, 0, 2);
    put(cursor, static_cast<std::uint32_t>(hotX), 2);
    put(cursor, static_cast<std::uint32_t>(hotY), 2);
    put(cursor, imageBytes, 4);
    put(cursor, 22, 4);
    for (const std::uint32_t field :
         {40U, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(2 * size)}) {
        put(cursor, field, 4);
    }
    put(cursor, 1, 2);   // planes
    put(cursor, 32, 2);  // bits per pixel
    for (int i = 0; i < 6; ++i) put(cursor, 0, 4);
    for (int pixel = 0; pixel < size * size; ++pixel) put(cursor, 0xFF0000FF, 4);
    cursor += std::string(static_cast<std::size_t>(maskRow * size), '\0');
    return cursor;
}

}  // namespace tess::test
