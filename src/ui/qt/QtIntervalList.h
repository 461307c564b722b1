#pragma once

#include <QStandardItemModel>
#include <QTreeView>
#include <optional>
#include <string>

#include "ui/ListControls.h"

namespace tess {

// The interval list over Qt: a report-style tree view of one column with a
// header and a short, fixed list of captions, at most one of them selected.
class QtIntervalList : public QTreeView, public IntervalList {
    Q_OBJECT
public:
    explicit QtIntervalList(QWidget* parent = nullptr);

    // IntervalList
    void AddColumn(const std::string& header) override;
    void SetColumnWidth(int twips) override;
    void AddItem(const std::string& caption) override;
    int Count() const override;
    void Select(int index) override;
    int SelectedIndex() const override;
    std::optional<std::string> SelectedCaption() const override;

signals:
    // The user picked an item: clicked one (also the one already selected) or
    // moved the selection with the mouse or the keyboard.
    void chosen();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    bool viewportEvent(QEvent* event) override;

private:
    void OnSelectionChanged();
    void OnClicked();

    QStandardItemModel model_;
    bool selectingInCode_ = false;
    bool changedByThisPress_ = false;
};

}  // namespace tess
