#pragma once

#include <string>

#include "ui/Controls.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The control interfaces over Qt's standard widgets, one widget call each. The
// widgets belong to their window; these only act on them.
namespace tess {

class QtFrame : public CaptionControl {
public:
    explicit QtFrame(QGroupBox& frame) : frame_(frame) {}
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;

private:
    QGroupBox& frame_;
};

class QtButton : public Button {
public:
    explicit QtButton(QPushButton& button) : button_(button) {}
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void Move(const TwipsRect& place) override;

private:
    QPushButton& button_;
};

class QtCheckBox : public CheckBox {
public:
    explicit QtCheckBox(QCheckBox& box) : box_(box) {}
    int Value() const override;
    void SetValue(int value) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;

private:
    QCheckBox& box_;
};

class QtProgressBar : public ProgressBar {
public:
    explicit QtProgressBar(QProgressBar& bar) : bar_(bar) {}
    void SetValue(int value) override;
    void SetMaximum(int maximum) override;

private:
    QProgressBar& bar_;
};

class QtTextBox : public TextBox {
public:
    explicit QtTextBox(QLineEdit& edit) : edit_(edit) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;

private:
    QLineEdit& edit_;
};

class QtPictureBox : public PictureBox {
public:
    explicit QtPictureBox(QLabel& label) : label_(label) {}
    bool LoadPicture(const std::string& path) override;
    void RemoveBorder() override;

private:
    QLabel& label_;
};

}  // namespace tess
