#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tray/NotifyIconData.h"
#include "tray/TrayShell.h"

namespace tess {

inline void PrintTo(const NotifyIconData& r, std::ostream* os) {
    *os << "{cbSize " << r.cbSize << ", hWnd " << r.hWnd << ", uID " << r.uID << ", uFlags "
        << r.uFlags << ", uCallbackMessage " << r.uCallbackMessage << ", hIcon \"" << r.hIcon
        << "\", szTip \"" << r.szTip << "\", szInfo \"" << r.szInfo << "\", uTimeout " << r.uTimeout
        << ", szInfoTitle \"" << r.szInfoTitle << "\", dwInfoFlags " << r.dwInfoFlags << "}";
}

}  // namespace tess

namespace tess::test {

struct SentRecord {
    std::uint32_t message;
    NotifyIconData record;
};

struct WindowMessage {
    WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

// Records every record and every change of the window's procedure. The window's
// own procedure records what reaches it and answers kOwnResult.
class RecordingTrayShell : public TrayShell {
public:
    static constexpr std::intptr_t kOwnResult = 77;

    explicit RecordingTrayShell(WindowHandle window = 0x5150) : window_(window) {
        proc_ = [this](WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
            reachedOwnProc.push_back({w, m, wp, lp});
            return kOwnResult;
        };
    }

    bool Notify(std::uint32_t message, const NotifyIconData& record) override {
        sent.push_back({message, record});
        log.push_back("notify " + std::to_string(message));
        if (onNotify) onNotify(sent.back());
        return result;
    }
    WindowHandle Window() const override { return window_; }
    WindowProc ReplaceWindowProc(WindowHandle window, WindowProc proc) override {
        log.push_back(window == window_ ? "replace proc" : "replace proc of another window");
        std::swap(proc_, proc);
        return proc;
    }
    bool IsAvailable() const override { return available; }
    std::uint32_t TaskbarCreatedMessage() const override { return taskbarCreated; }

    // What the shell does when the user acts on the icon: calls the window's procedure.
    std::intptr_t Deliver(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        return proc_(window_, message, wParam, lParam);
    }
    std::intptr_t DeliverTray(std::intptr_t code, std::uintptr_t id = 0) {
        return Deliver(kTrayCallbackMessage, id, code);
    }

    std::vector<std::uint32_t> Messages() const {
        std::vector<std::uint32_t> messages;
        for (const auto& s : sent) messages.push_back(s.message);
        return messages;
    }

    std::vector<SentRecord> sent;
    std::vector<std::string> log;
    std::vector<WindowMessage> reachedOwnProc;
    std::function<void(const SentRecord&)> onNotify;
    bool result = true;
    // Whether the desktop offers a notification area.
    bool available = true;
    // The shell's message for a notification area made anew; 0: none.
    std::uint32_t taskbarCreated = 0;

private:
    WindowHandle window_;
    WindowProc proc_;
};

}  // namespace tess::test
