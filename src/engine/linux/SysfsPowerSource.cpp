#include "engine/linux/SysfsPowerSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

namespace tess {

namespace {

namespace fs = std::filesystem;

constexpr double kMaxSecondsLeft = 10 * 24 * 3600;
constexpr std::uint8_t kFlagCharging = 8;
constexpr std::uint8_t kFlagNoBattery = 128;

// An attribute file's text without the surrounding white space; empty when the
// file is missing or unreadable. Attribute files hold one short line, so a longer
// file holds nothing we understand.
std::string ReadAttribute(const fs::path& file) {
    // Plain system calls: a sample reads a dozen of these files for every
    // entry, and a stream costs more to set up than the read itself.
    char buffer[64];
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    ssize_t size;
    do {
        size = ::read(fd, buffer, sizeof buffer);
    } while (size < 0 && errno == EINTR);
    ::close(fd);
    if (size <= 0 || static_cast<std::size_t>(size) == sizeof buffer) return {};
    std::string_view text(buffer, static_cast<std::size_t>(size));
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
    return std::string(text);
}

std::optional<std::int64_t> ReadInteger(const fs::path& file) {
    const std::string text = ReadAttribute(file);
    const char* end = text.data() + text.size();
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// A reading that cannot be negative (an amount, a voltage, a time).
std::optional<double> ReadAmount(const fs::path& folder, const char* name) {
    const auto value = ReadInteger(folder / name);
    if (!value || *value < 0) return std::nullopt;
    return static_cast<double>(*value);
}

// A power or current; some drivers report the drain as negative.
std::optional<double> ReadRate(const fs::path& folder, const char* name) {
    const auto value = ReadInteger(folder / name);
    if (!value) return std::nullopt;
    return std::fabs(static_cast<double>(*value));
}

// The voltage (µV) that turns a battery's charge into energy.
std::optional<double> ReadVoltage(const fs::path& folder) {
    for (const char* name : {"voltage_min_design", "voltage_max_design", "voltage_now"}) {
        const auto volts = ReadAmount(folder, name);
        if (volts && *volts > 0) return volts;
    }
    return std::nullopt;
}

// Mice, keyboards and other devices report their batteries with scope "Device";
// a bay without its battery reports present 0.
bool IsSystemBattery(const fs::path& folder) {
    const auto present = ReadInteger(folder / "present");
    return ReadAttribute(folder / "scope") != "Device" && !(present && *present == 0);
}

// Supplies that tell whether the computer runs on external power. A USB port only
// does so when it also says which kind of charger is plugged in.
bool IsExternalSupply(const std::string& type, const fs::path& folder) {
    std::error_code ignored;
    return type == "Mains" || (type == "USB" && fs::exists(folder / "usb_type", ignored));
}

struct Battery {
    std::string status;
    std::optional<double> capacity;     // percent
    std::optional<double> timeToEmpty;  // seconds
    // What the battery holds, holds when full and how fast it drains: µWh and µW,
    // or µAh and µA when it reports charge and its voltage is unknown.
    std::optional<double> now;
    std::optional<double> full;
    std::optional<double> rate;
    bool inEnergy = true;
};

Battery ReadBattery(const fs::path& folder) {
    Battery battery;
    battery.status = ReadAttribute(folder / "status");
    battery.capacity = ReadAmount(folder, "capacity");
    battery.timeToEmpty = ReadAmount(folder, "time_to_empty_now");
    if ((battery.now = ReadAmount(folder, "energy_now"))) {
        battery.full = ReadAmount(folder, "energy_full");
        battery.rate = ReadRate(folder, "power_now");
    } else if ((battery.now = ReadAmount(folder, "charge_now"))) {
        battery.full = ReadAmount(folder, "charge_full");
        battery.rate = ReadRate(folder, "current_now");
        if (const auto volts = ReadVoltage(folder)) {
            // µAh × µV / 1e6 = µWh, and likewise µA to µW.
            for (auto* value : {&battery.now, &battery.full, &battery.rate}) {
                if (*value) **value *= *volts / 1e6;
            }
        } else {
            battery.inEnergy = false;
        }
    }
    return battery;
}

// All system batteries seen as one.
class CompositeBattery {
public:
    void Add(const Battery& battery) {
        if (battery.status == "Discharging") discharging_ = true;
        if (battery.status == "Charging") charging_ = true;

        if (battery.inEnergy && battery.now && battery.full && *battery.full > 0) {
            energyNow_ += *battery.now;
            energyFull_ += *battery.full;
        } else {
            energyKnown_ = false;
        }
        if (battery.capacity) {
            capacitySum_ += std::min(*battery.capacity, 100.0);
            ++capacities_;
        }
        if (battery.timeToEmpty) {
            timeToEmpty_ += *battery.timeToEmpty;
        } else {
            timeToEmptyKnown_ = false;
        }
        if (battery.now && battery.rate && (count_ == 0 || battery.inEnergy == drainInEnergy_)) {
            drainLeft_ += *battery.now;
            drainRate_ += *battery.rate;
            drainInEnergy_ = battery.inEnergy;
        } else {
            drainKnown_ = false;
        }
        ++count_;
    }

    int Count() const { return count_; }
    bool Discharging() const { return discharging_; }
    bool Charging() const { return charging_; }

    std::uint8_t Percent() const {
        double percent = 0;
        if (energyKnown_ && energyFull_ > 0) {
            percent = 100 * energyNow_ / energyFull_;
        } else if (capacities_ > 0) {
            percent = capacitySum_ / capacities_;
        } else {
            return kUnknownPercent;
        }
        return static_cast<std::uint8_t>(std::lround(std::clamp(percent, 0.0, 100.0)));
    }

    // Meaningful only while discharging. A total of 0 s from the drivers means
    // they do not know, so the drain rate has its say.
    std::uint32_t SecondsLeft() const {
        double seconds = -1;
        if (timeToEmptyKnown_ && timeToEmpty_ > 0) {
            seconds = timeToEmpty_;
        } else if (drainKnown_ && drainRate_ > 0) {
            seconds = 3600 * drainLeft_ / drainRate_;
        }
        if (seconds < 0 || seconds > kMaxSecondsLeft) return kUnknownLifeTime;
        return static_cast<std::uint32_t>(std::lround(seconds));
    }

private:
    int count_ = 0;
    bool discharging_ = false;
    bool charging_ = false;
    bool energyKnown_ = true;
    double energyNow_ = 0;
    double energyFull_ = 0;
    int capacities_ = 0;
    double capacitySum_ = 0;
    bool timeToEmptyKnown_ = true;
    double timeToEmpty_ = 0;
    bool drainKnown_ = true;
    bool drainInEnergy_ = true;
    double drainLeft_ = 0;
    double drainRate_ = 0;
};

}  // namespace

SysfsPowerSource::SysfsPowerSource(std::string folder) : folder_(std::move(folder)) {}

std::string SysfsPowerSource::DefaultFolder() {
    const char* folder = std::getenv("TESSALINE_POWER_SUPPLY_DIR");
    return folder && *folder ? folder : "/sys/class/power_supply";
}

void SysfsPowerSource::GetSystemPowerStatus(PowerStatus& status) {
    CompositeBattery batteries;
    bool externalSupply = false;
    bool online = false;

    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_directory(ignored)) continue;
        const fs::path& folder = it->path();
        const std::string type = ReadAttribute(folder / "type");
        if (type == "Battery") {
            if (IsSystemBattery(folder)) batteries.Add(ReadBattery(folder));
        } else if (IsExternalSupply(type, folder)) {
            externalSupply = true;
            const auto value = ReadInteger(folder / "online");
            online = online || (value && *value >= 1);
        }
    }

    status = PowerStatus{};
    status.BatteryLifeTime = kUnknownLifeTime;
    status.BatteryFullLifeTime = kUnknownLifeTime;
    if (batteries.Count() == 0) {
        // Without any supply to ask, this is a desktop computer on mains power.
        status.ACLineStatus = (online || !externalSupply) ? 1 : 0;
        status.BatteryFlag = kFlagNoBattery;
        status.BatteryLifePercent = kUnknownPercent;
        return;
    }
    status.ACLineStatus = online ? 1 : 0;
    status.BatteryFlag = batteries.Charging() ? kFlagCharging : 0;
    status.BatteryLifePercent = batteries.Percent();
    if (batteries.Discharging() && !online) status.BatteryLifeTime = batteries.SecondsLeft();
}

}  // namespace tess
