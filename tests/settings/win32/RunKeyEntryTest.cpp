#include "settings/win32/RunKeyEntry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>
#include <utility>

#include "RegistryValue.h"
#include "settings/mStartUp.h"

namespace tess {
namespace {

constexpr const wchar_t* kRunKey = L"SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\";

HKEY Root(AutostartScope scope) {
    return scope == AutostartScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The type and the UTF-16 text of a Run value as the registry holds it, in
// UTF-8; type 0 when it is missing.
std::pair<DWORD, std::string> RawRunValue(AutostartScope scope, const std::string& name) {
    return test::RawValue(Root(scope), WideToUtf8(kRunKey), name);
}

// The bytes of a string value: a quoted path and its terminating zero.
std::string QuotedWithZero(const std::string& path) {
    return '"' + path + '"' + '\0';
}

// Each test uses value names of its own and deletes them at the end.
class RunKeyEntryTest : public ::testing::Test {
protected:
    ~RunKeyEntryTest() override {
        for (const auto scope : {AutostartScope::Machine, AutostartScope::User}) {
            HKEY key = nullptr;
            if (RegOpenKeyExW(Root(scope), kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
                RegDeleteValueW(key, Utf8ToWide(name).c_str());
                RegCloseKey(key);
            }
        }
    }

    std::string name = "tessaline-test-" + std::to_string(std::random_device()()) + ".exe";
    RunKeyEntry entry;
};

TEST_F(RunKeyEntryTest, WritesTheQuotedPathAsAStringWithItsTerminatingZero) {
    const std::string path = "C:\\Program Files\\Tessaline\\" + name;
    for (const auto scope : {AutostartScope::Machine, AutostartScope::User}) {
        EXPECT_FALSE(entry.SetKeyValue(scope, name, path));
        const auto [type, data] = RawRunValue(scope, name);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(data, QuotedWithZero(path));
    }
}

TEST_F(RunKeyEntryTest, OverwritesAndDeletes) {
    EXPECT_FALSE(entry.SetKeyValue(AutostartScope::Machine, name, "C:\\old\\" + name));
    EXPECT_FALSE(entry.SetKeyValue(AutostartScope::Machine, name, "D:\\new\\" + name));
    EXPECT_EQ(RawRunValue(AutostartScope::Machine, name).second,
              QuotedWithZero("D:\\new\\" + name));

    EXPECT_FALSE(entry.DeleteKeyValue(AutostartScope::Machine, name));
    EXPECT_EQ(RawRunValue(AutostartScope::Machine, name).first, 0u);
    // A value that is not there counts as deleted.
    EXPECT_FALSE(entry.DeleteKeyValue(AutostartScope::Machine, name));
    EXPECT_FALSE(entry.DeleteKeyValue(AutostartScope::User, name));
}

TEST_F(RunKeyEntryTest, ProgramAtADriveRootThroughTheStartupModule) {
    mStartUp startup(entry, [this] { return "C:\\" + name; });
    startup.AddToStartup();
    EXPECT_EQ(RawRunValue(AutostartScope::Machine, name).second, QuotedWithZero("C:\\" + name));
    startup.RemoveFromStartup();
    EXPECT_EQ(RawRunValue(AutostartScope::Machine, name).first, 0u);
}

// A program installed for its user is in a folder named after the user, in
// letters that the ANSI code page may lack: the value names it exactly.
TEST_F(RunKeyEntryTest, NameAndPathInLettersOutsideTheCodePageAreWrittenWhole) {
    name = "\xD0\x94-" + name;
    const std::string path =
        "C:\\Users\\\xC5\x81ukasz\\AppData\\Local\\Programs\\Tessaline\\" + name;
    EXPECT_FALSE(entry.SetKeyValue(AutostartScope::User, name, path));
    EXPECT_EQ(RawRunValue(AutostartScope::User, name).second, QuotedWithZero(path));
    EXPECT_FALSE(entry.DeleteKeyValue(AutostartScope::User, name));
    EXPECT_EQ(RawRunValue(AutostartScope::User, name).first, 0u);
}

}  // namespace
}  // namespace tess
