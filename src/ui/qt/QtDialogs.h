#pragma once

#include "common/Dialogs.h"

namespace tess {

// Message boxes and the file dialog as Qt widgets, over the active window.
class QtDialogs : public Dialogs {
public:
    MessageAnswer Message(const MessageRequest& request) override;
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
};

}  // namespace tess
