#pragma once

// The names of the program's own icons, all of one design: a light cyan square
// in a black frame holding a blue letter 'Q' outlined in black. Each toolkit
// loads an icon by its name (Icons.h for Qt, the resource script for Windows).
namespace tess::icons {

// The tray icon: 16 x 16 as drawn, with 22, 24, 32 and 48 px renderings for larger
// and high-DPI trays. Its name is the handle the tray shell knows it by.
inline constexpr const char* kTray = "tray-q";
// The application's window icon: 16, 32, 48, 128 and 256 px.
inline constexpr const char* kApplication = "tessaline";

}  // namespace tess::icons
