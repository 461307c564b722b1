#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace tess {

// A picture read from a file by the Windows Imaging Component (windowscodecs,
// part of the system: GIF, PNG, JPEG, BMP, ICO, TIFF), kept as a 32-bit
// bitmap with premultiplied alpha.
class WicPicture {
public:
    // The first frame of the picture in the file; null when the file cannot be
    // read or holds no picture WIC knows.
    static std::unique_ptr<WicPicture> Load(const std::string& path);

    ~WicPicture();
    WicPicture(const WicPicture&) = delete;
    WicPicture& operator=(const WicPicture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Draws the picture over what `target` holds, stretched to `place`.
    void Draw(HDC target, const RECT& place) const;

private:
    WicPicture(HBITMAP bitmap, int width, int height)
        : bitmap_(bitmap), width_(width), height_(height) {}

    HBITMAP bitmap_;
    int width_;
    int height_;
};

}  // namespace tess
