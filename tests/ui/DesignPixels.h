#pragma once

#include <array>

#include "ui/Design.h"
#include "ui/Form1Design.h"
#include "ui/GhostDesign.h"

namespace tess::test {

// Where controls stand, in pixels of their window's client area, worked out by
// hand from the designs' twips (1440 to the inch: 15 to a pixel at 96 dots per
// inch, 7.5 at 192), each rounded on its own. Both toolkits are held to these
// numbers, and so to each other.
struct PixelPlace {
    ControlId id;
    int left;
    int top;
    int width;
    int height;
};

// The main window: 8040 x 8565 twips.
inline constexpr int kForm1Width96 = 536;
inline constexpr int kForm1Height96 = 571;
// Controls on the window, and controls in frames whose twips make no whole
// pixel (Frame3 at 6070, Frame2 at 5270 twips: 404.7 and 351.3 pixels).
inline constexpr PixelPlace kForm1At96Dpi[] = {
    {form1::ProgressBar1, 24, 23, 488, 27},  // in Frame1 at 8, 4
    {form1::Frame3, 8, 405, 520, 55},
    {form1::Text1, 24, 425, 433, 23},    // in Frame3
    {form1::Check8, 288, 371, 172, 19},  // in Frame2 at 8, 351
    {form1::PushButton6, 272, 468, 256, 27},
    {form1::ListView2, 8, 242, 520, 106},
};
// At 192 dots per inch a frame's place is rounded before its controls' are
// added: Text1 stands at 809 + 40, not at twice 425.
inline constexpr PixelPlace kForm1At192Dpi[] = {
    {form1::Text1, 48, 849, 866, 46},
    {form1::Check8, 576, 743, 344, 38},
    {form1::PushButton6, 544, 936, 512, 54},
};
// The lists' column of 7000 twips.
inline constexpr int kForm1ColumnWidth96 = 467;
inline constexpr int kForm1ColumnWidth192 = 933;

// The support window, 5655 twips wide: its height and the tops of its four
// buttons (18 from the left, 341 x 27) with the picture and the video, and
// without either; the picture stands at 56, 50.
struct GhostPixels {
    bool picture;
    bool video;
    int height;
    std::array<int, 4> tops;
};
inline constexpr int kGhostWidth96 = 377;
inline constexpr GhostPixels kGhostAt96Dpi[] = {
    {true, true, 531, {385, 421, 457, 493}},
    {false, false, 247, {134, 134, 170, 206}},
};

}  // namespace tess::test
