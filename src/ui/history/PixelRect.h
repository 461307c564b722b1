#pragma once

namespace tess {

// A rectangle in a toolkit's pixels (device-independent pixels where the
// toolkit scales), relative to the client area of what holds it.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace tess
