#pragma once

#include <cstdint>

namespace tess {

// What the shell reports in lParam of kTrayCallbackMessage.
inline constexpr std::intptr_t kWmMouseMove = 0x200;
inline constexpr std::intptr_t kWmLButtonDown = 0x201;
inline constexpr std::intptr_t kWmLButtonUp = 0x202;
inline constexpr std::intptr_t kWmLButtonDblClk = 0x203;
inline constexpr std::intptr_t kWmRButtonDown = 0x204;
inline constexpr std::intptr_t kWmRButtonUp = 0x205;
inline constexpr std::intptr_t kWmRButtonDblClk = 0x206;
inline constexpr std::intptr_t kNinBalloonHide = 0x403;
inline constexpr std::intptr_t kNinBalloonTimeout = 0x404;
inline constexpr std::intptr_t kNinBalloonUserClick = 0x405;

}  // namespace tess
