#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tess {

// The window that receives the shell's notifications for an icon, as the shell knows it.
using WindowHandle = std::uintptr_t;
// An icon as the shell knows it (a resource name the shell can load).
using IconHandle = std::string;

// Shell messages.
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

// Bits of uFlags: which fields of the record the shell reads.
inline constexpr std::uint32_t kNifMessage = 0x1;
inline constexpr std::uint32_t kNifIcon = 0x2;
inline constexpr std::uint32_t kNifTip = 0x4;
inline constexpr std::uint32_t kNifInfo = 0x10;

// The message the shell sends to the icon's window (WM_USER + 101).
inline constexpr std::uint32_t kTrayCallbackMessage = 1125;

// Sizes of the text fields, terminating NUL included.
inline constexpr std::size_t kTipField = 128;
inline constexpr std::size_t kInfoField = 256;
inline constexpr std::size_t kInfoTitleField = 64;

// One notification record (NOTIFYICONDATAA, 488-byte form). Texts are already
// cut to fit their fields; fields a step does not name stay zero.
struct NotifyIconData {
    std::uint32_t cbSize = 488;
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon{};
    std::string szTip{};
    std::string szInfo{};
    std::uint32_t uTimeout = 0;
    std::string szInfoTitle{};
    std::uint32_t dwInfoFlags = 0;

    friend bool operator==(const NotifyIconData&, const NotifyIconData&) = default;
};

// The first `field - 1` characters of UTF-8 `text`, so that they and a NUL fit
// a field of `field` characters in a single-byte code page. Never splits a character.
std::string FitField(const std::string& text, std::size_t field);

// The records of each step; `icon` and `tip` are left out when empty.
NotifyIconData AddRecord(WindowHandle window, std::uint32_t id, const std::string& tip,
                         const IconHandle* icon);
NotifyIconData IconRecord(WindowHandle window, std::uint32_t id, const IconHandle& icon);
NotifyIconData TipRecord(WindowHandle window, std::uint32_t id, const std::string& tip);
NotifyIconData BalloonRecord(WindowHandle window, std::uint32_t id, const std::string& text,
                             const std::string& title, std::uint32_t timeoutMs);
// The balloon record `shown` with its texts emptied; the time-out stays.
NotifyIconData TakeDownRecord(const NotifyIconData& shown);
NotifyIconData RemoveRecord(WindowHandle window, std::uint32_t id);

}  // namespace tess
