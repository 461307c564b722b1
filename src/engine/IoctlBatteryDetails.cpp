#include "engine/IoctlBatteryDetails.h"

#include <cstdint>
#include <optional>
#include <string>

#include "engine/Utf8Text.h"

namespace tess {

namespace {

namespace bc = battery_class;

using Bytes = std::vector<std::uint8_t>;

// The longest name asked for, in bytes (UTF-16).
constexpr std::size_t kNameBytes = 512;

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void PutU32(Bytes& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 text up to its first NUL, as UTF-8; a surrogate without its partner
// becomes U+FFFD.
std::string Utf16Text(const Bytes& bytes, std::size_t size) {
    std::string text;
    const auto unit = [&](std::size_t i) -> char32_t {
        return static_cast<char32_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    };
    const std::size_t units = size / 2;
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c == 0) break;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(c, text);
    }
    return text;
}

class Battery {
public:
    Battery(BatteryDevice& device, std::uint32_t tag) : device_(device), tag_(tag) {}

    // The answer to a query of `level`, or nothing when the device refused it.
    std::optional<Bytes> Query(bc::Level level, std::size_t size) {
        Bytes input;
        PutU32(input, tag_);
        PutU32(input, level);
        PutU32(input, 0);
        Bytes output(size);
        const auto taken = device_.Control(bc::kQueryInformation, input, output);
        if (!taken || *taken > size) return std::nullopt;
        output.resize(*taken);
        return output;
    }

    std::string Name(bc::Level level) {
        const auto answer = Query(level, kNameBytes);
        return answer ? Utf16Text(*answer, answer->size()) : std::string();
    }

private:
    BatteryDevice& device_;
    std::uint32_t tag_;
};

std::optional<std::uint32_t> QueryTag(BatteryDevice& device) {
    Bytes wait;
    PutU32(wait, 0);
    Bytes tag(4);
    const auto taken = device.Control(bc::kQueryTag, wait, tag);
    if (!taken || *taken != tag.size()) return std::nullopt;
    const std::uint32_t value = U32At(tag, 0);
    if (value == bc::kNoTag) return std::nullopt;
    return value;
}

std::optional<std::int64_t> Capacity(const Bytes& information, std::size_t at) {
    const std::uint32_t value = U32At(information, at);
    if (value == 0 || value == bc::kUnknownCapacity) return std::nullopt;
    return value;
}

// The chemistry's four characters ("LION", "PbAc"), without the padding.
std::string Chemistry(const Bytes& information) {
    std::string bytes;
    for (std::size_t i = bc::kChemistryAt; i < bc::kChemistryAt + 4 && information[i] != 0; ++i) {
        bytes += static_cast<char>(information[i]);
    }
    while (!bytes.empty() && bytes.back() == ' ') bytes.pop_back();
    std::string text;
    AppendWellFormedUtf8(bytes, text);
    return text;
}

std::optional<BatteryDetails> ReadDevice(BatteryDevice& device) {
    const auto tag = QueryTag(device);
    if (!tag) return std::nullopt;
    Battery battery(device, *tag);
    const auto information = battery.Query(bc::kInformation, bc::kInformationSize);
    if (!information || information->size() != bc::kInformationSize) return std::nullopt;
    const std::uint32_t capabilities = U32At(*information, bc::kCapabilitiesAt);
    if (!(capabilities & bc::kSystemBattery) || (capabilities & bc::kShortTerm)) {
        return std::nullopt;
    }
    BatteryDetails details;
    details.name = battery.Name(bc::kDeviceName);
    details.manufacturer = battery.Name(bc::kManufactureName);
    details.serial = battery.Name(bc::kSerialNumber);
    if (!(capabilities & bc::kCapacityRelative)) {
        details.designCapacity = Capacity(*information, bc::kDesignedCapacityAt);
        details.fullChargeCapacity = Capacity(*information, bc::kFullChargedCapacityAt);
    }
    if (const std::uint32_t cycles = U32At(*information, bc::kCycleCountAt); cycles > 0) {
        details.cycleCount = cycles;
    }
    details.chemistry = Chemistry(*information);
    return details;
}

}  // namespace

std::vector<BatteryDetails> IoctlBatteryDetails::ReadBatteries() {
    std::vector<BatteryDetails> batteries;
    devices_.ForEach([&](BatteryDevice& device) {
        if (auto details = ReadDevice(device)) batteries.push_back(std::move(*details));
    });
    return batteries;
}

}  // namespace tess
