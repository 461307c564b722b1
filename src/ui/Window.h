#pragma once

#include <string>

#include "ui/Controls.h"
#include "ui/Design.h"

namespace tess {

enum class WindowState { Normal = 0, Minimized = 1 };

// A top-level window as the behaviour sees it. The toolkit builds it and its
// controls from a WindowDesign and hands its events to the window's behaviour:
// a change of its state while shown (minimising), a request to close, pointer
// moves over the window and each of its controls.
class Window : public CaptionControl {
public:
    virtual WindowState State() const = 0;
    // A hidden window stays hidden and takes the state when it is next shown.
    virtual void SetState(WindowState state) = 0;
    virtual bool Visible() const = 0;
    // Shows the window in its state; a hidden window has no taskbar button.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Brings the window to the front and makes it the active window.
    virtual void Focus() = 0;
    // The window's icon: one of the program's icons by name (resources/IconNames.h).
    virtual void SetIcon(const std::string& name) = 0;

    // The pointer setting over the window (PointerSetting's values). The custom
    // setting shows the mouse icon, or the default pointer while there is none.
    virtual int MousePointer() const = 0;
    virtual void SetMousePointer(int setting) = 0;
    // Makes the pointer in the cursor file the mouse icon; false, with nothing
    // changed, when the file does not hold a pointer the toolkit can read.
    virtual bool LoadMouseIcon(const std::string& path) = 0;

    // The background of the control (or with kWindowItself of the window)
    // becomes the system's button-face colour.
    virtual void SetButtonFace(ControlId control) = 0;
    // Applies the skin in the file to the window. Throws tess::Error with the
    // platform's description when the file cannot be read.
    virtual void LoadSkin(const std::string& path) = 0;
    // The size of the client area, in twips.
    virtual void Resize(int widthTwips, int heightTwips) = 0;
};

}  // namespace tess
