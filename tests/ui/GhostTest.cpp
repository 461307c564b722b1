#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>

#include "Form1Harness.h"
#include "RecordingDialogs.h"
#include "TempDir.h"
#include "TestPictures.h"
#include "Vendor.h"
#include "ui/Ghost.h"
#include "ui/PointerSetting.h"
#include "ui/qt/Twips.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kFaq = std::string("https://") + kVendorHost + "/question/";
const std::string kContact = std::string("https://") + kVendorHost + "/contact/";
const std::string kHome = std::string("https://") + kVendorHost + "/";

const std::string kFirstQuestion =
    "Most questions can be answered on the 'Common Questions (FAQ)' web site.\r\r"
    "Woud you like to open this site now?";
const std::string kSecondQuestion =
    "As long as your issue hasn't been addressed on the 'Common Questions (FAQ)' web site, you "
    "can contact Team Quorvane directly using the online contact form.\r\r"
    "Would you like to open the contact form now?";

void Write(const std::string& path, const QByteArray& content) {
    WriteAll(path, content.toStdString());
}

// The support window over fakes, in a temporary program folder.
struct GhostHarness {
    GhostHarness() { std::filesystem::create_directories(folder); }

    std::string File(const std::string& name) const { return folder + "/" + name; }
    void AddPicture(int width = 64, int height = 48) {
        Write(File("icon256.gif"), GifFileData(width, height));
    }
    void AddVideo(const std::string& name = "help.mp4") { WriteAll(File("Video/" + name), "v"); }

    Ghost& Load() {
        ghost = std::make_unique<Ghost>(GhostServices{dialogs, launcher, folder});
        ghost->Form_Load();
        return *ghost;
    }

    void MoveOver(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    TempDir temp;
    std::string folder = temp.File("program folder");
    RecordingDialogs dialogs;
    RecordingLauncher launcher;
    std::unique_ptr<Ghost> ghost;
};

QList<int> Tops(const Ghost& ghost) {
    return {ghost.TopTwips(ghost.PushButton3), ghost.TopTwips(ghost.PushButton4),
            ghost.TopTwips(ghost.PushButton5), ghost.TopTwips(ghost.PushButton6)};
}

}  // namespace

class GhostTest : public QObject {
    Q_OBJECT

private slots:
    void loadPreparesTheWindowAndLeavesItHidden() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        QVERIFY(!ghost.isVisible());
        QCOMPARE(ghost.windowTitle(), QStringLiteral("Tessaline"));
        QCOMPARE(ghost.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        QVERIFY(ghost.autoFillBackground());
        QCOMPARE(ghost.Image1->frameShape(), QFrame::NoFrame);
        QVERIFY(!ghost.windowIcon().isNull());
        QVERIFY(!ghost.testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(h.dialogs.messages.empty());
        QVERIFY(h.launcher.urls.empty());
    }

    void buttonsCarryTheirCaptionsAndFont() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        QCOMPARE(ghost.PushButton3->text(),
                 QStringLiteral("Watch Help/Demo Video For This Software"));
        QCOMPARE(ghost.PushButton4->text(), QStringLiteral("Common Questions (FAQ)"));
        QCOMPARE(ghost.PushButton5->text(), QStringLiteral("Email Team Quorvane"));
        QCOMPARE(ghost.PushButton6->text(), QStringLiteral("Open ") + QString(kVendorHost));
        for (QPushButton* button :
             {ghost.PushButton3, ghost.PushButton4, ghost.PushButton5, ghost.PushButton6}) {
            QVERIFY(button->font().bold());
            QCOMPARE(button->font().pointSizeF(), 11.25);
            QCOMPARE(button->x(), Twips(ghost, 270));
            QCOMPARE(button->width(), Twips(ghost, 5115));
            QCOMPARE(button->height(), Twips(ghost, 405));
        }
        QCOMPARE(ghost.width(), Twips(ghost, 5655));
    }

    void layoutFollowsPictureAndVideo_data() {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("video");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("picture and video") << true << true << 7965 << QList{5780, 6320, 6860, 7400};
        // The video button goes first, then every button moves below the picture.
        QTest::newRow("picture, no video")
            << true << false << 7455 << QList{5780, 5780, 6320, 6860};
        QTest::newRow("video, no picture")
            << false << true << 4215 << QList{2010, 2550, 3090, 3630};
        QTest::newRow("neither") << false << false << 3705 << QList{2010, 2010, 2550, 3090};
    }
    void layoutFollowsPictureAndVideo() {
        QFETCH(bool, picture);
        QFETCH(bool, video);
        QFETCH(int, height);
        QFETCH(QList<int>, tops);
        GhostHarness h;
        if (picture) h.AddPicture(64, 48);
        if (video) h.AddVideo();
        Ghost& ghost = h.Load();

        QCOMPARE(ghost.HeightTwips(), height);
        QCOMPARE(ghost.height(), Twips(ghost, height));
        QCOMPARE(Tops(ghost), tops);
        QCOMPARE(ghost.PushButton4->y(), Twips(ghost, tops[1]));
        QCOMPARE(ghost.PushButton6->y(), Twips(ghost, tops[3]));
        QCOMPARE(ghost.PushButton3->isVisibleTo(&ghost), video);
        QCOMPARE(ghost.Image1->size(), picture ? QSize(64, 48) : QSize(0, 0));
        QCOMPARE(ghost.Image1->pos(), QPoint(Twips(ghost, 840), Twips(ghost, 750)));
    }

