#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "settings/DataFolder.h"
#include "settings/DefaultLogPath.h"

namespace tess {
namespace {

using test::ScopedEnv;
using test::TempDir;

// TEMP and XDG_STATE_HOME as found, the default log path that follows for the
// title, and whether its folder is made. Paths beginning with '/' stand in the
// test's own folder, where HOME is "/home".
struct FolderCase {
    const char* name;
    const char* title;
    std::optional<std::string> temp;
    std::optional<std::string> state;
    std::string expected;
    bool made;
};

class DefaultLogFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DefaultLogFolderTest, IsTempOrTheStateFolder) {
    const FolderCase& c = GetParam();
    TempDir dir;
    const auto at = [&dir](const std::optional<std::string>& path) -> std::optional<std::string> {
        if (!path || path->empty() || path->front() != '/') return path;
        return dir.File(path->substr(1));
    };
    ScopedEnv home("HOME", at("/home"));
    ScopedEnv temp("TEMP", at(c.temp));
    ScopedEnv state("XDG_STATE_HOME", at(c.state));
    const std::string expected = *at(c.expected);
    EXPECT_EQ(ComputeDefaultLogPath(c.title), expected);
    EXPECT_EQ(std::filesystem::is_directory(std::filesystem::path(expected).parent_path()), c.made);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, DefaultLogFolderTest,
    ::testing::Values(
        FolderCase{"Temp", "Big Tool Software", "/temp", "/state", "/temp/BigTool.txt", false},
        FolderCase{"WithoutTempTheStateFolderIsMade", "Tessaline", std::nullopt, "/state/nested",
                   "/state/nested/Tessaline.txt", true},
        FolderCase{"EmptyTempCountsAsUnset", "Tessaline", "", "/state", "/state/Tessaline.txt",
                   true},
        FolderCase{"WithoutStateHomeLocalStateInHome", "Tessaline", std::nullopt, std::nullopt,
                   "/home/.local/state/Tessaline.txt", true},
        FolderCase{"RelativeStateHomeIsIgnored", "Tessaline", std::nullopt, "relative/state",
                   "/home/.local/state/Tessaline.txt", true}),
    [](const auto& info) { return std::string(info.param.name); });

// The program's data folder: in the state folder, never the log's TEMP.
TEST(DataFolderTest, IsInTheStateFolder) {
    TempDir dir;
    ScopedEnv home("HOME", dir.File("home"));
    ScopedEnv temp("TEMP", dir.File("temp"));
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {dir.File("state"), dir.File("state/Tessaline")},
        {std::nullopt, dir.File("home/.local/state/Tessaline")},
        {"relative/state", dir.File("home/.local/state/Tessaline")},
    };
    for (const auto& [state, folder] : cases) {
        ScopedEnv variable("XDG_STATE_HOME", state);
        EXPECT_EQ(ComputeDataFolder("Tessaline"), folder);
    }
    ScopedEnv state("XDG_STATE_HOME", std::nullopt);
    ScopedEnv noHome("HOME", std::nullopt);
    EXPECT_EQ(ComputeDataFolder("Tessaline"), "");
}

}  // namespace
}  // namespace tess
