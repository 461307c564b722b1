#include "common/AppTitle.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

struct TitleCase {
    const char* product;
    const char* app;
};

class AppTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(AppTitleTest, CutsTheLastWordThenWhileTooLong) {
    EXPECT_EQ(DeriveAppTitle(GetParam().product), GetParam().app);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AppTitleTest,
    ::testing::Values(TitleCase{"Tessaline", "Tessaline"}, TitleCase{"Battery Logger", "Battery"},
                      TitleCase{"A B C", "A B"}, TitleCase{"", ""}, TitleCase{"Trailing ", "Trailing"},
                      // Cut word by word down to 40 characters, not below.
                      TitleCase{"aaaaaaaaaa bbbbbbbbbb cccccccccc ddddddd e last",
                                "aaaaaaaaaa bbbbbbbbbb cccccccccc ddddddd"},
                      TitleCase{"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddd e last",
                                "aaaaaaaaaa bbbbbbbbbb cccccccccc"},
                      TitleCase{"x 0123456789012345678901234567890123456789012345 y",
                                "x"}));

TEST(AppTitleTest, SetAppTitleDerivesFromTheProduct) {
    SetAppTitle();
    EXPECT_EQ(AppTitle(), "Tessaline");
}

}  // namespace
}  // namespace tess
