#pragma once

#include <string>

namespace tess {

// The caption of the battery history window, and of the main window's command
// that opens it (the log list's context menu; the Ctrl+H key).
inline constexpr const char* kHistoryCaption = "Battery History";

// The battery history window as the main window sees it.
class HistoryView {
public:
    virtual ~HistoryView() = default;
    // Shows the history of the log at `path` in front, reading the log when
    // the window does not show that one already.
    virtual void ShowHistory(const std::string& path) = 0;
    // The writer has appended an entry to the log at `path`. A closed window
    // does nothing at all.
    virtual void EntryAdded(const std::string& path) = 0;
};

}  // namespace tess
