#pragma once

#include "ui/Launcher.h"

namespace tess {

// Opens addresses and files with the desktop's handler (xdg-open), passing the
// target as one argument and leaving the started program to itself.
class XdgLauncher : public Launcher {
public:
    void OpenUrl(const std::string& url) override;
    void OpenInTextEditor(const std::string& path) override;
};

}  // namespace tess
