#include <QGuiApplication>
#include <QTimer>
#include <QtTest>
#include <cstdint>
#include <memory>
#include <sstream>

#include "RecordingTrayHost.h"
#include "resources/Icons.h"
#include "tray/NotifyIconData.h"
#include "tray/Picture.h"
#include "tray/cSysTray.h"
#include "tray/qt/QtEventWait.h"
#include "tray/qt/QtTrayShell.h"

namespace tess::test {

using Codes = QList<qint64>;

// Longer than any balloon time used here; the waits below must end sooner.
constexpr std::int32_t kLongBalloonSeconds = 24 * 3600;
constexpr int kShortBalloonMs = 50;

// Whether the events of this thread ran until a timer started now for `ms`
// fired: every timer due before it (a balloon's) has fired by then too, however
// slowly the machine runs.
bool RanEventsPast(int ms) {
    const QObject scope;
    bool fired = false;
    QTimer::singleShot(ms, Qt::PreciseTimer, &scope, [&fired] { fired = true; });
    return QTest::qWaitFor([&fired] { return fired; }, 60000);
}

// A shell with its icon added (identifier 3) and a window procedure that records
// what the shell reports.
struct ShellRig {
    static constexpr std::uint32_t kId = 3;

    ShellRig() {
        shell.ReplaceWindowProc(
            shell.Window(), [this](WindowHandle window, std::uint32_t message,
                                   std::uintptr_t wParam, std::intptr_t lParam) {
                windowsOk = windowsOk && window == shell.Window();
                messagesOk = messagesOk && message == kTrayCallbackMessage && wParam == kId;
                codes.append(lParam);
                return std::intptr_t{0};
            });
    }

    bool Add() {
        const IconHandle icon = icons::kTray;
        return shell.Notify(kNimAdd, AddRecord(shell.Window(), kId, "Tessaline", &icon));
    }
    bool Send(std::uint32_t message, const NotifyIconData& record) {
        return shell.Notify(message, record);
    }
    NotifyIconData Balloon(std::uint32_t timeoutMs) const {
        return BalloonRecord(shell.Window(), kId, "has been minimized", "Tessaline", timeoutMs);
    }

    QtTrayShell shell;
    Codes codes;
    bool windowsOk = true;
    bool messagesOk = true;
};

// A control on the shell with the Qt wait, in the tray.
struct ControlRig {
    ControlRig() {
        tray.SetTrayIcon(
            std::make_shared<const Picture>(Picture{Picture::Type::Icon, icons::kTray}));
        tray.SetInTray(true);
    }

    QStringList Events() const {
        QStringList described;
        for (const TrayEvent& event : host.events) {
            std::ostringstream text;
            text << event;
            described.append(QString::fromStdString(text.str()));
        }
        return described;
    }

    QtTrayShell shell;
    QtEventWait wait;
    RecordingTrayHost host;
    cSysTray tray{{shell, wait, host}};
};

class QtTrayShellTest : public QObject {
    Q_OBJECT

private slots:
    void activationsBecomeTheShellsCodes_data() {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<Codes>("codes");
        QTest::newRow("left click") << QSystemTrayIcon::Trigger << Codes{0x201, 0x202};
        QTest::newRow("right click") << QSystemTrayIcon::Context << Codes{0x204, 0x205};
        QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << Codes{0x203};
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << Codes{0x207, 0x208};
        QTest::newRow("unknown") << QSystemTrayIcon::Unknown << Codes{};
    }
    void activationsBecomeTheShellsCodes() {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(Codes, codes);
        ShellRig rig;
        QVERIFY(rig.Add());

        rig.shell.OnActivated(reason);

        QCOMPARE(rig.codes, codes);
        QVERIFY2(rig.windowsOk, "reported to the shell's window");
        QVERIFY2(rig.messagesOk, "with the callback message and the icon's identifier");
    }

    void clicksReachTheControlAsMouseEvents_data() {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("left click")
            << QSystemTrayIcon::Trigger << QStringList{"MouseDown(1, 0)", "MouseUp(1, 0)"};
        QTest::newRow("right click")
            << QSystemTrayIcon::Context << QStringList{"MouseDown(2, 0)", "MouseUp(2, 0)"};
        QTest::newRow("double click")
            << QSystemTrayIcon::DoubleClick << QStringList{"MouseDblClick(1, 0)"};
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << QStringList{};
    }
    void clicksReachTheControlAsMouseEvents() {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(QStringList, events);
        ControlRig rig;

        rig.shell.OnActivated(reason);

        QCOMPARE(rig.Events(), events);
    }

