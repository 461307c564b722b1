#pragma once

#include <cstdint>

namespace tess {

// The platform's power status record, field for field (12 bytes).
struct PowerStatus {
    std::uint8_t ACLineStatus = 0;        // 1 on mains power; 0 offline, 255 unknown
    std::uint8_t BatteryFlag = 0;
    std::uint8_t BatteryLifePercent = 0;  // 0..100, 255 unknown
    std::uint8_t SystemStatusFlag = 0;
    std::uint32_t BatteryLifeTime = 0;      // seconds left; all bits set when unknown
    std::uint32_t BatteryFullLifeTime = 0;
};
static_assert(sizeof(PowerStatus) == 12);

inline constexpr std::uint32_t kUnknownLifeTime = 0xFFFFFFFFu;
inline constexpr std::uint8_t kUnknownPercent = 255;

// Where a power status sample comes from. Fills the (already zero-filled)
// record; like the platform call it models, it reports no failure.
class PowerSource {
public:
    virtual ~PowerSource() = default;
    virtual void GetSystemPowerStatus(PowerStatus& status) = 0;
};

}  // namespace tess
