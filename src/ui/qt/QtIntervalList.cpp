#include "ui/qt/QtIntervalList.h"

#include <QEvent>
#include <QHeaderView>

#include "ui/qt/Twips.h"

namespace tess {

QtIntervalList::QtIntervalList(QWidget* parent) : QTreeView(parent) {
    model_.setColumnCount(1);
    setModel(&model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QtIntervalList::OnSelectionChanged);
    connect(this, &QAbstractItemView::clicked, this, &QtIntervalList::OnClicked);
}

void QtIntervalList::AddColumn(const std::string& header) {
    model_.setHorizontalHeaderLabels({QString::fromStdString(header)});
}

void QtIntervalList::SetColumnWidth(int twips) {
    setColumnWidth(0, Twips(*this, twips));
}

void QtIntervalList::AddItem(const std::string& caption) {
    auto* item = new QStandardItem(QString::fromStdString(caption));
    item->setEditable(false);
    model_.appendRow(item);
}

int QtIntervalList::Count() const {
    return model_.rowCount();
}

void QtIntervalList::Select(int index) {
    selectingInCode_ = true;
    selectionModel()->setCurrentIndex(
        model_.index(index - 1, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selectingInCode_ = false;
}

int QtIntervalList::SelectedIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.front().row() + 1;
}

std::optional<std::string> QtIntervalList::SelectedCaption() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    return rows.front().data().toString().toStdString();
}

// A click on empty space or with Ctrl on the selected item would leave the list
// without a choice, and the scheduler with no interval to count to.
QItemSelectionModel::SelectionFlags QtIntervalList::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    auto command = QTreeView::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        command = QItemSelectionModel::NoUpdate;
    }
    return command;
}

bool QtIntervalList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) changedByThisPress_ = false;
    return QTreeView::viewportEvent(event);
}

void QtIntervalList::OnSelectionChanged() {
    if (selectingInCode_ || SelectedIndex() == 0) return;
    changedByThisPress_ = true;
    emit chosen();
}

// A click that moved the selection was already reported when the selection changed.
void QtIntervalList::OnClicked() {
    if (changedByThisPress_) return;
    emit chosen();
}

}  // namespace tess
