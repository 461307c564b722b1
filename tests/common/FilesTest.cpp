#include "common/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"

namespace tess {
namespace {

TEST(FilesTest, FileExistsOnlyForReadablePaths) {
    test::TempDir dir;
    test::WriteAll(dir.File("here.txt"), "x");
    EXPECT_TRUE(FileExists(dir.File("here.txt")));
    EXPECT_TRUE(FileExists(dir.path().string()));
    EXPECT_FALSE(FileExists(dir.File("missing.txt")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(std::string(5000, 'a')));
    EXPECT_FALSE(FileExists(dir.File("here.txt/inner")));
}

TEST(FilesTest, FolderOfPathKeepsOnlyARootSeparator) {
    EXPECT_EQ(FolderOfPath("/opt/tessaline/bin/tessaline"), "/opt/tessaline/bin");
    EXPECT_EQ(FolderOfPath("/tessaline"), "/");
    EXPECT_EQ(FolderOfPath("tessaline"), "");
}

TEST(FilesTest, ProgramFolderHoldsTheRunningExecutable) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(InProgramFolder("HAND-M.CUR"), folder + "/HAND-M.CUR");
}

}  // namespace
}  // namespace tess
