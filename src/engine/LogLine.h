#pragma once

namespace tess {

// The fixed pieces of a log line, after its date-time text:
//   <date-time> Running on AC Power
//   <date-time> Battery Level is <n>%.
//   <date-time> Battery Level is <n>% (<H> Hours, <M> Minutes, <S> Seconds remaining on battery).
inline constexpr char kOnAcPower[] = " Running on AC Power";
inline constexpr char kBatteryLevelIs[] = " Battery Level is ";
inline constexpr char kHoursWord[] = " Hours, ";
inline constexpr char kMinutesWord[] = " Minutes, ";
inline constexpr char kSecondsWord[] = " Seconds";
inline constexpr char kRemainingOnBattery[] = " remaining on battery)";

}  // namespace tess
