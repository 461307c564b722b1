#include "settings/linux/XdgAutostartEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "common/Error.h"
#include "settings/linux/DesktopEntry.h"
#include "settings/linux/DesktopExec.h"
#include "settings/linux/DesktopFile.h"
#include "settings/mStartUp.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using test::FolderNames;
using test::ReadAll;
using test::ScopedEnv;
using test::TempDir;
using test::WriteAll;

// The arguments of an Exec value, read the way a desktop reads it.
std::optional<std::vector<std::string>> ParseExec(std::string_view value) {
    return DesktopCommand(value, {});
}

// The value of `key` in the file's text, or nothing.
std::optional<std::string> ValueOf(const std::string& content, const std::string& key) {
    const std::string prefix = "\n" + key + "=";
    const auto start = content.find(prefix);
    if (start == std::string::npos) return std::nullopt;
    const auto begin = start + prefix.size();
    return content.substr(begin, content.find('\n', begin) - begin);
}

class XdgAutostartEntryTest : public ::testing::Test {
protected:
    std::string MachineFile() const {
        return dir.File("etc/xdg/autostart/example.quorvane.Tessaline.desktop");
    }
    std::string UserFile() const {
        return dir.File("home/.config/autostart/example.quorvane.Tessaline.desktop");
    }

    TempDir dir;
    XdgAutostartEntry entry{{dir.File("etc/xdg/autostart"), dir.File("home/.config/autostart")}};
    std::string executable = "/opt/tessaline/tessaline";
    mStartUp startup{entry, [this] { return executable; }};
};

