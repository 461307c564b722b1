#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "Form1Harness.h"
#include "TestPictures.h"
#include "Vendor.h"
#include "common/AppTitle.h"
#include "tray/NotifyIconData.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

using namespace tess;
using namespace tess::test;

namespace {

QList<int> Lines(const RecordingDialogs& dialogs) {
    const auto lines = ReportLines(dialogs);
    return QList<int>(lines.begin(), lines.end());
}

QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

}  // namespace

class Form1LoadTest : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreGivesTheFirstStartWindow() {
        Form1Harness h;
        Form1& form = h.Load();

        QVERIFY(h.dialogs.messages.empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("Tessaline"));
        QCOMPARE(AppTitle(), std::string("Tessaline"));
        QVERIFY(!form.IsLoading());
        QCOMPARE(form.ListView2->model()->rowCount(), 12);
        QCOMPARE(form.ListView2->model()->index(0, 0).data().toString(),
                 QStringLiteral("Log every 1 second"));
        QCOMPARE(form.ListView2->model()->index(11, 0).data().toString(),
                 QStringLiteral("Log every 24 hours"));
        QCOMPARE(form.ListView2->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("How often would you like to log battery level?"));
        QCOMPARE(form.ListView2->columnWidth(0), form.Twips(7000));
        QCOMPARE(form.ListView2->SelectedIndex(), 2);
        QCOMPARE(form.Text1->text().toStdString(), h.temp.File("Tessaline.txt"));
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic Log"));
        QCOMPARE(h.timer1.interval, 0);
        QVERIFY(!h.timer1.Running());
        QCOMPARE(form.Frame1->title(), QStringLiteral("Next log will occur in"));
        QVERIFY(!form.Check4->isChecked());
        QVERIFY(form.Check8->isHidden());
        QCOMPARE(form.windowState(), Qt::WindowNoState);
        QCOMPARE(form.ListView1->Count(), 0);
        QCOMPARE(form.ElapsedSeconds(), 0);
        QVERIFY(h.launcher.urls.empty());

        // The store afterwards holds the path alone.
        QCOMPARE(h.store.writes.size(), std::size_t{1});
        QCOMPARE(h.store.writes[0].first, std::string("Text1"));
        QCOMPARE(h.store.writes[0].second, h.temp.File("Tessaline.txt"));
        QCOMPARE(h.store.values.size(), std::size_t{1});

