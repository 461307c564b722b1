#include "ui/qt/QtLogList.h"

#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/qt/LogListModel.h"
#include "ui/qt/LogListView.h"
#include "ui/qt/Twips.h"

namespace tess {

// The view is declared after the model, so it goes first.
struct QtLogList::Impl {
    explicit Impl(QtLogList* owner) : view(model, owner), menu(owner) {}

    LogListModel model;
    LogListView view;
    QMenu menu;
};

QtLogList::QtLogList(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&d_->view);
    setFocusProxy(&d_->view);
    // The menu pops up and the event loop goes on; it is not a loop of its own.
    d_->view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&d_->view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!d_->menu.isEmpty()) d_->menu.popup(d_->view.viewport()->mapToGlobal(at));
    });
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

QMenu& QtLogList::ContextMenu() const {
    return d_->menu;
}

}  // namespace tess
