#pragma once

#include <cstdint>
#include <functional>

struct HWND__;

namespace tess {

// A message-only window of this thread (no taskbar button, never shown, not
// enumerated) whose messages go to a handler: for timers and the clipboard,
// which the system ties to a window. Messages the handler leaves (it returns
// nothing) get the system's default handling.
class MessageWindow {
public:
    using Handler = std::function<bool(std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam, std::intptr_t& result)>;

    // Throws tess::Error when the window cannot be created.
    explicit MessageWindow(Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND__* Handle() const { return window_; }

private:
    Handler handler_;
    HWND__* window_ = nullptr;

    friend struct MessageWindowProc;
};

}  // namespace tess
