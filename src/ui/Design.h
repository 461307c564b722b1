#pragma once

#include <span>

namespace tess {

// A place in a window in twips (1440 to the inch, 15 to a pixel at 96 dots per
// inch), relative to the client area of the window or of the frame that holds it.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// A control of a window's design, by its number in the window's table.
using ControlId = int;
// The window itself, where a control is asked for: its background, its client area.
inline constexpr ControlId kWindowItself = -1;

enum class ControlKind { Frame, ProgressBar, ListView, TextBox, PushButton, CheckBox, Image };

// The designed background; Default leaves the toolkit's own.
enum class Background { Default, White };

// A font by family, size and weight; a null family leaves the toolkit's own font.
struct FontDesign {
    const char* family = nullptr;
    double points = 0;
    bool bold = false;
};

// One control as the window's design holds it. Toolkits build the control from
// this row and never place it otherwise; only the behaviour moves it later.
struct ControlDesign {
    ControlId id;
    ControlId parent;  // kWindowItself, or the frame that holds the control
    ControlKind kind;
    const char* caption;  // the designed caption ("" for none)
    TwipsRect place;      // an image's size is its picture's, whatever the row says
    FontDesign font;
    int tabIndex;  // the control's place in the tab order, for those that take the focus
    Background background;
};

// A window as designed: its caption, client size, font, background and icon
// (a name of resources/IconNames.h, or null for the toolkit's default) and its
// controls in design order, each at the index of its id.
struct WindowDesign {
    const char* caption;
    int clientWidth;
    int clientHeight;
    FontDesign font;
    Background background;
    const char* icon;
    std::span<const ControlDesign> controls;
};

// Check boxes, option buttons, frames and labels: the kinds of control whose
// background a skin or the support window turns to the button-face colour.
bool TakesButtonFace(ControlKind kind);

}  // namespace tess
