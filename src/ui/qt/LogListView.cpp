#include "ui/qt/LogListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/qt/LogListModel.h"

namespace tess {

namespace {
constexpr int kRowPadding = 3;  // pixels of a row beyond the height of its text
}  // namespace

LogListView::LogListView(LogListModel& model, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), header_(new QHeaderView(Qt::Horizontal, this)) {
    header_->setModel(&model_);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header_->setStretchLastSection(false);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);

    connect(&model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { RowsInserted(first, last); });
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, [this] { RowsRemoved(); });
    connect(header_, &QHeaderView::sectionResized, this, [this] {
        UpdateScrollRanges();
        viewport()->update();
    });
    connect(header_, &QHeaderView::geometriesChanged, this, [this] { UpdateGeometries(); });
    ApplyFont();
}

LogListView::~LogListView() = default;

int LogListView::RowAt(int y) const {
    if (y < 0) return -1;
    const int row = verticalScrollBar()->value() + y / rowHeight_;
    return row < model_.rowCount() ? row : -1;
}

void LogListView::SetCurrentRow(int row) {
    row = std::clamp(row, -1, model_.rowCount() - 1);
    if (row == current_) return;
    viewport()->update(RowRect(current_));
    current_ = row;
    if (row < 0) return;
    QScrollBar& bar = *verticalScrollBar();
    if (row < bar.value()) bar.setValue(row);
    if (row >= bar.value() + WholeRowsInSight()) bar.setValue(row - WholeRowsInSight() + 1);
    viewport()->update(RowRect(row));
}

void LogListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const int top = verticalScrollBar()->value();
    const int first = top + std::max(0, dirty.top()) / rowHeight_;
    const int last = std::min(model_.rowCount() - 1, top + dirty.bottom() / rowHeight_);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    for (int row = first; row <= last; ++row) {
        const QRect rect = RowRect(row);
        const bool selected = row == current_;
        if (selected) painter.fillRect(rect, palette().brush(group, QPalette::Highlight));
        painter.setPen(
            palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect textRect = rect.adjusted(margin, 0, -margin, 0);
        const QString text = model_.data(model_.index(row)).toString();
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    }
}

void LogListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateGeometries();
}

void LogListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) ApplyFont();
    QAbstractScrollArea::changeEvent(event);
}

void LogListView::scrollContentsBy(int dx, int dy) {
    if (dx != 0) header_->setOffset(horizontalScrollBar()->value());
    viewport()->scroll(dx, dy * rowHeight_);
}

void LogListView::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (row >= 0) SetCurrentRow(row);
    event->accept();
}

void LogListView::keyPressEvent(QKeyEvent* event) {
    const int page = WholeRowsInSight();
    switch (event->key()) {
        case Qt::Key_Up:
            SetCurrentRow(std::max(0, current_ - 1));
            break;
        case Qt::Key_Down:
            SetCurrentRow(current_ + 1);
            break;
        case Qt::Key_PageUp:
            SetCurrentRow(std::max(0, current_ - page));
            break;
        case Qt::Key_PageDown:
            SetCurrentRow(current_ + page);
            break;
        case Qt::Key_Home:
            SetCurrentRow(0);
            break;
        case Qt::Key_End:
            SetCurrentRow(model_.rowCount() - 1);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void LogListView::RowsInserted(int first, int last) {
    UpdateScrollRanges();
    const int top = verticalScrollBar()->value();
    if (last >= top && first < top + WholeRowsInSight() + 1) {
        viewport()->update(RowRect(first).united(RowRect(last)));
    }
}

void LogListView::RowsRemoved() {
    if (current_ >= model_.rowCount()) current_ = -1;
    UpdateScrollRanges();
    viewport()->update();
}

void LogListView::ApplyFont() {
    rowHeight_ = viewport()->fontMetrics().height() + kRowPadding;
    UpdateGeometries();
    viewport()->update();
}

void LogListView::UpdateGeometries() {
    const int headerHeight = header_->isHidden() ? 0 : header_->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect rows = viewport()->geometry();
    header_->setGeometry(rows.left(), rows.top() - headerHeight, rows.width(), headerHeight);
    UpdateScrollRanges();
}

void LogListView::UpdateScrollRanges() {
    QScrollBar& vertical = *verticalScrollBar();
    const bool following = vertical.value() >= vertical.maximum();
    const int page = WholeRowsInSight();
    vertical.setRange(0, std::max(0, model_.rowCount() - page));
    vertical.setPageStep(page);
    if (following) vertical.setValue(vertical.maximum());

    QScrollBar& horizontal = *horizontalScrollBar();
    const int width = viewport()->width();
    horizontal.setRange(0, std::max(0, header_->length() - width));
    horizontal.setPageStep(width);
    horizontal.setSingleStep(rowHeight_);
}

int LogListView::WholeRowsInSight() const {
    return std::max(1, viewport()->height() / rowHeight_);
}

QRect LogListView::RowRect(int row) const {
    if (row < 0) return {};
    return QRect(header_->sectionViewportPosition(0),
                 (row - verticalScrollBar()->value()) * rowHeight_, header_->sectionSize(0),
                 rowHeight_);
}

}  // namespace tess
