#pragma once

#include <functional>
#include <memory>

namespace tess {

// Turns the system's requests to end the process into calls of `onRequest` from
// the event loop, for as long as the object lives: on Linux SIGTERM, SIGINT and
// SIGHUP, whose handlers it puts in place and afterwards restores. One at a time.
// Needs the application object.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> onRequest);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    class Watcher;
    std::unique_ptr<Watcher> watcher_;
};

}  // namespace tess
