#include "ui/qt/history/QtSessionTable.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <limits>

#include "ui/qt/Twips.h"

namespace tess {

namespace {
constexpr int kRowPadding = 4;  // pixels of a row beyond the height of its text
}  // namespace

void OwnerDataModel::AddColumn(const QString& header, bool alignRight) {
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    columns_.push_back({header, alignRight});
    endInsertColumns();
}

void OwnerDataModel::SetRowCount(std::size_t rows, std::size_t firstChanged) {
    const int count = static_cast<int>(
        std::min<std::size_t>(rows, static_cast<std::size_t>(std::numeric_limits<int>::max())));
    const int changed = static_cast<int>(std::min<std::size_t>(firstChanged, rows_));
    if (count < rows_) {
        beginRemoveRows({}, count, rows_ - 1);
        rows_ = count;
        endRemoveRows();
    }
    if (changed < rows_ && columnCount() > 0) {
        emit dataChanged(index(changed, 0), index(rows_ - 1, columnCount() - 1));
    }
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    }
}

int OwnerDataModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int OwnerDataModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant OwnerDataModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.column() >= columnCount()) return {};
    const Column& column = columns_[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column.alignRight ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole || !cell_) return {};
    return QString::fromStdString(cell_(static_cast<std::size_t>(index.row()), index.column()));
}

QVariant OwnerDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const Column& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return column.header;
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column.alignRight ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QtSessionTable::QtSessionTable(QWidget* parent) : QTableView(parent) {
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    // Rows of one height, so that the view never measures them one by one.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    horizontalHeader()->setStretchLastSection(true);
}

void QtSessionTable::AddColumn(const std::string& header, int widthTwips, bool alignRight) {
    model_.AddColumn(QString::fromStdString(header), alignRight);
    horizontalHeader()->resizeSection(model_.columnCount() - 1, Twips(*this, widthTwips));
}

void QtSessionTable::SetRowCount(std::size_t rows, std::size_t firstChanged) {
    const QScrollBar& bar = *verticalScrollBar();
    const bool following = bar.value() >= bar.maximum();
    const int before = model_.rowCount();
    model_.SetRowCount(rows, firstChanged);
    if (following && model_.rowCount() > before) scrollToBottom();
}

}  // namespace tess
