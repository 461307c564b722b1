#include "ui/qt/QtForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

#include "ui/Form1Design.h"
#include "ui/history/HistoryView.h"
#include "ui/qt/QtIntervalList.h"
#include "ui/qt/QtLogList.h"

namespace tess {

namespace {
QWidget* MakeList(const ControlDesign& control, QWidget* parent) {
    if (control.id == form1::ListView1) return new QtLogList(parent);
    return new QtIntervalList(parent);
}
}  // namespace

QtForm1::QtForm1(const Form1Services& services)
    : QtWindow(form1::kDesign, MakeList),
      frame1_(Control<QGroupBox>(form1::Frame1)),
      progressBar1_(Control<QProgressBar>(form1::ProgressBar1)),
      text1_(Control<QLineEdit>(form1::Text1)),
      pushButton5_(Control<QPushButton>(form1::PushButton5)),
      check4_(Control<QCheckBox>(form1::Check4)),
      check8_(Control<QCheckBox>(form1::Check8)),
      form_({*this, frame1_, progressBar1_, ListView1(), text1_, pushButton5_, check4_, check8_,
             ListView2()},
            services) {
    HandEventsOver();
}

QtLogList& QtForm1::ListView1() const {
    return Control<QtLogList>(form1::ListView1);
}

QtIntervalList& QtForm1::ListView2() const {
    return Control<QtIntervalList>(form1::ListView2);
}

void QtForm1::HandEventsOver() {
    HandClicksTo(form_, Form1::kButtonClicks);
    // The user's clicks and edits only: what the behaviour sets raises nothing here.
    connect(&Control<QCheckBox>(form1::Check4), &QCheckBox::clicked, this,
            [this] { form_.Check4_Click(); });
    connect(&Control<QCheckBox>(form1::Check8), &QCheckBox::clicked, this,
            [this] { form_.Check8_Click(); });
    // Enter ends an edit of the path; so does the focus leaving it (eventFilter).
    auto& text1 = Control<QLineEdit>(form1::Text1);
    connect(&text1, &QLineEdit::returnPressed, this, [this] { form_.Text1_EditingFinished(); });
    text1.installEventFilter(this);
    connect(&ListView2(), &QtIntervalList::chosen, this, [this] { form_.ListView2_Click(); });
    HandPointerMovesTo([this](ControlId control) { form_.MouseMove(control); });
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { form_.HelpKey(); });
    // One command, in the log list's context menu and on the window's Ctrl+H.
    auto* history = new QAction(QString::fromUtf8(kHistoryCaption), this);
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addAction(history);
    ListView1().ContextMenu().addAction(history);
    connect(history, &QAction::triggered, this, [this] { form_.ShowHistory(); });
}

// The state change of a shown window is its resize handling; one of a hidden
// window is not (the load minimises the window before it is first shown).
void QtForm1::changeEvent(QEvent* event) {
    QtWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) form_.Form_Resize();
}

// The focus leaving the path box for another control of the window ends its
// edit; the window losing the activation (a message box, another window, the
// tray) does not, nor does a popup such as the box's own context menu. Qt's
// editingFinished() cannot tell these apart.
bool QtForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Control(form1::Text1) && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            form_.Text1_EditingFinished();
        }
    }
    return QtWindow::eventFilter(watched, event);
}

void QtForm1::closeEvent(QCloseEvent* event) {
    form_.Form_QueryUnload();
    event->accept();
}

}  // namespace tess
