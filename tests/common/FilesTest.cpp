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
    EXPECT_NE(folder.back(), NativeSeparator());
    EXPECT_EQ(InProgramFolder("HAND-M.CUR"), folder + NativeSeparator() + "HAND-M.CUR");
}

TEST(FilesTest, ExecutablePathIsTheProgramFolderAndTheFileName) {
    const std::string path = ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(InFolder(FolderOfPath(path), FileNameOfPath(path)), path);
    EXPECT_EQ(FolderOfPath(path), ProgramFolder());
}

TEST(FilesTest, FileNameOfPathIsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(FileNameOfPath("/opt/My Tools/tessaline"), "tessaline");
    EXPECT_EQ(FileNameOfPath("/tessaline"), "tessaline");
    EXPECT_EQ(FileNameOfPath("tessaline"), "tessaline");
}

TEST(FilesTest, InFolderPutsOneSeparatorBetween) {
    const std::string sep(1, NativeSeparator());
    EXPECT_EQ(InFolder("a", "b"), "a" + sep + "b");
    EXPECT_EQ(InFolder(sep, "b"), sep + "b");
    EXPECT_EQ(InFolder("a" + sep, "b"), "a" + sep + "b");
}

}  // namespace
}  // namespace tess
