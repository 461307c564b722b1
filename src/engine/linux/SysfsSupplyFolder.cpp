#include "engine/linux/SysfsSupplyFolder.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string_view>

namespace tess::sysfs {

namespace fs = std::filesystem;

namespace {
// Voltages (µV) below 1 V are no battery's.
constexpr double kMinVoltage = 1e6;
}  // namespace

std::string ReadAttribute(const fs::path& file) {
    // Plain system calls: a sample reads a dozen of these files for every
    // entry, and a stream costs more to set up than the read itself.
    // Opened without blocking, and read only when it is a regular file (as every
    // attribute is): a named pipe in its place would otherwise keep the sample,
    // and with it the program, waiting for a writer.
    char buffer[64];
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return {};
    struct stat status {};
    ssize_t size = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        do {
            size = ::read(fd, buffer, sizeof buffer);
        } while (size < 0 && errno == EINTR);
    }
    ::close(fd);
    if (size <= 0 || static_cast<std::size_t>(size) == sizeof buffer) return {};
    std::string_view text(buffer, static_cast<std::size_t>(size));
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
    return std::string(text);
}

bool Is(const std::string& text, const char* word) {
    return ::strcasecmp(text.c_str(), word) == 0;
}

std::optional<std::int64_t> ReadInteger(const fs::path& file) {
    const std::string text = ReadAttribute(file);
    const char* end = text.data() + text.size();
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<double> ReadAmount(const fs::path& folder, const char* name) {
    const auto value = ReadInteger(folder / name);
    if (!value || *value < 0) return std::nullopt;
    return static_cast<double>(*value);
}

std::optional<double> ReadPositive(const fs::path& folder, const char* name) {
    const auto value = ReadAmount(folder, name);
    return value && *value > 0 ? value : std::nullopt;
}

std::optional<double> FirstVoltage(const fs::path& folder,
                                   std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const auto volts = ReadAmount(folder, name);
        if (volts && *volts > kMinVoltage) return volts;
    }
    return std::nullopt;
}

void ForEachSystemSupply(const std::string& classFolder,
                         const std::function<void(const fs::path&, const std::string&)>& visit) {
    std::error_code error;
    for (fs::directory_iterator it(classFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (!it->is_directory(ignored)) continue;
        const fs::path& folder = it->path();
        if (Is(ReadAttribute(folder / "scope"), "Device")) continue;
        visit(folder, ReadAttribute(folder / "type"));
    }
}

bool IsPresent(const fs::path& folder) {
    const auto present = ReadInteger(folder / "present");
    return !(present && *present == 0);
}

}  // namespace tess::sysfs
