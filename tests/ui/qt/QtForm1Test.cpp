#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "../DesignPixels.h"
#include "QtHarness.h"
#include "TestPictures.h"
#include "tray/TrayNotification.h"
#include "ui/Form1Design.h"
#include "ui/PointerSetting.h"
#include "ui/qt/LogListView.h"
#include "ui/qt/QtClipboard.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

using namespace tess;
using namespace tess::test;

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

QColor WindowColour(const QWidget& widget) {
    return widget.palette().color(QPalette::Window);
}

// The widget a pointer over the control lands on: a list's rows, not its header.
QWidget& Target(QtForm1& window, ControlId control) {
    if (control == kWindowItself) return window;
    if (control == form1::ListView1) {
        return *window.ListView1().findChild<LogListView*>()->viewport();
    }
    if (control == form1::ListView2) return *window.ListView2().viewport();
    return window.Control(control);
}

QPoint RowCentre(QtIntervalList& list, int index) {
    return list.visualRect(list.model()->index(index - 1, 0)).center();
}

}  // namespace

class QtForm1Test : public QObject {
    Q_OBJECT

private slots:
    void init() { HiddenToTray = false; }

    // A spot check against places worked out by hand from the design.
    void layoutFollowsTheDesignAtNinetySixDpi() {
        QtHarness h;
        QtForm1& window = h.Load();
        QCOMPARE(window.logicalDpiX(), 96);
        QCOMPARE(window.size(), QSize(kForm1Width96, kForm1Height96));
        QCOMPARE(window.ClientArea().size(), QSize(kForm1Width96, kForm1Height96));
        QCOMPARE(window.font().pointSizeF(), 9.0);
        QVERIFY(!window.font().bold());
        QVERIFY(window.font().families().contains(QStringLiteral("Arial")));
        QCOMPARE(WindowColour(window), QColor(Qt::white));
        QCOMPARE(WindowColour(window.ClientArea()), QColor(Qt::white));
        for (const PixelPlace& place : kForm1At96Dpi) {
            const QWidget& widget = window.Control(place.id);
            QCOMPARE(QRect(widget.mapTo(&window.ClientArea(), QPoint(0, 0)), widget.size()),
                     QRect(place.left, place.top, place.width, place.height));
        }
        QCOMPARE(window.Control(form1::Text1).parentWidget(), &window.Control(form1::Frame3));
        for (const auto& [id, points] : {std::pair{form1::PushButton6, 11.25}, {form1::Check8, 9.0}}) {
            QCOMPARE(window.Control(id).font().pointSizeF(), points);
            QVERIFY(window.Control(id).font().bold());
        }
        for (const ControlId id : {form1::Frame3, form1::Check4}) {
            QCOMPARE(WindowColour(window.Control(id)), QColor(Qt::white));
        }
        QCOMPARE(window.Control<QPushButton>(form1::PushButton6).text(),
                 QStringLiteral("Log Battery Level Now (Test)"));
        QCOMPARE(window.Control<QGroupBox>(form1::Frame3).title(), QStringLiteral("Log File"));
        QCOMPARE(window.Control<QCheckBox>(form1::Check4).text(),
                 QStringLiteral("Load this software on Windows startup"));
        QCOMPARE(window.ListView2().columnWidth(0), kForm1ColumnWidth96);
    }

