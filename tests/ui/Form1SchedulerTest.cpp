#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "Form1Harness.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

using namespace tess;
using namespace tess::test;

namespace {

// The window loaded with the interval at `index` and automatic logging as stored.
Form1& LoadWith(Form1Harness& h, int index, const char* state = "Off") {
    h.Store(keys::kOftenIndex, std::to_string(index));
    h.Store(keys::kStartStopState, state);
    Form1& form = h.Load();
    h.store.writes.clear();
    return form;
}

QString Countdown(const Form1& form) {
    return form.Frame1->title();
}

QPoint RowCentre(QtIntervalList& list, int index) {
    return list.visualRect(list.model()->index(index - 1, 0)).center();
}

}  // namespace

class Form1SchedulerTest : public QObject {
    Q_OBJECT

private slots:
    void everySecondEveryTickWritesAnEntry() {
        Form1Harness h;
        Form1& form = LoadWith(h, 1, "On");
        QCOMPARE(form.ListView1->Count(), 1);  // written at start-up
        for (int tick = 1; tick <= 3; ++tick) {
            h.timer1.Elapse();
            QCOMPARE(form.ListView1->Count(), 1 + tick);
            QCOMPARE(Countdown(form), QStringLiteral("Next log will occur in 00:00:00"));
            QCOMPARE(form.ProgressBar1->value(), 0);
            QCOMPARE(form.ElapsedSeconds(), 0);
            QVERIFY(h.timer1.Running());
            QCOMPARE(h.timer1.interval, 1000);
        }
        // Each writing tick yields three times.
        QCOMPARE(h.yields, 9);
        std::string expected;
        for (int i = 0; i < 4; ++i) expected += "12/7/2026 6:01:43 AM Running on AC Power\r\n";
        QCOMPARE(h.LogText(), expected);
    }

