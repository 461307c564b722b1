#pragma once

#include <memory>
#include <string>

#include "ui/Controls.h"
#include "ui/win32/Win32Control.h"

// The control interfaces over the system's standard controls, one message each.
namespace tess {

class WicPicture;

// A frame: a group box, which the pointer does not pass through.
class Win32Frame : public Win32Control, public CaptionControl {
public:
    Win32Frame(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
};

// A push button or a check box: its clicks, by the user alone, go to OnClick.
class Win32Clickable : public Win32Control {
public:
    using Win32Control::Win32Control;
    void OnClick(ActionHandler handler) { onClick_ = std::move(handler); }
    void OnCommand(WORD code) override;

private:
    ActionHandler onClick_;
};

class Win32Button : public Win32Clickable, public Button {
public:
    Win32Button(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);
    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void Move(const TwipsRect& place) override;
};

// A check box that the user's click checks or clears before OnClick runs;
// BM_SETCHECK, which SetValue sends, raises no click.
class Win32CheckBox : public Win32Clickable, public CheckBox {
public:
    Win32CheckBox(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);
    int Value() const override;
    void SetValue(int value) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
};

class Win32ProgressBar : public Win32Control, public ProgressBar {
public:
    Win32ProgressBar(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);
    void SetValue(int value) override;
    void SetMaximum(int maximum) override;
};

// A one-line edit box. An edit ends with Enter (which the box takes from the
// window's dialog keys) or with the focus going to another control of the
// window; the window losing the activation (a message box, another program)
// does not end it.
class Win32TextBox : public Win32Control, public TextBox {
public:
    Win32TextBox(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void OnEditingFinished(ActionHandler handler) { onEditingFinished_ = std::move(handler); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(WORD code) override;

private:
    void EditingFinished();

    ActionHandler onEditingFinished_;
};

// A picture at its own size (its pixels taken at 96 dpi, so that it keeps its
// size on the screen at any resolution), drawn by the window with its alpha.
class Win32PictureBox : public Win32Control, public PictureBox {
public:
    Win32PictureBox(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);
    ~Win32PictureBox() override;
    bool LoadPicture(const std::string& path) override;
    void RemoveBorder() override;
    void OnDrawItem(const DRAWITEMSTRUCT& item, HBRUSH background) override;
    bool HasPicture() const { return picture_ != nullptr; }

private:
    std::unique_ptr<WicPicture> picture_;
};

// Text between the program (UTF-8) and a control.
std::string ControlText(HWND window);
void SetControlText(HWND window, const std::string& text);

}  // namespace tess
