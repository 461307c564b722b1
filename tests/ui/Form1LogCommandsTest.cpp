#include <sys/stat.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "Form1Harness.h"
#include "Vendor.h"
#include "ui/qt/QtLogList.h"

using namespace tess;
using namespace tess::test;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoHistory =
    "There isn't a history to view because actions have not been performed yet.";

Form1& LoadWithPath(Form1Harness& h, const std::string& path) {
    Form1& form = h.Load();
    form.Text1->setText(QString::fromStdString(path));
    h.store.writes.clear();
    return form;
}

void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

}  // namespace

class Form1LogCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void viewLogHandsThePathAsOneArgument() {
        Form1Harness h;
        const std::string path = h.temp.File("log folder/battery log.txt");
        WriteAll(path, "line\r\n");
        Form1& form = LoadWithPath(h, path);
        form.PushButton1->click();
        QCOMPARE(h.launcher.edited, std::vector<std::string>{path});
        QVERIFY(h.dialogs.messages.empty());
    }

    void viewLogWithoutAFile_data() {
        QTest::addColumn<bool>("emptyPath");
        QTest::newRow("missing file") << false;
        QTest::newRow("empty path") << true;
    }
    void viewLogWithoutAFile() {
        QFETCH(bool, emptyPath);
        Form1Harness h;
        Form1& form = LoadWithPath(h, emptyPath ? "" : h.temp.File("none.txt"));
        form.PushButton1->click();
        QVERIFY(h.launcher.edited.empty());
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
        const MessageRequest& shown = h.dialogs.messages[0];
        QCOMPARE(shown.text, std::string(kNoHistory));
        QCOMPARE(shown.title, std::string());  // the application title
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.icon, MessageIcon::None);
    }

    void editorThatCannotStartIsReportedOnce() {
        Form1Harness h;
        const std::string path = h.temp.File("log.txt");
        WriteAll(path, "x\r\n");
        Form1& form = LoadWithPath(h, path);
        h.launcher.fail = true;
        form.PushButton1->click();
        QCOMPARE(ReportLines(h.dialogs), std::vector<int>{102});
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
        QVERIFY(h.dialogs.messages[0].text.find("Form1.PushButton1_Click ") != std::string::npos);
    }

    void copyLogPutsTheWholeFileOnTheClipboard() {
        Form1Harness h;
        const std::string path = h.temp.File("big log.txt");
        std::string content;
        for (int i = 0; content.size() < 4'000'000; ++i) {
            content += "12/7/2026 6:01:" + std::to_string(i) +
                       " AM Battery Level is 57% (1 Hours, 2 Minutes, 3 Seconds remaining on "
                       "battery).\r\n";
        }
        WriteAll(path, content);
        Form1& form = LoadWithPath(h, path);
        form.PushButton2->click();
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), content);
        QVERIFY(h.dialogs.messages.empty());
    }

    void copyLogWithoutAFileDoesNothing_data() {
        QTest::addColumn<bool>("emptyPath");
        QTest::newRow("missing file") << false;
        QTest::newRow("empty path") << true;
    }
    void copyLogWithoutAFileDoesNothing() {
        QFETCH(bool, emptyPath);
        Form1Harness h;
        Form1& form = LoadWithPath(h, emptyPath ? "" : h.temp.File("none.txt"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        form.PushButton2->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(h.dialogs.messages.empty());
    }

    // Things with a modification time but no end of text to read: a folder, a
    // pipe nobody writes to (opening it would wait for ever) and a device.
    void copyOfAnUnreadableLogIsReportedAndCopiesTheLastText_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe without writer") << "pipe";
        QTest::newRow("endless device") << "device";
    }
    void copyOfAnUnreadableLogIsReportedAndCopiesTheLastText() {
        QFETCH(QString, kind);
        Form1Harness h;
        const std::string first = h.temp.File("first.txt");
        WriteAll(first, "first\r\n");
        Form1& form = LoadWithPath(h, first);
        form.PushButton2->click();
        std::string unreadable = "/dev/zero";
        if (kind == "folder") {
            unreadable = h.temp.File("a folder");
            fs::create_directories(unreadable);
        } else if (kind == "pipe") {
            unreadable = h.temp.File("a pipe");
            QVERIFY(::mkfifo(unreadable.c_str(), 0600) == 0);
        }
        form.Text1->setText(QString::fromStdString(unreadable));
        QGuiApplication::clipboard()->setText(QStringLiteral("other"));
        form.PushButton2->click();
        QCOMPARE(ReportLines(h.dialogs), std::vector<int>{102});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first\r\n"));
    }

    void clearLogAsksFirst() {
        Form1Harness h;
        const std::string path = h.temp.File("log.txt");
        Form1& form = LoadWithPath(h, path);
        form.PushButton6->click();
        h.dialogs.messages.clear();
        h.dialogs.answers = {MessageAnswer::No};
        form.PushButton4->click();
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
        const MessageRequest& asked = h.dialogs.messages[0];
        QCOMPARE(asked.text,
                 std::string("Are you sure you want to delete the history log and start over?"));
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.icon, MessageIcon::None);
        QCOMPARE(asked.title, std::string());
        QVERIFY(fs::exists(path));
        QCOMPARE(form.ListView1->Count(), 1);
    }

    void clearLogDeletesTheFileAndEmptiesTheList_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void clearLogDeletesTheFileAndEmptiesTheList() {
        QFETCH(bool, readOnly);
        Form1Harness h;
        const std::string path = h.temp.File("log folder/battery log.txt");
        Form1& form = LoadWithPath(h, path);
        fs::create_directories(fs::path(path).parent_path());
        form.PushButton6->click();
        if (readOnly) MakeReadOnly(path);
        h.dialogs.messages.clear();
        form.PushButton4->click();
        QVERIFY(!fs::exists(path));
        QCOMPARE(form.ListView1->Count(), 0);
        QCOMPARE(form.LogPath(), path);
        QVERIFY(h.store.writes.empty());
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});  // the question alone
        // The next entry starts the file anew.
        form.PushButton6->click();
        QCOMPARE(h.LogText(), std::string("12/7/2026 6:01:43 AM Running on AC Power\r\n"));
    }

    void clearLogLetsPendingEventsRunFirst() {
        Form1Harness h;
        const std::string path = h.temp.File("log.txt");
        Form1& form = LoadWithPath(h, path);
        form.PushButton6->click();
        h.yields = 0;
        h.duringYield[1] = [&] { form.PushButton6->click(); };
        form.PushButton4->click();
        // The entry written during the pass of pending events went with the file.
        QVERIFY(!fs::exists(path));
        QCOMPARE(form.ListView1->Count(), 0);
    }

    void clearLogWithAnEmptyPathOnlyEmptiesTheList() {
        Form1Harness h;
        Form1& form = LoadWithPath(h, h.temp.File("log.txt"));
        form.PushButton6->click();
        form.Text1->clear();
        h.dialogs.messages.clear();
        form.PushButton4->click();
        QCOMPARE(form.ListView1->Count(), 0);
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
        QVERIFY(fs::exists(h.temp.File("log.txt")));
    }

    void clearLogNeverDeletesByPattern() {
        Form1Harness h;
        const std::string other = h.temp.File("other.txt");
        WriteAll(other, "keep\r\n");
        Form1& form = LoadWithPath(h, h.temp.File("*.txt"));
        form.PushButton4->click();
        QVERIFY(fs::exists(other));
        form.Text1->setText(QString::fromStdString(h.temp.File("o?her.txt")));
        form.PushButton4->click();
        QVERIFY(fs::exists(other));
    }

    void clearLogNeverDeletesAFolder() {
        Form1Harness h;
        const std::string folder = h.temp.File("logs");
        WriteAll(folder + "/inside.txt", "keep\r\n");
        Form1& form = LoadWithPath(h, folder);
        form.PushButton4->click();
        QVERIFY(fs::exists(folder + "/inside.txt"));
        QCOMPARE(ReportLines(h.dialogs), std::vector<int>{});
    }

    void chosenFileBecomesTheLogPath() {
        Form1Harness h;
        Form1& form = LoadWithPath(h, h.temp.File("log.txt"));
        const std::string chosen = h.temp.File("new folder/my log.txt");
        h.dialogs.nextFile = chosen;
        form.PushButton7->click();
        QCOMPARE(h.dialogs.fileRequests.size(), std::size_t{1});
        QCOMPARE(h.dialogs.fileRequests[0].title, std::string("Specify Log File"));
        QCOMPARE(h.dialogs.fileRequests[0].filter, std::string("Text File (*.txt)"));
        QCOMPARE(h.dialogs.fileRequests[0].initialPath, std::string());
        QCOMPARE(form.LogPath(), chosen);
        QCOMPARE(h.store.writes,
                 (std::vector<std::pair<std::string, std::string>>{{"Text1", chosen}}));
    }

    void cancelledDialogChangesNothing() {
        Form1Harness h;
        const std::string path = h.temp.File("log.txt");
        Form1& form = LoadWithPath(h, path);
        h.dialogs.nextFile = std::nullopt;
        form.PushButton7->click();
        QCOMPARE(form.LogPath(), path);
        QVERIFY(h.store.writes.empty());
    }

    void choosingTheSameFileWritesNothing() {
        Form1Harness h;
        const std::string path = h.temp.File("log.txt");
        Form1& form = LoadWithPath(h, path);
        h.dialogs.nextFile = path;
        form.PushButton7->click();
        QVERIFY(h.store.writes.empty());
    }

    void everyChangeOfThePathIsStored() {
        Form1Harness h;
        Form1& form = LoadWithPath(h, "");
        QTest::keyClicks(form.Text1, "a b");
        QCOMPARE(h.store.writes, (std::vector<std::pair<std::string, std::string>>{
                                     {"Text1", "a"}, {"Text1", "a "}, {"Text1", "a b"}}));
    }

    void helpNamesTheContactPage() {
        Form1Harness h;
        Form1& form = h.Load();
        form.PushButton3->click();
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(h.dialogs.messages[0].text,
                 std::string("Questions? Please contact Team Quorvane at http://") + kVendorHost +
                     "/contact/");
        QCOMPARE(h.dialogs.messages[0].icon, MessageIcon::None);
        QCOMPARE(h.dialogs.messages[0].title, std::string());
    }
};

QTEST_MAIN(Form1LogCommandsTest)
#include "Form1LogCommandsTest.moc"
