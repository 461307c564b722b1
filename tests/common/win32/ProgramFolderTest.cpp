#include <gtest/gtest.h>

#include <string>

#include "common/Files.h"

namespace tess {
namespace {

struct PathCase {
    const char* path;
    const char* folder;
};

class FolderOfWindowsPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(FolderOfWindowsPathTest, KeepsABackslashOnlyAtADriveRoot) {
    EXPECT_EQ(FolderOfPath(GetParam().path), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderOfWindowsPathTest,
                         ::testing::Values(PathCase{"C:\\Program Files\\Quorvane\\Tessaline.exe",
                                                    "C:\\Program Files\\Quorvane"},
                                           PathCase{"C:\\Tessaline.exe", "C:\\"},
                                           PathCase{"D:/Tools/Tessaline.exe", "D:/Tools"},
                                           PathCase{"\\\\server\\share\\Tessaline.exe",
                                                    "\\\\server\\share"},
                                           PathCase{"Tessaline.exe", ""}));

TEST(ProgramFolderTest, IsTheDriveFolderOfTheRunningExecutable) {
    const std::string folder = ProgramFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\");
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(FileExists(InProgramFolder("common_test.exe")));
    EXPECT_EQ(FileNameOfPath(ExecutablePath()), "common_test.exe");
}

TEST(FileExistsTest, ReadsTheModificationTimeOfWindowsPaths) {
    EXPECT_TRUE(FileExists("C:\\"));
    EXPECT_TRUE(FileExists("c:\\windows\\system32\\KERNEL32.DLL"));
    EXPECT_FALSE(FileExists("C:\\no such folder\\x.txt"));
    EXPECT_FALSE(FileExists("Q:\\"));
    EXPECT_FALSE(FileExists("C:\\bad|name.txt"));
    // Bytes that are not UTF-8 name no file, and FileExists says so without throwing.
    EXPECT_FALSE(FileExists("C:\\\xFF\xFE.txt"));
}

}  // namespace
}  // namespace tess
