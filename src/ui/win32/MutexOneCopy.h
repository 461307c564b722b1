#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/OneCopy.h"

namespace tess {

class MessageWindow;

// One copy per user session on Windows: the copy that runs owns a named mutex
// in the session's namespace, which the system releases when the process ends
// however it ends, and a message window of the same name, to which a later
// start sends a registered message.
class MutexOneCopy : public OneCopy {
public:
    // `name`: the mutex's and the window's name, the program's by default.
    explicit MutexOneCopy(std::wstring name = L"example.quorvane.Tessaline");
    ~MutexOneCopy() override;
    MutexOneCopy(const MutexOneCopy&) = delete;
    MutexOneCopy& operator=(const MutexOneCopy&) = delete;

    bool Claim(std::function<bool()> anotherStart) override;

private:
    bool HandOver(unsigned long timeoutMs) const;

    std::wstring name_;
    unsigned message_;
    void* mutex_ = nullptr;
    std::unique_ptr<MessageWindow> window_;
};

}  // namespace tess
