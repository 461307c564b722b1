#include <QHeaderView>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <string>

#include "../SampleLines.h"
#include "ui/qt/LogListModel.h"
#include "ui/qt/LogListView.h"
#include "ui/qt/QtLogList.h"

using tess::LogListView;
using namespace tess::test;
using tess::QtLogList;

namespace {

LogListView& ViewOf(QtLogList& list) {
    return *list.findChild<LogListView*>();
}

}  // namespace

class LogListTest : public QObject {
    Q_OBJECT
private slots:
    void modelShowsEachEntryAsText();
    void clearEmptiesTheListAndKeepsTheColumn();
    void headerShowsTextAndWidth();
    void followsTheNewestEntry_data();
    void followsTheNewestEntry();
    void keepsFollowingWhenResized();
    void newestEntryIsPainted_data();
    void newestEntryIsPainted();
    void keysMoveTheSelection_data();
    void keysMoveTheSelection();
    void clickSelectsTheRow();
};

// The rows themselves are LogLineStore's (LogLineStoreTest); the model shows
// them as UTF-8 text and nothing past the end.
void LogListTest::modelShowsEachEntryAsText() {
    QtLogList list;
    const std::string line = "7.12.26 6:01 Akku: 87 % – noch 2 Std. ✓ 電池";
    list.Append(kAcLine);
    list.Append(line);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Entry(1), line);
    QCOMPARE(list.model()->data(list.model()->index(1)).toString(), QString::fromStdString(line));
    QCOMPARE(list.Entry(-1), std::string());
    QCOMPARE(list.Entry(2), std::string());
    QVERIFY(!list.model()->data(list.model()->index(2)).isValid());
}

void LogListTest::clearEmptiesTheListAndKeepsTheColumn() {
    QtLogList list;
    list.AddColumn("Battery Level");
    for (int i = 0; i < 5000; ++i) list.Append(NumberedLine(i));
    ViewOf(list).Header().resizeSection(0, 410);  // as the user drags it

    list.Clear();
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.Entry(0), std::string());
    QCOMPARE(ViewOf(list).Header().sectionSize(0), 410);
    QCOMPARE(ViewOf(list).CurrentRow(), -1);

    list.Append(kAcLine);
    list.Append(kBatteryLine);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Entry(0), kAcLine);
    QCOMPARE(list.Entry(1), kBatteryLine);
}

// 7000 twips are 467 pixels at 96 dots per inch, the offscreen screen's.
void LogListTest::headerShowsTextAndWidth() {
    QtLogList list;
    QCOMPARE(list.logicalDpiX(), 96);
    list.AddColumn("Battery Level");
    list.SetColumnWidth(7000);
    const QHeaderView& header = ViewOf(list).Header();
    QCOMPARE(header.count(), 1);
    QCOMPARE(header.model()->headerData(0, Qt::Horizontal).toString(), QString("Battery Level"));
    QCOMPARE(header.sectionSize(0), 467);
}

void LogListTest::followsTheNewestEntry_data() {
    QTest::addColumn<int>("rowsAwayFromEnd");
    QTest::addColumn<bool>("follows");
    QTest::newRow("at the end") << 0 << true;
    QTest::newRow("one row up") << 1 << false;
    QTest::newRow("at the top") << -1 << false;
}

void LogListTest::followsTheNewestEntry() {
    QFETCH(int, rowsAwayFromEnd);
    QFETCH(bool, follows);
    QtLogList list;
    list.AddColumn("Battery Level");
    list.SetColumnWidth(7000);
    list.resize(520, 169);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int i = 0; i < 200; ++i) list.Append(NumberedLine(i));
    QScrollBar& bar = *ViewOf(list).verticalScrollBar();
    QVERIFY(bar.maximum() > 0);
    QCOMPARE(bar.value(), bar.maximum());

    bar.setValue(rowsAwayFromEnd < 0 ? 0 : bar.maximum() - rowsAwayFromEnd);
    const int before = bar.value();
    for (int i = 200; i < 210; ++i) list.Append(NumberedLine(i));

    const LogListView& view = ViewOf(list);
    const int lastRowY = (list.Count() - 1 - bar.value()) * view.RowHeight();
    const bool newestInSight = view.RowAt(lastRowY) == list.Count() - 1 &&
                               lastRowY + view.RowHeight() <= view.viewport()->height();
    QCOMPARE(newestInSight, follows);
    QCOMPARE(bar.value() == bar.maximum(), follows);
    if (!follows) QCOMPARE(bar.value(), before);
}

