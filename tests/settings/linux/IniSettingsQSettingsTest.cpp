#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <algorithm>
#include <string>

#include "TempDir.h"
#include "settings/Settings.h"
#include "settings/linux/IniSettingsStore.h"

// QSettings' IniFormat is the reference of the settings file: what either side
// writes, the other reads back as the same string.
namespace tess {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

class IniQSettingsTest : public ::testing::Test {
protected:
    std::string Get(const std::string& key) const {
        return store.Read(kSettingsApplication, kSettingsSection, key, "<none>");
    }
    void Put(const std::string& key, const std::string& value) {
        store.Write(kSettingsApplication, kSettingsSection, key, value);
    }
    std::string QtGet(const std::string& key) const {
        const QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
        return settings.value(QtKey(key), "<none>").toString().toStdString();
    }
    void QtPut(const std::string& key, const std::string& value) const {
        QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
        settings.setValue(QtKey(key), QString::fromStdString(value));
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }
    static QString QtKey(const std::string& key) {
        return QString::fromStdString(std::string(kSettingsSection) + '/' + key);
    }

    TempDir dir;
    std::string folder = dir.File("config");
    std::string file = dir.File("config/Quorvane.conf");
    IniSettingsStore store{folder};
};

class IniTrickyValueTest : public IniQSettingsTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(IniTrickyValueTest, WrittenHereQSettingsReadsItOnOneLine) {
    Put(keys::kText1, GetParam());
    EXPECT_EQ(QtGet(keys::kText1), GetParam());
    EXPECT_EQ(Get(keys::kText1), GetParam());
    const std::string content = ReadAll(file);
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 2) << content;
}

TEST_P(IniTrickyValueTest, WrittenByQSettingsReadsTheSameHere) {
    QtPut(keys::kText1, GetParam());
    EXPECT_EQ(Get(keys::kText1), GetParam()) << ReadAll(file);
}

INSTANTIATE_TEST_SUITE_P(Values, IniTrickyValueTest,
                         ::testing::Values("", "/tmp/a b.txt", "  padded ", " ", "1,2", "a, b",
                                           "semi;colon", "=eq", "#hash", "\"quoted\"", "say \"hi\"",
                                           "\"", "C:\\Temp\\x.txt", "ends\\", "@Variant(x)",
                                           "@String(x)", "@@twice", "@", "ünïcödé", "emoji 😀",
                                           "tab\there", "\tlead", "trailing\t", "line\nbreak",
                                           "cr\r\n", "bell\aF", "del\x7f", "42", "-7", "On",
                                           // A hex digit after a \x or \0 escape must not join it.
                                           "\x01"
                                           "A!",
                                           "\x1f"
                                           "9",
                                           std::string("nul\0"
                                                       "1",
                                                       5),
                                           std::string("\0@", 2)));

// Lines edited by hand read as QSettings reads them: escapes, quotes and
// comments alike. Each is the last line of a file of its own.
TEST_F(IniQSettingsTest, HandEditedValuesReadAsQSettingsReadsThem) {
    const std::string lines[] = {
        "C:\\Temp\\new",  // unknown escapes stand for nothing, \n for a line break
        "0x10",
        "\"half",  // a quote that is never closed
        "\"On\" ; comment",
        " spaced ;value",
        "\\101\\x41\\x\\0",  // octal, hex, "\x" without digits, NUL
        "\\x10041",          // an escape is one UTF-16 unit
        "\\xd83d\\xde00",    // a surrogate pair
        "a\\ b\\q",
        "a \\t  ",              // blanks after an escape are dropped, the escape is not
        "  \"a b\"  c \"d\" ",  // quoted parts keep their blanks
        "@String(x\\0)",
        "@@x",
        "\\x4a\\x4B",
        " \t x \\",  // a backslash at the very end
    };
    int number = 0;
    for (const std::string& line : lines) {
        const std::string application = "Case" + std::to_string(++number);
        WriteAll(dir.File("config/" + application + ".conf"), "[Tessaline]\nValue=" + line);
        const QSettings settings(
            QString::fromStdString(dir.File("config/" + application + ".conf")),
            QSettings::IniFormat);
        EXPECT_EQ(store.Read(application, kSettingsSection, "Value", "<none>"),
                  settings.value("Tessaline/Value", "<none>").toString().toStdString())
            << line;
    }
}

// QSettings reads a list where a comma stands outside quotes; no single string
// stands for that, so the text is kept as written.
TEST_F(IniQSettingsTest, UnquotedCommasStayInTheText) {
    WriteAll(file, "[Tessaline]\nOftenIndex=1,2\nText1 = /tmp/a, b.txt  \n");
    EXPECT_EQ(Get(keys::kOftenIndex), "1,2");
    EXPECT_EQ(Get(keys::kText1), "/tmp/a, b.txt");
}

}  // namespace
}  // namespace tess