        // The tray icon is there with its tip.
        QCOMPARE(form.cSysTray1().TrayTip(), std::string("Tessaline"));
        QVERIFY(form.cSysTray1().InTray());
        QCOMPARE(h.trayShell.Messages(), std::vector<std::uint32_t>{kNimAdd});
        QCOMPARE(h.trayShell.sent[0].record.hIcon, std::string("tray-q"));
        QCOMPARE(h.trayShell.sent[0].record.szTip, std::string("Tessaline"));
    }

    void windowFollowsItsDesign() {
        Form1Harness h;
        Form1& form = h.Load();
        const auto twips = [&](int l, int t, int w, int ht) {
            return QRect(form.Twips(l), form.Twips(t), form.Twips(w), form.Twips(ht));
        };
        QCOMPARE(form.size(), QSize(form.Twips(8040), form.Twips(8565)));
        QCOMPARE(form.Frame1->geometry(), twips(120, 60, 7800, 840));
        QCOMPARE(form.ProgressBar1->geometry(), twips(240, 285, 7320, 405));
        QCOMPARE(form.ListView1->geometry(), twips(120, 1000, 7800, 2535));
        QCOMPARE(form.ListView2->geometry(), twips(120, 3630, 7800, 1590));
        QCOMPARE(form.Frame2->geometry(), twips(120, 5270, 7800, 735));
        QCOMPARE(form.Check4->geometry(), twips(240, 300, 3930, 285));
        QCOMPARE(form.Check8->geometry(), twips(4200, 300, 2580, 285));
        QCOMPARE(form.Frame3->geometry(), twips(120, 6070, 7800, 820));
        QCOMPARE(form.Text1->geometry(), twips(240, 300, 6495, 345));
        QCOMPARE(form.PushButton7->geometry(), twips(6840, 300, 720, 345));
        QCOMPARE(form.PushButton5->geometry(), twips(120, 7020, 3840, 405));
        QCOMPARE(form.PushButton6->geometry(), twips(4080, 7020, 3840, 405));
        QCOMPARE(form.PushButton1->geometry(), twips(120, 7530, 3840, 405));
        QCOMPARE(form.PushButton2->geometry(), twips(4080, 7530, 3840, 405));
        QCOMPARE(form.PushButton3->geometry(), twips(120, 8040, 3840, 405));
        QCOMPARE(form.PushButton4->geometry(), twips(4080, 8040, 3840, 405));

        QCOMPARE(form.PushButton6->text(), QStringLiteral("Log Battery Level Now (Test)"));
        QCOMPARE(form.PushButton1->text(), QStringLiteral("View Log"));
        QCOMPARE(form.PushButton2->text(), QStringLiteral("Copy Log To Clipboard"));
        QCOMPARE(form.PushButton3->text(), QStringLiteral("Help"));
        QCOMPARE(form.PushButton4->text(), QStringLiteral("Clear Log"));
        QCOMPARE(form.PushButton7->text(), QStringLiteral("..."));
        QCOMPARE(form.Frame2->title(), QStringLiteral("Startup Options"));
        QCOMPARE(form.Frame3->title(), QStringLiteral("Log File"));
        QCOMPARE(form.Check4->text(), QStringLiteral("Load this software on Windows startup"));
        QCOMPARE(form.Check8->text(), QStringLiteral("Minimized to system tray"));

        QCOMPARE(form.font().pointSizeF(), 9.0);
        QVERIFY(!form.font().bold());
        QCOMPARE(form.PushButton5->font().pointSizeF(), 11.25);
        QVERIFY(form.PushButton5->font().bold());
        QCOMPARE(form.Check4->font().pointSizeF(), 9.0);
        QVERIFY(form.Check4->font().bold());
        QVERIFY(form.Text1->font().bold());
        QVERIFY(form.font().families().contains(QStringLiteral("Arial")));

        QCOMPARE(Background(&form), QColor(Qt::white));
        QCOMPARE(Background(form.Frame1), QColor(Qt::white));
        QCOMPARE(Background(form.Check8), QColor(Qt::white));
    }

    void tabOrderFollowsTheDesign() {
        Form1Harness h;
        Form1& form = h.Load();
        const QList<QWidget*> expected = {form.PushButton5, form.PushButton6, form.PushButton1,
                                          form.PushButton2, form.Check8,      form.Check4,
                                          form.PushButton3, form.PushButton4, form.Text1,
                                          form.PushButton7, form.ListView2};
        QList<QWidget*> chain;
        QWidget* w = form.PushButton5;
        for (int i = 0; i < 200 && chain.size() < expected.size(); ++i, w = w->nextInFocusChain()) {
            if (expected.contains(w)) chain.append(w);
        }
        QCOMPARE(chain, expected);
    }

    void startStopState_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("entries");
        QTest::newRow("Off") << "Off"
                             << "Turn On Automatic Log" << 0 << 0;
        QTest::newRow("On") << "On"
                            << "Turn Off Automatic Log" << 1000 << 1;
        QTest::newRow("lower-case on") << "on"
                                       << "Turn On Automatic Logging" << 0 << 0;
        QTest::newRow("empty") << ""
                               << "Turn On Automatic Logging" << 0 << 0;
    }
    void startStopState() {
        QFETCH(QString, stored);
        QFETCH(QString, caption);
        QFETCH(int, interval);
        QFETCH(int, entries);
        Form1Harness h;
        h.Store(keys::kStartStopState, stored.toStdString());
        Form1& form = h.Load();
        QCOMPARE(form.PushButton5->text(), caption);
        QCOMPARE(h.timer1.interval, interval);
        QVERIFY(h.timer1.enabled);
        QCOMPARE(form.ListView1->Count(), entries);
        const std::string expectedFile =
            entries == 1 ? "12/7/2026 6:01:43 AM Running on AC Power\r\n" : "";
        QCOMPARE(h.LogText(), expectedFile);
        QVERIFY(h.dialogs.messages.empty());
    }

    void startupOptions_data() {
        QTest::addColumn<QString>("windowsStartup");
        QTest::addColumn<QString>("minimized");
        QTest::addColumn<bool>("check4");
        QTest::addColumn<bool>("check8");
        QTest::addColumn<bool>("check8Shown");
        QTest::addColumn<bool>("minimizedWindow");
        QTest::newRow("Off Off") << "Off"
                                 << "Off" << false << false << false << false;
        QTest::newRow("Off On") << "Off"
                                << "On" << false << true << false << false;
        QTest::newRow("On Off") << "On"
                                << "Off" << true << false << true << false;
        QTest::newRow("On On") << "On"
                               << "On" << true << true << true << true;
        QTest::newRow("on On") << "on"
                               << "On" << false << true << false << false;
        QTest::newRow("On on") << "On"
                               << "on" << true << false << true << false;
    }
    void startupOptions() {
        QFETCH(QString, windowsStartup);
        QFETCH(QString, minimized);
        QFETCH(bool, check4);
        QFETCH(bool, check8);
        QFETCH(bool, check8Shown);
        QFETCH(bool, minimizedWindow);
        Form1Harness h;
        h.Store(keys::kWindowsStartup, windowsStartup.toStdString());
        h.Store(keys::kMinimized, minimized.toStdString());
        Form1& form = h.Load();
        QCOMPARE(form.Check4->isChecked(), check4);
        QCOMPARE(form.Check8->isChecked(), check8);
        QCOMPARE(!form.Check8->isHidden(), check8Shown);
        QCOMPARE(form.windowState().testFlag(Qt::WindowMinimized), minimizedWindow);
        // Restoring the boxes never touches the registration nor the start-up key.
        QCOMPARE(h.startup.adds, 0);
        QCOMPARE(h.startup.removes, 0);
        for (const auto& [key, value] : h.store.writes) {
            QVERIFY(key != keys::kWindowsStartup);
            // Check8's click handling writes back the value that checked it.
            if (key == keys::kMinimized) QCOMPARE(value, std::string("On"));
        }
        QVERIFY(h.dialogs.messages.empty());
    }

    void badOftenIndexIsReported_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("selected");
        QTest::newRow("not a number") << "abc" << QList<int>{162, 164} << 0;
        QTest::newRow("beyond 16 bits") << "70000" << QList<int>{162, 164} << 0;
        QTest::newRow("empty") << "" << QList<int>{162, 164} << 0;
        QTest::newRow("0") << "0" << QList<int>{164} << 0;
        QTest::newRow("13") << "13" << QList<int>{164} << 0;
        QTest::newRow("-1") << "-1" << QList<int>{164} << 0;
        QTest::newRow("12") << "12" << QList<int>{} << 12;
        QTest::newRow("spaces") << " 5 " << QList<int>{} << 5;
        QTest::newRow("half rounds to even") << "2.5" << QList<int>{} << 2;
        QTest::newRow("fraction rounds") << "3.6" << QList<int>{} << 4;
    }
    void badOftenIndexIsReported() {
        QFETCH(QString, stored);
        QFETCH(QList<int>, lines);
        QFETCH(int, selected);
        Form1Harness h;
        h.Store(keys::kOftenIndex, stored.toStdString());
        Form1& form = h.Load();
        QCOMPARE(Lines(h.dialogs), lines);
        for (const auto& m : h.dialogs.messages) {
            QVERIFY(m.text.find("in Pellwick2021/08/31.Form1.Form_Load at line") !=
                    std::string::npos);
            QCOMPARE(m.icon, MessageIcon::Exclamation);
        }
        QCOMPARE(form.ListView2->SelectedIndex(), selected);
        // The load went on: the path and the switch are set, the bad value stays stored.
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic Log"));
        QVERIFY(!form.Text1->text().isEmpty());
        QCOMPARE(h.Stored(keys::kOftenIndex), std::optional<std::string>(stored.toStdString()));
    }

    void storedPathIsRestored() {
        Form1Harness h;
        const std::string path = h.temp.File("my logs/battery log.txt");
        h.Store(keys::kText1, path);
        Form1& form = h.Load();
        QCOMPARE(form.LogPath(), path);
        QCOMPARE(h.store.writes.size(), std::size_t{1});
        QCOMPARE(h.store.writes[0].second, path);
    }

    void homePageOpensOnADrawOfSeven_data() {
        QTest::addColumn<int>("draw");
        QTest::addColumn<bool>("opens");
        QTest::newRow("1") << 1 << false;
        QTest::newRow("6") << 6 << false;
        QTest::newRow("7") << 7 << true;
        QTest::newRow("100") << 100 << false;
    }
    void homePageOpensOnADrawOfSeven() {
        QFETCH(int, draw);
        QFETCH(bool, opens);
        Form1Harness h;
        h.homePageDraw = draw;
        h.Load();
        const std::vector<std::string> expected =
            opens ? std::vector<std::string>{std::string("https://") + kVendorHost + "/"}
                  : std::vector<std::string>{};
        QCOMPARE(h.launcher.urls, expected);
    }

    void homePageThatCannotOpenIsReportedAndTheLoadGoesOn() {
        Form1Harness h;
        h.homePageDraw = 7;
        h.launcher.fail = true;
        Form1& form = h.Load();
        QCOMPARE(Lines(h.dialogs), QList<int>{106});
        QVERIFY(h.dialogs.messages[0].text.rfind("Cannot start xdg-open\r\n", 0) == 0);
        QCOMPARE(form.ListView2->SelectedIndex(), 2);
        QVERIFY(form.cSysTray1().InTray());
    }

    void handPointerComesFromTheCursorFile() {
        Form1Harness h;
        WriteAll(h.programFolder + "/HAND-M.CUR", test::CursorFileData(32, 9, 3).toStdString());
        Form1& form = h.Load();
        QVERIFY(h.dialogs.messages.empty());
        QCOMPARE(form.MouseIcon().hotSpot(), QPoint(9, 3));
        QCOMPARE(form.MouseIcon().pixmap().size(), QSize(32, 32));
    }

    void unreadableCursorFileIsReportedUnderLine128() {
        Form1Harness h;
        WriteAll(h.programFolder + "/HAND-M.CUR", "not a cursor");
        Form1& form = h.Load();
        QCOMPARE(Lines(h.dialogs), QList<int>{128});
        QVERIFY(h.dialogs.messages[0].text.rfind("Invalid picture\r\n", 0) == 0);
        QCOMPARE(form.ListView2->SelectedIndex(), 2);
    }

    void withoutSkinTheWindowStaysWhite() {
        Form1Harness h;
        Form1& form = h.Load();
        QVERIFY(form.styleSheet().isEmpty());
        QCOMPARE(Background(form.Frame2), QColor(Qt::white));
        QCOMPARE(Background(form.Check4), QColor(Qt::white));
    }

    void skinRecoloursThenAppliesItsStyleSheet() {
        Form1Harness h;
        const std::string sheet = "QPushButton { color: navy; }";
        WriteAll(h.programFolder + "/x/o.cjs", sheet);
        Form1& form = h.Load();
        QVERIFY(h.dialogs.messages.empty());
        QCOMPARE(form.styleSheet().toStdString(), sheet);
        const QColor face = QApplication::palette().color(QPalette::Button);
        for (const QWidget* w :
             {static_cast<QWidget*>(&form), static_cast<QWidget*>(form.Frame1),
              static_cast<QWidget*>(form.Frame2), static_cast<QWidget*>(form.Frame3),
              static_cast<QWidget*>(form.Check4), static_cast<QWidget*>(form.Check8)}) {
            QCOMPARE(Background(w), face);
        }
    }

    void windowIconComesFromTheSupportWindow() {
        Form1Harness h;
        QPixmap picture(32, 32);
        picture.fill(Qt::cyan);
        h.ghostIcon = [picture] { return QIcon(picture); };
        Form1& form = h.Load();
        QVERIFY(!form.windowIcon().isNull());
    }
};

QTEST_MAIN(Form1LoadTest)
#include "Form1LoadTest.moc"
