#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "settings/DefaultLogPath.h"

namespace tess {
namespace {

TEST(DefaultLogFolderTest, IsTheUsersTempFolder) {
    const char* temp = std::getenv("TEMP");
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(ComputeDefaultLogPath("Tessaline"), std::string(temp) + "\\Tessaline.txt");
}

}  // namespace
}  // namespace tess
