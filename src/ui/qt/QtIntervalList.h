#pragma once

#include <QStandardItemModel>
#include <QTreeView>
#include <optional>
#include <string>

namespace tess {

// The report-style list of logging intervals: one column with a header and a
// short, fixed list of captions, at most one of them selected. The user cannot
// leave it without a selection once there is one.
class QtIntervalList : public QTreeView {
    Q_OBJECT
public:
    explicit QtIntervalList(QWidget* parent = nullptr);

    void SetHeader(const QString& text);
    void SetColumnWidth(int widthPx);
    void AddItem(const QString& caption);

    // Selects the item at the 1-based `index` without raising chosen(). Throws
    // tess::Error("Index out of bounds") when there is no such item.
    void SelectIndex(int index);
    // The 1-based index of the selected item, or 0.
    int SelectedIndex() const;
    std::optional<std::string> SelectedCaption() const;

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
