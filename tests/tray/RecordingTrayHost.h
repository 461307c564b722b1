#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tray/TrayHost.h"

namespace tess::test {

struct TrayEvent {
    std::string name;
    std::int16_t button;  // 0 for MouseMove, which has none
    std::int32_t id;
    friend bool operator==(const TrayEvent&, const TrayEvent&) = default;
    friend std::ostream& operator<<(std::ostream& os, const TrayEvent& e) {
        return os << e.name << "(" << e.button << ", " << e.id << ")";
    }
};

class RecordingTrayHost : public TrayHost {
public:
    bool UserMode() const override { return userMode; }
    void PropertyChanged(const std::string& name) override { changes.push_back(name); }
    void MouseMove(std::int32_t id) override { Raise({"MouseMove", 0, id}); }
    void MouseDown(std::int16_t button, std::int32_t id) override {
        Raise({"MouseDown", button, id});
    }
    void MouseUp(std::int16_t button, std::int32_t id) override { Raise({"MouseUp", button, id}); }
    void MouseDblClick(std::int16_t button, std::int32_t id) override {
        Raise({"MouseDblClick", button, id});
    }

    bool userMode = true;
    std::vector<std::string> changes;
    std::vector<TrayEvent> events;
    std::function<void(const TrayEvent&)> onEvent;

private:
    void Raise(const TrayEvent& event) {
        events.push_back(event);
        if (onEvent) onEvent(event);
    }
};

}  // namespace tess::test