TEST_F(XdgAutostartEntryTest, AddWritesAValidDesktopEntryMachineWide) {
    startup.AddToStartup();
    EXPECT_EQ(ReadAll(MachineFile()),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Tessaline\n"
              "Exec=\"/opt/tessaline/tessaline\"\n"
              "TryExec=/opt/tessaline/tessaline\n"
              "X-GNOME-Autostart-enabled=true\n");
    EXPECT_FALSE(fs::exists(UserFile()));
    EXPECT_EQ(fs::status(MachineFile()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(FolderNames(dir.File("etc/xdg/autostart")),
              std::vector<std::string>{"example.quorvane.Tessaline.desktop"});
}

TEST_F(XdgAutostartEntryTest, AddOverwritesAnEarlierEntry) {
    WriteAll(MachineFile(), "[Desktop Entry]\nType=Application\nName=Old\nExec=/old/path\n");
    startup.AddToStartup();
    executable = "/usr/local/bin/tessaline";
    startup.AddToStartup();
    EXPECT_EQ(ParseExec(*ValueOf(ReadAll(MachineFile()), "Exec")),
              std::vector<std::string>{executable});
    EXPECT_EQ(ValueOf(ReadAll(MachineFile()), "Name"), "Tessaline");
}

// The entry never takes the name of the program's file: a copy named like
// another program leaves that program's entry as it is, whether the box is
// ticked or cleared. Clearing deletes an entry that this program wrote under
// its file's name (as it once did), and only that.
struct NamedLikeCase {
    const char* name;
    const char* fileName;    // of the running program
    const char* namedEntry;  // the entry "<fileName>.desktop" before
    bool ours;               // it starts this program, as written here before
};

void PrintTo(const NamedLikeCase& c, std::ostream* out) {
    *out << c.name;
}

class XdgAutostartNameTest : public XdgAutostartEntryTest,
                             public ::testing::WithParamInterface<NamedLikeCase> {};

TEST_P(XdgAutostartNameTest, AnotherProgramsEntryStays) {
    const NamedLikeCase& c = GetParam();
    executable = dir.File(std::string("opt/bin/") + c.fileName);
    const std::string named = dir.File(std::string("etc/xdg/autostart/") + c.fileName + ".desktop");
    const std::string before = c.ours ? AutostartDesktopEntry(executable) : c.namedEntry;
    WriteAll(named, before);
    startup.AddToStartup();
    EXPECT_EQ(ReadAll(named), before);
    const auto exec = ValueOf(ReadAll(MachineFile()), "Exec");
    ASSERT_TRUE(exec) << "no entry of the program's own";
    EXPECT_EQ(ParseExec(*exec), std::vector<std::string>{executable});
    startup.RemoveFromStartup();
    EXPECT_FALSE(fs::exists(MachineFile()));
    EXPECT_EQ(fs::exists(named), !c.ours);
    if (!c.ours) {
        EXPECT_EQ(ReadAll(named), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, XdgAutostartNameTest,
    ::testing::Values(NamedLikeCase{"AnotherProgram", "xdg-user-dirs",
                                    "[Desktop Entry]\nType=Application\nName=User folders update\n"
                                    "Exec=xdg-user-dirs-update\n",
                                    false},
                      NamedLikeCase{"AnotherProgramNamedTessaline", "tessaline",
                                    "[Desktop Entry]\nType=Application\nName=Tessaline\n"
                                    "Exec=/usr/bin/tessaline-sync\n",
                                    false},
                      NamedLikeCase{"OurEntryOfAnEarlierVersion", "tessaline", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A program that the desktops would not start from its entry (GLib refuses a
// '%' however it is quoted; no value may hold control characters or bytes that
// are not UTF-8) is refused with the reason, and nothing is written.
class XdgAutostartRefusedPathTest : public XdgAutostartEntryTest,
                                    public ::testing::WithParamInterface<const char*> {};

TEST_P(XdgAutostartRefusedPathTest, IsReportedAndNothingIsWritten) {
    executable = GetParam();
    try {
        startup.AddToStartup();
        FAIL() << "the path was taken";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot start " + executable +
                      " with the system: the desktops do not start a program whose path holds "
                      "\"%\", a control character or bytes that are not UTF-8");
    }
    EXPECT_FALSE(fs::exists(dir.File("etc")));
    EXPECT_FALSE(fs::exists(dir.File("home")));
}

INSTANTIATE_TEST_SUITE_P(Paths, XdgAutostartRefusedPathTest,
                         ::testing::Values("/opt/100%/tessaline", "/opt/%u/tessaline",
                                           "/opt/tab\there/tessaline", "/opt/new\nline/tessaline",
                                           "/opt/del\x7f/tessaline", "/home/jos\xe9/tessaline",
                                           "/opt/\xc3/tessaline"));

TEST_F(XdgAutostartEntryTest, ProgramAtTheFilesystemRoot) {
    executable = "/tessaline";
    startup.AddToStartup();
    const std::string content = ReadAll(MachineFile());
    EXPECT_EQ(ValueOf(content, "Exec"), "\"/tessaline\"");
    EXPECT_EQ(ParseExec(*ValueOf(content, "Exec")), std::vector<std::string>{"/tessaline"});
}

TEST_F(XdgAutostartEntryTest, RemoveDeletesTheEntryFromBothLocations) {
    startup.AddToStartup();
    WriteAll(UserFile(), "[Desktop Entry]\n");
    WriteAll(dir.File("home/.config/autostart/other.desktop"), "[Desktop Entry]\n");
    startup.RemoveFromStartup();
    EXPECT_FALSE(fs::exists(MachineFile()));
    EXPECT_FALSE(fs::exists(UserFile()));
    EXPECT_TRUE(fs::exists(dir.File("home/.config/autostart/other.desktop")));
    // Nothing left to remove is no failure.
    EXPECT_NO_THROW(startup.RemoveFromStartup());
}

TEST_F(XdgAutostartEntryTest, RefusedMachineFolderFallsBackToTheUserFolder) {
    // A file where the folder should be refuses the entry even to root.
    WriteAll(dir.File("etc/xdg"), "not a folder");
    startup.AddToStartup();
    EXPECT_EQ(ParseExec(*ValueOf(ReadAll(UserFile()), "Exec")),
              std::vector<std::string>{executable});
    EXPECT_EQ(ReadAll(dir.File("etc/xdg")), "not a folder");
}

TEST_F(XdgAutostartEntryTest, BothRefusedReportsEachLocationAndWritesNothing) {
    WriteAll(dir.File("etc/xdg"), "not a folder");
    WriteAll(dir.File("home/.config/autostart"), "not a folder either");
    try {
        startup.AddToStartup();
        FAIL() << "the failure must be reported";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), ("Cannot write " + MachineFile() + ": Not a directory\n" +
                                "Cannot write " + UserFile() + ": Not a directory")
                                   .c_str());
    }
    EXPECT_EQ(ReadAll(dir.File("home/.config/autostart")), "not a folder either");
}

TEST_F(XdgAutostartEntryTest, EntryThatCannotBeReplacedIsReportedAndNoTemporaryFileStays) {
    fs::create_directories(MachineFile());  // a folder in the entry's place
    const auto failure = entry.SetKeyValue(AutostartScope::Machine, "tessaline", executable);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->location, MachineFile());
    EXPECT_EQ(failure->reason, "Is a directory");
    EXPECT_EQ(FolderNames(dir.File("etc/xdg/autostart")),
              std::vector<std::string>{"example.quorvane.Tessaline.desktop"});
}

TEST_F(XdgAutostartEntryTest, DeleteLeavesAFolderOfTheEntrysNameAndReportsIt) {
    fs::create_directories(MachineFile());
    const auto failure = entry.DeleteKeyValue(AutostartScope::Machine, "tessaline");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->location, MachineFile());
    EXPECT_TRUE(fs::is_directory(MachineFile()));
}

TEST_F(XdgAutostartEntryTest, WrittenEntryPassesDesktopFileValidate) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    executable = "/opt/My \"Tools\"/$HOME/`x`\\y/it's/tessaline";
    startup.AddToStartup();
    const std::string command = "desktop-file-validate '" + MachineFile() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadAll(MachineFile());
}

class ExecRoundTripTest : public ::testing::TestWithParam<std::string> {};

// Quoted whole, so that no character of the path is reserved outside quotes.
TEST_P(ExecRoundTripTest, ExecReadsBackAsTheOneProgramPath) {
    const std::string exec = DesktopExecValue(GetParam());
    EXPECT_EQ(ParseExec(exec), std::vector<std::string>{GetParam()}) << exec;
    EXPECT_TRUE(exec.front() == '"' && exec.back() == '"') << exec;
}

TEST_P(ExecRoundTripTest, TryExecReadsBackAsThePath) {
    const std::string entry = AutostartDesktopEntry(GetParam());
    const auto tryExec = ValueOf(entry, "TryExec");
    ASSERT_TRUE(tryExec);
    EXPECT_EQ(DesktopStringText(*tryExec), GetParam());
    // Every line of the entry is a group header or a key.
    EXPECT_EQ(std::count(entry.begin(), entry.end(), '\n'), 6) << entry;
}

INSTANTIATE_TEST_SUITE_P(Paths, ExecRoundTripTest,
                         ::testing::Values("/opt/tessaline/tessaline", "/tessaline",
                                           "/home/a user/My Programs/tessaline",
                                           "/opt/\"quoted\"/it's/tessaline",
                                           "/opt/back\\slash/tessaline", "/opt/100%/%u %f/x",
                                           "/opt/$HOME/`id`/x", "/opt/\\\\\\$/x",
                                           "/opt/tab\tnew\nline\rcr/x", "/opt/~x;y|z&(w)*?#<>=/x",
                                           "/home/jos\xc3\xa9/x"));

TEST(XdgAutostartFoldersTest, MachineFolderIsTheFirstOfXdgConfigDirs) {
    ScopedEnv home("HOME", "/home/someone");
    ScopedEnv config("XDG_CONFIG_HOME", "/custom/config");
    ScopedEnv dirs("XDG_CONFIG_DIRS", "/etc/xdg/xdg-ubuntu:/usr/share/upstart/xdg:/etc/xdg");
    const XdgAutostartFolders folders = XdgAutostartEntry::DefaultFolders();
    EXPECT_EQ(folders.machine, "/etc/xdg/xdg-ubuntu/autostart");
    EXPECT_EQ(folders.user, "/custom/config/autostart");
}

TEST(XdgAutostartFoldersTest, UnsetVariablesGiveTheDefaults) {
    ScopedEnv home("HOME", "/home/someone");
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnv dirs("XDG_CONFIG_DIRS", std::nullopt);
    const XdgAutostartFolders folders = XdgAutostartEntry::DefaultFolders();
    EXPECT_EQ(folders.machine, "/etc/xdg/autostart");
    EXPECT_EQ(folders.user, "/home/someone/.config/autostart");
}

class XdgConfigDirsTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(XdgConfigDirsTest, EmptyAndRelativeFoldersAreSkipped) {
    ScopedEnv dirs("XDG_CONFIG_DIRS", GetParam().first);
    EXPECT_EQ(XdgAutostartEntry::DefaultFolders().machine, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, XdgConfigDirsTest,
    ::testing::Values(std::pair<std::string, std::string>{"", "/etc/xdg/autostart"},
                      std::pair<std::string, std::string>{":", "/etc/xdg/autostart"},
                      std::pair<std::string, std::string>{"/one", "/one/autostart"},
                      std::pair<std::string, std::string>{"::/two:/three", "/two/autostart"},
                      std::pair<std::string, std::string>{"relative:/abs", "/abs/autostart"},
                      std::pair<std::string, std::string>{"relative", "/etc/xdg/autostart"}));

}  // namespace
}  // namespace tess
