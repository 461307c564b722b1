#include <QTest>
#include <QTemporaryDir>
#include <thread>

#include "ui/linux/LocalSocketOneCopy.h"

using namespace tess;

// Copies of the program meet in one folder; each object here stands for one.
class LocalSocketOneCopyTest : public QObject {
    Q_OBJECT

private slots:
    void aLaterStartHandsOverToTheCopyThatRuns() {
        QTemporaryDir folder;
        LocalSocketOneCopy first(folder.path());
        int shown = 0;
        QVERIFY(first.Claim([&] { ++shown; }));

        // The later start waits for the answer while the copy that runs handles events.
        bool laterRuns = true;
        std::thread later([&] {
            LocalSocketOneCopy second(folder.path());
            laterRuns = second.Claim([] {});
        });
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 10000);
        later.join();
        QVERIFY(!laterRuns);
    }

    // A copy that ended, however it ended, leaves the next start free to run:
    // its lock went with it, and the socket it left is taken over.
    void aCopyThatEndedBlocksNothing() {
        QTemporaryDir folder;
        {
            LocalSocketOneCopy ended(folder.path());
            QVERIFY(ended.Claim([] {}));
        }
        QFile leftBehind(folder.filePath(QStringLiteral("example.quorvane.Tessaline.socket")));
        QVERIFY(leftBehind.open(QIODevice::WriteOnly));
        leftBehind.close();

        LocalSocketOneCopy next(folder.path());
        int shown = 0;
        QVERIFY(next.Claim([&] { ++shown; }));
        std::thread later([&] { LocalSocketOneCopy(folder.path()).Claim([] {}); });
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 10000);
        later.join();
    }
};

QTEST_GUILESS_MAIN(LocalSocketOneCopyTest)
#include "LocalSocketOneCopyTest.moc"
