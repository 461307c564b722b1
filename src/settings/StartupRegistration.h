#pragma once

namespace tess {

// Makes the system start the running program when a user logs on.
class StartupRegistration {
public:
    virtual ~StartupRegistration() = default;
    // Writes (or overwrites) the program's entry. Throws tess::Error, naming
    // the location and the reason, when no location would take it.
    virtual void AddToStartup() = 0;
    // Deletes the program's entry wherever it is. Throws tess::Error, naming each
    // location where it stays and the reason, when one cannot be deleted.
    virtual void RemoveFromStartup() = 0;
};

}  // namespace tess
