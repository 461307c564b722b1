#pragma once

#include <QWidget>
#include <memory>
#include <string>

namespace tess {

class LogListModel;

// The list of logged entries: a report-style list with one column header that
// grows by one row per entry for as long as the program runs. Appending costs
// the same at a million rows as at ten, and the view keeps showing the newest
// entry unless the user has scrolled away from the end.
class QtLogList : public QWidget {
    Q_OBJECT
public:
    explicit QtLogList(QWidget* parent = nullptr);
    ~QtLogList() override;

    void SetHeader(const QString& text, int widthPx);
    void Append(const std::string& line);  // UTF-8
    void Clear();
    int Count() const;
    std::string Entry(int row) const;

    LogListModel* model() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace tess
