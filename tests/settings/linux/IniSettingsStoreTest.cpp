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
#include "linux/ScopedUnprivilegedUser.h"
#include "settings/Settings.h"
#include "settings/linux/IniSettingsStore.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using test::FolderNames;
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

    TempDir dir;
    std::string folder = dir.File("config");
    std::string file = dir.File("config/Quorvane.conf");
    IniSettingsStore store{folder};
};

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
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"Quorvane.conf"});
}

TEST_F(IniSettingsStoreTest, RewritingAKeyReplacesItsLine) {
    Put(keys::kOftenIndex, "3");
    Put(keys::kText1, "/tmp/log.txt");
    Put(keys::kOftenIndex, "4");
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=4\nText1=/tmp/log.txt\n");
}

// A file as found, the value it gives for a key, and the file once that key
// is written (nothing written where no value is given).
struct FileCase {
    const char* name;
    const char* before;
    const char* key;
    const char* read;
    const char* written;
    const char* after;
};

class IniSettingsFileTest : public IniSettingsStoreTest,
                            public ::testing::WithParamInterface<FileCase> {};

TEST_P(IniSettingsFileTest, ReadsAndRewritesOnlyTheKeysLine) {
    const FileCase& c = GetParam();
    WriteAll(file, c.before);
    EXPECT_EQ(Get(c.key), c.read);
    if (c.written == nullptr) return;
    Put(c.key, c.written);
    EXPECT_EQ(ReadAll(file), c.after);
    EXPECT_EQ(Get(c.key), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniSettingsFileTest,
    ::testing::Values(
        FileCase{"NamesAreCaseSensitive", "[tessaline]\nOftenIndex=1\n[Tessaline]\noftenindex=2\n",
                 keys::kOftenIndex, "<none>", nullptr, nullptr},
        FileCase{"LaterDuplicateWinsAndAWriteLeavesOneLine",
                 "[Tessaline]\nOftenIndex=1\nOftenIndex=2\n", keys::kOftenIndex, "2", "3",
                 "[Tessaline]\nOftenIndex=3\n"},
        FileCase{"KeyWithASpaceIsPercentEncoded", "", keys::kWindowsStartup, "<none>", kOn,
                 "[Tessaline]\nWindows%20Startup=On\n"},
        FileCase{"KeyWithASpaceWrittenPlainlyIsReadAndReplaced",
                 "[Tessaline]\nWindows Startup=On\n", keys::kWindowsStartup, kOn, kOff,
                 "[Tessaline]\nWindows%20Startup=Off\n"},
        FileCase{"WriteAfterALastLineWithoutNewline", "[Tessaline]\nOftenIndex=1", keys::kText1,
                 "<none>", "/tmp/x.txt", "[Tessaline]\nOftenIndex=1\nText1=/tmp/x.txt\n"},
        // Editors that save UTF-8 with a byte order mark put it before the first section.
        FileCase{"ByteOrderMarkIsReadPastAndKept", "\xEF\xBB\xBF[Tessaline]\r\nOftenIndex=1\r\n",
                 keys::kOftenIndex, "1", "3", "\xEF\xBB\xBF[Tessaline]\r\nOftenIndex=3\r\n"},
        FileCase{"ByteOrderMarkCountsOnlyAtTheStart",
                 "[Other]\n\xEF\xBB\xBF[Tessaline]\nOftenIndex=1\n", keys::kOftenIndex, "<none>",
                 nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

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
    WriteAll(file, "[Tessaline]\nOftenIndex=1\n");
    const test::ScopedUnprivilegedUser user(dir.path());
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
    WriteAll(file, "[Tessaline]\nOftenIndex=1\n");
    const test::ScopedUnprivilegedUser user(dir.path());
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        Put(keys::kOftenIndex, "2");
        FAIL() << "the write should fail";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Permission denied"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadAll(file), "[Tessaline]\nOftenIndex=1\n");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"Quorvane.conf"});
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
