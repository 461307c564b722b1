#include "settings/win32/RegistrySettingsStore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "RegistryValue.h"
#include "common/Error.h"
#include "common/win32/WideText.h"
#include "settings/Settings.h"

namespace tess {
namespace {

// Each test keeps its settings under a key of its own below
// HKEY_CURRENT_USER\Software\TessalineTests, named with a letter that the ANSI
// code page lacks, and removes it at the end.
class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    RegistrySettingsStoreTest()
        : base_("Software\\TessalineTests\\\xCE\xA9" + UniqueName()), store_(base_) {}
    ~RegistrySettingsStoreTest() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(base_).c_str());
    }

    static std::string UniqueName() { return std::to_string(std::random_device()()); }

    std::wstring SectionKey() const { return Utf8ToWide(base_ + "\\Quorvane\\Tessaline"); }

    bool SectionExists() const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey().c_str(), 0, KEY_READ, &key) != 0) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    void PutRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey().c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::string base_;
    RegistrySettingsStore store_;
    Settings settings_{store_};
};

TEST_F(RegistrySettingsStoreTest, TheFiveSettingsComeBackAsStored) {
    const std::vector<std::pair<const char*, std::string>> values = {
        {keys::kOftenIndex, "5"},
        {keys::kText1, "C:\\Users\\Zo\xC3\xAB\\My Logs\\Tessaline.txt"},
        {keys::kStartStopState, "On"},
        {keys::kWindowsStartup, "Off"},
        {keys::kMinimized, "On"},
    };
    for (const auto& [key, value] : values) settings_.Save(key, value);
    for (const auto& [key, value] : values) EXPECT_EQ(settings_.Get(key, "missing"), value) << key;
}

TEST_F(RegistrySettingsStoreTest, StoresAStringWithItsTerminatingZero) {
    settings_.Save(keys::kText1, "C:\\Zo\xC3\xAB.txt");
    EXPECT_EQ(test::RawValue(HKEY_CURRENT_USER, base_ + "\\Quorvane\\Tessaline", keys::kText1),
              (std::pair<DWORD, std::string>{REG_SZ, std::string("C:\\Zo\xC3\xAB.txt", 12)}));
}

// The registry keeps its strings as UTF-16: a path in letters that the ANSI
// code page lacks comes back whole, and a value in the code page that the ANSI
// functions stored (as earlier versions did) reads back as the same text.
TEST_F(RegistrySettingsStoreTest, TextComesBackWholeWhateverTheCodePage) {
    const std::string outside =
        "C:"
        "\\Users\\\xC5\x81ukasz\\\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9\\Tessalin"
        "e.txt";
    settings_.Save(keys::kText1, outside);
    EXPECT_EQ(settings_.Get(keys::kText1, ""), outside);
    PutRaw(keys::kText1, REG_SZ, "C:\\Zo\xEB.txt", 11);
    EXPECT_EQ(settings_.Get(keys::kText1, ""), "C:\\Zo\xC3\xAB.txt");
}

TEST_F(RegistrySettingsStoreTest, ASecondWriteReplacesTheValue) {
    settings_.Save(keys::kOftenIndex, "12");
    settings_.Save(keys::kOftenIndex, "3");
    EXPECT_EQ(settings_.Get(keys::kOftenIndex, "2"), "3");
}

TEST_F(RegistrySettingsStoreTest, AnEmptyValueIsStoredNotMissing) {
    settings_.Save(keys::kText1, "");
    EXPECT_EQ(settings_.Get(keys::kText1, "fallback"), "");
}

TEST_F(RegistrySettingsStoreTest, ReadingWhatIsMissingGivesTheFallbackAndCreatesNothing) {
    EXPECT_EQ(settings_.Get(keys::kMinimized, "Off"), "Off");
    EXPECT_FALSE(SectionExists());
    settings_.Save(keys::kOftenIndex, "4");
    EXPECT_EQ(settings_.Get(keys::kMinimized, "Off"), "Off");
}

TEST_F(RegistrySettingsStoreTest, AValueThatIsNotAStringGivesTheFallback) {
    const DWORD number = 7;
    PutRaw(keys::kOftenIndex, REG_DWORD, &number, sizeof number);
    EXPECT_EQ(settings_.Get(keys::kOftenIndex, "2"), "2");
}

TEST_F(RegistrySettingsStoreTest, AStringStoredWithoutItsZeroIsReadWhole) {
    PutRaw(keys::kText1, REG_SZ, "C:\\a.txt", 8);
    EXPECT_EQ(settings_.Get(keys::kText1, ""), "C:\\a.txt");
}

TEST_F(RegistrySettingsStoreTest, ALongValueIsReadWhole) {
    const std::string path = "C:\\" + std::string(5000, 'x') + ".txt";
    settings_.Save(keys::kText1, path);
    EXPECT_EQ(settings_.Get(keys::kText1, ""), path);
}

// A key that cannot be opened (a name longer than 255 characters, below a key
// that is there) fails a read as well as a write, naming the value and the
// key: it is no empty store.
TEST_F(RegistrySettingsStoreTest, AFailedReadOrWriteThrowsTheReason) {
    settings_.Save(keys::kOftenIndex, "1");
    RegistrySettingsStore store(base_ + "\\" + std::string(300, 'k'));
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"Cannot read OftenIndex in HKEY_CURRENT_USER\\Software\\",
         [&] { store.Read(kSettingsApplication, kSettingsSection, keys::kOftenIndex, "2"); }},
        {"Cannot store OftenIndex in HKEY_CURRENT_USER\\Software\\",
         [&] { store.Write(kSettingsApplication, kSettingsSection, keys::kOftenIndex, "1"); }},
    };
    for (const auto& [prefix, operation] : operations) {
        try {
            operation();
            ADD_FAILURE() << "no error: " << prefix;
        } catch (const Error& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
            EXPECT_GT(text.size(), text.find(": ") + 2) << text;
        }
    }
}

}  // namespace
}  // namespace tess