    void aClickWhoseFirstHalfTakesTheIconOutEndsThere() {
        ControlRig rig;
        rig.host.onEvent = [&rig](const TrayEvent&) { rig.tray.SetInTray(false); };

        rig.shell.OnActivated(QSystemTrayIcon::Trigger);

        QCOMPARE(rig.Events(), QStringList{"MouseDown(1, 0)"});
        QVERIFY(!rig.shell.Icon().isVisible());
    }

    void theControlHearsNothingOnceOutOfTheTray() {
        ControlRig rig;
        rig.tray.SetInTray(false);

        rig.shell.OnActivated(QSystemTrayIcon::Trigger);
        rig.shell.OnMessageClicked();

        QVERIFY(rig.host.events.empty());
    }

    void addShowsTheIconWithItsTipAndPicture() {
        ShellRig rig;

        QVERIFY(rig.Add());

        QVERIFY(rig.shell.Icon().isVisible());
        QCOMPARE(rig.shell.Icon().toolTip(), QString("Tessaline"));
        const QList<QSize> sizes = rig.shell.Icon().icon().availableSizes();
        for (const int side : {16, 32, 48}) QVERIFY2(sizes.contains(QSize(side, side)), "sizes");
    }

    void addWithoutTipOrPictureShowsNeither() {
        ShellRig rig;
        QTest::ignoreMessage(QtWarningMsg, "QSystemTrayIcon::setVisible: No Icon set");

        QVERIFY(rig.Send(kNimAdd, AddRecord(rig.shell.Window(), ShellRig::kId, "", nullptr)));

        QVERIFY(rig.shell.Icon().isVisible());
        QVERIFY(rig.shell.Icon().toolTip().isEmpty());
        QVERIFY(rig.shell.Icon().icon().isNull());
    }

    void modifyChangesTheTipAndThePicture() {
        ShellRig rig;
        QVERIFY(rig.Add());
        const NotifyIconData clearTip = TipRecord(rig.shell.Window(), ShellRig::kId, "");
        const NotifyIconData noSuchIcon = IconRecord(rig.shell.Window(), ShellRig::kId, "no-such");

        QVERIFY(rig.Send(kNimModify, TipRecord(rig.shell.Window(), ShellRig::kId, "Battery log")));
        QCOMPARE(rig.shell.Icon().toolTip(), QString("Battery log"));
        QVERIFY(!rig.shell.Icon().icon().isNull());

        QVERIFY(rig.Send(kNimModify, clearTip));
        QVERIFY(rig.shell.Icon().toolTip().isEmpty());

        QVERIFY(rig.Send(kNimModify, noSuchIcon));
        QVERIFY(rig.shell.Icon().icon().isNull());
    }

    void deleteTakesTheIconAway() {
        ShellRig rig;
        QVERIFY(rig.Add());

        QVERIFY(rig.Send(kNimDelete, RemoveRecord(rig.shell.Window(), ShellRig::kId)));
        rig.shell.OnActivated(QSystemTrayIcon::Trigger);

        QVERIFY(!rig.shell.Icon().isVisible());
        QCOMPARE(rig.codes, Codes{});
    }

    void refusesWhatTheShellCannotDo_data() {
        QTest::addColumn<bool>("added");
        QTest::addColumn<quint32>("message");
        QTest::addColumn<bool>("ownWindow");
        QTest::addColumn<quint32>("id");
        QTest::newRow("modify before add") << false << kNimModify << true << ShellRig::kId;
        QTest::newRow("delete before add") << false << kNimDelete << true << ShellRig::kId;
        QTest::newRow("add twice") << true << kNimAdd << true << ShellRig::kId;
        QTest::newRow("another window") << false << kNimAdd << false << ShellRig::kId;
        QTest::newRow("modify another icon") << true << kNimModify << true << ShellRig::kId + 1;
        QTest::newRow("delete another icon") << true << kNimDelete << true << ShellRig::kId + 1;
        QTest::newRow("unknown message") << true << quint32{3} << true << ShellRig::kId;
    }
    void refusesWhatTheShellCannotDo() {
        QFETCH(bool, added);
        QFETCH(quint32, message);
        QFETCH(bool, ownWindow);
        QFETCH(quint32, id);
        ShellRig rig;
        if (added) QVERIFY(rig.Add());
        const WindowHandle window = ownWindow ? rig.shell.Window() : rig.shell.Window() + 1;
        const IconHandle icon = icons::kTray;
        NotifyIconData record = AddRecord(window, id, "Changed", &icon);

        QVERIFY(!rig.Send(message, record));

        QCOMPARE(rig.shell.Icon().isVisible(), added);
        QCOMPARE(rig.shell.Icon().toolTip(), added ? QString("Tessaline") : QString());
    }

