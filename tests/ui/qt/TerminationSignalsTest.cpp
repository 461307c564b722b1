#include <signal.h>

#include <QTest>

#include "ui/qt/TerminationSignals.h"

using namespace tess;

class TerminationSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void eachSignalBecomesARequestFromTheEventLoop_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void eachSignalBecomesARequestFromTheEventLoop() {
        QFETCH(int, signal);
        int requests = 0;
        const TerminationSignals watch([&] { ++requests; });
        QCOMPARE(::raise(signal), 0);
        QCOMPARE(requests, 0);
        QTRY_COMPARE(requests, 1);
    }

    void theFormerHandlingComesBackAfterwards() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        struct sigaction saved {};
        QCOMPARE(sigaction(SIGHUP, &ignore, &saved), 0);
        struct sigaction now {};
        {
            const TerminationSignals watch([] {});
            sigaction(SIGHUP, nullptr, &now);
            QVERIFY(now.sa_handler != SIG_IGN);
        }
        sigaction(SIGHUP, nullptr, &now);
        const bool ignoredAgain = now.sa_handler == SIG_IGN;
        sigaction(SIGHUP, &saved, nullptr);
        QVERIFY(ignoredAgain);
    }
};

QTEST_MAIN(TerminationSignalsTest)
#include "TerminationSignalsTest.moc"
