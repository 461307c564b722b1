#include <QTest>
#include <QTemporaryDir>
#include <memory>
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
        QVERIFY(first.Claim([&] {
            ++shown;
            return true;
        }));

        // The later start waits for the answer while the copy that runs handles events.
        bool laterRuns = true;
        std::thread later([&] {
            LocalSocketOneCopy second(folder.path());
            laterRuns = second.Claim([] { return true; });
        });
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 10000);
        later.join();
        QVERIFY(!laterRuns);
    }

    // A copy that is ending refuses the hand-over: the later start runs once it
    // has gone, rather than ending with no copy left.
    void aLaterStartRunsOnceTheCopyThatRefusedHasGone() {
        QTemporaryDir folder;
        auto ending = std::make_unique<LocalSocketOneCopy>(folder.path());
        int refused = 0;
        QVERIFY(ending->Claim([&] {
            ++refused;
            return false;
        }));
        bool laterRuns = false;
        std::thread later([&] {
            laterRuns = LocalSocketOneCopy(folder.path()).Claim([] { return true; });
        });
        QTRY_VERIFY_WITH_TIMEOUT(refused >= 1, 10000);
        ending.reset();
        later.join();
        QVERIFY(laterRuns);
    }

    // A copy that ended, however it ended, leaves the next start free to run:
    // its lock went with it, and the socket it left is taken over.
    void aCopyThatEndedBlocksNothing() {
        QTemporaryDir folder;
        {
            LocalSocketOneCopy ended(folder.path());
            QVERIFY(ended.Claim([] { return true; }));
        }
        QFile leftBehind(folder.filePath(QStringLiteral("example.quorvane.Tessaline.socket")));
        QVERIFY(leftBehind.open(QIODevice::WriteOnly));
        leftBehind.close();

        LocalSocketOneCopy next(folder.path());
        int shown = 0;
        QVERIFY(next.Claim([&] {
            ++shown;
            return true;
        }));
        bool laterRuns = true;
        std::thread later([&] {
            laterRuns = LocalSocketOneCopy(folder.path()).Claim([] { return true; });
        });
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 10000);
        later.join();
        QVERIFY(!laterRuns);
    }

    // Without a runtime folder it may write (here: a name under a file),
    // nothing can tell copies apart: the start runs rather than never running.
    void withoutAFolderToWriteTheStartRuns() {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        LocalSocketOneCopy copy(folder.filePath(QStringLiteral("file/runtime")));
        QVERIFY(copy.Claim([] { return true; }));
    }
};

QTEST_GUILESS_MAIN(LocalSocketOneCopyTest)
#include "LocalSocketOneCopyTest.moc"
