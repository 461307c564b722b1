#pragma once

namespace tess {

// Twips (1440 to the inch) as pixels at `dpi` dots per inch, rounded to the
// nearest: 15 twips make a pixel at 96 dpi, 7.5 at 192.
constexpr int TwipsToPixels(int twips, unsigned dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

// Pixels at 96 dpi (a picture's own size) as twips.
constexpr int PixelsAt96ToTwips(int pixels) {
    return pixels * 15;
}

// The height of a font of `points` at `dpi`, as LOGFONT's lfHeight takes it:
// negative, the height of its characters without the leading.
constexpr int FontHeight(double points, unsigned dpi) {
    return -static_cast<int>(points * dpi / 72.0 + 0.5);
}

}  // namespace tess