    void anotherWindowsProcedureIsLeftAlone() {
        ShellRig rig;
        QVERIFY(rig.Add());

        const WindowProc replaced = rig.shell.ReplaceWindowProc(rig.shell.Window() + 1, {});
        rig.shell.OnActivated(QSystemTrayIcon::Trigger);

        QVERIFY(!replaced);
        QCOMPARE(rig.codes, (Codes{0x201, 0x202}));
    }

    void aBalloonReportsItsTimeout() {
        ShellRig rig;
        QVERIFY(rig.Add());

        QVERIFY(rig.Send(kNimModify, rig.Balloon(kShortBalloonMs)));

        QTRY_COMPARE(rig.codes, Codes{0x404});
    }

    void aClickedBalloonReportsTheClickAndNoTimeout() {
        ShellRig rig;
        QVERIFY(rig.Add());
        QVERIFY(rig.Send(kNimModify, rig.Balloon(kShortBalloonMs)));

        rig.shell.OnMessageClicked();
        QVERIFY(RanEventsPast(4 * kShortBalloonMs));

        QCOMPARE(rig.codes, Codes{0x405});
    }

    void aBalloonTakenDownReportsNothing() {
        ShellRig rig;
        QVERIFY(rig.Add());
        const NotifyIconData shown = rig.Balloon(kShortBalloonMs);
        QVERIFY(rig.Send(kNimModify, shown));

        QVERIFY(rig.Send(kNimModify, TakeDownRecord(shown)));
        QVERIFY(RanEventsPast(4 * kShortBalloonMs));

        QCOMPARE(rig.codes, Codes{});
    }

    void aBalloonOfARemovedIconReportsNothing() {
        ShellRig rig;
        QVERIFY(rig.Add());
        QVERIFY(rig.Send(kNimModify, rig.Balloon(kShortBalloonMs)));

        QVERIFY(rig.Send(kNimDelete, RemoveRecord(rig.shell.Window(), ShellRig::kId)));
        QVERIFY(RanEventsPast(4 * kShortBalloonMs));

        QCOMPARE(rig.codes, Codes{});
    }

    void theControlsBalloonWaitEndsWhenTheBalloonIsClicked() {
        ControlRig rig;
        QTimer::singleShot(0, &rig.shell, &QtTrayShell::OnMessageClicked);

        rig.tray.ShowBalloon("has been minimized", "Tessaline", kLongBalloonSeconds, true);

        QVERIFY(rig.host.events.empty());  // it returned, and a balloon click is no mouse event
    }

    void theControlsBalloonWaitLetsClicksThrough() {
        ControlRig rig;
        rig.host.onEvent = [&rig](const TrayEvent& event) {
            if (event.name == "MouseUp") rig.shell.OnMessageClicked();
        };
        QTimer::singleShot(0, &rig.shell,
                           [&rig] { rig.shell.OnActivated(QSystemTrayIcon::Context); });

        rig.tray.ShowBalloon("has been minimized", "Tessaline", kLongBalloonSeconds, true);

        QCOMPARE(rig.Events(), (QStringList{"MouseDown(2, 0)", "MouseUp(2, 0)"}));
    }

    void balloonIcons_data() {
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<QSystemTrayIcon::MessageIcon>("icon");
        QTest::newRow("none") << quint32{0} << QSystemTrayIcon::NoIcon;
        QTest::newRow("info") << quint32{1} << QSystemTrayIcon::Information;
        QTest::newRow("warning") << quint32{2} << QSystemTrayIcon::Warning;
        QTest::newRow("error") << quint32{3} << QSystemTrayIcon::Critical;
        QTest::newRow("own picture") << quint32{4} << QSystemTrayIcon::NoIcon;
        QTest::newRow("info without sound") << quint32{0x11} << QSystemTrayIcon::Information;
    }
    void balloonIcons() {
        QFETCH(quint32, flags);
        QFETCH(QSystemTrayIcon::MessageIcon, icon);

        QCOMPARE(BalloonIcon(flags), icon);
    }

    void availabilityIsAskedOfTheDesktop() {
        if (QGuiApplication::platformName() != "offscreen") QSKIP("needs a desktop without a tray");
        const QtTrayShell shell;

        QVERIFY(!shell.IsAvailable());
    }
};

}  // namespace tess::test

QTEST_MAIN(tess::test::QtTrayShellTest)
#include "QtTrayShellTest.moc"
