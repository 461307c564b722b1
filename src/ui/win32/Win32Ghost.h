#pragma once

#include "ui/Ghost.h"
#include "ui/win32/Win32Window.h"

namespace tess {

// The support window over the Win32 API: the controls of ghost::kDesign, with
// the user's clicks, pointer moves and close requests handed to its behaviour,
// Ghost, which it owns.
class Win32Ghost : public Win32Window {
public:
    explicit Win32Ghost(const GhostServices& services);

    Ghost& Logic() { return ghost_; }

protected:
    // The close box and the system menu: the user's close.
    void OnClose() override;

private:
    Ghost ghost_;
};

}  // namespace tess
