#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <filesystem>
#include <string>
#include <vector>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "common/Error.h"
#include "settings/Settings.h"
#include "settings/linux/IniSettingsStore.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::ScopedEnv;
using test::TempDir;
using test::WriteAll;

class IniSettingsStoreTest : public ::testing::Test {
protected:
    std::string Get(const std::string& key, const std::string& fallback = "<none>") const {
        return store.Read(kSettingsApplication, kSettingsSection, key, fallback);
    }
    void Put(const std::string& key, const std::string& value) {
        store.Write(kSettingsApplication, kSettingsSection, key, value);
    }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    std::string folder = dir.File("config");
    std::string file = dir.File("config/Quorvane.conf");
    IniSettingsStore store{folder};
};

TEST_F(IniSettingsStoreTest, TheFileIsNamedAfterTheApplication) {
    EXPECT_EQ(store.FilePath("Quorvane"), file);
}

TEST_F(IniSettingsStoreTest, MissingFileGivesTheFallbackAndCreatesNothing) {
    EXPECT_EQ(Get(keys::kOftenIndex, "5"), "5");
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(IniSettingsStoreTest, MissingSectionOrKeyGivesTheFallback) {
    WriteAll(file, "[Other]\nOftenIndex=3\n\n[Tessaline]\nText1=/tmp/x.txt\n");
    EXPECT_EQ(Get(keys::kOftenIndex, "5"), "5");
    EXPECT_EQ(store.Read("Elsewhere", kSettingsSection, keys::kText1, "none"), "none");
}

TEST_F(IniSettingsStoreTest, WrittenValueIsReadBackInAQSettingsStyleFile) {
    Put(keys::kOftenIndex, "3");
    EXPECT_EQ(Get(keys::kOftenIndex), "3");
    EXPECT_EQ(IniSettingsStore(folder).Read("Quorvane", "Tessaline", "OftenIndex", ""), "3");
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=3\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Quorvane.conf"});
}

TEST_F(IniSettingsStoreTest, RewritingAKeyReplacesItsLine) {
    Put(keys::kOftenIndex, "3");
    Put(keys::kText1, "/tmp/log.txt");
    Put(keys::kOftenIndex, "4");
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=4\nText1=/tmp/log.txt\n");
}

TEST_F(IniSettingsStoreTest, NamesAreCaseSensitive) {
    WriteAll(file, "[tessaline]\nOftenIndex=1\n[Tessaline]\noftenindex=2\n");
    EXPECT_EQ(Get(keys::kOftenIndex), "<none>");
}

TEST_F(IniSettingsStoreTest, LaterDuplicateWinsAndAWriteLeavesOneLine) {
    WriteAll(file, "[Tessaline]\nOftenIndex=1\nOftenIndex=2\n");
    EXPECT_EQ(Get(keys::kOftenIndex), "2");
    Put(keys::kOftenIndex, "3");
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=3\n");
}

TEST_F(IniSettingsStoreTest, KeyWithASpaceIsPercentEncoded) {
    Put(keys::kWindowsStartup, kOn);
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nWindows%20Startup=On\n");
    EXPECT_EQ(Get(keys::kWindowsStartup), kOn);
}

TEST_F(IniSettingsStoreTest, KeyWithASpaceWrittenPlainlyIsReadAndReplaced) {
    WriteAll(file, "[Tessaline]\nWindows Startup=On\n");
    EXPECT_EQ(Get(keys::kWindowsStartup), kOn);
    Put(keys::kWindowsStartup, kOff);
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nWindows%20Startup=Off\n");
}

TEST_F(IniSettingsStoreTest, OtherNamesAreEncodedLikeQSettings) {
    store.Write("Quorvane", "My Section", "Größe/x", "1");
    EXPECT_EQ(ReadAll(file), "[My%20Section]\nGr%F6%DFe\\x=1\n");
    EXPECT_EQ(store.Read("Quorvane", "My Section", "Größe/x", ""), "1");
}

TEST_F(IniSettingsStoreTest, WriteKeepsEverythingElseInTheFile) {
    const std::string before =
        "; written by hand\n"
        "[General]\n"
        "Theme=dark\n"
        "\n"
        "[Tessaline]\n"
        "# a note\n"
        "OftenIndex=1\n"
        "junk line without equals\n"
        "Text1=/tmp/x.txt\r\n"
        "\n"
        "[Other]\n"
        "OftenIndex=9\n"
        "Key = spaced ;value\n";
    WriteAll(file, before);

    Put(keys::kOftenIndex, "2");
    Put(keys::kMinimized, kOn);
    store.Write("Quorvane", "Extra", "New", "x");

    EXPECT_EQ(ReadAll(file),
              "; written by hand\n"
              "[General]\n"
              "Theme=dark\n"
              "\n"
              "[Tessaline]\n"
              "# a note\n"
              "OftenIndex=2\n"
              "junk line without equals\n"
              "Text1=/tmp/x.txt\r\n"
              "Minimized=On\n"
              "\n"
              "[Other]\n"
              "OftenIndex=9\n"
              "Key = spaced ;value\n"
              "\n"
              "[Extra]\n"
              "New=x\n");
    EXPECT_EQ(store.Read("Quorvane", "Other", "OftenIndex", ""), "9");
}

TEST_F(IniSettingsStoreTest, WriteAfterALastLineWithoutNewline) {
    WriteAll(file, "[Tessaline]\nOftenIndex=1");
    Put(keys::kText1, "/tmp/x.txt");
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=1\nText1=/tmp/x.txt\n");
}

TEST_F(IniSettingsStoreTest, BinaryJunkIsKeptAndTheValueAddedAfterIt) {
    std::string junk =
        "\x7f"
        "ELF\x02\x01";
    junk += std::string("\0\0[\xff\xfe=\n=\n[\n]]\n[Tessaline\n\x80\x81=\x82\n", 30);
    WriteAll(file, junk);
    EXPECT_EQ(Get(keys::kOftenIndex, "5"), "5");

    Put(keys::kOftenIndex, "3");
    EXPECT_EQ(Get(keys::kOftenIndex), "3");
    EXPECT_EQ(ReadAll(file).substr(0, junk.size()), junk);
}

// Editors that save UTF-8 with a byte order mark put it before the first section.
TEST_F(IniSettingsStoreTest, ByteOrderMarkIsReadPastAndKept) {
    WriteAll(file, "\xEF\xBB\xBF[Tessaline]\r\nOftenIndex=1\r\n");
    EXPECT_EQ(Get(keys::kOftenIndex), "1");

    Put(keys::kOftenIndex, "3");
    EXPECT_EQ(ReadAll(file), "\xEF\xBB\xBF[Tessaline]\r\nOftenIndex=3\r\n");
}

TEST_F(IniSettingsStoreTest, ByteOrderMarkCountsOnlyAtTheStart) {
    WriteAll(file, "[Other]\n\xEF\xBB\xBF[Tessaline]\nOftenIndex=1\n");
    EXPECT_EQ(Get(keys::kOftenIndex), "<none>");
}

// The failure of an operation names the settings file and, when given, the reason.
void ExpectFailureNaming(const std::function<void()>& operation, const std::string& file,
                         const std::string& reason = {}) {
    try {
        operation();
        ADD_FAILURE() << "no failure";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
}

// Something else than a file where the settings file should be: a read fails
// rather than taking it for an empty store, a write fails too, both naming the
// file, and what is there stays. A named pipe without a writer would keep a
// plain open waiting for ever.
TEST_F(IniSettingsStoreTest, FolderOrPipeInPlaceOfTheFileIsNeitherReadNorReplaced) {
    fs::create_directories(file);
    ExpectFailureNaming([&] { Get(keys::kOftenIndex, "5"); }, file, "Is a directory");
    ExpectFailureNaming([&] { Put(keys::kOftenIndex, "2"); }, file);
    EXPECT_TRUE(fs::is_directory(file));

    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    ExpectFailureNaming([&] { Get(keys::kOftenIndex, "5"); }, file);
    ExpectFailureNaming([&] { Put(keys::kOftenIndex, "2"); }, file);
    EXPECT_TRUE(fs::is_fifo(file));
}

TEST_F(IniSettingsStoreTest, PermissionsOfTheFileAreKept) {
    Put(keys::kOftenIndex, "1");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    Put(keys::kOftenIndex, "2");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniSettingsStoreTest, UnreadableFileFailsToReadAndIsNotOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "root can read any file";
    WriteAll(file, "[Tessaline]\nOftenIndex=1\n");
    fs::permissions(file, fs::perms::none);
    ExpectFailureNaming([&] { Get(keys::kOftenIndex, "5"); }, file, "Permission denied");
    ExpectFailureNaming([&] { Put(keys::kOftenIndex, "2"); }, file, "Permission denied");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=1\n");
}

TEST_F(IniSettingsStoreTest, FolderThatCannotBeCreatedFailsNamingIt) {
    WriteAll(folder, "a file where the folder should be");
    try {
        Put(keys::kOftenIndex, "2");
        FAIL() << "the write should fail";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(folder), std::string::npos) << e.what();
    }
    EXPECT_EQ(Get(keys::kOftenIndex, "5"), "5");
}

TEST_F(IniSettingsStoreTest, ReadOnlyFolderFailsAndLeavesTheFileAlone) {
    if (::geteuid() == 0) GTEST_SKIP() << "root can write to any folder";
    WriteAll(file, "[Tessaline]\nOftenIndex=1\n");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        Put(keys::kOftenIndex, "2");
        FAIL() << "the write should fail";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Permission denied"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=1\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Quorvane.conf"});
}

TEST(IniSettingsStoreFolderTest, DefaultFolderIsXdgConfigHomeOrDotConfig) {
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/custom/config");
        EXPECT_EQ(IniSettingsStore::DefaultFolder(), "/custom/config");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(IniSettingsStore::DefaultFolder(), "/home/someone/.config");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", "relative");
        EXPECT_EQ(IniSettingsStore::DefaultFolder(), "/home/someone/.config");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", "");
        EXPECT_EQ(IniSettingsStore::DefaultFolder(), "/home/someone/.config");
    }
}

}  // namespace
}  // namespace tess
