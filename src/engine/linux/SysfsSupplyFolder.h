#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace tess::sysfs {

// Reading the kernel's power-supply class folder (/sys/class/power_supply) the
// way desktop power daemons read it: one folder per supply, one short value per
// attribute file.

// An attribute file's text without the surrounding white space; empty when the
// file is missing or unreadable. Attribute files hold one short line, so a longer
// file holds nothing we understand.
std::string ReadAttribute(const std::filesystem::path& file);

// The kernel's words ("Mains", "Not charging") compared as the daemon does, in any case.
bool Is(const std::string& text, const char* word);

// An attribute that is a whole decimal number and nothing else.
std::optional<std::int64_t> ReadInteger(const std::filesystem::path& file);

// A reading that cannot be negative (an amount, a voltage, a time).
std::optional<double> ReadAmount(const std::filesystem::path& folder, const char* name);
std::optional<double> ReadPositive(const std::filesystem::path& folder, const char* name);

// The first of the named voltages (µV) that a battery can have (above 1 V).
std::optional<double> FirstVoltage(const std::filesystem::path& folder,
                                   std::initializer_list<const char*> names);

// Calls `visit` with the folder and the type ("Battery", "Mains"...) of each
// supply of the computer itself: the supplies of mice, keyboards and other
// devices (scope "Device") are left out. A missing or unreadable class folder
// has none.
void ForEachSystemSupply(
    const std::string& classFolder,
    const std::function<void(const std::filesystem::path&, const std::string&)>& visit);

// Whether a battery's bay holds it (an empty bay reports present 0).
bool IsPresent(const std::filesystem::path& folder);

}  // namespace tess::sysfs
