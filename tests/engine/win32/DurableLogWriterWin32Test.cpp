#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "common/Error.h"
#include "common/win32/SystemError.h"
#include "engine/LogFile.h"

namespace tess {
namespace {

// The tests run in an English locale, whose ANSI code page is 1252.
class DurableLogWriterWin32Test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u); }

    test::TempDir dir;
    DurableLogWriter writer;
};

TEST_F(DurableLogWriterWin32Test, WritesTheLineInTheAnsiCodePage) {
    const auto path = dir.File("log.txt");
    // "Café 21°, 5 €" and a Greek capital omega, which code page 1252 lacks.
    writer.AppendLine(path, "Caf\xC3\xA9 21\xC2\xB0, 5 \xE2\x82\xAC \xCE\xA9");
    EXPECT_EQ(test::ReadAll(path), "Caf\xE9 21\xB0, 5 \x80 ?\r\n");
}

TEST_F(DurableLogWriterWin32Test, TakesAPathWithAnAnsiCharacter) {
    writer.AppendLine(dir.File("Zo\xC3\xAB.txt"), "one");
    EXPECT_EQ(test::ReadAll((dir.path() / std::filesystem::path(L"Zo\u00EB.txt")).string()),
              "one\r\n");
}

TEST_F(DurableLogWriterWin32Test, LeavesTheFileFreeForOthers) {
    const auto path = dir.File("log.txt");
    writer.AppendLine(path, "one");
    // Nobody may share the file with this handle: it opens only when no one holds it.
    const HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    CloseHandle(exclusive);
}

TEST_F(DurableLogWriterWin32Test, AppendsWhileAReaderSharesTheFile) {
    const auto path = dir.File("log.txt");
    writer.AppendLine(path, "one");
    const HANDLE reader =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    writer.AppendLine(path, "two");
    CloseHandle(reader);
    EXPECT_EQ(test::ReadAll(path), "one\r\ntwo\r\n");
}

TEST_F(DurableLogWriterWin32Test, ReportsTheSystemsDescriptionOfALockedFile) {
    const auto path = dir.File("log.txt");
    const HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        writer.AppendLine(path, "line");
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), SystemErrorText(ERROR_SHARING_VIOLATION));
    }
    CloseHandle(holder);
    // The failed call left nothing open either.
    writer.AppendLine(path, "line");
    EXPECT_EQ(test::ReadAll(path), "line\r\n");
}

TEST(SystemErrorTextTest, IsTheSystemsTextWithoutItsLineBreak) {
    const std::string text = SystemErrorText(ERROR_PATH_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_NE(text.back(), ' ');
    EXPECT_EQ(SystemErrorText(0x2FFFFFFF), "System error 805306367");
}

}  // namespace
}  // namespace tess
