#pragma once

#include <cstdint>
#include <functional>

struct HWND__;

namespace tess {

// A message-only window of this thread (no taskbar button, never shown, not
// enumerated) whose messages go to a handler: for timers and the clipboard,
// which the system ties to a window, and for requests from other processes,
// which find it by its title. Messages the handler leaves (it returns nothing)
// get the system's default handling.
class MessageWindow {
public:
    using Handler = std::function<bool(std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam, std::intptr_t& result)>;

    // Throws tess::Error when the window cannot be created.
    explicit MessageWindow(Handler handler, const wchar_t* title = L"");
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND__* Handle() const { return window_; }
    // The message window of any process of this session with that title, or null.
    static HWND__* Find(const wchar_t* title);

private:
    Handler handler_;
    HWND__* window_ = nullptr;

    friend struct MessageWindowProc;
};

}  // namespace tess
