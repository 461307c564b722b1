#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "Form1Harness.h"
#include "tray/NotifyIconData.h"
#include "tray/TrayNotification.h"

using namespace tess;
using namespace tess::test;

namespace {

using Codes = QList<qintptr>;

const std::string kBalloonText =
    "has been minimized to the system tray.\r\nClick on the blue 'Q' icon (Q for Quorvane) to "
    "bring the software back.";

// The window as the user left it after the load: shown, the tray's records since then cleared.
Form1& Shown(Form1Harness& h) {
    Form1& form = h.Load();
    form.show();
    h.trayShell.sent.clear();
    return form;
}

void Minimise(Form1& form) {
    form.setWindowState(form.windowState() | Qt::WindowMinimized);
}

void Deliver(Form1Harness& h, const Codes& codes) {
    for (const qintptr code : codes) h.trayShell.DeliverTray(code);
}

// The balloons sent: NIM_MODIFY records with NIF_INFO and a text.
std::vector<NotifyIconData> Balloons(const RecordingTrayShell& shell) {
    std::vector<NotifyIconData> balloons;
    for (const auto& s : shell.sent) {
        if (s.message == kNimModify && (s.record.uFlags & kNifInfo) && !s.record.szInfo.empty()) {
            balloons.push_back(s.record);
        }
    }
    return balloons;
}

int Sent(const RecordingTrayShell& shell, std::uint32_t message) {
    int count = 0;
    for (const auto& s : shell.sent) count += s.message == message ? 1 : 0;
    return count;
}

// Automatic logging on at one entry a second, as a user left it.
Form1& LoggingEverySecond(Form1Harness& h) {
    h.Store(keys::kOftenIndex, "1");
    h.Store(keys::kStartStopState, kOn);
    return h.Load();
}

}  // namespace

class Form1WindowStateTest : public QObject {
    Q_OBJECT

private slots:
    void init() { HiddenToTray = false; }

    void firstMinimiseHidesBehindTheIconWithTheBalloon() {
        Form1Harness h;
        Form1& form = Shown(h);
        Minimise(form);

        QVERIFY(form.isHidden());
        QCOMPARE(form.windowState(), Qt::WindowNoState);
        QVERIFY(HiddenToTray);
        QVERIFY(form.cSysTray1().InTray());
        QCOMPARE(h.trayShell.Messages(), (std::vector<std::uint32_t>{kNimModify, kNimModify}));
        const NotifyIconData& balloon = h.trayShell.sent[0].record;
        QCOMPARE(balloon.uFlags, kNifInfo);
        QCOMPARE(balloon.szInfo, kBalloonText);
        QCOMPARE(balloon.szInfoTitle, std::string("Tessaline"));
        QCOMPARE(balloon.uTimeout, 5000u);
        // Nobody reported the balloon gone: after the full wait it is taken down.
        QCOMPARE(h.trayWait.waits.size(), std::size_t{1});
        QCOMPARE(h.trayWait.waits[0].timeoutMs, 5000);
        QCOMPARE(h.trayShell.sent[1].record.szInfo, std::string());
        QVERIFY(h.dialogs.messages.empty());
    }

    void laterMinimisesHideWithoutABalloon() {
        Form1Harness h;
        Form1& form = Shown(h);
        Minimise(form);
        Deliver(h, {kWmLButtonDown, kWmLButtonUp});
        QVERIFY(form.isVisible());
        Minimise(form);

        QVERIFY(form.isHidden());
        QCOMPARE(form.windowState(), Qt::WindowNoState);
        QVERIFY(HiddenToTray);
        QCOMPARE(Balloons(h.trayShell).size(), std::size_t{1});
        QCOMPARE(h.trayWait.waits.size(), std::size_t{1});
    }

