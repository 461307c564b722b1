#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "common/Error.h"
#include "engine/LogFile.h"

namespace tess {
namespace {

TEST(DurableLogWriterTest, CreatesThenAppendsWithCrLf) {
    test::TempDir dir;
    DurableLogWriter writer;
    const auto path = dir.File("a b%c.txt");
    writer.AppendLine(path, "one");
    writer.AppendLine(path, "two");
    EXPECT_EQ(test::ReadAll(path), "one\r\ntwo\r\n");
}

struct FailingPath {
    const char* name;
    std::string (*path)(const test::TempDir&);
};

class DurableLogWriterFailureTest : public ::testing::TestWithParam<FailingPath> {};

TEST_P(DurableLogWriterFailureTest, ThrowsThePlatformDescription) {
    test::TempDir dir;
    DurableLogWriter writer;
    try {
        writer.AppendLine(GetParam().path(dir), "line");
        FAIL() << "no error";
    } catch (const Error& e) {
        const std::string text = e.what();
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find_last_of("\r\n"), std::string::npos) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DurableLogWriterFailureTest,
    ::testing::Values(FailingPath{"Empty", [](const test::TempDir&) { return std::string(); }},
                      FailingPath{"MissingFolder",
                                  [](const test::TempDir& d) { return d.File("no/such/log.txt"); }},
                      FailingPath{"Folder",
                                  [](const test::TempDir& d) { return d.path().string(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess
