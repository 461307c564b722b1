#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "Form1Harness.h"
#include "TestPictures.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

using namespace tess;
using namespace tess::test;

namespace {

// A pointer move with no button held, delivered as the window system would:
// to the widget under the pointer, and on to its parents if it does not want it.
void MoveOver(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() - 2.0);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The widget a pointer over the named control lands on.
QWidget* Target(Form1& form, const QString& name) {
    if (name == "Form1") return &form;
    if (name == "ListView2") return form.ListView2->viewport();
    if (name == "ListView1") {
        auto* view = form.ListView1->findChild<QAbstractItemView*>();
        return view ? view->viewport() : form.ListView1;
    }
    return form.findChild<QWidget*>(name);
}

void NameControls(Form1& form) {
    const std::pair<QWidget*, const char*> named[] = {{form.PushButton1, "PushButton1"},
                                                      {form.PushButton2, "PushButton2"},
                                                      {form.PushButton3, "PushButton3"},
                                                      {form.PushButton4, "PushButton4"},
                                                      {form.PushButton5, "PushButton5"},
                                                      {form.PushButton6, "PushButton6"},
                                                      {form.PushButton7, "PushButton7"},
                                                      {form.Frame1, "Frame1"},
                                                      {form.Frame2, "Frame2"},
                                                      {form.Frame3, "Frame3"},
                                                      {form.Text1, "Text1"},
                                                      {form.Check4, "Check4"},
                                                      {form.Check8, "Check8"},
                                                      {form.ProgressBar1, "ProgressBar1"}};
    for (const auto& [widget, name] : named) widget->setObjectName(QString::fromUtf8(name));
}

}  // namespace

class Form1HoverTest : public QObject {
    Q_OBJECT

private slots:
    void hoverRule_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        const int buttons[] = {1, 2, 3, 4, 5, 6, 7};
        for (int n : buttons) {
            const QString name = QStringLiteral("PushButton%1").arg(n);
            QTest::addRow("%s from default", qPrintable(name)) << name << 0 << 99;
            QTest::addRow("%s while busy", qPrintable(name)) << name << 11 << 11;
        }
        for (const char* name : {"Form1", "Frame1", "Frame2", "Frame3", "ListView1", "ListView2"}) {
            QTest::addRow("%s from hand", name) << name << 99 << 0;
            QTest::addRow("%s while busy", name) << name << 11 << 11;
        }
        for (const char* name : {"Text1", "Check4", "Check8", "ProgressBar1"}) {
            QTest::addRow("%s keeps the hand", name) << name << 99 << 99;
            QTest::addRow("%s keeps the arrow", name) << name << 0 << 0;
        }
    }
    void hoverRule() {
        QFETCH(QString, control);
        QFETCH(int, before);
        QFETCH(int, after);
        Form1Harness h;
        h.Store(keys::kWindowsStartup, "On");
        Form1& form = h.Load();
        NameControls(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.SetMousePointer(before);
        QWidget* target = Target(form, control);
        QVERIFY(target);
        MoveOver(target);
        QCOMPARE(form.MousePointer(), after);
    }

    void handShowsOnlyWithTheCursorFile() {
        Form1Harness h;
        WriteAll(h.programFolder + "/HAND-M.CUR", test::CursorFileData(32, 0, 0).toStdString());
        Form1& form = h.Load();
        MoveOver(form.PushButton5);
        QCOMPARE(form.MousePointer(), PointerSetting::kCustom);
        QCOMPARE(form.cursor().shape(), Qt::BitmapCursor);
        MoveOver(&form);
        QCOMPARE(form.MousePointer(), PointerSetting::kDefault);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    }

    void withoutTheCursorFileTheSettingChangesButNoHandShows() {
        Form1Harness h;
        Form1& form = h.Load();
        MoveOver(form.PushButton5);
        QCOMPARE(form.MousePointer(), PointerSetting::kCustom);
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    }

    void busyPointerShowsTheHourglass() {
        Form1Harness h;
        Form1& form = h.Load();
        form.SetMousePointer(PointerSetting::kBusy);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
        MoveOver(form.PushButton6);
        QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
    }
};

QTEST_MAIN(Form1HoverTest)
#include "Form1HoverTest.moc"
