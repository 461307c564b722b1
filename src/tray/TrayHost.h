#pragma once

#include <cstdint>
#include <string>

namespace tess {

// The window that carries a tray control: it tells the control whether it is
// running and receives the control's events and change reports. Every event
// comes synchronously, from inside the notification that caused it.
class TrayHost {
public:
    virtual ~TrayHost() = default;

    // False while the host is being designed rather than run. A host without a
    // design mode is always running.
    virtual bool UserMode() const { return true; }

    // `name` is "InTray", "TrayIcon" or "TrayTip".
    virtual void PropertyChanged(const std::string& /*name*/) {}

    // `button` is 1 for the left and 2 for the right mouse button; `id` is the
    // identifier of the icon the notification came for.
    virtual void MouseMove(std::int32_t /*id*/) {}
    virtual void MouseDown(std::int16_t /*button*/, std::int32_t /*id*/) {}
    virtual void MouseUp(std::int16_t /*button*/, std::int32_t /*id*/) {}
    virtual void MouseDblClick(std::int16_t /*button*/, std::int32_t /*id*/) {}
};

}  // namespace tess
