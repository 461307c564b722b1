#pragma once

#include <QAbstractScrollArea>

class QHeaderView;

namespace tess {

class LogListModel;

// A report-style view of the log list: one column header over rows of one
// line each, all of one height. It paints only the rows in sight and scrolls
// by whole rows, so a new row costs the same however many there are. While
// the view shows the last row it follows each new one; once the user scrolls
// away it stays where the user put it.
class LogListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LogListView(LogListModel& model, QWidget* parent = nullptr);
    ~LogListView() override;

    QHeaderView& Header() const { return *header_; }
    int RowHeight() const { return rowHeight_; }
    // The row under the viewport's y coordinate, or -1.
    int RowAt(int y) const;
    // The selected row, or -1.
    int CurrentRow() const { return current_; }
    // Selects the row and scrolls it into sight.
    void SetCurrentRow(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RowsInserted(int first, int last);
    void RowsRemoved();
    void ApplyFont();
    void UpdateGeometries();
    void UpdateScrollRanges();
    int WholeRowsInSight() const;
    QRect RowRect(int row) const;

    LogListModel& model_;
    QHeaderView* header_;
    int rowHeight_ = 1;
    int current_ = -1;
};

}  // namespace tess
