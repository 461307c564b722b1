#include <gtest/gtest.h>

#include "launch/ArgumentCases.h"
#include "ui/win32/CommandLineArgument.h"

namespace tess {
namespace {

using test::ArgumentCase;

class QuoteArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(QuoteArgumentTest, QuotesAndEscapes) {
    EXPECT_EQ(QuoteArgument(GetParam().argument), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(Table, QuoteArgumentTest, ::testing::ValuesIn(test::ArgumentCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tess
