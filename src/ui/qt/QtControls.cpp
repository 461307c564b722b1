#include "ui/qt/QtControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

#include "ui/qt/Twips.h"

namespace tess {

namespace {
QString FromUtf8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
}  // namespace

std::string QtFrame::Caption() const {
    return frame_.title().toStdString();
}

void QtFrame::SetCaption(const std::string& text) {
    frame_.setTitle(FromUtf8(text));
}

std::string QtButton::Caption() const {
    return button_.text().toStdString();
}

void QtButton::SetCaption(const std::string& text) {
    button_.setText(FromUtf8(text));
}

bool QtButton::Visible() const {
    return !button_.isHidden();
}

void QtButton::SetVisible(bool visible) {
    button_.setVisible(visible);
}

void QtButton::Move(const TwipsRect& place) {
    button_.setGeometry(Twips(button_, place.left), Twips(button_, place.top),
                        Twips(button_, place.width), Twips(button_, place.height));
}

// Setting the state raises the widget's toggled(), not the clicked() that the
// window hands to the behaviour.
int QtCheckBox::Value() const {
    return box_.isChecked() ? 1 : 0;
}

void QtCheckBox::SetValue(int value) {
    box_.setChecked(value == 1);
}

bool QtCheckBox::Visible() const {
    return !box_.isHidden();
}

void QtCheckBox::SetVisible(bool visible) {
    box_.setVisible(visible);
}

void QtProgressBar::SetValue(int value) {
    bar_.setValue(value);
}

void QtProgressBar::SetMaximum(int maximum) {
    bar_.setMaximum(maximum);
}

// Setting the text raises the widget's textChanged(), not the end of an edit
// that the window hands to the behaviour.
std::string QtTextBox::Text() const {
    return edit_.text().toStdString();
}

void QtTextBox::SetText(const std::string& text) {
    edit_.setText(FromUtf8(text));
}

bool QtPictureBox::LoadPicture(const std::string& path) {
    QPixmap picture;
    if (!picture.load(FromUtf8(path))) return false;
    label_.setPixmap(picture);
    label_.resize(picture.size());
    return true;
}

void QtPictureBox::RemoveBorder() {
    label_.setFrameShape(QFrame::NoFrame);
}

}  // namespace tess
