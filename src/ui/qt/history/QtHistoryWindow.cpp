#include "ui/qt/history/QtHistoryWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>

#include "ui/history/HistoryLayout.h"
#include "ui/qt/history/QtCharts.h"
#include "ui/qt/history/QtSessionTable.h"

namespace tess {

namespace {
void Place(QWidget& widget, const PixelRect& place) {
    widget.setGeometry(place.left, place.top, place.width, place.height);
}
}  // namespace

std::string QtLabelCaption::Caption() const {
    return label_.text().toStdString();
}

void QtLabelCaption::SetCaption(const std::string& text) {
    label_.setText(QString::fromStdString(text));
}

void QtChoiceList::AddChoice(const std::string& caption) {
    box_.addItem(QString::fromStdString(caption));
}

void QtChoiceList::Choose(int index) {
    box_.setCurrentIndex(index);
}

int QtChoiceList::Chosen() const {
    return box_.currentIndex();
}

QtHistoryWindow::QtHistoryWindow(const DateTimeFormat& format)
    : summary_(new QLabel(this)),
      range_(new QComboBox(this)),
      levelChart_(new QtLevelChart(this)),
      sessions_(new QtSessionTable(this)),
      runtimeCaption_(new QLabel(this)),
      runtimeChart_(new QtRuntimeChart(this)),
      summaryCaption_(*summary_),
      rangeChoice_(*range_),
      runtimeCaptionText_(*runtimeCaption_),
      history_({*this, summaryCaption_, rangeChoice_, *levelChart_, *sessions_,
                runtimeCaptionText_, *runtimeChart_},
               format, reader_, stopwatch_) {
    // Left open, the history does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setTextFormat(Qt::PlainText);
    runtimeCaption_->setTextFormat(Qt::PlainText);
    levelChart_->OnPaint([this] { history_.LevelChart_Paint(); });
    runtimeChart_->OnPaint([this] { history_.RuntimeChart_Paint(); });
    sessions_->SetCellText(
        [this](std::size_t row, int column) { return history_.SessionCell(row, column); });
    // The user's choices only: what the behaviour chooses raises nothing here.
    connect(range_, &QComboBox::activated, this, [this] { history_.Range_Click(); });
    resize(kHistoryWidth, kHistoryHeight);
}

std::string QtHistoryWindow::Caption() const {
    return windowTitle().toStdString();
}

void QtHistoryWindow::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

bool QtHistoryWindow::Visible() const {
    return isVisible();
}

void QtHistoryWindow::ShowInFront() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void QtHistoryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void QtHistoryWindow::LayOut() {
    const QSize choice = range_->sizeHint();
    const HistoryPlaces places = LayOutHistory(
        width(), height(), {fontMetrics().height(), choice.width(), choice.height()});
    Place(*summary_, places.summary);
    Place(*range_, places.range);
    Place(*levelChart_, places.levelChart);
    Place(*sessions_, places.sessions);
    Place(*runtimeCaption_, places.runtimeCaption);
    Place(*runtimeChart_, places.runtimeChart);
}

void QtHistoryWindow::closeEvent(QCloseEvent* event) {
    history_.Form_Unload();
    QWidget::closeEvent(event);
}

}  // namespace tess
