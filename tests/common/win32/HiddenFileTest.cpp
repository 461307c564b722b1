#include <windows.h>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "common/Files.h"
#include "common/FolderListing.h"

namespace tess {
namespace {

// Files with the hidden or the system attribute are not ordinary files. (Wine
// gives Unix dot files the hidden attribute, so no name here starts with a dot.)
TEST(HiddenFileTest, OnlyFilesWithoutHiddenOrSystemCount) {
    test::TempDir dir;
    const std::string folder = dir.path().string();
    test::WriteAll(dir.File("hidden.mp4"), "x");
    test::WriteAll(dir.File("system.mp4"), "x");
    ASSERT_TRUE(
        SetFileAttributesW(Utf8Path(dir.File("hidden.mp4")).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(
        SetFileAttributesW(Utf8Path(dir.File("system.mp4")).c_str(), FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(FirstOrdinaryFile(folder), "");

    test::WriteAll(dir.File("shown.mp4"), "x");
    EXPECT_EQ(FirstOrdinaryFile(folder), "shown.mp4");
}

}  // namespace
}  // namespace tess
