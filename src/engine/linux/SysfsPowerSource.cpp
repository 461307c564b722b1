#include "engine/linux/SysfsPowerSource.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include "engine/linux/SysfsSupplyFolder.h"

namespace tess {

namespace {

namespace fs = std::filesystem;
using namespace sysfs;

constexpr double kMaxSecondsLeft = 10 * 24 * 3600;
// A drain above 300 W is a driver's glitch, not a laptop's load (µW).
constexpr double kMaxDrain = 300e6;
// A battery that gives no voltage at all is taken at 10 V, as the desktop's
// power daemon does: its own ratios do not depend on the guess, and beside a
// battery that reports energy it keeps the two comparable.
constexpr double kGuessedVoltage = 10e6;
constexpr std::uint8_t kFlagCharging = 8;
constexpr std::uint8_t kFlagNoBattery = 128;

// The design voltage that turns a battery's charge into energy (µV).
double DesignVoltage(const fs::path& folder) {
    return FirstVoltage(folder, {"voltage_max_design", "voltage_min_design", "voltage_now"})
        .value_or(kGuessedVoltage);
}

enum class State { Unknown, Charging, Discharging, Full, NotCharging };

State ReadState(const fs::path& folder) {
    const std::string status = ReadAttribute(folder / "status");
    if (Is(status, "Charging")) return State::Charging;
    if (Is(status, "Discharging")) return State::Discharging;
    if (Is(status, "Full")) return State::Full;
    if (Is(status, "Not charging")) return State::NotCharging;
    return State::Unknown;
}

// Supplies whose "online" tells whether the computer runs on external power:
// mains, kinds without a name of their own here (wireless chargers, older
// kernels' "USB_C" and the like, or no type at all), and USB ports that say
// which kind of charger is plugged in. A USB supply without that is a device of
// its own (a tablet's pen, say).
bool IsLinePower(const std::string& type, const fs::path& folder) {
    std::error_code ignored;
    return !Is(type, "USB") || fs::exists(folder / "usb_type", ignored);
}

struct Battery {
    State state = State::Unknown;
    std::optional<double> percent;
    // Energy held, held when full (µWh) and drawn (µW). Charge readings are
    // converted with the design voltage, each on its own, so that a battery
    // mixing the two units still adds up.
    std::optional<double> now;
    std::optional<double> full;
    std::optional<double> drain;
    std::optional<double> timeToEmpty;  // the driver's own estimate (s)
};

Battery ReadBattery(const fs::path& folder) {
    const double volts = DesignVoltage(folder);
    const auto energy = [&](const char* inEnergy, const char* inCharge,
                            auto read) -> std::optional<double> {
        if (const auto value = read(folder, inEnergy)) return value;
        if (const auto value = read(folder, inCharge)) return *value * volts / 1e6;
        return std::nullopt;
    };

    Battery battery;
    battery.state = ReadState(folder);
    // Some drivers say "Charging" while a weak charger lets the battery run down;
    // a negative current tells.
    const auto current = ReadInteger(folder / "current_now");
    if (current && *current < 0 && battery.state != State::Full) {
        battery.state = State::Discharging;
    }

    if (const auto capacity = ReadPositive(folder, "capacity")) {
        battery.percent = std::min(*capacity, 100.0);
    }
    battery.full = energy("energy_full", "charge_full", ReadPositive);
    if (!battery.full)
        battery.full = energy("energy_full_design", "charge_full_design", ReadPositive);
    battery.now = energy("energy_now", "charge_now", ReadAmount);
    if ((!battery.now || *battery.now == 0) && battery.percent && battery.full) {
        battery.now = *battery.full * *battery.percent / 100;
    }
    if (battery.now && battery.full) {
        battery.full = std::max(*battery.full, *battery.now);
        if (!battery.percent) battery.percent = 100 * *battery.now / *battery.full;
    }

    // Some drivers report the drain as negative.
    const auto rate = [](const fs::path& at, const char* name) -> std::optional<double> {
        const auto value = ReadInteger(at / name);
        if (!value) return std::nullopt;
        return std::fabs(static_cast<double>(*value));
    };
    battery.drain = energy("power_now", "current_now", rate);
    if (battery.drain && *battery.drain > kMaxDrain) battery.drain = 0.0;
    // Without a drain reading, the driver's own time to empty tells it.
    battery.timeToEmpty = ReadPositive(folder, "time_to_empty_now");
    if ((!battery.drain || *battery.drain == 0) && battery.timeToEmpty && battery.now) {
        battery.drain = 3600 * *battery.now / *battery.timeToEmpty;
    }
    return battery;
}

// All system batteries seen as one.
class CompositeBattery {
public:
    void Add(const Battery& battery) {
        charging_ = charging_ || battery.state == State::Charging;
        discharging_ = discharging_ || battery.state == State::Discharging;
        resting_ =
            resting_ && (battery.state == State::Full || battery.state == State::NotCharging);

        if (battery.percent) {
            percentSum_ += *battery.percent;
            ++percents_;
        }
        lonePercent_ = battery.percent;
        loneTimeToEmpty_ = battery.timeToEmpty;
        energyNow_ += battery.now.value_or(0);
        energyFull_ += battery.full.value_or(0);
        if (battery.drain && battery.now) {
            drain_ += *battery.drain;
        } else {
            drainKnown_ = false;
        }
        ++count_;
    }

