#include "settings/linux/ReplaceFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "TempDir.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using test::FolderNames;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// A settings file kept in a dotfiles repository: the link stays as it points,
// and the file it leads to takes the new content.
struct LinkCase {
    const char* name;
    // Where config/Quorvane.conf points; ABSOLUTE stands for the test's folder.
    const char* link;
    const char* further;  // where a link at config/chain.conf points, if any
    bool targetThere;
};

void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << c.name;
}

class ReplaceFileLinkTest : public ::testing::TestWithParam<LinkCase> {
protected:
    TempDir dir;
};

TEST_P(ReplaceFileLinkTest, WritesTheTargetAndKeepsTheLink) {
    const LinkCase& c = GetParam();
    const std::string target = dir.File("dotfiles/Quorvane.conf");
    fs::create_directories(dir.File("config"));
    fs::create_directories(dir.File("dotfiles"));
    if (c.targetThere) WriteAll(target, "[Tessaline]\nOftenIndex=1\n");
    std::string link = c.link;
    if (link.rfind("ABSOLUTE", 0) == 0) link = dir.path().string() + link.substr(8);
    fs::create_symlink(link, dir.File("config/Quorvane.conf"));
    if (c.further != nullptr) fs::create_symlink(c.further, dir.File("config/chain.conf"));

    ASSERT_EQ(ReplaceFile(dir.File("config/Quorvane.conf"), "[Tessaline]\nOftenIndex=4\n"), 0);
    EXPECT_EQ(fs::read_symlink(dir.File("config/Quorvane.conf")), link);
    EXPECT_EQ(ReadAll(target), "[Tessaline]\nOftenIndex=4\n");
    EXPECT_EQ(FolderNames(dir.File("dotfiles")), std::vector<std::string>{"Quorvane.conf"});
    EXPECT_EQ(FolderNames(dir.File("config")).size(), c.further != nullptr ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Links, ReplaceFileLinkTest,
    ::testing::Values(LinkCase{"Relative", "../dotfiles/Quorvane.conf", nullptr, true},
                      LinkCase{"Absolute", "ABSOLUTE/dotfiles/Quorvane.conf", nullptr, true},
                      LinkCase{"ThroughAnotherLink", "chain.conf", "../dotfiles/Quorvane.conf",
                               true},
                      LinkCase{"ToAFileNotYetThere", "../dotfiles/Quorvane.conf", nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Someone who can write to the folder plants a link at the name the temporary
// file once had (the path, ".tmp-" and our process id): the file it points to
// is not written, and the link is not what replaces the settings.
TEST(ReplaceFileTest, ALinkPlantedAtATemporaryNameIsNotFollowed) {
    TempDir dir;
    const std::string path = dir.File("Quorvane.conf");
    const std::string victim = dir.File("victim");
    WriteAll(path, "old\n");
    WriteAll(victim, "keep\n");
    fs::create_symlink(victim, path + ".tmp-" + std::to_string(::getpid()));

    ASSERT_EQ(ReplaceFile(path, "new\n"), 0);
    EXPECT_EQ(ReadAll(victim), "keep\n");
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(ReadAll(path), "new\n");
}

}  // namespace
}  // namespace tess
