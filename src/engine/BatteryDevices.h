#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tess {

// One of the system's battery devices, open: the battery class's control
// requests (DeviceIoControl), bytes in and bytes out.
class BatteryDevice {
public:
    virtual ~BatteryDevice() = default;
    // Sends request `code` with `input`; the answer fills `output` from its
    // start, up to its size. Returns how many bytes the answer took, or nothing
    // when the device refused the request.
    virtual std::optional<std::size_t> Control(std::uint32_t code,
                                               const std::vector<std::uint8_t>& input,
                                               std::vector<std::uint8_t>& output) = 0;
};

// The system's battery devices (the battery device interface).
class BatteryDevices {
public:
    virtual ~BatteryDevices() = default;
    // Opens the devices one after another, hands each to `read` and closes it
    // again before the next; devices that cannot be opened are passed over.
    virtual void ForEach(const std::function<void(BatteryDevice&)>& read) = 0;
};

// The battery class's requests and the layout of what they carry, as the
// Windows driver kit defines them (all numbers little-endian).
namespace battery_class {

// IOCTL_BATTERY_QUERY_TAG: a 4-byte wait in milliseconds in, the 4-byte tag out.
inline constexpr std::uint32_t kQueryTag = 0x294040;
// IOCTL_BATTERY_QUERY_INFORMATION: BATTERY_QUERY_INFORMATION in (the tag, the
// level and a rate, 4 bytes each), the level's answer out.
inline constexpr std::uint32_t kQueryInformation = 0x294044;
inline constexpr std::size_t kQuerySize = 12;
// BATTERY_TAG_INVALID: no battery in the device's slot.
inline constexpr std::uint32_t kNoTag = 0;

// The levels of BATTERY_QUERY_INFORMATION_LEVEL asked here; the names are
// UTF-16 texts.
enum Level : std::uint32_t {
    kInformation = 0,
    kDeviceName = 4,
    kManufactureName = 6,
    kSerialNumber = 8,
};

// BATTERY_INFORMATION: where its fields lie.
inline constexpr std::size_t kInformationSize = 36;
inline constexpr std::size_t kCapabilitiesAt = 0;
inline constexpr std::size_t kChemistryAt = 8;  // 4 characters
inline constexpr std::size_t kDesignedCapacityAt = 12;
inline constexpr std::size_t kFullChargedCapacityAt = 16;
inline constexpr std::size_t kCycleCountAt = 32;

// Capabilities.
inline constexpr std::uint32_t kSystemBattery = 0x80000000;
inline constexpr std::uint32_t kCapacityRelative = 0x40000000;
inline constexpr std::uint32_t kShortTerm = 0x20000000;  // a UPS
// BATTERY_UNKNOWN_CAPACITY.
inline constexpr std::uint32_t kUnknownCapacity = 0xFFFFFFFF;

}  // namespace battery_class

}  // namespace tess
