#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <string>
#include <vector>

#include "tray/qt/QtEventWait.h"

namespace tess::test {

// Long enough that a wait ending by its own time would fail the test run's time
// limit rather than pass; the waits below must end on Wake.
//
// The events of a test are timers on its `scope`, so that a test that fails
// leaves nothing pending that refers to its locals.
constexpr int kForever = 24 * 3600 * 1000;
// Far beyond any wait's own time, yet well inside the test run's time limit.
constexpr int kGuard = 20 * 1000;

class QtEventWaitTest : public QObject {
    Q_OBJECT

private slots:
    // Nothing to wait for, or no time to wait: no event runs.
    void returnsAtOnce_data() {
        QTest::addColumn<bool>("done");
        QTest::addColumn<int>("timeoutMs");
        QTest::newRow("already done") << true << kForever;
        QTest::newRow("without time") << false << 0;
    }
    void returnsAtOnce() {
        QFETCH(bool, done);
        QFETCH(int, timeoutMs);
        QtEventWait wait;
        const QObject scope;
        bool eventRan = false;
        QTimer::singleShot(0, &scope, [&] { eventRan = true; });

        wait.WaitUntil([done] { return done; }, timeoutMs);

        QVERIFY(!eventRan);
    }

    // A wake before any wait began is harmless.
    void endsOnWakeOnceDone_data() {
        QTest::addColumn<bool>("wokenBefore");
        QTest::newRow("woken once") << false;
        QTest::newRow("woken before the wait too") << true;
    }
    void endsOnWakeOnceDone() {
        QFETCH(bool, wokenBefore);
        QtEventWait wait;
        const QObject scope;
        if (wokenBefore) wait.Wake();
        bool done = false;
        QTimer::singleShot(0, &scope, [&] {
            done = true;
            wait.Wake();
        });

        wait.WaitUntil([&] { return done; }, kForever);

        QVERIFY(done);
    }

    void keepsWaitingAfterAWakeWhileNotDone() {
        QtEventWait wait;
        const QObject scope;
        bool done = false;
        std::vector<std::string> events;
        QTimer::singleShot(0, &scope, [&] {
            events.push_back("early wake");
            wait.Wake();
        });
        QTimer::singleShot(20, &scope, [&] {
            events.push_back("done");
            done = true;
            wait.Wake();
        });

        wait.WaitUntil([&] { return done; }, kForever);

        QCOMPARE(events, (std::vector<std::string>{"early wake", "done"}));
    }

    // Nothing wakes the wait; it handles events until its time runs out. Should
    // it not end by itself, the guard ends it long after, and the test fails.
    void endsWhenItsTimeRunsOut() {
        QtEventWait wait;
        const QObject scope;
        bool eventRan = false;
        bool guardFired = false;
        QTimer::singleShot(10, &scope, [&] { eventRan = true; });
        QTimer::singleShot(kGuard, &scope, [&] {
            guardFired = true;
            wait.Wake();
        });

        wait.WaitUntil([&] { return guardFired; }, 100);

        QVERIFY2(eventRan, "the wait handled events until its time ran out");
        QVERIFY2(!guardFired, "the wait ended by its own time");
    }

    void handlesEventsWhileWaiting() {
        QtEventWait wait;
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (++ticks == 3) wait.Wake();
        });
        ticker.start(1);

        wait.WaitUntil([&] { return ticks >= 3; }, kForever);

        QCOMPARE(ticks, 3);
    }

    // The wait sleeps in an event loop of its own rather than polling for events.
    void waitsInANestedEventLoop() {
        QtEventWait wait;
        const QObject scope;
        const int levelBefore = QThread::currentThread()->loopLevel();
        int levelDuring = -1;
        QTimer::singleShot(0, &scope, [&] {
            levelDuring = QThread::currentThread()->loopLevel();
            wait.Wake();
        });

        wait.WaitUntil([&] { return levelDuring >= 0; }, kForever);

        QCOMPARE(levelDuring, levelBefore + 1);
    }

    void aWaitInsideAWaitEndsFirst() {
        QtEventWait wait;
        const QObject scope;
        bool outerDone = false;
        bool innerDone = false;
        std::vector<std::string> order;
        QTimer::singleShot(0, &scope, [&] {
            QTimer::singleShot(0, &scope, [&] {
                outerDone = true;
                wait.Wake();
                order.push_back("outer woken");
            });
            QTimer::singleShot(20, &scope, [&] {
                innerDone = true;
                wait.Wake();
            });
            wait.WaitUntil([&] { return innerDone; }, kForever);
            order.push_back("inner returned");
        });

        wait.WaitUntil([&] { return outerDone; }, kForever);
        order.push_back("outer returned");

        QCOMPARE(order,
                 (std::vector<std::string>{"outer woken", "inner returned", "outer returned"}));
    }

    void anInnerWaitMayRunOutWhileTheOuterGoesOn() {
        QtEventWait wait;
        const QObject scope;
        bool outerDone = false;
        std::vector<std::string> order;
        QTimer::singleShot(0, &scope, [&] {
            wait.WaitUntil([] { return false; }, 10);
            order.push_back("inner returned");
            outerDone = true;
            wait.Wake();
        });

        wait.WaitUntil([&] { return outerDone; }, kForever);
        order.push_back("outer returned");

        QCOMPARE(order, (std::vector<std::string>{"inner returned", "outer returned"}));
    }

    // Last: once the application has been told to quit, no event loop runs again.
    void endsWhenTheApplicationQuits() {
        QtEventWait wait;
        const QObject scope;
        bool stuck = false;
        QTimer::singleShot(0, &scope, [] { QCoreApplication::exit(0); });
        // A wait that outlived the application is ended here, and says so.
        QTimer::singleShot(10000, &scope, [&] {
            stuck = true;
            wait.Wake();
        });

        wait.WaitUntil([&] { return stuck; }, kForever);

        QVERIFY2(!stuck, "the wait went on after the application quit");
    }
};

}  // namespace tess::test

QTEST_MAIN(tess::test::QtEventWaitTest)
#include "QtEventWaitTest.moc"
