#include "ui/LogList.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/LogListModel.h"
#include "ui/LogListView.h"

namespace tess {

// The view is declared after the model, so it goes first.
struct LogList::Impl {
    explicit Impl(LogList* owner) : view(model, owner) {}

    LogListModel model;
    LogListView view;
};

LogList::LogList(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&d_->view);
    setFocusProxy(&d_->view);
}

LogList::~LogList() = default;

void LogList::SetHeader(const QString& text, int widthPx) {
    d_->model.SetHeader(text);
    d_->view.Header().resizeSection(0, widthPx);
}

void LogList::Append(const std::string& line) {
    d_->model.Append(line);
}

void LogList::Clear() {
    d_->model.Clear();
}

int LogList::Count() const {
    return d_->model.rowCount();
}

std::string LogList::Entry(int row) const {
    return d_->model.Entry(row);
}

LogListModel* LogList::model() const {
    return &d_->model;
}

}  // namespace tess
