#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/qt/ProcessEnd.h"

using namespace tess;

// The end is for the whole process, so this program checks it once.
class ProcessEndTest : public QObject {
    Q_OBJECT

private slots:
    void theEndStopsEveryLoopAndKeepsInputAway() {
        QPushButton button(QStringLiteral("Log Battery Level Now (Test)"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 1);

        // Ended by a handler that runs inside a wait, inside the application's loop.
        bool waitReturned = false;
        QTimer::singleShot(0, [&] {
            QEventLoop wait;
            QTimer::singleShot(0, [] { EndProcess(); });
            wait.exec();
            waitReturned = true;
        });
        QCOMPARE(RunEventLoop(), 0);
        QVERIFY(waitReturned);

        // A loop started afterwards returns at once; clicks reach nothing.
        QCOMPARE(RunEventLoop(), 0);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(ProcessEndTest)
#include "ProcessEndTest.moc"