    void releasingAButtonOverTheIconBringsTheWindowBack_data() {
        QTest::addColumn<bool>("hiddenFirst");
        QTest::addColumn<Codes>("codes");
        QTest::newRow("hidden, left click") << true << Codes{kWmLButtonDown, kWmLButtonUp};
        QTest::newRow("hidden, right click") << true << Codes{kWmRButtonDown, kWmRButtonUp};
        QTest::newRow("shown, left click") << false << Codes{kWmLButtonDown, kWmLButtonUp};
        QTest::newRow("shown, right button up") << false << Codes{kWmRButtonUp};
    }
    void releasingAButtonOverTheIconBringsTheWindowBack() {
        QFETCH(bool, hiddenFirst);
        QFETCH(Codes, codes);
        Form1Harness h;
        Form1& form = Shown(h);
        if (hiddenFirst) Minimise(form);
        const auto sentBefore = h.trayShell.sent.size();

        Deliver(h, codes);

        QVERIFY(form.isVisible());
        QCOMPARE(form.windowState() & ~Qt::WindowActive, Qt::WindowNoState);
        QVERIFY(!HiddenToTray);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(h.trayShell.sent.size(), sentBefore);
        QVERIFY(h.dialogs.messages.empty());
    }

    void aButtonPressAloneLeavesTheWindowHidden() {
        Form1Harness h;
        Form1& form = Shown(h);
        Minimise(form);
        Deliver(h, {kWmLButtonDown, kWmRButtonDown, kWmMouseMove});
        QVERIFY(form.isHidden());
        QVERIFY(HiddenToTray);
    }

    void aClickDuringTheBalloonWaitBringsTheWindowBack() {
        Form1Harness h;
        Form1& form = Shown(h);
        h.trayWait.duringWait = [&] { Deliver(h, {kWmLButtonDown, kWmLButtonUp}); };
        Minimise(form);

        QVERIFY(form.isVisible());
        QCOMPARE(form.windowState() & ~Qt::WindowActive, Qt::WindowNoState);
        QVERIFY(!HiddenToTray);
    }

    // Without a notification area a hidden window could never be brought back.
    void withoutATrayTheWindowStaysMinimisedOnTheTaskbar() {
        Form1Harness h;
        Form1& form = Shown(h);
        h.trayShell.available = false;
        Minimise(form);

        QVERIFY(form.isVisible());
        QVERIFY(form.isMinimized());
        QVERIFY(!HiddenToTray);
        QVERIFY(h.trayShell.sent.empty());
        QVERIFY(h.trayWait.waits.empty());
    }

    void showingTheLoadedWindow_data() {
        QTest::addColumn<QString>("windowsStartup");
        QTest::addColumn<QString>("minimized");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("minimisedState");
        QTest::addColumn<int>("balloons");
        QTest::newRow("start with the system, minimised") << "On"
                                                          << "On" << true << false << false << 1;
        QTest::newRow("minimised without a tray") << "On"
                                                  << "On" << false << true << true << 0;
        QTest::newRow("start with the system only") << "On"
                                                    << "Off" << true << true << false << 0;
        QTest::newRow("minimised alone") << "Off"
                                         << "On" << true << true << false << 0;
    }
    void showingTheLoadedWindow() {
        QFETCH(QString, windowsStartup);
        QFETCH(QString, minimized);
        QFETCH(bool, trayAvailable);
        QFETCH(bool, shown);
        QFETCH(bool, minimisedState);
        QFETCH(int, balloons);
        Form1Harness h;
        h.Store(keys::kWindowsStartup, windowsStartup.toStdString());
        h.Store(keys::kMinimized, minimized.toStdString());
        h.trayShell.available = trayAvailable;
        Form1& form = h.Load();
        form.show();

        QCOMPARE(form.isVisible(), shown);
        QCOMPARE(form.isMinimized(), minimisedState);
        QCOMPARE(HiddenToTray, !shown);
        QCOMPARE(Balloons(h.trayShell).size(), std::size_t(balloons));
        QVERIFY(h.dialogs.messages.empty());
    }

    void theIconBringsBackAWindowThatStartedInTheTray() {
        Form1Harness h;
        h.Store(keys::kWindowsStartup, kOn);
        h.Store(keys::kMinimized, kOn);
        Form1& form = h.Load();
        form.show();
        Deliver(h, {kWmRButtonDown, kWmRButtonUp});

        QVERIFY(form.isVisible());
        QVERIFY(!form.isMinimized());
        QVERIFY(!HiddenToTray);
        // The balloon of the run was the one at start.
        Minimise(form);
        QCOMPARE(Balloons(h.trayShell).size(), std::size_t{1});
    }

