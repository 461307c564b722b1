#pragma once

#include <chrono>
#include <memory>

#include "ui/Launcher.h"
#include "ui/linux/XdgMimeApps.h"

class QObject;

namespace tess {

// How long after its start a text editor's failure still counts as the
// failure of View Log: one that ends in failure later ran, and the user
// closed it.
inline constexpr std::chrono::milliseconds kEditorStartTime{10000};

// Opens addresses and files with the desktop's handler (xdg-open), passing the
// target as one argument and leaving the started program to itself; opens the
// log with the desktop's application for plain text (text/plain), started
// from its desktop entry and watched for a failure at its start.
class XdgLauncher : public Launcher {
public:
    explicit XdgLauncher(XdgDirs dirs = XdgDirs::FromEnvironment(),
                         std::chrono::milliseconds startTime = kEditorStartTime);
    ~XdgLauncher() override;
    XdgLauncher(const XdgLauncher&) = delete;
    XdgLauncher& operator=(const XdgLauncher&) = delete;

    void OpenUrl(const std::string& url) override;
    // The editor gets the file's absolute path, from the working folder as the
    // log writer takes it, so that a name starting with '-' or ':' is neither
    // an option nor anything but that file. Needs the event loop of the
    // application object for what comes later.
    void OpenInTextEditor(const std::string& path, Failure failed) override;

private:
    XdgDirs dirs_;
    std::chrono::milliseconds startTime_;
    // The editors being watched, each until it ends.
    std::unique_ptr<QObject> watches_;
};

}  // namespace tess
