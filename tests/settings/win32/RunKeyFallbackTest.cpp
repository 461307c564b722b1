#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>
#include <utility>

#include "RegistryValue.h"
#include "common/Error.h"
#include "settings/mStartUp.h"
#include "settings/win32/RunKeyEntry.h"

namespace tess {
namespace {

// Two Run keys of the test's own below HKEY_CURRENT_USER\Software\TessalineTests,
// removed at the end: the "machine" one refuses by not being there until a test
// creates it, the user one is there.
class RunKeyFallbackTest : public ::testing::Test {
protected:
    RunKeyFallbackTest() {
        const HKEY created = Create(userKey_);
        if (created != nullptr) RegCloseKey(created);
    }
    ~RunKeyFallbackTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str()); }

    static HKEY Create(const std::string& subkey) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        return key;
    }

    // The type and bytes of the value `name` of `subkey`; type 0 when it is missing.
    static std::pair<DWORD, std::string> RawValue(const std::string& subkey,
                                                  const std::string& name) {
        return test::RawValue(HKEY_CURRENT_USER, subkey, name);
    }

    const std::string base_ = "Software\\TessalineTests\\" + std::to_string(std::random_device()());
    const std::string machineKey_ = base_ + "\\Machine\\Run";
    const std::string userKey_ = base_ + "\\User\\Run";
    RunKeyEntry entry_{{RegistryRoot::CurrentUser, machineKey_},
                       {RegistryRoot::CurrentUser, userKey_}};
    const std::string program_ = "C:\\Program Files\\Quorvane\\Tessaline.exe";
    mStartUp startup_{entry_, [this] { return program_; }};
};

TEST_F(RunKeyFallbackTest, ARefusedMachineKeyLeavesTheEntryToTheUser) {
    startup_.AddToStartup();
    EXPECT_EQ(RawValue(machineKey_, "Tessaline.exe").first, 0u);
    EXPECT_EQ(RawValue(userKey_, "Tessaline.exe"),
              (std::pair<DWORD, std::string>{REG_SZ, '"' + program_ + '"' + '\0'}));
    startup_.RemoveFromStartup();
    EXPECT_EQ(RawValue(userKey_, "Tessaline.exe").first, 0u);
}

TEST_F(RunKeyFallbackTest, TheMachineKeyComesFirstWhenItTakesTheEntry) {
    RegCloseKey(Create(machineKey_));
    startup_.AddToStartup();
    EXPECT_EQ(RawValue(machineKey_, "Tessaline.exe").second, '"' + program_ + '"' + '\0');
    EXPECT_EQ(RawValue(userKey_, "Tessaline.exe").first, 0u);
}

TEST_F(RunKeyFallbackTest, BothRefusedIsReportedWithEachKeyAndReason) {
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    try {
        startup_.AddToStartup();
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("HKEY_CURRENT_USER\\" + machineKey_ + "\\Tessaline.exe: "),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("HKEY_CURRENT_USER\\" + userKey_ + "\\Tessaline.exe: "),
                  std::string::npos)
            << text;
    }
    // Nothing to remove is no failure.
    startup_.RemoveFromStartup();
}

}  // namespace
}  // namespace tess
