#pragma once

#include <string>

#include "ui/Design.h"

// The controls of a window as the behaviour sees them: each interface holds the
// operations the behaviour uses, one toolkit call or message each. Toolkits
// implement them over their own controls and hand the user's actions (clicks,
// edits, pointer moves) to the window's behaviour. Changing a control from here
// raises no event: the behaviour raises what a change of its own should raise.
namespace tess {

// A caption: of a frame, a button or a window.
class CaptionControl {
public:
    virtual ~CaptionControl() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
};

// Whether a control is shown. A control that is not hidden counts as visible
// even while its window is hidden.
class VisibleControl {
public:
    virtual ~VisibleControl() = default;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

// A value: the state of a check box, the position of a progress bar.
class ValueControl {
public:
    virtual ~ValueControl() = default;
    virtual void SetValue(int value) = 0;
};

// A check box: 1 checked, 0 clear. The user's clicks go to the owner's click
// handler after the value has changed.
class CheckBox : public ValueControl, public VisibleControl {
public:
    virtual int Value() const = 0;
};

// A progress bar: its position runs from 0 to its maximum.
class ProgressBar : public ValueControl {
public:
    virtual void SetMaximum(int maximum) = 0;
};

// A push button. Its clicks go to the owner's click handler.
class Button : public CaptionControl, public VisibleControl {
public:
    // Places the button, relative to its parent's client area.
    virtual void Move(const TwipsRect& place) = 0;
};

// A one-line text box. The user's typing changes its text only; the end of an
// edit goes to the owner's editing-finished handler: Enter, or the focus moving
// to another control of the same window (Tab, a click). The window losing the
// activation (to a message box, another window, the tray) ends no edit, and
// SetText raises nothing. An end without a change may be handed over too.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// An image control that shows a picture at the picture's own size.
class PictureBox {
public:
    virtual ~PictureBox() = default;
    // Shows the picture in the file; false, with nothing changed, when the file
    // does not hold a picture the toolkit can read.
    virtual bool LoadPicture(const std::string& path) = 0;
    virtual void RemoveBorder() = 0;
};

}  // namespace tess
