#include "engine/IoctlBatteryDetails.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tess {
namespace {

namespace bc = battery_class;
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

constexpr std::uint32_t kSystem = 0x80000000;
constexpr std::uint32_t kRelative = 0x40000000;
constexpr std::uint32_t kUps = 0x20000000;

// BATTERY_INFORMATION, field by field.
Bytes Information(std::uint32_t capabilities, const char (&chemistry)[5], std::uint32_t design,
                  std::uint32_t full, std::uint32_t cycles) {
    Bytes bytes;
    Put(bytes, capabilities);
    bytes.insert(bytes.end(), {1, 0, 0, 0});  // rechargeable, reserved
    bytes.insert(bytes.end(), chemistry, chemistry + 4);
    for (std::uint32_t value : {design, full, 300u, 100u, 0u, cycles}) Put(bytes, value);
    return bytes;
}

// A driver's UTF-16 text, with its NUL unless told otherwise.
Bytes Utf16(const std::u16string& text, bool nul = true) {
    Bytes bytes;
    for (const char16_t unit : text + (nul ? std::u16string(1, u'\0') : u"")) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

// A battery class device that answers as a driver does, and refuses what a
// driver would refuse: a wrong tag, an unknown level, a buffer too small.
struct FakeDevice : BatteryDevice {
    std::uint32_t tag = 7;
    std::map<std::uint32_t, Bytes> answers;

    std::optional<std::size_t> Control(std::uint32_t code, const Bytes& input,
                                       Bytes& output) override {
        Bytes answer;
        if (code == bc::kQueryTag && input == Bytes{0, 0, 0, 0}) {
            Put(answer, tag);
        } else if (code == bc::kQueryInformation && input.size() == 12) {
            Bytes expected;
            Put(expected, tag);
            const auto found = answers.find(input[4]);
            Put(expected, input[4]);
            Put(expected, 0);
            if (input != expected || found == answers.end()) return std::nullopt;
            answer = found->second;
        } else {
            return std::nullopt;
        }
        if (answer.size() > output.size()) return std::nullopt;
        std::copy(answer.begin(), answer.end(), output.begin());
        return answer.size();
    }
};

struct FakeDevices : BatteryDevices {
    std::vector<FakeDevice> devices;
    void ForEach(const std::function<void(BatteryDevice&)>& read) override {
        for (FakeDevice& device : devices) read(device);
    }
};

FakeDevice Laptop(Bytes information) {
    FakeDevice device;
    device.answers = {{bc::kInformation, std::move(information)},
                      {bc::kDeviceName, Utf16(u"DELL 7FHHV8C")},
                      {bc::kManufactureName, Utf16(u"SMP")},
                      {bc::kSerialNumber, Utf16(u"1234")}};
    return device;
}

BatteryDetails Details(std::optional<std::int64_t> design, std::optional<std::int64_t> full,
                       std::optional<std::int64_t> cycles, std::string chemistry = "LION") {
    return {"DELL 7FHHV8C", "SMP", "", "1234", design, full, cycles, std::move(chemistry)};
}

struct Case {
    const char* name;
    std::vector<FakeDevice> devices;
    std::vector<BatteryDetails> expected;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

FakeDevice With(FakeDevice device, std::uint32_t level, Bytes answer) {
    device.answers[level] = std::move(answer);
    return device;
}

FakeDevice WithTag(FakeDevice device, std::uint32_t tag) {
    device.tag = tag;
    return device;
}

const Bytes kWorn = Information(kSystem, "LION", 57000, 47310, 412);

const Case kCases[] = {
    {"SystemBattery", {Laptop(kWorn)}, {Details(57000, 47310, 412)}},
    {"TwoBatteriesInTheirOrder",
     {Laptop(kWorn), With(Laptop(Information(kSystem, "LiP ", 24000, 23000, 0)), bc::kDeviceName,
                          Utf16(u"Second"))},
     {Details(57000, 47310, 412),
      {"Second", "SMP", "", "1234", 24000, 23000, std::nullopt, "LiP"}}},
    {"RelativeCapacitiesAreNoMilliwattHours",
     {Laptop(Information(kSystem | kRelative, "PbAc", 100, 93, 5))},
     {Details(std::nullopt, std::nullopt, 5, "PbAc")}},
    {"UnknownAndZeroCapacitiesAreNone",
     {Laptop(Information(kSystem, "NiMH", 0xFFFFFFFF, 0, 0))},
     {Details(std::nullopt, std::nullopt, std::nullopt, "NiMH")}},
    {"EmptySlotUpsAndDeviceBatteryArePassedOver",
     {WithTag(Laptop(kWorn), 0), Laptop(Information(kSystem | kUps, "PbAc", 1, 1, 1)),
      Laptop(Information(0, "LION", 1, 1, 1))},
     {}},
    {"RefusedOrShortInformationIsNoBattery",
     {With(Laptop(kWorn), bc::kInformation, Bytes(20)),
      With(Laptop(kWorn), bc::kInformation, Bytes(40))},
     {}},
    {"NamesRefusedAreEmpty",
     {[] {
         FakeDevice device = Laptop(kWorn);
         device.answers.erase(bc::kDeviceName);
         device.answers.erase(bc::kSerialNumber);
         return device;
     }()},
     {{"", "SMP", "", "", 57000, 47310, 412, "LION"}}},
    // Texts beyond ASCII, without their NUL, and a surrogate without its partner.
    {"NamesAsUtf8",
     {With(With(Laptop(kWorn), bc::kDeviceName, Utf16(u"Akku \u00dc \U0001F50B", false)),
           bc::kManufactureName,
           Utf16(u"A\xD800"
                 u"B"))},
     {{"Akku \xC3\x9C \xF0\x9F\x94\x8B",
       "A\xEF\xBF\xBD"
       "B",
       "", "1234", 57000, 47310, 412, "LION"}}},
};

class IoctlBatteryDetailsTest : public testing::TestWithParam<Case> {};

TEST_P(IoctlBatteryDetailsTest, ReadsTheDevices) {
    FakeDevices devices;
    devices.devices = GetParam().devices;
    EXPECT_EQ(IoctlBatteryDetails(devices).ReadBatteries(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Devices, IoctlBatteryDetailsTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess
