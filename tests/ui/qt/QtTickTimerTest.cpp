#include <QTest>
#include <chrono>
#include <thread>

#include "ui/qt/QtTickTimer.h"

using namespace tess;
using Clock = std::chrono::steady_clock;

// Entries a second apart must never share a second: a tick may come late, never
// before its period is over.
class QtTickTimerTest : public QObject {
    Q_OBJECT

private slots:
    void aTickNeverComesBeforeItsPeriod() {
        using std::chrono::milliseconds;
        QtTickTimer timer;
        Clock::time_point armed;
        Clock::time_point ticked;
        timer.OnTick([&] {
            ticked = Clock::now();
            timer.SetEnabled(false);
        });
        // Armed 20 ms past a half second of the monotonic clock: a timer allowed
        // to round its time-out to such a boundary would come 20 ms early.
        const auto now = Clock::now().time_since_epoch();
        const auto half = milliseconds(500);
        std::this_thread::sleep_until(
            Clock::time_point((now / half + 1) * half + milliseconds(20)));
        armed = Clock::now();
        timer.SetInterval(1000);
        QTRY_VERIFY_WITH_TIMEOUT(ticked != Clock::time_point(), 10000);
        QVERIFY2(ticked - armed >= milliseconds(1000),
                 qPrintable(QStringLiteral("ticked after %1 ms")
                                .arg(std::chrono::duration_cast<milliseconds>(ticked - armed)
                                         .count())));
    }
};

QTEST_GUILESS_MAIN(QtTickTimerTest)
#include "QtTickTimerTest.moc"
