#include <QCheckBox>
#include <QTest>

#include "Form1Harness.h"

using namespace tess;
using namespace tess::test;

namespace {
using Writes = std::vector<std::pair<std::string, std::string>>;

Form1& LoadWith(Form1Harness& h, const char* windowsStartup, const char* minimized) {
    h.Store(keys::kWindowsStartup, windowsStartup);
    h.Store(keys::kMinimized, minimized);
    Form1& form = h.Load();
    h.store.writes.clear();
    return form;
}
}  // namespace

class Form1StartupTest : public QObject {
    Q_OBJECT

private slots:
    void checkingRegistersAndOffersTheTrayOption() {
        Form1Harness h;
        Form1& form = LoadWith(h, "Off", "Off");
        form.Check4->click();
        QVERIFY(form.Check4->isChecked());
        QVERIFY(!form.Check8->isHidden());
        QVERIFY(!form.Check8->isChecked());
        QCOMPARE(h.store.writes, (Writes{{"Windows Startup", "On"}}));
        QCOMPARE(h.startup.adds, 1);
        QCOMPARE(h.startup.removes, 0);
        QVERIFY(h.dialogs.messages.empty());
    }

    void clearingUnregistersAndTurnsTheTrayOptionOff() {
        Form1Harness h;
        Form1& form = LoadWith(h, "On", "On");
        form.Check4->click();
        QVERIFY(!form.Check4->isChecked());
        QVERIFY(!form.Check8->isChecked());
        QVERIFY(form.Check8->isHidden());
        QCOMPARE(h.store.writes, (Writes{{"Minimized", "Off"}, {"Windows Startup", "Off"}}));
        QCOMPARE(h.startup.removes, 1);
        QCOMPARE(h.startup.adds, 0);
    }

    void checkingAgainLeavesTheTrayOptionClear() {
        Form1Harness h;
        Form1& form = LoadWith(h, "On", "On");
        form.Check4->click();
        form.Check4->click();
        QVERIFY(!form.Check8->isChecked());
        QVERIFY(!form.Check8->isHidden());
        QCOMPARE(h.startup.adds, 1);
        QCOMPARE(h.Stored(keys::kMinimized), std::optional<std::string>("Off"));
    }

    void refusedRegistrationIsReportedAndUndone_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("check8Checked");
        QTest::newRow("stored Off") << "Off" << false;
        QTest::newRow("stored lower-case on, tray option set") << "on" << true;
    }
    void refusedRegistrationIsReportedAndUndone() {
        QFETCH(QString, stored);
        QFETCH(bool, check8Checked);
        Form1Harness h;
        Form1& form = LoadWith(h, qPrintable(stored), check8Checked ? "On" : "Off");
        const std::string reason =
            "Cannot write /etc/xdg/autostart/tessaline.desktop: Permission denied";
        h.startup.refusal = reason;
        form.Check4->click();
        QCOMPARE(h.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(h.dialogs.messages[0].text, reason);
        QCOMPARE(h.dialogs.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(h.dialogs.messages[0].title, std::string());
        QVERIFY(!form.Check4->isChecked());
        QVERIFY(form.Check8->isHidden());
        QCOMPARE(form.Check8->isChecked(), check8Checked);
        QCOMPARE(h.Stored(keys::kWindowsStartup), std::optional<std::string>(stored.toStdString()));
        QCOMPARE(h.startup.adds, 1);
        QCOMPARE(h.startup.removes, 0);
        QCOMPARE(h.Stored(keys::kMinimized),
                 std::optional<std::string>(check8Checked ? "On" : "Off"));
    }

    void trayOptionIsStored() {
        Form1Harness h;
        Form1& form = LoadWith(h, "On", "Off");
        form.Check8->click();
        form.Check8->click();
        QCOMPARE(h.store.writes, (Writes{{"Minimized", "On"}, {"Minimized", "Off"}}));
        QCOMPARE(h.startup.adds + h.startup.removes, 0);
    }

    void failingWritesKeepTheProgramGoing() {
        Form1Harness h;
        Form1& form = LoadWith(h, "Off", "Off");
        h.store.failWrites = true;
        form.Check4->click();
        QVERIFY(form.Check4->isChecked());
        QCOMPARE(h.startup.adds, 1);
        QVERIFY(h.dialogs.messages.empty());
    }
};

QTEST_MAIN(Form1StartupTest)
#include "Form1StartupTest.moc"