    void everyFiveSecondsCountsDown() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "On");
        const QStringList left = {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"};
        for (int tick = 1; tick <= 5; ++tick) {
            h.timer1.Elapse();
            QCOMPARE(Countdown(form), QStringLiteral("Next log will occur in ") + left[tick - 1]);
            QCOMPARE(form.ProgressBar1->maximum(), 5);
            QCOMPARE(form.ProgressBar1->value(), tick < 5 ? tick : 0);
            QCOMPARE(form.ListView1->Count(), tick < 5 ? 1 : 2);
        }
        QCOMPARE(form.ElapsedSeconds(), 0);
        QCOMPARE(form.CurrentInterval(), 5);
        QCOMPARE(h.yields, 4 + 3);
    }

    void everyTwentyFourHoursStartsAtAlmostADay() {
        Form1Harness h;
        Form1& form = LoadWith(h, 12, "On");
        h.timer1.Elapse();
        QCOMPARE(Countdown(form), QStringLiteral("Next log will occur in 23:59:59"));
        QCOMPARE(form.ProgressBar1->maximum(), 86400);
        QCOMPARE(form.ProgressBar1->value(), 1);
        QCOMPARE(form.ListView1->Count(), 1);
    }

    void theEntryIsWrittenWithTheTimerStopped() {
        Form1Harness h;
        Form1& form = LoadWith(h, 1, "On");
        bool stoppedWhileWriting = false;
        h.power.onSample = [&] {
            stoppedWhileWriting = !h.timer1.enabled && h.timer1.interval == 0;
        };
        h.timer1.Elapse();
        QVERIFY(stoppedWhileWriting);
        QVERIFY(h.timer1.Running());
        QCOMPARE(form.ListView1->Count(), 2);
    }

    void switchingOnWritesAtOnceAndKeepsTheCount() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "On");
        h.timer1.Elapse();
        h.timer1.Elapse();
        form.PushButton5->click();  // off
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic Log"));
        QCOMPARE(h.timer1.interval, 0);
        QVERIFY(!h.timer1.Running());
        QCOMPARE(h.Stored(keys::kStartStopState), std::optional<std::string>("Off"));
        // The frame and the bar keep what they showed.
        QCOMPARE(Countdown(form), QStringLiteral("Next log will occur in 00:00:03"));
        QCOMPARE(form.ProgressBar1->value(), 2);
        h.timer1.Elapse();  // no tick arrives
        QCOMPARE(form.ElapsedSeconds(), 2);

        form.PushButton5->click();  // on
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn Off Automatic Log"));
        QCOMPARE(h.Stored(keys::kStartStopState), std::optional<std::string>("On"));
        QCOMPARE(form.ListView1->Count(), 2);
        QCOMPARE(form.ElapsedSeconds(), 2);
        h.timer1.Elapse();
        QCOMPARE(Countdown(form), QStringLiteral("Next log will occur in 00:00:02"));
    }

    void aTickWhileOffSaysSo() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "Off");
        form.Timer1_Timer();
        QCOMPARE(Countdown(form), QStringLiteral("Automatic Log is Off."));
        QCOMPARE(form.ElapsedSeconds(), 0);
    }

    void logNowDuringTheCountdownChangesNothingElse() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "On");
        h.timer1.Elapse();
        h.timer1.Elapse();
        int pointerWhileWriting = -1;
        bool stoppedWhileWriting = false;
        h.power.onSample = [&] {
            pointerWhileWriting = form.MousePointer();
            stoppedWhileWriting = !h.timer1.enabled && h.timer1.interval == 0;
        };
        const int yieldsBefore = h.yields;
        form.PushButton6->click();
        QCOMPARE(form.ListView1->Count(), 2);
        QCOMPARE(pointerWhileWriting, PointerSetting::kBusy);
        QVERIFY(stoppedWhileWriting);
        QCOMPARE(form.MousePointer(), PointerSetting::kDefault);
        QCOMPARE(h.yields, yieldsBefore + 1);
        QCOMPARE(form.ElapsedSeconds(), 2);
        QCOMPARE(form.ProgressBar1->value(), 2);
        QCOMPARE(h.timer1.interval, 1000);
        QVERIFY(h.timer1.enabled);
        QVERIFY(h.store.writes.empty());
        h.timer1.Elapse();
        QCOMPARE(form.ElapsedSeconds(), 3);
    }

    void logNowWhileOffLeavesTheTimerOff() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "Off");
        form.PushButton6->click();
        QCOMPARE(form.ListView1->Count(), 1);
        QCOMPARE(h.timer1.interval, 0);
        QVERIFY(h.timer1.enabled);
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic Log"));
    }

    void switchTurnedDuringLogNowDecidesThePeriod_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("running");
        QTest::newRow("switched off") << "On" << false;
        QTest::newRow("switched on") << "Off" << true;
    }
    void switchTurnedDuringLogNowDecidesThePeriod() {
        QFETCH(QString, state);
        QFETCH(bool, running);
        Form1Harness h;
        Form1& form = LoadWith(h, 2, qPrintable(state));
        h.yields = 0;
        h.duringYield[1] = [&] { form.PushButton5->click(); };
        form.PushButton6->click();
        QCOMPARE(form.PushButton5->text() == QLatin1String(kTurnOffCaption), running);
        QCOMPARE(h.timer1.Running(), running);
        QVERIFY(h.timer1.enabled);
    }

    void clickOnTheSelectedIntervalRestartsTheCountdown() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "On");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        h.timer1.Elapse();
        h.timer1.Elapse();
        h.timer1.Elapse();
        QTest::mouseClick(form.ListView2->viewport(), Qt::LeftButton, {},
                          RowCentre(*form.ListView2, 2));
        QCOMPARE(form.ElapsedSeconds(), 0);
        QCOMPARE(form.ListView2->SelectedIndex(), 2);
        QCOMPARE(h.store.writes,
                 (std::vector<std::pair<std::string, std::string>>{{"OftenIndex", "2"}}));
        h.timer1.Elapse();
        QCOMPARE(Countdown(form), QStringLiteral("Next log will occur in 00:00:04"));
    }

    void clickOnAnotherIntervalIsOneChoice() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "On");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        h.timer1.Elapse();
        QTest::mouseClick(form.ListView2->viewport(), Qt::LeftButton, {},
                          RowCentre(*form.ListView2, 3));
        QCOMPARE(form.ListView2->SelectedIndex(), 3);
        QCOMPARE(form.CurrentInterval(), 10);
        QCOMPARE(form.ElapsedSeconds(), 0);
        QCOMPARE(h.store.writes,
                 (std::vector<std::pair<std::string, std::string>>{{"OftenIndex", "3"}}));
    }

    void keyboardChoiceOfAShorterIntervalKeepsLogging() {
        Form1Harness h;
        Form1& form = LoadWith(h, 3, "On");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int i = 0; i < 7; ++i) h.timer1.Elapse();
        QCOMPARE(form.ElapsedSeconds(), 7);
        // Up twice: "Log every 5 seconds", then "Log every 1 second".
        form.ListView2->setFocus();
        QTest::keyClick(form.ListView2, Qt::Key_Up);
        QTest::keyClick(form.ListView2, Qt::Key_Up);
        QCOMPARE(form.ListView2->SelectedIndex(), 1);
        QCOMPARE(h.Stored(keys::kOftenIndex), std::optional<std::string>("1"));
        QCOMPARE(form.ElapsedSeconds(), 0);
        h.timer1.Elapse();
        QCOMPARE(form.ListView1->Count(), 2);
    }

    void theListKeepsItsChoiceAgainstCtrlClick() {
        Form1Harness h;
        Form1& form = LoadWith(h, 2, "On");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.ListView2->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          RowCentre(*form.ListView2, 2));
        QCOMPARE(form.ListView2->SelectedIndex(), 2);
        h.timer1.Elapse();
        QCOMPARE(form.CurrentInterval(), 5);
    }

    void switchOffDuringAYieldOfTheTickIsHonoured_data() {
        QTest::addColumn<int>("yield");
        QTest::addColumn<int>("entries");
        QTest::newRow("before the count is compared") << 1 << 1;
        QTest::newRow("before the entry") << 2 << 1;
        QTest::newRow("after the entry") << 3 << 2;
    }
    void switchOffDuringAYieldOfTheTickIsHonoured() {
        QFETCH(int, yield);
        QFETCH(int, entries);
        Form1Harness h;
        Form1& form = LoadWith(h, 1, "On");
        h.yields = 0;
        h.duringYield[yield] = [&] { form.PushButton5->click(); };
        h.timer1.Elapse();
        QCOMPARE(form.ListView1->Count(), entries);
        QCOMPARE(form.PushButton5->text(), QStringLiteral("Turn On Automatic Log"));
        QCOMPARE(h.timer1.interval, 0);
        QVERIFY(!h.timer1.Running());
        QCOMPARE(form.ElapsedSeconds(), 0);
        QCOMPARE(h.Stored(keys::kStartStopState), std::optional<std::string>("Off"));

        // Switching on again writes at once and the ticks come back.
        form.PushButton5->click();
        QCOMPARE(form.ListView1->Count(), entries + 1);
        QVERIFY(h.timer1.Running());
        h.timer1.Elapse();
        QCOMPARE(form.ListView1->Count(), entries + 2);
    }

    void switchOffAndOnDuringTheTickKeepsLogging() {
        Form1Harness h;
        Form1& form = LoadWith(h, 1, "On");
        h.yields = 0;
        h.duringYield[2] = [&] {
            form.PushButton5->click();
            form.PushButton5->click();
        };
        h.timer1.Elapse();
        // The switch-on wrote one, the tick its own.
        QCOMPARE(form.ListView1->Count(), 3);
        QVERIFY(h.timer1.Running());
    }

    void failedEntryIsReportedAndLoggingGoesOn() {
        Form1Harness h;
        Form1& form = LoadWith(h, 1, "On");
        form.Text1->setText(QString::fromStdString(h.temp.File("missing folder/log.txt")));
        h.timer1.Elapse();
        QCOMPARE(ReportLines(h.dialogs), std::vector<int>{106});
        QVERIFY(h.timer1.Running());
        QCOMPARE(form.ElapsedSeconds(), 0);
    }
};

QTEST_MAIN(Form1SchedulerTest)
#include "Form1SchedulerTest.moc"
