#pragma once

#include <string>

namespace tess {

// Hands a web address or a file to the desktop, without a shell and without
// waiting for what it starts.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens the address in the user's browser, or a file (a full path) with the
    // desktop's handler of its type. Throws tess::Error when nothing could be started.
    virtual void OpenUrl(const std::string& url) = 0;
    // Opens the file in the user's text editor. Throws tess::Error when nothing could be started.
    virtual void OpenInTextEditor(const std::string& path) = 0;
};

}  // namespace tess
