#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/Clock.h"
#include "ui/Design.h"

namespace tess {

class Launcher;
class Window;

// The window and those of its controls that are check boxes, option buttons,
// frames or labels take the button-face colour.
void PaintButtonFace(Window& window, const WindowDesign& design);

// The skin "x\o.cjs" in `programFolder`. When it is a file, the window takes the
// button-face colour (PaintButtonFace) and then the skin; without the file
// nothing changes. Throws tess::Error when the file is there but cannot be read.
void ApplySkin(Window& window, const WindowDesign& design, const std::string& programFolder);

// Opens the vendor's home page when `draw` (a whole number from 1 to 100)
// comes out as 7: on one start in a hundred.
void OpenHomePageAtRandom(Launcher& launcher, const std::function<int()>& draw);

// The seed of the home page's draw: the local time of day in milliseconds
// since midnight (its seconds with their fraction).
std::uint32_t HomePageSeed(const LocalDateTime& localTime);

// The draw of OpenHomePageAtRandom: a generator seeded with the clock's local time of day.
int DrawHomePageNumber(const Clock& clock);

}  // namespace tess
