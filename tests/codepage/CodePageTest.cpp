#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "LogTextPieces.h"
#include "TempDir.h"
#include "common/Files.h"
#include "common/win32/AnsiText.h"
#include "engine/DateTimeText.h"
#include "engine/LogFile.h"
#include "engine/win32/Win32DateTimeFormat.h"
#include "settings/DefaultLogPath.h"
#include "tray/NotifyIconData.h"
#include "tray/win32/ShellRecord.h"

// Text between the program (UTF-8) and Windows, in the ANSI code page this
// executable runs with: 1252 (English), 1253 (Greek, from the Unix locale Wine
// is started in) or 65001 (the system's UTF-8 option, from the manifest).
namespace tess {
namespace {

struct CodePage {
    UINT acp;
    // A name of the user's characters: for 1252 and 65001 with a letter of the
    // code page and one (Ω) that 1252 lacks. Under a Greek Unix locale Wine
    // can store only names of that locale's characters.
    const char* name;
    // `name` in the ANSI code page.
    const char* ansiName;
    // 7 December 2026, 18:01:43 in the user's general date format, and as the
    // log holds it.
    const char* generalDate;
    const char* ansiGeneralDate;
    // What of "ΩΩ" fits after 126 bytes into the tray's tip field.
    const char* lastTipCharacter;
};

const CodePage& ThisCodePage() {
    static const CodePage english{1252, "Zo\xC3\xAB \xCE\xA9", "Zo\xEB ?", "12/7/2026 6:01:43 PM",
                                  "12/7/2026 6:01:43 PM", "?"};
    static const CodePage greek{1253, "\xCE\x96\xCF\x89\xCE\xAE", "\xC6\xF9\xDE",
                                "7/12/2026 6:01:43 \xCE\xBC.\xCE\xBC.", "7/12/2026 6:01:43 \xEC.\xEC.", "\xD9"};
    static const CodePage utf8{65001, "Zo\xC3\xAB \xCE\xA9", "Zo\xC3\xAB \xCE\xA9",
                               "12/7/2026 6:01:43 PM", "12/7/2026 6:01:43 PM", ""};
    switch (TESSALINE_EXPECTED_ACP) {
        case 1253:
            return greek;
        case 65001:
            return utf8;
        default:
            return english;
    }
}

// The variable's value for the life of a test.
class ScopedTemp {
public:
    explicit ScopedTemp(const std::string& value) {
        wchar_t saved[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(L"TEMP", saved, MAX_PATH);
        if (length > 0 && length < MAX_PATH) saved_.assign(saved, length);
        SetEnvironmentVariableW(L"TEMP", Utf8Path(value).c_str());
    }
    ~ScopedTemp() { SetEnvironmentVariableW(L"TEMP", saved_.empty() ? nullptr : saved_.c_str()); }
    ScopedTemp(const ScopedTemp&) = delete;
    ScopedTemp& operator=(const ScopedTemp&) = delete;

private:
    std::wstring saved_;
};

class CodePageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), ThisCodePage().acp); }

    const CodePage& cp = ThisCodePage();
    test::TempDir dir;
};

TEST_F(CodePageTest, TextGoesToTheAnsiCodePageAndBack) {
    EXPECT_EQ(Utf8ToAnsi(cp.name), cp.ansiName);
    EXPECT_EQ(Utf8ToAnsi("Tessaline"), "Tessaline");
    if (std::string(cp.ansiName).find('?') == std::string::npos) {
        EXPECT_EQ(AnsiToUtf8(cp.ansiName), cp.name);
    }
}

TEST_F(CodePageTest, ATrayTextIsCutAfterAWholeCharacter) {
    // The tip field takes 127 bytes and its NUL: a character of several bytes
    // that does not fit whole stays out, so the shell never shows half of one.
    const std::string head(126, 'a');
    const NOTIFYICONDATAA data =
        ToShellRecord(TipRecord(0, 0, head + "\xCE\xA9\xCE\xA9"), nullptr);
    EXPECT_EQ(std::string(data.szTip), head + cp.lastTipCharacter);
}

TEST_F(CodePageTest, TheDateAndTimeAreTheUsersAndReachTheLogInTheAnsiCodePage) {
    const std::string text = GeneralDate({2026, 12, 7, 18, 1, 43}, Win32DateTimeFormat());
    EXPECT_EQ(text, cp.generalDate);
    const std::string log = dir.File("log.txt");
    DurableLogWriter().AppendLine(log, text + " Running on AC Power");
    EXPECT_EQ(test::ReadAll(log), std::string(cp.ansiGeneralDate) + " Running on AC Power\r\n");
}

// Copy Log reads the log back in pieces: a piece may end inside a character.
TEST_F(CodePageTest, TheLogReadsBackAsItWasWritten) {
    const std::string ansi = std::string(cp.ansiGeneralDate) + " " + cp.ansiName + "\r\n";
    for (std::size_t piece = 1; piece <= 3; ++piece) {
        EXPECT_EQ(test::DecodeInPieces(ansi, piece),
                  std::string(cp.generalDate) + " " + AnsiToUtf8(cp.ansiName) + "\r\n");
    }
}

TEST_F(CodePageTest, APathInTheUsersCharactersNamesThatFile) {
    const std::string path = dir.File(std::string(cp.name) + ".txt");
    EXPECT_FALSE(FileExists(path));
    const HANDLE file = CreateFileW(Utf8Path(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(FileExists(path));
    DurableLogWriter().AppendLine(path, "one");
    EXPECT_EQ(test::ReadAll(path), "one\r\n");
}

TEST_F(CodePageTest, TheDefaultLogGoesIntoATempFolderOfTheUsersCharacters) {
    const std::string temp = dir.File(cp.name);
    ASSERT_TRUE(CreateDirectoryW(Utf8Path(temp).c_str(), nullptr));
    const ScopedTemp scoped(temp);
    const std::string path = ComputeDefaultLogPath("Tessaline");
    EXPECT_EQ(path, temp + "\\Tessaline.txt");
    DurableLogWriter().AppendLine(path, "one");
    EXPECT_EQ(test::ReadAll(temp + "\\Tessaline.txt"), "one\r\n");
}

}  // namespace
}  // namespace tess
