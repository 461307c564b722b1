#pragma once

#include <string>

#include "ui/Clipboard.h"
#include "ui/win32/MessageWindow.h"

namespace tess {

// The system clipboard, owned while it holds the program's text by a message
// window of the thread that creates this.
class Win32Clipboard : public Clipboard {
public:
    Win32Clipboard();

    // Replaces the clipboard's content with `text`, which is in the ANSI code
    // page as the log file holds it, as Unicode text (from which the system
    // gives the ANSI and OEM forms to those who ask). Throws tess::Error when
    // the clipboard stays busy or refuses the text.
    void SetText(const std::string& text) override;

private:
    MessageWindow owner_;
};

}  // namespace tess
