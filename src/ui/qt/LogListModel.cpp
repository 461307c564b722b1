#include "ui/qt/LogListModel.h"

namespace tess {

LogListModel::LogListModel(QObject* parent) : QAbstractListModel(parent) {}

LogListModel::~LogListModel() = default;

void LogListModel::SetHeader(const QString& text) {
    header_ = text;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void LogListModel::Append(const std::string& line) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    lines_.Append(line);
    endInsertRows();
}

// Removing the rows, rather than resetting the model, keeps the column as the
// header has it, with the width the user may have given it.
void LogListModel::Clear() {
    if (lines_.Size() == 0) return;
    beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
    lines_.Clear();
    endRemoveRows();
}

std::string LogListModel::Entry(int row) const {
    return row < 0 ? std::string() : lines_.At(static_cast<std::size_t>(row));
}

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.Size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return QString::fromStdString(Entry(index.row()));
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section != 0) return {};
    return header_;
}

}  // namespace tess
