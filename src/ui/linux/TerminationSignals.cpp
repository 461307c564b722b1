#include "ui/qt/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QtGlobal>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

namespace tess {

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The writing end of the pipe, for the signal handler.
volatile sig_atomic_t writeFd = -1;

extern "C" void OnSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = write(writeFd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

// The self-pipe: the handler only writes a byte, and the event loop, woken by
// the notifier, empties the pipe and passes the request on.
class TerminationSignals::Watcher {
public:
    explicit Watcher(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {
        // Without a pipe the signals keep their usual effect: the program still runs.
        if (pipe2(fds_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            qWarning("termination signals not watched: %s", std::strerror(errno));
            return;
        }
        writeFd = fds_[1];
        notifier_.emplace(fds_[0], QSocketNotifier::Read);
        QObject::connect(&*notifier_, &QSocketNotifier::activated, [this] { Drain(); });

        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &action, &previous_[i]);
        }
    }

    ~Watcher() {
        if (!notifier_) return;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &previous_[i], nullptr);
        }
        writeFd = -1;
        notifier_.reset();
        close(fds_[0]);
        close(fds_[1]);
    }

    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

private:
    void Drain() {
        std::array<char, 64> bytes{};
        while (read(fds_[0], bytes.data(), bytes.size()) > 0) {
        }
        onRequest_();
    }

    std::function<void()> onRequest_;
    std::array<int, 2> fds_{-1, -1};
    std::optional<QSocketNotifier> notifier_;
    std::array<struct sigaction, kSignals.size()> previous_{};
};

TerminationSignals::TerminationSignals(std::function<void()> onRequest)
    : watcher_(std::make_unique<Watcher>(std::move(onRequest))) {}

TerminationSignals::~TerminationSignals() = default;

}  // namespace tess
