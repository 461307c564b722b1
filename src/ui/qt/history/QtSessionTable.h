#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <string>
#include <vector>

#include "ui/history/HistoryControls.h"

namespace tess {

// The rows of an owner-data list as a table model: it holds only their number
// and asks the owner for the text of a cell when a view shows it.
class OwnerDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellText = std::function<std::string(std::size_t row, int column)>;

    explicit OwnerDataModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetCellText(CellText cell) { cell_ = std::move(cell); }
    void AddColumn(const QString& header, bool alignRight);
    void SetRowCount(std::size_t rows, std::size_t firstChanged);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Column {
        QString header;
        bool alignRight;
    };
    std::vector<Column> columns_;
    int rows_ = 0;
    CellText cell_;
};

// The sessions table over Qt: a table view of rows of one height over an
// OwnerDataModel, which follows new rows while the last one is in sight.
class QtSessionTable : public QTableView, public OwnerDataList {
    Q_OBJECT
public:
    explicit QtSessionTable(QWidget* parent = nullptr);

    // Where the cells' texts come from.
    void SetCellText(OwnerDataModel::CellText cell) { model_.SetCellText(std::move(cell)); }

    // OwnerDataList
    void AddColumn(const std::string& header, int widthTwips, bool alignRight) override;
    void SetRowCount(std::size_t rows, std::size_t firstChanged) override;

private:
    OwnerDataModel model_;
};

}  // namespace tess
