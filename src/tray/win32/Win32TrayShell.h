#pragma once

#include <memory>

#include "tray/TrayShell.h"

namespace tess {

// The Windows notification area through Shell_NotifyIconA, for a hidden
// window of the shell's own whose procedure can be replaced (subclassed): the
// replacement goes in with SetWindowLongPtrA, finds its procedure through the
// window's GWLP_USERDATA and a replaced system procedure is called through
// CallWindowProcA. Icon handles name icon resources of the running program.
// Lives on the thread that creates it, whose message loop (Qt's, for one)
// dispatches the shell's notifications to the window.
class Win32TrayShell : public TrayShell {
public:
    // Throws tess::Error when the window cannot be created.
    Win32TrayShell();
    ~Win32TrayShell() override;
    Win32TrayShell(const Win32TrayShell&) = delete;
    Win32TrayShell& operator=(const Win32TrayShell&) = delete;

    // Shell_NotifyIconA's result.
    bool Notify(std::uint32_t message, const NotifyIconData& record) override;
    WindowHandle Window() const override;
    // Only the shell's own window is subclassed; another window's procedure is
    // left alone and reported empty.
    WindowProc ReplaceWindowProc(WindowHandle window, WindowProc proc) override;
    // Whether the taskbar, which holds the notification area, is there.
    bool IsAvailable() const override;
    // "TaskbarCreated", which the shell broadcasts to the top-level windows when
    // it has started again.
    std::uint32_t TaskbarCreatedMessage() const override;

    // What the window's GWLP_USERDATA points at while the shell lives.
    struct Subclass;

private:
    std::unique_ptr<Subclass> subclass_;
    WindowHandle window_ = 0;
};

}  // namespace tess
