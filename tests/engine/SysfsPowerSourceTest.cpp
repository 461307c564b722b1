#include "engine/linux/SysfsPowerSource.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "linux/ScopedUnprivilegedUser.h"

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

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

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

// The rules are those of the desktop's power daemon, as far as the record can tell them.
const Case kCases[] = {
    {"NoSuppliesIsADesktop", {}, kDesktop},
    {"NoBatteryIsOnMainsEvenWithMainsOffline", {Mains("0")}, kDesktop},
    {"OneBatteryGivesItsOwnCapacity",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"},
               {"capacity", "47"}}),
      Mains("0")},
     {0, 0, 47, 10800}},
    {"ChargingOnMains",
     {Battery("BAT0", "Charging",
              {{"energy_now", "45000000"}, {"energy_full", "60000000"}, {"power_now", "20000000"}}),
      Mains("1")},
     {1, 8, 75, kUnknown}},
    {"DischargingWhileMainsOnlineHasNoTimeLeft",
     {Battery("BAT0", "Discharging", kHalfFull), Mains("1")},
     {1, 0, 50, kUnknown}},
    // A charger the kernel lists as something else, or not at all.
    {"ChargingWithMainsOfflineIsOnMains",
     {Battery("BAT0", "Charging", kHalfFull), Mains("0")},
     {1, 8, 50, kUnknown}},
    {"FullWithNothingListedIsOnMains",
     {Battery("BAT0", "Full", {{"energy_now", "60000000"}, {"energy_full", "60000000"}})},
     {1, 0, 100, kUnknown}},
    {"FullAndHeldBackByAChargeLimitIsOnMains",
     {Battery("BAT0", "Full", {{"capacity", "100"}}),
      Battery("BAT1", "not charging", {{"capacity", "80"}})},
     {1, 0, 90, kUnknown}},
    {"UnknownStateWithNothingOnlineIsOnBattery",
     {Battery("BAT0", "Unknown", {{"capacity", "70"}}), Mains("0")},
     {0, 0, 70, kUnknown}},
    {"ChargerOfAnotherTypeOnline",
     {Battery("BAT0", "Discharging", kHalfFull), {"wpc", {{"type", "Wireless"}, {"online", "1"}}}},
     {1, 0, 50, kUnknown}},
    {"SupplyWithoutATypeOnline",
     {Battery("BAT0", "Discharging", kHalfFull), {"ADP1", {{"online", "1"}}}},
     {1, 0, 50, kUnknown}},
    {"EnergyAboveFullIsAHundredPercent",
     {Battery("BAT0", "Charging", {{"energy_now", "70000000"}, {"energy_full", "60000000"}}),
      Mains("1")},
     {1, 8, 100, kUnknown}},
    {"CapacityAboveAHundredIsAHundredPercent",
     {Battery("BAT0", "Charging", {{"capacity", "104"}}), Mains("1")},
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
    // 3000 s of 30 Wh and 2000 s of 20 Wh both drain 36 W: 50 Wh last 2500 s.
    {"TimesToEmptyAreNotAddedUp",
     {Battery(
          "BAT0", "Discharging",
          {{"energy_now", "30000000"}, {"energy_full", "60000000"}, {"time_to_empty_now", "3000"}}),
      Battery("BAT1", "Discharging",
              {{"energy_now", "20000000"},
               {"energy_full", "40000000"},
               {"time_to_empty_now", "2000"}})},
     {0, 0, 50, 2500}},
    {"LoneBatteryWithOnlyItsTimeToEmpty",
     {Battery("BAT0", "Discharging", {{"capacity", "50"}, {"time_to_empty_now", "3000"}})},
     {0, 0, 50, 3000}},
    {"WithoutEnergyCapacitiesAreAveragedAndTimesNotAdded",
     {Battery("BAT0", "Discharging", {{"capacity", "50"}, {"time_to_empty_now", "3000"}}),
      Battery("BAT1", "Discharging", {{"capacity", "70"}, {"time_to_empty_now", "2000"}})},
     {0, 0, 60, kUnknown}},
    {"TheDrainWinsOverTheDriversTimeToEmpty",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"},
               {"time_to_empty_now", "5000"}})},
     {0, 0, 50, 10800}},
    {"IdleBatteryAddsItsEnergyButNoDrain",
     {Battery("BAT0", "Discharging", kHalfFull),
      Battery("BAT1", "Discharging",
              {{"energy_now", "30000000"}, {"energy_full", "60000000"}, {"power_now", "0"}})},
     {0, 0, 50, 21600}},
    {"ChargeConvertsWithTheMaximumDesignVoltage",
     {Battery("BAT0", "Discharging", kThreeQuartersFull),
      Battery("BAT1", "Discharging",
              QuarterFullInCharge({{"voltage_max_design", "10000000"},
                                   {"voltage_min_design", "9000000"},
                                   {"voltage_now", "11000000"}}))},
     {0, 0, 50, 14400}},
    {"ChargeFallsBackToTheMinimumDesignVoltage",
     {Battery("BAT0", "Discharging", kThreeQuartersFull),
      Battery("BAT1", "Discharging",
              QuarterFullInCharge({{"voltage_max_design", "1000000"},
                                   {"voltage_min_design", "10000000"},
                                   {"voltage_now", "11000000"}}))},
     {0, 0, 50, 14400}},
    {"ChargeFallsBackToTheVoltageNow",
     {Battery("BAT0", "Discharging", kThreeQuartersFull),
      Battery("BAT1", "Discharging", QuarterFullInCharge({{"voltage_now", "10000000"}}))},
     {0, 0, 50, 14400}},
    // 50.4 Wh of 10.5 Ah at 12 V.
    {"EnergyNowOverChargeFull",
     {Battery(
          "BAT0", "Discharging",
          {{"energy_now", "50400000"}, {"charge_full", "10500000"}, {"voltage_now", "12000000"}}),
      Mains("0")},
     {0, 0, 40, kUnknown}},
    // 4.2 Ah at 12 V of 126 Wh, drained by 2.1 A.
    {"ChargeNowOverEnergyFull",
     {Battery("BAT0", "Discharging",
              {{"charge_now", "4200000"},
               {"energy_full", "126000000"},
               {"current_now", "2100000"},
               {"voltage_now", "12000000"}})},
     {0, 0, 40, 7200}},
    {"CapacityGivesTheEnergyABatteryLacks",
     {Battery("BAT0", "Discharging", {{"energy_full", "40000000"}, {"capacity", "70"}}),
      Battery("BAT1", "Discharging",
              {{"energy_now", "30000000"}, {"energy_full", "60000000"}, {"capacity", "50"}})},
     {0, 0, 58, kUnknown}},
    // Drivers that say "Charging" while a weak charger lets the battery run down.
    {"NegativeCurrentIsADrain",
     {Battery("BAT0", "Charging",
              {{"charge_now", "2000000"},
               {"charge_full", "4000000"},
               {"current_now", "-1500000"},
               {"voltage_min_design", "11100000"}})},
     {0, 0, 50, 4800}},
    // A full battery's current may dip below zero; it is still on mains.
    {"NegativeCurrentWhileFullIsNoDrain",
     {Battery("BAT0", "Full",
              {{"charge_now", "4000000"},
               {"charge_full", "4000000"},
               {"current_now", "-5000"},
               {"voltage_min_design", "11100000"}})},
     {1, 0, 100, kUnknown}},
    // Drivers that give only the design's full energy or charge.
    {"FullEnergyFallsBackToTheDesign",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full_design", "60000000"},
               {"power_now", "10000000"}})},
     {0, 0, 50, 10800}},
    {"FullChargeFallsBackToTheDesign",
     {Battery("BAT0", "Discharging",
              {{"charge_now", "1000000"},
               {"charge_full_design", "4000000"},
               {"current_now", "500000"},
               {"voltage_min_design", "10000000"}})},
     {0, 0, 25, 7200}},
    {"ChargeWithoutVoltageStillGivesTimeLeft",
     {Battery("BAT0", "Discharging",
              {{"charge_now", "2000000"},
               {"charge_full", "4000000"},
               {"current_now", "1500000"},
               {"capacity", "51"}})},
     {0, 0, 51, 4800}},
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
    {"AbsurdDrainIsNoReading",
     {Battery(
         "BAT0", "Discharging",
         {{"energy_now", "30000000"}, {"energy_full", "60000000"}, {"power_now", "400000000"}})},
     {0, 0, 50, kUnknown}},
    {"AbsurdTimeLeftIsUnknown",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "60000000"}, {"energy_full", "60000000"}, {"power_now", "1"}})},
     {0, 0, 100, kUnknown}},
    {"AbsurdTimeToEmptyIsUnknown",
     {Battery("BAT0", "Discharging",
              {{"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"time_to_empty_now", "900000"}})},
     {0, 0, 50, kUnknown}},
    {"OnlyAMouseBatteryIsADesktop",
     {Battery("hidpp_battery_0", "Discharging", {{"scope", "Device"}, {"capacity", "40"}})},
     kDesktop},
    {"MouseBatteryDoesNotJoinTheLaptopBattery",
     {Battery("BAT0", "Discharging",
              {{"scope", "System"},
               {"energy_now", "30000000"},
               {"energy_full", "60000000"},
               {"power_now", "10000000"}}),
      Battery("hidpp_battery_0", "Charging",
              {{"scope", "Device"},
               {"energy_now", "100000"},
               {"energy_full", "1000000"},
               {"power_now", "1000"}})},
     {0, 0, 50, 10800}},
    {"EmptyBayIsIgnored",
     {Battery("BAT0", "Discharging", kHalfFull),
      Battery("BAT1", "Unknown", {{"present", "0"}, {"capacity", "0"}})},
     {0, 0, 50, 10800}},
    {"UsbChargerOnline",
     {Battery("BAT0", "Discharging", {{"energy_now", "30000000"}, {"energy_full", "60000000"}}),
      {"ucsi-source-psy-USBC000:001",
       {{"type", "USB"}, {"usb_type", "C [PD] PD_PPS"}, {"online", "1"}}}},
     {1, 0, 50, kUnknown}},
    {"UsbPortWithoutUsbTypeIsIgnored",
     {Battery("BAT0", "Discharging", kHalfFull), {"usb", {{"type", "USB"}, {"online", "1"}}}},
     {0, 0, 50, 10800}},
    {"OnlyAUsbPortWithoutUsbTypeIsADesktop",
     {{"usb", {{"type", "USB"}, {"online", "0"}}}},
     kDesktop},
    {"CapacityWhenNoEnergyIsKnown",
     {Battery("BAT0", "Discharging", {{"capacity", " 64\t"}})},
     {0, 0, 64, kUnknown}},
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
    // A time to empty read from here would give the drain that no power reading gives.
    ExpectStatus(withGarbage({Battery("BAT0", "Discharging",
                                      {{"energy_now", "30000000"}, {"energy_full", "60000000"}})},
                             {"BAT0/time_to_empty_now"}),
                 {0, 0, 50, kUnknown});
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
    test::TempDir dir;
    WriteSupplies(dir.path(), {Battery("BAT0", "Discharging", kHalfFull)});
    const test::ScopedUnprivilegedUser user(dir.path());
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

// Named pipes where attributes belong read as missing: the sample never waits
// for a writer.
TEST(SysfsPowerSourceTest, PipesInPlaceOfAttributesAreNotWaitedFor) {
    test::TempDir dir;
    WriteSupplies(dir.path(), {Battery("BAT0", "Discharging", kHalfFull), Mains("0")});
    const std::vector<std::string> pipes{dir.File("BAT0/capacity"), dir.File("BAT0/present")};
    for (const std::string& pipe : pipes) ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto sampled = std::async(std::launch::async, [&] { return Read(dir.path()); });
    const bool atOnce = sampled.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    // A sample that waits gets its writers, so that the test ends.
    while (sampled.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        for (const std::string& pipe : pipes) {
            const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) ::close(writer);
        }
    }
    EXPECT_TRUE(atOnce) << "the sample waited for a writer";
    ExpectStatus(sampled.get(), {0, 0, 50, 10800});
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
