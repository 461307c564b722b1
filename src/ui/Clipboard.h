#pragma once

#include <string>

namespace tess {

// The system clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content with `text` as plain text. The text is in
    // the system's text encoding, as the log file holds it.
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace tess
