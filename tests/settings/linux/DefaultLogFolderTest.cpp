#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScopedEnv.h"
#include "TempDir.h"
#include "settings/DataFolder.h"
#include "settings/DefaultLogPath.h"

namespace tess {
namespace {

using test::ScopedEnv;
using test::TempDir;

class DefaultLogFolderTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv home{"HOME", dir.File("home")};
};

TEST_F(DefaultLogFolderTest, UsesTempWhenSet) {
    ScopedEnv temp("TEMP", dir.File("temp"));
    ScopedEnv state("XDG_STATE_HOME", dir.File("state"));
    EXPECT_EQ(ComputeDefaultLogPath("Big Tool Software"), dir.File("temp") + "/BigTool.txt");
}

TEST_F(DefaultLogFolderTest, WithoutTempUsesAndCreatesXdgStateHome) {
    ScopedEnv temp("TEMP", std::nullopt);
    ScopedEnv state("XDG_STATE_HOME", dir.File("state/nested"));
    EXPECT_EQ(ComputeDefaultLogPath("Tessaline"), dir.File("state/nested") + "/Tessaline.txt");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("state/nested")));
}

TEST_F(DefaultLogFolderTest, EmptyTempCountsAsUnset) {
    ScopedEnv temp("TEMP", "");
    ScopedEnv state("XDG_STATE_HOME", dir.File("state"));
    EXPECT_EQ(ComputeDefaultLogPath("Tessaline"), dir.File("state") + "/Tessaline.txt");
}

TEST_F(DefaultLogFolderTest, WithoutXdgStateHomeUsesLocalStateInHome) {
    ScopedEnv temp("TEMP", std::nullopt);
    ScopedEnv state("XDG_STATE_HOME", std::nullopt);
    EXPECT_EQ(ComputeDefaultLogPath("Tessaline"), dir.File("home/.local/state/Tessaline.txt"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("home/.local/state")));
}

TEST_F(DefaultLogFolderTest, RelativeXdgStateHomeIsIgnored) {
    ScopedEnv temp("TEMP", std::nullopt);
    ScopedEnv state("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(ComputeDefaultLogPath("Tessaline"), dir.File("home/.local/state/Tessaline.txt"));
}

// The program's data folder: in the state folder, never the log's TEMP.
TEST_F(DefaultLogFolderTest, DataFolderIsInTheStateFolder) {
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