    void closingStopsLoggingRemovesTheIconAndEnds() {
        Form1Harness h;
        Form1& form = LoggingEverySecond(h);
        form.show();
        QVERIFY(h.timer1.Running());
        const std::string logBefore = h.LogText();
        std::vector<std::string> steps;
        h.trayShell.onNotify = [&](const SentRecord& s) {
            if (s.message == kNimDelete) {
                steps.push_back(h.timer1.Running() ? "icon removed, logging on"
                                                   : "icon removed, logging off");
            }
        };
        h.duringYield[h.yields + 1] = [&] { steps.push_back("pending events"); };
        h.onEndProcess = [&] { steps.push_back("end"); };

        QVERIFY(form.close());

        QCOMPARE(steps,
                 (std::vector<std::string>{"icon removed, logging off", "pending events", "end"}));
        QVERIFY(!form.cSysTray1().InTray());
        QCOMPARE(h.processEnds, 1);
        h.timer1.Elapse();
        QCOMPARE(h.LogText(), logBefore);
        QVERIFY(h.dialogs.messages.empty());
    }

    void everyCloseRequestRunsTheOneShutdown() {
        Form1Harness h;
        Form1& form = Shown(h);
        const int yieldsBefore = h.yields;
        // Another request arrives while the first lets pending events run.
        h.duringYield[yieldsBefore + 1] = [&] { form.close(); };
        form.Form_QueryUnload();
        form.close();
        form.Form_QueryUnload();

        QCOMPARE(h.processEnds, 1);
        QCOMPARE(Sent(h.trayShell, kNimDelete), 1);
        QCOMPARE(h.yields - yieldsBefore, 1);
    }

    void aCloseWhileAnEntryIsOnItsWayWritesNoEntry_data() {
        QTest::addColumn<bool>("logNow");
        QTest::newRow("the tick that is due") << false;
        QTest::newRow("the log-now button") << true;
    }
    void aCloseWhileAnEntryIsOnItsWayWritesNoEntry() {
        QFETCH(bool, logNow);
        Form1Harness h;
        Form1& form = LoggingEverySecond(h);
        form.show();
        const std::string logBefore = h.LogText();
        QVERIFY(!logBefore.empty());
        // The close is handled while the handler lets events run before its entry.
        h.duringYield[h.yields + 1] = [&] { form.close(); };
        if (logNow) {
            form.PushButton6->click();
        } else {
            h.timer1.Elapse();
        }

        QCOMPARE(h.processEnds, 1);
        QCOMPARE(h.LogText(), logBefore);
        QCOMPARE(h.power.samples, 1);
    }

    void aFailingStepIsReportedAndTheShutdownGoesOn_data() {
        QTest::addColumn<bool>("iconRemovalFails");
        QTest::addColumn<int>("line");
        QTest::newRow("taking the icon out") << true << 102;
        QTest::newRow("processing pending events") << false << 104;
    }
    void aFailingStepIsReportedAndTheShutdownGoesOn() {
        QFETCH(bool, iconRemovalFails);
        QFETCH(int, line);
        Form1Harness h;
        Form1& form = Shown(h);
        const int yieldsBefore = h.yields;
        bool failed = false;
        if (iconRemovalFails) {
            h.trayShell.onNotify = [&](const SentRecord& s) {
                if (s.message == kNimDelete && !std::exchange(failed, true)) {
                    throw std::runtime_error("The shell is gone");
                }
            };
        } else {
            h.duringYield[yieldsBefore + 1] = [] {
                throw std::runtime_error("The display is gone");
            };
        }

        form.close();

        QCOMPARE(ReportLines(h.dialogs), std::vector<int>{line});
        QVERIFY(h.dialogs.messages[0].text.find("in Pellwick2021/08/31.Form1.Form_QueryUnload ") !=
                std::string::npos);
        QCOMPARE(h.yields - yieldsBefore, 1);
        QCOMPARE(h.processEnds, 1);
    }
};

QTEST_MAIN(Form1WindowStateTest)
#include "Form1WindowStateTest.moc"