    void loadRunsOnce() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        ghost.Form_Load();
        QCOMPARE(ghost.HeightTwips(), 3705);
        QCOMPARE(ghost.TopTwips(ghost.PushButton6), 3090);
    }

    void onlyAnOrdinaryFileCountsAsTheVideo_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("video");
        QTest::newRow("no Video folder") << QStringList{} << QStringList{} << false;
        QTest::newRow("empty Video folder") << QStringList{"Video"} << QStringList{} << false;
        QTest::newRow("only a subfolder") << QStringList{"Video/a"} << QStringList{} << false;
        QTest::newRow("only a hidden file")
            << QStringList{} << QStringList{"Video/.help.mp4"} << false;
        QTest::newRow("Video is a file") << QStringList{} << QStringList{"Video"} << false;
        QTest::newRow("a subfolder and a file")
            << QStringList{"Video/a"} << QStringList{"Video/b.txt"} << true;
        QTest::newRow("any kind of file")
            << QStringList{} << QStringList{"Video/notes.doc"} << true;
    }
    void onlyAnOrdinaryFileCountsAsTheVideo() {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, files);
        QFETCH(bool, video);
        GhostHarness h;
        for (const QString& folder : folders) {
            std::filesystem::create_directories(h.File(folder.toStdString()));
        }
        for (const QString& file : files) WriteAll(h.File(file.toStdString()), "x");
        Ghost& ghost = h.Load();
        QCOMPARE(ghost.PushButton3->isVisibleTo(&ghost), video);
        QCOMPARE(ghost.HeightTwips(), video ? 4215 : 3705);
    }

    void unreadablePictureCountsAsNone() {
        GhostHarness h;
        WriteAll(h.File("icon256.gif"), "not a picture");
        h.AddVideo();
        QTest::ignoreMessage(QtWarningMsg,
                             ("Ghost.Form_Load: Invalid picture " + h.File("icon256.gif")).c_str());
        Ghost& ghost = h.Load();
        QCOMPARE(ghost.HeightTwips(), 4215);
        QCOMPARE(Tops(ghost), (QList<int>{2010, 2550, 3090, 3630}));
        QVERIFY(ghost.Image1->pixmap().isNull());
    }

    void buttonsOpenTheVendorsPages() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        QTest::mouseClick(ghost.PushButton4, Qt::LeftButton);
        QTest::mouseClick(ghost.PushButton6, Qt::LeftButton);
        QCOMPARE(h.launcher.urls, (std::vector<std::string>{kFaq, kHome}));
    }

    void videoButtonOpensTheFirstFileAsListedAtTheClick() {
        GhostHarness h;
        h.AddVideo("Help & Demo 100%.mp4");
        Ghost& ghost = h.Load();
        ghost.PushButton3_Click();
        QCOMPARE(h.launcher.urls.size(), std::size_t{1});
        const QUrl url(QString::fromStdString(h.launcher.urls[0]));
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(url.toLocalFile(), QString::fromStdString(h.File("Video/Help & Demo 100%.mp4")));

        // Videos removed after start-up: the folder itself is opened.
        std::filesystem::remove(h.File("Video/Help & Demo 100%.mp4"));
        ghost.PushButton3_Click();
        QCOMPARE(QUrl(QString::fromStdString(h.launcher.urls[1])).toLocalFile(),
                 QString::fromStdString(h.File("Video")));
    }

    void contactDialogueAsksTwice_data() {
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("opened");
        QTest::newRow("yes: common questions")
            << QList{MessageAnswer::Yes} << 1 << QString::fromStdString(kFaq);
        QTest::newRow("no, yes: contact form") << QList{MessageAnswer::No, MessageAnswer::Yes} << 2
                                               << QString::fromStdString(kContact);
        QTest::newRow("no, no: nothing")
            << QList{MessageAnswer::No, MessageAnswer::No} << 2 << QString();
    }
    void contactDialogueAsksTwice() {
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(int, questions);
        QFETCH(QString, opened);
        GhostHarness h;
        Ghost& ghost = h.Load();
        h.dialogs.answers.assign(answers.begin(), answers.end());
        QTest::mouseClick(ghost.PushButton5, Qt::LeftButton);

        QCOMPARE(static_cast<int>(h.dialogs.messages.size()), questions);
        const std::string texts[] = {kFirstQuestion, kSecondQuestion};
        for (int i = 0; i < questions; ++i) {
            const MessageRequest& asked = h.dialogs.messages[static_cast<std::size_t>(i)];
            QCOMPARE(asked.text, texts[i]);
            QCOMPARE(asked.title, std::string());  // the application title
            QCOMPARE(asked.buttons, MessageButtons::YesNo);
            QCOMPARE(asked.icon, MessageIcon::None);
        }
        const std::vector<std::string> expected =
            opened.isEmpty() ? std::vector<std::string>{}
                             : std::vector<std::string>{opened.toStdString()};
        QCOMPARE(h.launcher.urls, expected);
    }

    void aTargetThatCannotBeOpenedSaysNothing() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        h.launcher.fail = true;
        QTest::ignoreMessage(QtWarningMsg, "Ghost: Cannot start xdg-open");
        QTest::mouseClick(ghost.PushButton6, Qt::LeftButton);
        QVERIFY(h.dialogs.messages.empty());
    }

    void handPointerOverButtonsDefaultElsewhere() {
        GhostHarness h;
        Write(h.File("HAND-M.CUR"), CursorFileData(32, 9, 3));
        h.AddPicture();
        Ghost& ghost = h.Load();
        QVERIFY(ghost.HasMouseIcon());

        h.MoveOver(ghost.PushButton4);
        QCOMPARE(ghost.MousePointer(), PointerSetting::kCustom);
        QCOMPARE(ghost.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(ghost.cursor().hotSpot(), QPoint(9, 3));
        h.MoveOver(ghost.Image1);
        QCOMPARE(ghost.MousePointer(), PointerSetting::kDefault);
        QCOMPARE(ghost.cursor().shape(), Qt::ArrowCursor);
        h.MoveOver(ghost.PushButton6);
        h.MoveOver(&ghost);
        QCOMPARE(ghost.MousePointer(), PointerSetting::kDefault);
    }

    void withoutAHandFileButtonsShowNoSpecialPointer_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("not a cursor") << QByteArray("not a cursor");
    }
    void withoutAHandFileButtonsShowNoSpecialPointer() {
        QFETCH(QByteArray, file);
        GhostHarness h;
        if (!file.isEmpty()) {
            Write(h.File("HAND-M.CUR"), file);
            QTest::ignoreMessage(QtWarningMsg, "Ghost.Form_Load: Invalid picture");
        }
        Ghost& ghost = h.Load();
        QVERIFY(!ghost.HasMouseIcon());
        h.MoveOver(ghost.PushButton5);
        QCOMPARE(ghost.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(h.dialogs.messages.empty());
    }

    void theHourglassStaysWhileTheMouseMoves() {
        GhostHarness h;
        Write(h.File("HAND-M.CUR"), CursorFileData(32, 0, 0));
        Ghost& ghost = h.Load();
        ghost.SetMousePointer(PointerSetting::kBusy);
        for (QWidget* over : {static_cast<QWidget*>(ghost.PushButton4),
                              static_cast<QWidget*>(ghost.Image1), static_cast<QWidget*>(&ghost)}) {
            h.MoveOver(over);
            QCOMPARE(ghost.MousePointer(), PointerSetting::kBusy);
            QCOMPARE(ghost.cursor().shape(), Qt::WaitCursor);
        }
    }

    void theUsersCloseMinimisesTheWindow() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        ghost.ShowSupport();
        QVERIFY(QTest::qWaitForWindowExposed(&ghost));

        // The close that the title bar's close box sends.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        // Delivered as the window system delivers it (sendEvent would make it the program's own).
        static_cast<QObject&>(ghost).event(&close);
        QVERIFY(!close.isAccepted());
        QVERIFY(ghost.isVisible());
        QVERIFY(ghost.isMinimized());

        ghost.ShowSupport();
        QVERIFY(ghost.isVisible());
        QVERIFY(!ghost.isMinimized());
    }

    void theProgramsCloseIsNotStopped() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        ghost.ShowSupport();
        QVERIFY(QTest::qWaitForWindowExposed(&ghost));
        QVERIFY(ghost.close());
        QVERIFY(!ghost.isVisible());
    }

    void helpKeyOnTheMainWindowShowsTheSupportWindow() {
        GhostHarness h;
        Ghost& ghost = h.Load();
        QWidget main;
        ghost.ShowOnHelpKey(main);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        QTest::keyClick(&main, Qt::Key_F1);
        QVERIFY(ghost.isVisible());
        QVERIFY(!ghost.isMinimized());
        QCOMPARE(ghost.HeightTwips(), 3705);  // loaded once, as at start-up
    }
};

QTEST_MAIN(GhostTest)
#include "GhostTest.moc"
