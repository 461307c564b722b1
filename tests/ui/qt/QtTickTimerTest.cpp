#include <QTest>

#include "TickGridSteps.h"
#include "ui/qt/QtTickTimer.h"

using namespace tess;

// The grid of ticks through a QTimer, on an injected clock: each step lets the
// QTimer come once and the timer judge it by the clock.
class QtTickTimerTest : public QObject {
    Q_OBJECT

private slots:
    void keepsItsTicksOnTheGrid() {
        test::FakeSteadyClock clock;
        QtTickTimer timer(clock.Function());
        const std::string wrong = test::RunTickGridSteps(timer, clock, [&clock] {
            const int reads = clock.reads;
            (void)QTest::qWaitFor([&] { return clock.reads > reads; }, 10000);
        });
        QVERIFY2(wrong.empty(), wrong.c_str());
    }
};

QTEST_GUILESS_MAIN(QtTickTimerTest)
#include "QtTickTimerTest.moc"
