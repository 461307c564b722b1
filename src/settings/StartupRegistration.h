#pragma once

namespace tess {

// Makes the system start the running program when a user logs on.
class StartupRegistration {
public:
    virtual ~StartupRegistration() = default;
    // Writes (or overwrites) the program's entry. Throws tess::Error, naming
    // the location and the reason, when no location would take it.
    virtual void AddToStartup() = 0;
    // Deletes the program's entry wherever it is. Never throws.
    virtual void RemoveFromStartup() = 0;
};

}  // namespace tess
