#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TempDir.h"
#include "common/FolderListing.h"

namespace tess {
namespace {

// Hidden files, pipes and links to nothing are not ordinary files; a link to
// a file is.
TEST(HiddenFileTest, OnlyAVisibleRegularFileCounts) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    test::WriteAll(dir.File(".hidden.mp4"), "x");
    ASSERT_EQ(::mkfifo(dir.File("a pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.File("nowhere"), dir.File("a dangling link"));
    EXPECT_EQ(FirstOrdinaryFile(folder), "");

    test::WriteAll(dir.File(".target"), "x");
    std::filesystem::create_symlink(dir.File(".target"), dir.File("a link"));
    EXPECT_EQ(FirstOrdinaryFile(folder), "a link");
}

}  // namespace
}  // namespace tess
