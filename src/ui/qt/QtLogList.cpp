#include "ui/qt/QtLogList.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/qt/LogListModel.h"
#include "ui/qt/LogListView.h"
#include "ui/qt/Twips.h"

namespace tess {

// The view is declared after the model, so it goes first.
struct QtLogList::Impl {
    explicit Impl(QtLogList* owner) : view(model, owner) {}

    LogListModel model;
    LogListView view;
};

QtLogList::QtLogList(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&d_->view);
    setFocusProxy(&d_->view);
}

QtLogList::~QtLogList() = default;

void QtLogList::AddColumn(const std::string& header) {
    d_->model.SetHeader(QString::fromStdString(header));
}

void QtLogList::SetColumnWidth(int twips) {
    d_->view.Header().resizeSection(0, Twips(*this, twips));
}

void QtLogList::Append(const std::string& line) {
    d_->model.Append(line);
}

void QtLogList::Clear() {
    d_->model.Clear();
}

int QtLogList::Count() const {
    return d_->model.rowCount();
}

std::string QtLogList::Entry(int row) const {
    return d_->model.Entry(row);
}

LogListModel* QtLogList::model() const {
    return &d_->model;
}

}  // namespace tess
