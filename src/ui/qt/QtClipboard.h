#pragma once

#include "ui/Clipboard.h"

namespace tess {

// The clipboard of the Qt application. The text is served as the UTF-8 bytes
// it was put together in ("text/plain;charset=utf-8", and "text/plain", from
// which X11 clients also get UTF8_STRING): one buffer, which the clipboard
// frees as soon as another program takes it over. Needs the application object.
class QtClipboard : public Clipboard {
public:
    std::unique_ptr<ClipboardText> NewText(std::size_t bytes) override;
};

}  // namespace tess
