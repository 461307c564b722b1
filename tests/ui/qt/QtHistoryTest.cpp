#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <fstream>

#include "QtHarness.h"
#include "ScriptedLog.h"
#include "ui/Form1Design.h"
#include "ui/qt/LogListView.h"
#include "ui/qt/QtLogList.h"
#include "ui/qt/history/QtCharts.h"
#include "ui/qt/history/QtHistoryWindow.h"
#include "ui/qt/history/QtSessionTable.h"

using namespace tess;
using namespace tess::test;

namespace {

constexpr std::int64_t kMonday = 1'796'601'600;  // Monday 7 December 2026, 00:00

// The main window with the real history window, over the fake services.
struct HistoryHarness : QtHarness {
    HistoryHarness() {
        Form1Services services = Services(ghost.Logic());
        services.history = &history.Logic();
        window = std::make_unique<QtForm1>(services);
        window->Logic().Form_Load();
        // Two days of entries every 10 minutes: two hours on AC, six falling.
        ScriptedLog log(format);
        for (std::int64_t t = kMonday; t < kMonday + 2 * 86400; t += 600) {
            const std::int64_t inCycle = (t - kMonday) % (8 * 3600);
            if (inCycle < 2 * 3600) log.Ac(t);
            else log.Battery(t, 100 - static_cast<int>((inCycle - 2 * 3600) / 600));
        }
        std::ofstream(window->Logic().LogPath(), std::ios::binary) << log.text;
    }
    QtHistoryWindow history{format};
};

QRgb Pixel(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixel(x, y) & 0xFFFFFF;
}

}  // namespace

class QtHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void theLogListsContextMenuOpensTheHistory() {
        HistoryHarness h;
        h.window->show();
        QWidget& rows = *h.window->ListView1().findChild<LogListView*>()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                rows.mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(&rows, &event);
        QMenu& menu = h.window->ListView1().ContextMenu();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.actions().size(), 1);
        QCOMPARE(menu.actions()[0]->text(), QString("Battery History"));
        QCOMPARE(menu.actions()[0]->shortcut(), QKeySequence("Ctrl+H"));
        menu.actions()[0]->trigger();
        QVERIFY(h.history.isVisible());
        QCOMPARE(h.history.windowTitle(), QString("Battery History"));
        // The sessions table is a model over the behaviour's rows, one for each
        // six hours on battery.
        QtSessionTable& table = h.history.Sessions();
        QCOMPARE(table.model()->rowCount(), 6);
        QCOMPARE(table.model()->index(0, 2).data().toString(), QString("100%"));
        QCOMPARE(table.model()->index(0, 6).data().toString(),
                 QString::fromStdString(h.history.Logic().SessionCell(0, 6)));
    }

    // Ctrl+H anywhere in the main window, the path box too, which keeps its text.
    void ctrlHOpensTheHistory() {
        HistoryHarness h;
        h.window->show();
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        auto& path = h.window->Control<QLineEdit>(form1::Text1);
        const QString before = path.text();
        path.setFocus();
        QTest::keyClick(&path, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(h.history.isVisible());
        QCOMPARE(path.text(), before);
    }

    // The chart's pixels are where the geometry puts them, and a resize lays
    // the chart out again for the new width.
    void theChartsDrawTheirGeometry() {
        QtLevelChart level;
        level.resize(200, 100);
        const ChartFrame frame{{10, 5, 150, 80}, {}};
        LevelChart chart;
        chart.acSpans = {{20, 30}};
        chart.columns = {{50, 60, 60, 10, 40}, {53, 20, 20, 20, 20}};
        chart.lineStarts = {0};
        level.OnPaint([&] { level.Draw(frame, chart); });
        QCOMPARE(Pixel(level, 10 + 25, 5 + 70), QRgb{kAcShade});
        QCOMPARE(Pixel(level, 10 + 50, 5 + 25), QRgb{kLevelLine});  // a column's stroke
        QCOMPARE(Pixel(level, 10 + 50, 5 + 58), QRgb{kLevelLine});  // the join to the next
        QCOMPARE(Pixel(level, 10 + 70, 5 + 25), QRgb{kPlotBackground});
        QCOMPARE(Pixel(level, 10 + 149, 5 + 25), QRgb{kAxis});

        QtRuntimeChart runtime;
        runtime.resize(200, 100);
        RuntimeChart weeks;
        weeks.points = {{40, 20, false}, {100, 20, true}};
        runtime.OnPaint([&] { runtime.Draw(frame, weeks); });
        QCOMPARE(Pixel(runtime, 10 + 40, 5 + 20), QRgb{kRuntimeLine});
        QCOMPARE(Pixel(runtime, 10 + 70, 5 + 20), QRgb{kRuntimeLine});

        // The last entry (65 %) stands at the plot's right edge, whatever its width.
        HistoryHarness h;
        h.window->Logic().ShowHistory();
        QtLevelChart& shown = h.history.LevelChart();
        for (const int width : {700, 900}) {
            h.history.resize(width, 600);
            QTRY_COMPARE(shown.width(), width - 16);
            const ChartFrame laid = FrameChart(shown.width(), shown.height(), shown, {"100%"}, {});
            const int y = qRound((100 - 65) * (laid.plot.height - 1) / 100.0);
            QCOMPARE(Pixel(shown, laid.plot.Right() - 1, laid.plot.top + y), QRgb{kLevelLine});
        }
    }
};

QTEST_MAIN(QtHistoryTest)
#include "QtHistoryTest.moc"
