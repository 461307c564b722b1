#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "engine/linux/SysfsBatteryDetails.h"
#include "history/HealthLedger.h"

namespace tess {
namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

struct Supply {
    std::string folder;
    Attributes attributes;
};

struct Case {
    const char* name;
    std::vector<Supply> supplies;
    std::string lines;  // after the time
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

Supply Battery(std::string folder, Attributes more) {
    Attributes attributes = {{"type", "Battery"},       {"manufacturer", "SMP"},
                             {"model_name", "5B10W13"}, {"serial_number", "1234"},
                             {"technology", "Li-poly"}, {"cycle_count", "412"}};
    attributes.insert(attributes.end(), more.begin(), more.end());
    return {std::move(folder), std::move(attributes)};
}

const Case kCases[] = {
    {"Energy",
     {Battery("BAT0", {{"energy_full_design", "57000000"}, {"energy_full", "47310400"}})},
     ",BAT0,SMP,5B10W13,1234,57000,47310,412,Li-poly\r\n"},
    // 5.1 Ah and 4.3 Ah at the nominal 11.1 V: 56.61 and 47.73 Wh.
    {"ChargeWithTheNominalVoltage",
     {Battery("BAT0", {{"charge_full_design", "5100000"},
                       {"charge_full", "4300000"},
                       {"voltage_min_design", "11100000"},
                       {"voltage_max_design", "12600000"},
                       {"voltage_now", "12000000"}})},
     ",BAT0,SMP,5B10W13,1234,56610,47730,412,Li-poly\r\n"},
    {"ChargeWithTheVoltageNowAlone",
     {Battery("BAT0", {{"charge_full_design", "3000000"},
                       {"charge_full", "2900000"},
                       {"voltage_min_design", "0"},
                       {"voltage_now", "7600000"}})},
     ",BAT0,SMP,5B10W13,1234,22800,22040,412,Li-poly\r\n"},
    {"ChargeWithoutVoltageIsNoEnergy",
     {Battery("BAT0", {{"charge_full_design", "3000000"}, {"charge_full", "2900000"}})},
     ",BAT0,SMP,5B10W13,1234,,,412,Li-poly\r\n"},
    {"MissingDesignCapacity",
     {Battery("BAT0", {{"energy_full", "47310400"}, {"energy_full_design", "0"}})},
     ",BAT0,SMP,5B10W13,1234,,47310,412,Li-poly\r\n"},
    {"NoCycleCount",
     {Battery("BAT0", {{"energy_full_design", "57000000"},
                       {"energy_full", "57000000"},
                       {"cycle_count", "0"},
                       {"technology", "Unknown"}})},
     ",BAT0,SMP,5B10W13,1234,57000,57000,,\r\n"},
    {"TwoBatteriesInTheOrderOfTheirNames",
     {Battery("BAT1", {{"energy_full_design", "24000000"},
                       {"energy_full", "23000000"},
                       {"model_name", "Two, \"B\""}}),
      Battery("BAT0", {{"energy_full_design", "57000000"}, {"energy_full", "47310400"}})},
     ",BAT0,SMP,5B10W13,1234,57000,47310,412,Li-poly\r\n"
     "2026-12-07T07:01:43+01:00,BAT1,SMP,\"Two, \"\"B\"\"\",1234,24000,23000,412,Li-poly\r\n"},
    {"OnlyTheSystemsBatteriesThatArePresent",
     {Battery("BAT0", {{"present", "0"}, {"energy_full", "1"}}),
      Battery("hid-mouse", {{"scope", "Device"}, {"energy_full", "1"}}),
      {"AC", {{"type", "Mains"}, {"online", "1"}}}},
     ""},
    {"BytesThatAreNoText",
     {Battery("BAT0", {{"manufacturer",
                        "\xff"
                        "A"},
                       {"energy_full", "1000"}})},
     ",BAT0,\xEF\xBF\xBD"
     "A,5B10W13,1234,,1,412,Li-poly\r\n"},
};

class LedgerSupplyTest : public testing::TestWithParam<Case> {};

TEST_P(LedgerSupplyTest, OneLinePerBattery) {
    test::TempDir dir;
    for (const Supply& supply : GetParam().supplies) {
        for (const auto& [name, value] : supply.attributes) {
            test::WriteAll(dir.File(supply.folder + "/" + name), value + "\n");
        }
    }
    const std::string lines = LedgerRecords(
        {1'796'623'303, 3600}, SysfsBatteryDetails(dir.path().string()).ReadBatteries());
    const std::string expected = GetParam().lines;
    EXPECT_EQ(lines, expected.empty() ? "" : "2026-12-07T07:01:43+01:00" + expected);
}

INSTANTIATE_TEST_SUITE_P(Supplies, LedgerSupplyTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess
