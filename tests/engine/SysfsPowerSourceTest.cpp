#include "engine/linux/SysfsPowerSource.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

using Attributes = std::vector<std::pair<std::string, std::string>>;

struct Supply {
    std::string name;
    Attributes attributes;
};

Supply Battery(std::string name, std::string status, Attributes attributes) {
    attributes.insert(attributes.begin(), {{"type", "Battery"}, {"status", std::move(status)}});
    return {std::move(name), std::move(attributes)};
}

Supply Mains(std::string online) {
    return {"AC", {{"type", "Mains"}, {"online", online}}};
}

// Writes each attribute the way the kernel shows it: the value and a newline.
void WriteSupplies(const fs::path& folder, const std::vector<Supply>& supplies) {
    for (const Supply& supply : supplies) {
        fs::create_directories(folder / supply.name);
        for (const auto& [name, value] : supply.attributes) {
            test::WriteAll((folder / supply.name / name).string(), value + "\n");
        }
    }
}

PowerStatus Read(const fs::path& folder) {
    PowerStatus status;
    SysfsPowerSource(folder.string()).GetSystemPowerStatus(status);
    return status;
}

struct Expected {
    int acLine;
    int flag;
    int percent;
    std::uint32_t secondsLeft;
};

constexpr std::uint32_t kUnknown = kUnknownLifeTime;
constexpr Expected kDesktop{1, 128, 255, kUnknown};

void ExpectStatus(const PowerStatus& status, const Expected& expected) {
    EXPECT_EQ(int{status.ACLineStatus}, expected.acLine);
    EXPECT_EQ(int{status.BatteryFlag}, expected.flag);
    EXPECT_EQ(int{status.BatteryLifePercent}, expected.percent);
    EXPECT_EQ(status.BatteryLifeTime, expected.secondsLeft);
}

struct Case {
    std::string name;
    std::vector<Supply> supplies;
    Expected expected;
};

// A laptop battery half full (30 of 60 Wh) losing 10 W: three hours left.
const Attributes kHalfFull = {
    {"energy_now", "30000000"}, {"energy_full", "60000000"}, {"power_now", "10000000"}};

// 1 of 4 Ah at 10 V drained by 0.4 A; beside a 30 of 40 Wh battery losing 6 W the
// two hold 40 of 80 Wh and lose 10 W. Any other voltage changes both results.
Attributes QuarterFullInCharge(Attributes voltages) {
    Attributes attributes = {
        {"charge_now", "1000000"}, {"charge_full", "4000000"}, {"current_now", "400000"}};
    attributes.insert(attributes.end(), voltages.begin(), voltages.end());
    return attributes;
}
const Attributes kThreeQuartersFull = {
    {"energy_now", "30000000"}, {"energy_full", "40000000"}, {"power_now", "6000000"}};

class SysfsPowerSourceCaseTest : public testing::TestWithParam<Case> {};

TEST_P(SysfsPowerSourceCaseTest, ReportsTheCompositeBattery) {
    test::TempDir dir;
    WriteSupplies(dir.path(), GetParam().supplies);
    ExpectStatus(Read(dir.path()), GetParam().expected);
}

const Case kCases[] = {
    {"NoSuppliesIsADesktop", {}, kDesktop},
    {"OneBatteryDischarging",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"},
               {"capacity", "47"}}),
      Mains("0")},
     {0, 0, 50, 10800}},
    {"ChargingOnMains",
     {Battery("BAT0", "Charging",
              {{"energy_now", "45000000"}, {"energy_full", "60000000"}, {"power_now", "20000000"}}),
      Mains("1")},
     {1, 8, 75, kUnknown}},
    {"DischargingWhileMainsOnlineHasNoTimeLeft",
     {Battery("BAT0", "Discharging", kHalfFull), Mains("1")},
     {1, 0, 50, kUnknown}},
    {"EnergyAboveFullIsAHundredPercent",
     {Battery("BAT0", "Charging", {{"energy_now", "70000000"}, {"energy_full", "60000000"}}),
      Mains("1")},
     {1, 8, 100, kUnknown}},
    {"TwoBatteriesCombineTheirEnergy",
     {Battery("BAT0", "Unknown",
              {{"energy_now", "10000000"},
               {"energy_full", "20000000"},
               {"power_now", "0"},
               {"capacity", "50"}}),
      Battery("BAT1", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "80000000"},
               {"power_now", "8000000"},
               {"capacity", "38"}})},
     {0, 0, 40, 18000}},
    {"ChargeConvertsWithTheMinimumDesignVoltage",
     {Battery("BAT0", "Discharging", kThreeQuartersFull),
      Battery("BAT1", "Discharging",
              QuarterFullInCharge({{"voltage_min_design", "10000000"},
                                   {"voltage_max_design", "12000000"},
                                   {"voltage_now", "11000000"}}))},
     {0, 0, 50, 14400}},
    {"ChargeFallsBackToTheMaximumDesignVoltage",
     {Battery("BAT0", "Discharging", kThreeQuartersFull),
      Battery(
          "BAT1", "Discharging",
          QuarterFullInCharge({{"voltage_max_design", "10000000"}, {"voltage_now", "11000000"}}))},
     {0, 0, 50, 14400}},
    {"ChargeFallsBackToTheVoltageNow",
     {Battery("BAT0", "Discharging", kThreeQuartersFull),
      Battery("BAT1", "Discharging", QuarterFullInCharge({{"voltage_now", "10000000"}}))},
     {0, 0, 50, 14400}},
    {"NegativeCurrentCountsAsDrain",
     {Battery("BAT0", "Discharging",
              {{"charge_now", "2000000"},
               {"charge_full", "4000000"},
               {"current_now", "-1500000"},
               {"voltage_min_design", "11100000"}})},
     {0, 0, 50, 4800}},
    {"ChargeWithoutVoltageStillGivesTimeLeft",
     {Battery("BAT0", "Discharging",
              {{"charge_now", "2000000"},
               {"charge_full", "4000000"},
               {"current_now", "1500000"},
               {"capacity", "51"}})},
     {0, 0, 51, 4800}},
    {"TimeToEmptyWinsOverTheRate",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"},
               {"time_to_empty_now", "5000"}})},
     {0, 0, 50, 5000}},
    {"TimeToEmptyAddsUp",
     {Battery("BAT0", "Discharging", {{"capacity", "50"}, {"time_to_empty_now", "3000"}}),
      Battery("BAT1", "Discharging", {{"capacity", "70"}, {"time_to_empty_now", "2000"}})},
     {0, 0, 60, 5000}},
    {"TimeToEmptyOnOneBatteryOnlyUsesTheRate",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"},
               {"time_to_empty_now", "3000"}}),
      Battery("BAT1", "Discharging",
              {{"energy_now", "30000000"}, {"energy_full", "60000000"}, {"power_now", "0"}})},
     {0, 0, 50, 21600}},
    {"ZeroPowerIsAnUnknownRate",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"}, {"energy_full", "60000000"}, {"power_now", "0"}})},
     {0, 0, 50, kUnknown}},
    {"MissingPowerIsAnUnknownRate",
     {Battery("BAT0", "Discharging", {{"energy_now", "30000000"}, {"energy_full", "60000000"}})},
     {0, 0, 50, kUnknown}},
    {"MissingPowerOnOneBatteryIsAnUnknownRate",
     {Battery("BAT0", "Discharging", kHalfFull),
      Battery("BAT1", "Discharging", {{"energy_now", "30000000"}, {"energy_full", "60000000"}})},
     {0, 0, 50, kUnknown}},
    {"AbsurdTimeLeftIsUnknown",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "60000000"}, {"energy_full", "60000000"}, {"power_now", "1"}})},
     {0, 0, 100, kUnknown}},
    {"AbsurdTimeToEmptyIsUnknown",
     {Battery("BAT0", "Discharging", {{"capacity", "90"}, {"time_to_empty_now", "900000"}})},
     {0, 0, 90, kUnknown}},
    {"OnlyAMouseBatteryIsADesktop",
     {Battery("hidpp_battery_0", "Discharging", {{"scope", "Device"}, {"capacity", "40"}})},
     kDesktop},
    {"MouseBatteryDoesNotJoinTheLaptopBattery",
     {Battery("BAT0", "Discharging",
              {{"scope", "System"},
               {"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"}}),
      Battery("hidpp_battery_0", "Discharging",
              {{"scope", "Device"},
               {"energy_now", "100000"},
               {"energy_full", "1000000"},
               {"power_now", "1000"}})},
     {0, 0, 50, 10800}},
    {"EmptyBayIsIgnored",
     {Battery("BAT0", "Discharging", kHalfFull),
      Battery("BAT1", "Unknown", {{"present", "0"}, {"capacity", "0"}})},
     {0, 0, 50, 10800}},
    {"MainsOfflineWithoutBattery", {Mains("0")}, {0, 128, 255, kUnknown}},
    {"UsbChargerOnline",
     {Battery("BAT0", "Charging", {{"energy_now", "30000000"}, {"energy_full", "60000000"}}),
      {"ucsi-source-psy-USBC000:001",
       {{"type", "USB"}, {"usb_type", "C [PD] PD_PPS"}, {"online", "1"}}}},
     {1, 8, 50, kUnknown}},
    {"UsbPortWithoutUsbTypeIsIgnored",
     {Battery("BAT0", "Discharging", kHalfFull), {"usb", {{"type", "USB"}, {"online", "1"}}}},
     {0, 0, 50, 10800}},
    {"OnlyAUsbPortWithoutUsbTypeIsADesktop",
     {{"usb", {{"type", "USB"}, {"online", "0"}}}},
     kDesktop},
    {"CapacityWhenNoEnergyIsKnown",
     {Battery("BAT0", "Discharging", {{"capacity", " 64\t"}})},
     {0, 0, 64, kUnknown}},
    {"CapacityMeanWhenOneBatteryLacksEnergy",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"},
               {"capacity", "50"}}),
      Battery("BAT1", "Discharging", {{"capacity", "70"}})},
     {0, 0, 60, kUnknown}},
    {"BatteryWithoutReadingsIsUnknown",
     {Battery("BAT0", "Discharging", {}), Mains("0")},
     {0, 0, 255, kUnknown}},
};

INSTANTIATE_TEST_SUITE_P(Supplies, SysfsPowerSourceCaseTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

// Values a driver, a broken disk or a prankster may leave; each reads as unknown.
struct Garbage {
    std::string name;
    std::string text;
};

void PrintTo(const Garbage& garbage, std::ostream* out) {
    *out << garbage.name;
}

class SysfsPowerSourceGarbageTest : public testing::TestWithParam<Garbage> {};

TEST_P(SysfsPowerSourceGarbageTest, ReadsAsUnknown) {
    const auto withGarbage = [this](const std::vector<Supply>& supplies,
                                    const std::vector<std::string>& files) {
        test::TempDir dir;
        WriteSupplies(dir.path(), supplies);
        for (const std::string& file : files) test::WriteAll(dir.File(file), GetParam().text);
        return Read(dir.path());
    };
    // Any number read from these would show as a percentage or put the computer on mains.
    ExpectStatus(
        withGarbage({Battery("BAT0", "Discharging", {{"energy_full", "60000000"}}), Mains("0")},
                    {"BAT0/energy_now", "BAT0/charge_now", "BAT0/capacity", "AC/online"}),
        {0, 0, 255, kUnknown});
    // A time to empty read from here would replace the three hours the rate gives.
    ExpectStatus(
        withGarbage({Battery("BAT0", "Discharging", kHalfFull)}, {"BAT0/time_to_empty_now"}),
        {0, 0, 50, 10800});
}

INSTANTIATE_TEST_SUITE_P(Values, SysfsPowerSourceGarbageTest,
                         testing::Values(Garbage{"Empty", ""}, Garbage{"BlankLines", "\n \n"},
                                         Garbage{"Word", "abc"}, Garbage{"Negative", "-5"},
                                         Garbage{"TooBig", "99999999999999999999"},
                                         Garbage{"TrailingWord", "12abc"},
                                         Garbage{"Decimal", "1.5"}, Garbage{"Hexadecimal", "0x10"},
                                         Garbage{"NulInside", std::string("4\0002", 3)},
                                         Garbage{"Huge", "1" + std::string(100000, ' ') + "1"}),
                         [](const auto& info) { return info.param.name; });

TEST(SysfsPowerSourceTest, MissingFolderIsADesktop) {
    test::TempDir dir;
    test::WriteAll(dir.File("file"), "Battery\n");
    ExpectStatus(Read(dir.path() / "missing"), kDesktop);
    ExpectStatus(Read(dir.path() / "file"), kDesktop);
}

TEST(SysfsPowerSourceTest, UnreadableFolderIsADesktop) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any folder";
    test::TempDir dir;
    WriteSupplies(dir.path(), {Battery("BAT0", "Discharging", kHalfFull)});
    fs::permissions(dir.path(), fs::perms::none);
    ExpectStatus(Read(dir.path()), kDesktop);
}

TEST(SysfsPowerSourceTest, SupplyFoldersMayBeLinks) {
    test::TempDir dir;
    WriteSupplies(dir.path() / "devices", {Battery("BAT0", "Discharging", kHalfFull)});
    fs::create_directories(dir.path() / "class");
    fs::create_directory_symlink(dir.path() / "devices/BAT0", dir.path() / "class/BAT0");
    fs::create_directory_symlink(dir.path() / "devices/gone", dir.path() / "class/gone");
    test::WriteAll(dir.File("class/uevent"), "Battery\n");
    ExpectStatus(Read(dir.path() / "class"), {0, 0, 50, 10800});
}

TEST(SysfsPowerSourceTest, EachCallReadsTheCurrentValues) {
    test::TempDir dir;
    WriteSupplies(dir.path(), {Battery("BAT0", "Discharging", kHalfFull), Mains("0")});
    SysfsPowerSource source(dir.path().string());
    PowerStatus status;
    source.GetSystemPowerStatus(status);
    ExpectStatus(status, {0, 0, 50, 10800});

    WriteSupplies(dir.path(),
                  {Battery("BAT0", "Charging", {{"energy_now", "45000000"}}), Mains("1")});
    source.GetSystemPowerStatus(status);
    ExpectStatus(status, {1, 8, 75, kUnknown});
}

class SysfsPowerSourceFolderTest : public testing::Test {
protected:
    void SetUp() override {
        if (const char* value = std::getenv(kVariable)) saved_ = value;
    }
    void TearDown() override {
        if (saved_) {
            ::setenv(kVariable, saved_->c_str(), 1);
        } else {
            ::unsetenv(kVariable);
        }
    }

    static constexpr const char* kVariable = "TESSALINE_POWER_SUPPLY_DIR";
    std::optional<std::string> saved_;
};

TEST_F(SysfsPowerSourceFolderTest, DefaultFolderHonoursTheEnvironment) {
    ::unsetenv(kVariable);
    EXPECT_EQ(SysfsPowerSource::DefaultFolder(), "/sys/class/power_supply");
    ::setenv(kVariable, "", 1);
    EXPECT_EQ(SysfsPowerSource::DefaultFolder(), "/sys/class/power_supply");
    ::setenv(kVariable, "/tmp/supplies", 1);
    EXPECT_EQ(SysfsPowerSource::DefaultFolder(), "/tmp/supplies");
}

}  // namespace
}  // namespace tess
