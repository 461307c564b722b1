#include "engine/linux/SysfsBatteryDetails.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <utility>

#include "common/Files.h"
#include "engine/Utf8Text.h"
#include "engine/linux/SysfsSupplyFolder.h"

namespace tess {

namespace {

namespace fs = std::filesystem;
using namespace sysfs;

// Bytes as UTF-8: drivers copy their texts from the battery's own memory,
// which may hold any bytes.
std::string WellFormed(const std::string& bytes) {
    std::string text;
    AppendWellFormedUtf8(bytes, text);
    return text;
}

std::string ReadText(const fs::path& folder, const char* name) {
    return WellFormed(ReadAttribute(folder / name));
}

// A capacity in mWh: the energy attribute (µWh), or the charge attribute (µAh)
// at `volts` (µV).
std::optional<std::int64_t> Capacity(const fs::path& folder, const char* inEnergy,
                                     const char* inCharge, std::optional<double> volts) {
    if (const auto energy = ReadPositive(folder, inEnergy)) return std::llround(*energy / 1e3);
    const auto charge = ReadPositive(folder, inCharge);
    if (!charge || !volts) return std::nullopt;
    return std::llround(*charge * *volts / 1e9);
}

BatteryDetails ReadDetails(const fs::path& folder) {
    const auto volts =
        FirstVoltage(folder, {"voltage_min_design", "voltage_max_design", "voltage_now"});
    BatteryDetails battery;
    battery.name = WellFormed(PathText(folder.filename()));
    battery.manufacturer = ReadText(folder, "manufacturer");
    battery.model = ReadText(folder, "model_name");
    battery.serial = ReadText(folder, "serial_number");
    battery.designCapacity = Capacity(folder, "energy_full_design", "charge_full_design", volts);
    battery.fullChargeCapacity = Capacity(folder, "energy_full", "charge_full", volts);
    if (const auto cycles = ReadInteger(folder / "cycle_count"); cycles && *cycles > 0) {
        battery.cycleCount = *cycles;
    }
    battery.chemistry = ReadText(folder, "technology");
    // The kernel's word for a chemistry the driver does not know.
    if (Is(battery.chemistry, "Unknown")) battery.chemistry.clear();
    return battery;
}

}  // namespace

SysfsBatteryDetails::SysfsBatteryDetails(std::string folder) : folder_(std::move(folder)) {}

std::vector<BatteryDetails> SysfsBatteryDetails::ReadBatteries() {
    std::vector<BatteryDetails> batteries;
    ForEachSystemSupply(folder_, [&](const fs::path& folder, const std::string& type) {
        if (Is(type, "Battery") && IsPresent(folder)) batteries.push_back(ReadDetails(folder));
    });
    std::sort(batteries.begin(), batteries.end(),
              [](const BatteryDetails& a, const BatteryDetails& b) { return a.name < b.name; });
    return batteries;
}

}  // namespace tess
