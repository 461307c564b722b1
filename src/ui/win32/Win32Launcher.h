#pragma once

#include "ui/Launcher.h"

namespace tess {

// Opens addresses and files through the Windows shell, and the log in Notepad,
// leaving what it starts to itself.
class Win32Launcher : public Launcher {
public:
    // ShellExecuteW with the default verb, as the desktop would open the address.
    void OpenUrl(const std::string& url) override;
    // The system's Notepad, started with the file's full path as its one
    // argument: a text editor whatever the file's name. Notepad shows its own
    // troubles in its window, so nothing comes later to `failed`.
    void OpenInTextEditor(const std::string& path, Failure failed) override;
};

}  // namespace tess
