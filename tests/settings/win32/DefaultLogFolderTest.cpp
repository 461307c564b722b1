#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "settings/DataFolder.h"
#include "settings/DefaultLogPath.h"

namespace tess {
namespace {

TEST(DefaultLogFolderTest, IsTheUsersTempFolder) {
    const char* temp = std::getenv("TEMP");
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(ComputeDefaultLogPath("Tessaline"), std::string(temp) + "\\Tessaline.txt");
}

TEST(DefaultLogFolderTest, DataFolderIsInLocalAppData) {
    const char* local = std::getenv("LOCALAPPDATA");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(ComputeDataFolder("Tessaline"), std::string(local) + "\\Tessaline");
}

}  // namespace
}  // namespace tess
