#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/Dialogs.h"

namespace tess::test {

// Records every request and answers from a queue (Ok / the first button by default).
class RecordingDialogs : public Dialogs {
public:
    MessageAnswer Message(const MessageRequest& request) override {
        messages.push_back(request);
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
        fileRequests.push_back(request);
        return nextFile;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages) texts.push_back(m.text);
        return texts;
    }

    std::vector<MessageRequest> messages;
    std::deque<MessageAnswer> answers;
    std::vector<OpenFileRequest> fileRequests;
    std::optional<std::string> nextFile;
};

}  // namespace tess::test