void LogListTest::keepsFollowingWhenResized() {
    QtLogList list;
    list.resize(520, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int i = 0; i < 100; ++i) list.Append(NumberedLine(i));
    QScrollBar& bar = *ViewOf(list).verticalScrollBar();

    list.resize(520, 120);
    QCoreApplication::processEvents();
    QVERIFY(bar.maximum() > 0);
    QCOMPARE(bar.value(), bar.maximum());
}

void LogListTest::newestEntryIsPainted_data() {
    QTest::addColumn<int>("blankRowsBefore");
    QTest::newRow("list not yet full") << 3;
    QTest::newRow("list scrolling") << 50;
}

void LogListTest::newestEntryIsPainted() {
    QFETCH(int, blankRowsBefore);
    QtLogList list;
    list.AddColumn("Battery Level");
    list.SetColumnWidth(7000);
    list.resize(520, 169);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int i = 0; i < blankRowsBefore; ++i) {
        list.Append("");
        QCoreApplication::processEvents();
    }
    list.Append("WWWWWWWW");
    QCoreApplication::processEvents();

    LogListView& view = ViewOf(list);
    // What the window really shows: the offscreen screen hands out its backing store.
    const QPoint origin = view.viewport()->mapTo(&list, QPoint(0, 0));
    const QImage image = list.screen()
                             ->grabWindow(list.winId(), origin.x(), origin.y(),
                                          view.viewport()->width(), view.viewport()->height())
                             .toImage();
    const auto inkInRow = [&](int row) {
        const int top = (row - view.verticalScrollBar()->value()) * view.RowHeight();
        for (int y = top; y < top + view.RowHeight(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != Qt::white) return true;
            }
        }
        return false;
    };
    QVERIFY(inkInRow(list.Count() - 1));
    QVERIFY(!inkInRow(list.Count() - 2));
}

void LogListTest::keysMoveTheSelection_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("pages");  // pages of rows beyond that row
    QTest::newRow("down from none") << QList<int>{Qt::Key_Down} << 0 << 0;
    QTest::newRow("end") << QList<int>{Qt::Key_End} << 99 << 0;
    QTest::newRow("end, up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 98 << 0;
    QTest::newRow("past the end") << QList<int>{Qt::Key_End, Qt::Key_Down} << 99 << 0;
    QTest::newRow("home, up") << QList<int>{Qt::Key_Home, Qt::Key_Up} << 0 << 0;
    QTest::newRow("home, page down") << QList<int>{Qt::Key_Home, Qt::Key_PageDown} << 0 << 1;
    QTest::newRow("end, page up") << QList<int>{Qt::Key_End, Qt::Key_PageUp} << 99 << -1;
}

void LogListTest::keysMoveTheSelection() {
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QFETCH(int, pages);
    QtLogList list;
    list.resize(520, 169);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int i = 0; i < 100; ++i) list.Append(NumberedLine(i));
    LogListView& view = ViewOf(list);
    const int page = view.verticalScrollBar()->pageStep();
    const int selected = row + pages * page;

    for (int key : keys) QTest::keyClick(&view, static_cast<Qt::Key>(key));
    QCOMPARE(view.CurrentRow(), selected);
    const int top = view.verticalScrollBar()->value();
    QVERIFY(selected >= top && selected < top + page);
}

void LogListTest::clickSelectsTheRow() {
    QtLogList list;
    list.resize(520, 169);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (int i = 0; i < 100; ++i) list.Append(NumberedLine(i));
    LogListView& view = ViewOf(list);
    const int top = view.verticalScrollBar()->value();

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(20, 2 * view.RowHeight() + view.RowHeight() / 2));
    QCOMPARE(view.CurrentRow(), top + 2);
    QCOMPARE(view.verticalScrollBar()->value(), top);
}

QTEST_MAIN(LogListTest)
#include "LogListTest.moc"