    int Count() const { return count_; }
    bool Charging() const { return charging_; }

    // What the batteries' own states say where no supply tells: a battery that
    // charges, or batteries that all rest full or held back by a charge limit,
    // draw on external power; one that discharges, or one whose state is
    // unknown, counts as running on battery.
    bool OnExternalPower() const { return charging_ || (!discharging_ && resting_); }

    // One battery gives its own percentage; several give their total energy
    // over their total capacity, or the mean of their percentages where no
    // capacity is known.
    std::uint8_t Percent() const {
        std::optional<double> percent;
        if (count_ == 1) {
            percent = lonePercent_;
        } else if (energyFull_ > 0) {
            percent = 100 * energyNow_ / energyFull_;
        } else if (percents_ > 0) {
            percent = percentSum_ / percents_;
        }
        if (!percent) return kUnknownPercent;
        return static_cast<std::uint8_t>(std::lround(std::clamp(*percent, 0.0, 100.0)));
    }

    // The total energy over the total drain, when every battery's energy and
    // drain are known; a lone battery that knows neither may still know its time.
    std::uint32_t SecondsLeft() const {
        double seconds = -1;
        if (drainKnown_ && drain_ > 0) {
            seconds = 3600 * energyNow_ / drain_;
        } else if (count_ == 1 && loneTimeToEmpty_) {
            seconds = *loneTimeToEmpty_;
        }
        if (seconds < 0 || seconds > kMaxSecondsLeft) return kUnknownLifeTime;
        return static_cast<std::uint32_t>(std::lround(seconds));
    }

private:
    int count_ = 0;
    bool charging_ = false;
    bool discharging_ = false;
    bool resting_ = true;
    std::optional<double> lonePercent_;
    std::optional<double> loneTimeToEmpty_;
    int percents_ = 0;
    double percentSum_ = 0;
    double energyNow_ = 0;
    double energyFull_ = 0;
    bool drainKnown_ = true;
    double drain_ = 0;
};

}  // namespace

SysfsPowerSource::SysfsPowerSource(std::string folder) : folder_(std::move(folder)) {}

std::string SysfsPowerSource::DefaultFolder() {
    const char* folder = std::getenv("TESSALINE_POWER_SUPPLY_DIR");
    return folder && *folder ? folder : "/sys/class/power_supply";
}

void SysfsPowerSource::GetSystemPowerStatus(PowerStatus& status) {
    CompositeBattery batteries;
    bool online = false;

    ForEachSystemSupply(folder_, [&](const fs::path& folder, const std::string& type) {
        if (Is(type, "Battery")) {
            if (IsPresent(folder)) batteries.Add(ReadBattery(folder));
        } else if (IsLinePower(type, folder)) {
            const auto value = ReadInteger(folder / "online");
            online = online || (value && *value >= 1);
        }
    });

    status = PowerStatus{};
    status.BatteryLifeTime = kUnknownLifeTime;
    status.BatteryFullLifeTime = kUnknownLifeTime;
    if (batteries.Count() == 0) {
        // Whatever the supplies say, a computer without a battery runs on external power.
        status.ACLineStatus = 1;
        status.BatteryFlag = kFlagNoBattery;
        status.BatteryLifePercent = kUnknownPercent;
        return;
    }
    // An external supply that is online decides; where none is, the batteries do.
    const bool external = online || batteries.OnExternalPower();
    status.ACLineStatus = external ? 1 : 0;
    status.BatteryFlag = batteries.Charging() ? kFlagCharging : 0;
    status.BatteryLifePercent = batteries.Percent();
    if (!external) status.BatteryLifeTime = batteries.SecondsLeft();
}

}  // namespace tess
