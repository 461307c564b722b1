#pragma once

#include "ui/Clipboard.h"

namespace tess {

// The clipboard of the Qt application; the text is decoded from the system's
// encoding. Needs the application object.
class QtClipboard : public Clipboard {
public:
    void SetText(const std::string& text) override;
};

}  // namespace tess
