#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "ui/ListControls.h"

class QMenu;

namespace tess {

class LogListModel;

// The list of logged entries over Qt: a report-style list with one column
// header that grows by one row per entry for as long as the program runs. The
// rows live in a LogLineStore behind a list model, and the view paints only the
// rows in sight, so appending costs the same at a million rows as at ten.
class QtLogList : public QWidget, public LogList {
    Q_OBJECT
public:
    explicit QtLogList(QWidget* parent = nullptr);
    ~QtLogList() override;

    // LogList
    void AddColumn(const std::string& header) override;
    void SetColumnWidth(int twips) override;
    void Append(const std::string& line) override;  // UTF-8
    void Clear() override;

    int Count() const;
    std::string Entry(int row) const;
    LogListModel* model() const;
    // The commands of the list's context menu; it shows when it holds one.
    QMenu& ContextMenu() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace tess
