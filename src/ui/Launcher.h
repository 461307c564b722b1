#pragma once

#include <functional>
#include <string>

namespace tess {

// Hands a web address or a file to the desktop, without a shell and without
// waiting for what it starts.
class Launcher {
public:
    // What a program that failed after its start tells: the reason, as the
    // platform describes it.
    using Failure = std::function<void(const std::string& reason)>;

    virtual ~Launcher() = default;
    // Opens the address in the user's browser, or a file (a full path) with the
    // desktop's handler of its type. Throws tess::Error when nothing could be started.
    virtual void OpenUrl(const std::string& url) = 0;
    // Opens the file (a relative path from the working folder) in the user's
    // text editor, whatever its name says, and returns at once. Throws
    // tess::Error when there is no text editor or it cannot be started; an
    // editor that ends in failure soon after its start is told to `failed`
    // later, on this thread. An editor that the user closes is no failure.
    virtual void OpenInTextEditor(const std::string& path, Failure failed) = 0;
};

}  // namespace tess
