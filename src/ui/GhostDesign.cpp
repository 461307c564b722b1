#include "ui/GhostDesign.h"

#include "Vendor.h"
#include "resources/IconNames.h"

namespace tess::ghost {

namespace {

constexpr FontDesign kButton{"Arial", 11.25, true};
constexpr int kButtonLeft = 270;
constexpr int kButtonWidth = 5115;
constexpr int kButtonHeight = 405;
constexpr int kFirstButtonTop = 2010;
constexpr auto kPush = ControlKind::PushButton;
constexpr auto kOwn = Background::Default;

constexpr TwipsRect ButtonPlace(int row) {
    return {kButtonLeft, kFirstButtonTop + row * kButtonPitch, kButtonWidth, kButtonHeight};
}

// clang-format off
constexpr ControlDesign kControls[] = {
    {Image1, kWindowItself, ControlKind::Image, "", {840, 750, 0, 0}, {}, -1, kOwn},
    {PushButton3, kWindowItself, kPush, "Watch Help/Demo Video For This Software", ButtonPlace(0), kButton, 0, kOwn},
    {PushButton4, kWindowItself, kPush, "Common Questions (FAQ)", ButtonPlace(1), kButton, 1, kOwn},
    {PushButton5, kWindowItself, kPush, "Email Team Quorvane", ButtonPlace(2), kButton, 2, kOwn},
    {PushButton6, kWindowItself, kPush, kVendorSiteCaption, ButtonPlace(3), kButton, 3, kOwn},
};
// clang-format on
static_assert(sizeof kControls / sizeof kControls[0] == kControlCount);

}  // namespace

const WindowDesign kDesign{"Ghost",  5655, 7965, {}, Background::Default, icons::kApplication,
                           kControls};

}  // namespace tess::ghost
