#include "ui/Form1Design.h"

namespace tess::form1 {

namespace {

// Every caption and text in Arial 9 pt bold, the push buttons in 11.25 pt bold.
constexpr FontDesign kText{"Arial", 9, true};
constexpr FontDesign kButton{"Arial", 11.25, true};
constexpr auto kFrame = ControlKind::Frame;
constexpr auto kList = ControlKind::ListView;
constexpr auto kButtonKind = ControlKind::PushButton;
constexpr auto kCheck = ControlKind::CheckBox;
constexpr auto kWhite = Background::White;
constexpr auto kOwn = Background::Default;

// clang-format off
constexpr ControlDesign kControls[] = {
    {Frame1, kWindowItself, kFrame, "Next log will occur in", {120, 60, 7800, 840}, kText, 15, kWhite},
    {ProgressBar1, Frame1, ControlKind::ProgressBar, "", {240, 285, 7320, 405}, kText, 16, kOwn},
    {ListView1, kWindowItself, kList, "", {120, 1000, 7800, 2535}, kText, 0, kOwn},
    {Frame3, kWindowItself, kFrame, "Log File", {120, 6070, 7800, 820}, kText, 11, kWhite},
    {Text1, Frame3, ControlKind::TextBox, "", {240, 300, 6495, 345}, kText, 12, kOwn},
    {PushButton7, Frame3, kButtonKind, "...", {6840, 300, 720, 345}, kButton, 13, kOwn},
    {Frame2, kWindowItself, kFrame, "Startup Options", {120, 5270, 7800, 735}, kText, 6, kWhite},
    {Check4, Frame2, kCheck, "Load this software on Windows startup", {240, 300, 3930, 285}, kText, 8, kWhite},
    {Check8, Frame2, kCheck, "Minimized to system tray", {4200, 300, 2580, 285}, kText, 7, kWhite},
    {PushButton5, kWindowItself, kButtonKind, "Turn On Automatic Logging", {120, 7020, 3840, 405}, kButton, 1, kOwn},
    {PushButton6, kWindowItself, kButtonKind, "Log Battery Level Now (Test)", {4080, 7020, 3840, 405}, kButton, 2, kOwn},
    {PushButton1, kWindowItself, kButtonKind, "View Log", {120, 7530, 3840, 405}, kButton, 3, kOwn},
    {PushButton2, kWindowItself, kButtonKind, "Copy Log To Clipboard", {4080, 7530, 3840, 405}, kButton, 4, kOwn},
    {PushButton3, kWindowItself, kButtonKind, "Help", {120, 8040, 3840, 405}, kButton, 9, kOwn},
    {PushButton4, kWindowItself, kButtonKind, "Clear Log", {4080, 8040, 3840, 405}, kButton, 10, kOwn},
    {ListView2, kWindowItself, kList, "", {120, 3630, 7800, 1590}, kText, 14, kOwn},
};
// clang-format on

constexpr bool IdsAreIndexes() {
    for (int i = 0; i < kControlCount; ++i) {
        if (kControls[i].id != i) return false;
    }
    return sizeof kControls / sizeof kControls[0] == kControlCount;
}
static_assert(IdsAreIndexes());

}  // namespace

// The window's own font is Arial 9 pt regular; no icon until the load gives it one.
const WindowDesign kDesign{"Form1",           8040,    8565,     {"Arial", 9, false},
                           Background::White, nullptr, kControls};

}  // namespace tess::form1
