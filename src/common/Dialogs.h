#pragma once

#include <optional>
#include <string>

namespace tess {

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;
    std::string title;  // empty: the application title
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct OpenFileRequest {
    std::string title;
    std::string filter;  // "Text File (*.txt)"
    std::string initialPath;
};

// Every modal thing the program shows goes through this service, so that tests
// can answer it instead of blocking on a window nobody will click.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer Message(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
};

}  // namespace tess
