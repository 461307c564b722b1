#pragma once

#include <windows.h>
// An empty macro left from 16-bit Windows, which would erase every member named Yield.
#undef Yield

#include <functional>

#include "ui/Design.h"

namespace tess {

// What a control asks of the window that holds it.
class ControlHost {
public:
    virtual ~ControlHost() = default;
    // Moves the control to `place` (twips, relative to the frame that holds it
    // or to the window's client area, as in the design).
    virtual void Place(ControlId control, const TwipsRect& place) = 0;
    // Where the control stands, as Place took it.
    virtual TwipsRect PlaceOf(ControlId control) const = 0;
    // The dots per inch of the window's monitor.
    virtual unsigned Dpi() const = 0;
};

// One child control of a window, a thin owner of its window handle: it is
// created from its design row, and the window hands it the notifications
// (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM) that the system sends about it.
class Win32Control {
public:
    Win32Control(const ControlDesign& design, ControlHost& host, HWND handle);
    virtual ~Win32Control();
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    HWND Handle() const { return handle_; }
    const ControlDesign& Design() const { return design_; }

    // A message to the control's own window, before its class handles it; true
    // with `result` when it is answered here.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }
    // A WM_COMMAND notification code from the control.
    virtual void OnCommand(WORD /*code*/) {}
    // A WM_NOTIFY from the control; true with `result` when it is answered.
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // Owner-drawn controls draw themselves on `background`.
    virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/, HBRUSH /*background*/) {}
    // The monitor's resolution changed (sizes in twips are measured again).
    virtual void OnDpiChanged() {}

protected:
    ControlHost& Host() const { return host_; }
    ControlId Id() const { return design_.id; }

private:
    const ControlDesign& design_;
    ControlHost& host_;
    HWND handle_;
};

// The child window of a control: of the system's `className` with `style`
// (WS_CHILD and WS_VISIBLE added), whose notifications carry `commandId`.
// Throws tess::Error when the system refuses it.
HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 HWND parent, int commandId);

// What runs for one of the user's actions on a control: a click, an edit, a choice.
using ActionHandler = std::function<void()>;

}  // namespace tess