    // Where the client area does not fit the window's room on the screen, the
    // window takes the room and scrolls (a scroll bar for each direction that
    // does not fit), and every control can be brought into sight.
    void windowFitsItsRoomAndScrolls_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<bool>("tall");
        QTest::newRow("Roomy") << QSize(1024, 740) << false << false;
        QTest::newRow("Exact") << QSize(536, 571) << false << false;
        QTest::newRow("Short") << QSize(800, 400) << false << true;
        QTest::newRow("Narrow") << QSize(400, 800) << true << false;
        QTest::newRow("ShortAndNoRoomForItsBar") << QSize(540, 400) << true << true;
        QTest::newRow("Small") << QSize(300, 250) << true << true;
    }

    void windowFitsItsRoomAndScrolls() {
        QFETCH(QSize, room);
        QFETCH(bool, wide);
        QFETCH(bool, tall);
        QtHarness h;
        QtForm1& window = h.Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.FitInto(room);
        QCoreApplication::processEvents();
        auto* area = window.findChild<QScrollArea*>();
        QVERIFY(window.width() <= room.width() && window.height() <= room.height());
        if (!wide && !tall) QCOMPARE(window.size(), QSize(536, 571));
        QCOMPARE(area->horizontalScrollBar()->isVisible(), wide);
        QCOMPARE(area->verticalScrollBar()->isVisible(), tall);
        for (const ControlDesign& control : form1::kDesign.controls) {
            QWidget& widget = window.Control(control.id);
            area->ensureWidgetVisible(&widget, 0, 0);
            const QPoint centre = widget.mapTo(&window, widget.rect().center());
            QVERIFY2(area->viewport()->geometry().contains(centre), control.caption);
        }
    }

    // The window's room is the available area of its screen.
    void windowTallerThanTheScreenIsLimitedToIt() {
        static const ControlDesign controls[] = {{0, kWindowItself, ControlKind::PushButton,
                                                  "Bottom", {120, 14000, 3840, 405}, {}, 0,
                                                  Background::Default}};
        static const WindowDesign design{
            "Tall", 8040, 15000, {}, Background::White, nullptr, controls};
        QtWindow window(design, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        QVERIFY(available.height() < 1000);
        QCOMPARE(window.frameGeometry().height(), available.height());
        const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QCOMPARE(window.width(), 536 + bar);
    }

    void tabOrderFollowsTheDesign() {
        QtHarness h;
        QtForm1& window = h.Load();
        QList<QWidget*> expected;
        for (const ControlId id :
             {form1::PushButton5, form1::PushButton6, form1::PushButton1, form1::PushButton2,
              form1::Check8, form1::Check4, form1::PushButton3, form1::PushButton4, form1::Text1,
              form1::PushButton7, form1::ListView2}) {
            expected.append(&window.Control(id));
        }
        QList<QWidget*> chain;
        QWidget* w = expected.front();
        for (int i = 0; i < 200 && chain.size() < expected.size(); ++i, w = w->nextInFocusChain()) {
            if (expected.contains(w)) chain.append(w);
        }
        QCOMPARE(chain, expected);
    }

    void skinRecoloursThenAppliesItsStyleSheet() {
        QtHarness h;
        const std::string sheet = "QPushButton { color: navy; }";
        WriteAll(h.programFolder + "/x/o.cjs", sheet);
        QtForm1& window = h.Load();
        QVERIFY(h.dialogs.messages.empty());
        QCOMPARE(window.styleSheet().toStdString(), sheet);
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(WindowColour(window), face);
        for (const ControlId id :
             {form1::Frame1, form1::Frame2, form1::Frame3, form1::Check4, form1::Check8}) {
            QCOMPARE(WindowColour(window.Control(id)), face);
        }
    }

    // Each control's widget hands its pointer moves over with its own id: a
    // button asks for the hand, the window, a frame or a list's rows for the
    // arrow, and a move over the other controls reaches nothing behind them.
    void pointerMovesReachTheBehaviour_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        using namespace form1;
        const int hand = PointerSetting::kCustom;
        const int arrow = PointerSetting::kDefault;
        const std::tuple<const char*, int, int, int> rows[] = {
            {"PushButton1", PushButton1, arrow, hand},
            {"PushButton2", PushButton2, arrow, hand},
            {"PushButton3", PushButton3, arrow, hand},
            {"PushButton4", PushButton4, arrow, hand},
            {"PushButton5", PushButton5, arrow, hand},
            {"PushButton6", PushButton6, arrow, hand},
            {"PushButton7", PushButton7, arrow, hand},
            {"Form1", kWindowItself, hand, arrow},
            {"Frame1", Frame1, hand, arrow},
            {"Frame2", Frame2, hand, arrow},
            {"Frame3", Frame3, hand, arrow},
            {"ListView1 rows", ListView1, hand, arrow},
            {"ListView2 rows", ListView2, hand, arrow},
            {"Text1", Text1, hand, hand},
            {"Check4", Check4, hand, hand},
            {"Check8", Check8, hand, hand},
            {"ProgressBar1", ProgressBar1, hand, hand}};
        for (const auto& [name, id, before, after] : rows) {
            QTest::newRow(name) << id << before << after;
        }
    }
    void pointerMovesReachTheBehaviour() {
        QFETCH(int, control);
        QFETCH(int, before);
        QFETCH(int, after);
        QtHarness h;
        h.Store(keys::kWindowsStartup, "On");
        QtForm1& window = h.Load();
        for (int i = 0; i < 20; ++i) window.ListView1().Append("an entry");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.SetMousePointer(before);
        QWidget& target = Target(window, control);
        QPoint at(-1, -1);
        if (control == form1::ListView1) {
            const auto& view = *window.ListView1().findChild<LogListView*>();
            at = QPoint(20, view.RowHeight() / 2);
            QCOMPARE(view.RowAt(at.y()), view.verticalScrollBar()->value());
        }
        MoveOver(target, at);
        QCOMPARE(window.MousePointer(), after);
    }

    void cursorsShowTheSetting() {
        QtHarness h;
        WriteAll(h.programFolder + "/HAND-M.CUR", CursorFileData(32, 9, 3).toStdString());
        QtForm1& window = h.Load();
        QVERIFY(h.dialogs.messages.empty());
        QCOMPARE(window.MouseIcon()->hotSpot(), QPoint(9, 3));
        QCOMPARE(window.MouseIcon()->pixmap().size(), QSize(32, 32));
        MoveOver(window.Control(form1::PushButton5));
        QCOMPARE(window.cursor().shape(), Qt::BitmapCursor);
        MoveOver(window);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        window.SetMousePointer(PointerSetting::kBusy);
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
        MoveOver(window.Control(form1::PushButton6));
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
    }

    void withoutACursorFileTheHandSettingShowsTheArrow_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("not a cursor") << QByteArray("not a cursor");
    }
    void withoutACursorFileTheHandSettingShowsTheArrow() {
        QFETCH(QByteArray, file);
        QtHarness h;
        if (!file.isEmpty()) WriteAll(h.programFolder + "/HAND-M.CUR", file.toStdString());
        QtForm1& window = h.Load();
        QCOMPARE(ReportLines(h.dialogs), file.isEmpty() ? std::vector<int>{} : std::vector{128});
        MoveOver(window.Control(form1::PushButton5));
        QCOMPARE(window.MousePointer(), PointerSetting::kCustom);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    // A click on each button reaches its own handler.
    void buttonClicksReachTheBehaviour() {
        QtHarness h;
        const std::string log = h.temp.File("log.txt");
        WriteAll(log, "line\r\n");
        h.Store(keys::kText1, log);
        QtForm1& window = h.Load();
        const auto click = [&](ControlId id) {
            QTest::mouseClick(&window.Control(id), Qt::LeftButton);
        };
        click(form1::PushButton1);
        QCOMPARE(h.launcher.edited, std::vector<std::string>{log});
        click(form1::PushButton2);
        QCOMPARE(h.clipboard.text, std::optional<std::string>("line\r\n"));
        click(form1::PushButton3);
        QVERIFY(h.dialogs.Texts().back().starts_with("Questions?"));
        click(form1::PushButton5);
        QCOMPARE(window.Control<QPushButton>(form1::PushButton5).text(),
                 QStringLiteral("Turn Off Automatic Log"));
        click(form1::PushButton6);
        QCOMPARE(window.ListView1().Count(), 2);
        h.dialogs.answers = {MessageAnswer::No};
        click(form1::PushButton4);
        QVERIFY(h.dialogs.Texts().back().starts_with("Are you sure"));
        click(form1::PushButton7);
        QCOMPARE(h.dialogs.fileRequests.size(), std::size_t{1});
    }

    // The user's clicks reach the handlers; what the behaviour sets itself
    // raises nothing more.
    void boxClicksReachTheBehaviour() {
        QtHarness h;
        QtForm1& window = h.Load();
        h.store.writes.clear();
        QTest::mouseClick(&window.Control(form1::Check4), Qt::LeftButton);
        QVERIFY(!window.Control(form1::Check8).isHidden());
        QTest::mouseClick(&window.Control(form1::Check8), Qt::LeftButton);
        QCOMPARE(h.store.writes, (Writes{{"Windows Startup", "On"}, {"Minimized", "On"}}));
        QCOMPARE(h.startup.adds, 1);
    }

    // Typing changes the path box only. Enter, or the focus moving to another
    // control, ends the edit; the window losing the activation and a popup do not.
    void endsOfEditsReachTheBehaviour_data() {
        QTest::addColumn<int>("reason");  // -1: the Enter key
        QTest::addColumn<bool>("ends");
        QTest::newRow("Enter") << -1 << true;
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("Backtab") << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("Click") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("OtherWindow") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("Popup") << int(Qt::PopupFocusReason) << false;
    }

    void endsOfEditsReachTheBehaviour() {
        QFETCH(int, reason);
        QFETCH(bool, ends);
        QtHarness h;
        h.Store(keys::kText1, "");
        QtForm1& window = h.Load();
        auto& text1 = window.Control<QLineEdit>(form1::Text1);
        QTest::keyClicks(&text1, "a b");
        QCOMPARE(h.store.writes, Writes{});
        if (reason < 0) {
            QTest::keyClick(&text1, Qt::Key_Return);
        } else {
            QFocusEvent focusOut(QEvent::FocusOut, static_cast<Qt::FocusReason>(reason));
            QApplication::sendEvent(&text1, &focusOut);
        }
        QCOMPARE(h.store.writes, (ends ? Writes{{"Text1", "a b"}} : Writes{}));
        QCOMPARE(window.Logic().LogPath(), std::string(ends ? "a b" : ""));
    }

    // Clicks on an item, also the selected one, and moves by keyboard are
    // choices; a Ctrl-click cannot leave the list without one.
    void intervalChoicesReachTheBehaviour() {
        QtHarness h;
        h.Store(keys::kOftenIndex, "2");
        QtForm1& window = h.Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtIntervalList& list = window.ListView2();
        Form1& form = window.Logic();
        h.store.writes.clear();

        h.timer1.interval = 1000;
        h.timer1.Elapse();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 2));
        QCOMPARE(form.ElapsedSeconds(), 0);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 3));
        QCOMPARE(form.CurrentInterval(), 10);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Up);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.SelectedIndex(), 1);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(list, 1));
        QCOMPARE(list.SelectedIndex(), 1);
        QCOMPARE(h.store.writes, (Writes{{"OftenIndex", "2"},
                                         {"OftenIndex", "3"},
                                         {"OftenIndex", "2"},
                                         {"OftenIndex", "1"},
                                         {"OftenIndex", "1"}}));
    }

    void minimisingHidesIntoTheTrayAndTheIconBringsTheWindowBack() {
        QtHarness h;
        QtForm1& window = h.Load();
        window.Logic().Show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        QVERIFY(window.isHidden());
        QCOMPARE(window.windowState(), Qt::WindowNoState);
        QVERIFY(HiddenToTray);
        QCOMPARE(h.trayWait.waits.size(), std::size_t{1});

        h.trayShell.DeliverTray(kWmLButtonDown);
        h.trayShell.DeliverTray(kWmLButtonUp);
        QVERIFY(window.isVisible());
        QVERIFY(!HiddenToTray);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    void aWindowLoadedMinimisedIsNeverMapped() {
        QtHarness h;
        h.Store(keys::kWindowsStartup, kOn);
        h.Store(keys::kMinimized, kOn);
        QtForm1& window = h.Load();
        QVERIFY(window.isMinimized());
        window.Logic().Show();
        QVERIFY(window.isHidden());
        QVERIFY(!window.isMinimized());
        QVERIFY(HiddenToTray);
    }

    void theCloseEndsTheProgram() {
        QtHarness h;
        QtForm1& window = h.Load();
        window.Logic().Show();
        QVERIFY(window.close());
        QCOMPARE(h.processEnds, 1);
        QVERIFY(!window.Logic().cSysTray1().InTray());
    }

    void helpKeyShowsTheSupportWindow() {
        QtHarness h;
        QtForm1& window = h.Load();
        window.Logic().Show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(h.ghost.isVisible());
        QVERIFY(!h.ghost.isMinimized());
    }

    // Put together in pieces, served as UTF-8 and read back as the same text.
    void clipboardTakesTheWholeText() {
        std::string content;
        for (int i = 0; content.size() < 4'000'000; ++i) {
            content += "7.12.26 6:01:" + std::to_string(i) +
                       " Z\xC3\xBCrich \xE2\x82\xAC Battery Level is 57% (1 Hours, 2 Minutes, 3 "
                       "Seconds remaining on battery).\r\n";
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        const auto text = QtClipboard().NewText(100);
        const std::size_t half = content.find("\r\n", content.size() / 2) + 2;
        text->Append(std::string_view(content).substr(0, half));
        text->Append(std::string_view(content).substr(half));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
        text->Put();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(content));
        const QByteArray utf8 = QGuiApplication::clipboard()->mimeData()->data(
            QStringLiteral("text/plain;charset=utf-8"));
        QCOMPARE(utf8.toStdString(), content);
    }
};

QTEST_MAIN(QtForm1Test)
#include "QtForm1Test.moc"
