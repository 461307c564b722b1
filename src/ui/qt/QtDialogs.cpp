#include "ui/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "common/AppTitle.h"

namespace tess {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The buttons of the set, the first of them the default one.
QMessageBox::StandardButtons BoxButtons(MessageButtons buttons,
                                        QMessageBox::StandardButton& first) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            first = QMessageBox::Ok;
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            first = QMessageBox::Yes;
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::Ok:
            break;
    }
    first = QMessageBox::Ok;
    return QMessageBox::Ok;
}

MessageAnswer Answer(int button, MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            break;
    }
    // Closed without a button (Escape, the close box): the box's way of saying no.
    return buttons == MessageButtons::YesNo      ? MessageAnswer::No
           : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                 : MessageAnswer::Ok;
}

}  // namespace

MessageAnswer QtDialogs::Message(const MessageRequest& request) {
    const std::string& title = request.title.empty() ? AppTitle() : request.title;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    const auto buttons = BoxButtons(request.buttons, first);
    QMessageBox box(BoxIcon(request.icon), QString::fromStdString(title),
                    QString::fromStdString(request.text), buttons, QApplication::activeWindow());
    box.setDefaultButton(first);
    return Answer(box.exec(), request.buttons);
}

std::optional<std::string> QtDialogs::OpenFile(const OpenFileRequest& request) {
    // An Open dialog that also takes the name of a file yet to be created: a new
    // log file is a fair choice.
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                       QString::fromStdString(request.initialPath),
                       QString::fromStdString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace tess
