#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace tess {

// A text being put together for the clipboard, kept in the form the clipboard
// serves it in, so that no second copy of it is ever made.
class ClipboardText {
public:
    virtual ~ClipboardText() = default;
    // Appends UTF-8 text that ends after a whole character.
    virtual void Append(std::string_view utf8) = 0;
    // Replaces the clipboard's content with this text as plain text; the
    // clipboard keeps it from here on, until another text replaces it. Throws
    // tess::Error when the clipboard refuses it, and the clipboard is unchanged.
    virtual void Put() = 0;
};

// The system clipboard. It outlives the texts it makes.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // A new, empty text with room for about `bytes` bytes of UTF-8. The
    // clipboard is not touched until the text is put there.
    virtual std::unique_ptr<ClipboardText> NewText(std::size_t bytes) = 0;
};

}  // namespace tess
