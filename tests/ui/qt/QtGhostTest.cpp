#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <string>

#include "../DesignPixels.h"
#include "QtHarness.h"
#include "TestPictures.h"
#include "Vendor.h"
#include "ui/GhostDesign.h"
#include "ui/PointerSetting.h"

using namespace tess;
using namespace tess::test;

namespace {

QPushButton& ButtonOf(QtGhost& ghost, ControlId id) {
    return ghost.Control<QPushButton>(id);
}

}  // namespace

class QtGhostTest : public QObject {
    Q_OBJECT

private slots:
    // The places the behaviour gives, at 96 dots per inch, worked out by hand;
    // the picture at its own size.
    void layoutFollowsPictureAndVideo_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("picture and video") << 0;
        QTest::newRow("neither") << 1;
    }
    void layoutFollowsPictureAndVideo() {
        QFETCH(int, row);
        const GhostPixels& layout = kGhostAt96Dpi[row];
        QtHarness h;
        if (layout.picture) {
            WriteAll(h.programFolder + "/icon256.gif", GifFileData(64, 48).toStdString());
        }
        if (layout.video) WriteAll(h.programFolder + "/Video/help.mp4", "v");
        QtGhost& ghost = h.ghost;
        ghost.Logic().Form_Load();

        QCOMPARE(ghost.logicalDpiX(), 96);
        QCOMPARE(ghost.size(), QSize(kGhostWidth96, layout.height));
        const ControlId buttons[] = {ghost::PushButton3, ghost::PushButton4, ghost::PushButton5,
                                     ghost::PushButton6};
        for (int i = 0; i < 4; ++i) {
            const QPushButton& button = ButtonOf(ghost, buttons[i]);
            QCOMPARE(button.geometry(), QRect(18, layout.tops[i], 341, 27));
            QVERIFY(button.font().bold());
            QCOMPARE(button.font().pointSizeF(), 11.25);
        }
        QCOMPARE(ButtonOf(ghost, ghost::PushButton3).isVisibleTo(&ghost), layout.video);
        QCOMPARE(ButtonOf(ghost, ghost::PushButton6).text(),
                 QStringLiteral("Open ") + QString(kVendorHost));
        const QLabel& image = ghost.Control<QLabel>(ghost::Image1);
        QCOMPARE(image.geometry(),
                 QRect(QPoint(56, 50), layout.picture ? QSize(64, 48) : QSize(0, 0)));
        QCOMPARE(image.frameShape(), QFrame::NoFrame);
        QCOMPARE(ghost.windowTitle(), QStringLiteral("Tessaline"));
        QCOMPARE(ghost.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        QVERIFY(!ghost.windowIcon().isNull());
        QVERIFY(!ghost.isVisible());
    }

    void unreadablePictureShowsNothing() {
        QtHarness h;
        WriteAll(h.programFolder + "/icon256.gif", "not a picture");
        h.ghost.Logic().Form_Load();
        QVERIFY(h.ghost.Control<QLabel>(ghost::Image1).pixmap().isNull());
        QCOMPARE(h.diagnostics.lines.size(), std::size_t{1});
    }

    void clicksReachTheBehaviour() {
        QtHarness h;
        QtGhost& ghost = h.ghost;
        ghost.Logic().Form_Load();
        h.dialogs.answers = {MessageAnswer::No, MessageAnswer::No};
        QTest::mouseClick(&ButtonOf(ghost, ghost::PushButton4), Qt::LeftButton);
        QTest::mouseClick(&ButtonOf(ghost, ghost::PushButton5), Qt::LeftButton);
        QTest::mouseClick(&ButtonOf(ghost, ghost::PushButton6), Qt::LeftButton);
        QCOMPARE(h.launcher.urls,
                 (std::vector<std::string>{std::string("https://") + kVendorHost + "/question/",
                                           std::string("https://") + kVendorHost + "/"}));
        QCOMPARE(h.dialogs.messages.size(), std::size_t{2});
    }

    void pointerMovesShowTheHandOverTheButtonsOnly() {
        QtHarness h;
        WriteAll(h.programFolder + "/HAND-M.CUR", CursorFileData(32, 9, 3).toStdString());
        WriteAll(h.programFolder + "/icon256.gif", GifFileData(64, 48).toStdString());
        QtGhost& ghost = h.ghost;
        ghost.Logic().Form_Load();

        MoveOver(ButtonOf(ghost, ghost::PushButton4), QPoint(1, 1));
        QCOMPARE(ghost.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(ghost.cursor().hotSpot(), QPoint(9, 3));
        MoveOver(ghost.Control(ghost::Image1), QPoint(1, 1));
        QCOMPARE(ghost.cursor().shape(), Qt::ArrowCursor);
        MoveOver(ButtonOf(ghost, ghost::PushButton6), QPoint(1, 1));
        MoveOver(ghost, QPoint(1, 1));
        QCOMPARE(ghost.MousePointer(), PointerSetting::kDefault);
        ghost.SetMousePointer(PointerSetting::kBusy);
        MoveOver(ButtonOf(ghost, ghost::PushButton4), QPoint(1, 1));
        QCOMPARE(ghost.cursor().shape(), Qt::WaitCursor);
    }

    void theUsersCloseMinimisesTheWindow() {
        QtHarness h;
        QtGhost& ghost = h.ghost;
        ghost.Logic().ShowSupport();
        QVERIFY(QTest::qWaitForWindowExposed(&ghost));

        // The close that the title bar's close box sends.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        // Delivered as the window system delivers it (sendEvent would make it the program's own).
        static_cast<QObject&>(ghost).event(&close);
        QVERIFY(!close.isAccepted());
        QVERIFY(ghost.isVisible());
        QVERIFY(ghost.isMinimized());

        ghost.Logic().ShowSupport();
        QVERIFY(ghost.isVisible());
        QVERIFY(!ghost.isMinimized());
    }

    void theProgramsCloseIsNotStopped() {
        QtHarness h;
        QtGhost& ghost = h.ghost;
        ghost.Logic().ShowSupport();
        QVERIFY(QTest::qWaitForWindowExposed(&ghost));
        QVERIFY(ghost.close());
        QVERIFY(!ghost.isVisible());
        QVERIFY(!ghost.testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(QtGhostTest)
#include "QtGhostTest.moc"
