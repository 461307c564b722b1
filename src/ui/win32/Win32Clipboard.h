#pragma once

#include "ui/Clipboard.h"
#include "ui/win32/MessageWindow.h"

namespace tess {

// The system clipboard, owned while it holds the program's text by a message
// window of the thread that creates this. The text is put together as Unicode
// text (CF_UNICODETEXT, from which the system gives the ANSI and OEM forms to
// those who ask) in the global memory that the clipboard then keeps.
class Win32Clipboard : public Clipboard {
public:
    Win32Clipboard();

    // Put() throws tess::Error when the clipboard stays busy or refuses the text.
    std::unique_ptr<ClipboardText> NewText(std::size_t bytes) override;

private:
    MessageWindow owner_;
};

}  // namespace tess
