#pragma once

#include <string>

#include "common/Dialogs.h"

namespace tess {

// Message boxes (MessageBoxW) and the Open dialog (GetOpenFileNameW) of the
// system, owned by the thread's active window. Without one they hold every
// window of the thread until they are answered.
class Win32Dialogs : public Dialogs {
public:
    MessageAnswer Message(const MessageRequest& request) override;
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
};

// MessageBoxW's style for a request: its buttons with the first as default,
// its icon, and task-modal when it has no owner.
unsigned MessageBoxStyle(const MessageRequest& request, bool owned);

// The answer for MessageBoxW's result (Escape gives OK or Cancel, as the box's
// own buttons do); a box that could not be shown answers as its set's way of
// saying no.
MessageAnswer MessageBoxAnswer(int result, MessageButtons buttons);

// A filter of the form "Text File (*.txt)", several joined by ";;", as the
// Open dialog takes it: each description, NUL, its patterns separated by ';',
// NUL, and a final NUL.
std::wstring OpenFileFilter(const std::string& filter);

}  // namespace tess
