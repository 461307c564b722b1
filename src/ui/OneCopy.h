#pragma once

#include <functional>

namespace tess {

// One running copy of the program in a user's session. A later start hands
// over to the copy that runs, which shows its window, and ends having read and
// written nothing: two copies would log every entry twice into the same file.
class OneCopy {
public:
    virtual ~OneCopy() = default;

    // True when no other copy runs: this one is now the copy that runs, and
    // `anotherStart` runs on the user-interface thread each time a later start
    // hands over to it; it answers false when this copy is ending. False when
    // another copy runs and has taken the hand-over. A copy that ended, however
    // it ended, never counts; one that is ending is waited for, and this start
    // runs once it has gone.
    virtual bool Claim(std::function<bool()> anotherStart) = 0;
};

}  // namespace tess
