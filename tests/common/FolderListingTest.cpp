#include "common/FolderListing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TempDir.h"
#include "common/Files.h"

namespace tess {
namespace {

TEST(FolderListingTest, NothingToListGivesNoName) {
    test::TempDir dir;
    EXPECT_EQ(FirstOrdinaryFile(dir.File("missing")), "");
    EXPECT_EQ(FirstOrdinaryFile(dir.path().string()), "");
    std::filesystem::create_directories(dir.File("only a folder"));
    EXPECT_EQ(FirstOrdinaryFile(dir.path().string()), "");
    test::WriteAll(dir.File("a file"), "x");
    EXPECT_EQ(FirstOrdinaryFile(dir.File("a file")), "");
}

TEST(FolderListingTest, AFileBesideAFolderIsFound) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.File("a"));
    test::WriteAll(dir.File("b.txt"), "x");
    EXPECT_EQ(FirstOrdinaryFile(dir.path().string()), "b.txt");
}

TEST(FolderListingTest, NamesAreUtf8BothWays) {
    test::TempDir dir;
    const std::string folder = InFolder(dir.path().string(), "Vidéo");
    const std::string name = "Hilfe – Ω.mp4";
    std::filesystem::create_directories(Utf8Path(folder));
    std::ofstream(Utf8Path(InFolder(folder, name))) << "v";
    EXPECT_EQ(FirstOrdinaryFile(folder), name);
}

}  // namespace
}  // namespace tess
