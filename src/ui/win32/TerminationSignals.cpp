#include "ui/qt/TerminationSignals.h"

namespace tess {

// Windows asks a windowed program to end through its windows' messages, which
// Qt hands on as the window's close and the end of the session: there is no
// signal of the system's to watch.
class TerminationSignals::Watcher {};

TerminationSignals::TerminationSignals(std::function<void()>) {}

TerminationSignals::~TerminationSignals() = default;

}  // namespace tess
