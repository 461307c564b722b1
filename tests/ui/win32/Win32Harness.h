#pragma once

// First: it takes away the Yield() macro of windows.h before Form1.h.
#include "ui/win32/Win32Form1.h"

#include <gtest/gtest.h>

#include <memory>

#include "../Form1Harness.h"
#include "common/win32/MessagePump.h"
#include "ui/win32/Win32Ghost.h"

namespace tess::test {

// The Win32 windows over the fake services.
class Win32Harness : public Form1Fakes {
public:
    ~Win32Harness() { window.reset(); }

    Win32Form1& Create() {
        window = std::make_unique<Win32Form1>(Services(ghost.Logic()));
        return *window;
    }
    Win32Form1& Load() {
        Create();
        window->Logic().Form_Load();
        return *window;
    }

    Win32Ghost ghost{ForGhost()};
    std::unique_ptr<Win32Form1> window;
};

// A control's rectangle in its window's client area.
inline RECT ClientRectOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline RECT Rect(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The control's handle.
inline HWND Handle(const Win32Window& window, ControlId id) {
    return window.Control(id).Handle();
}

// Lets the messages pending on this thread run.
inline void Pump() {
    DispatchPendingMessages();
}

}  // namespace tess::test

// Rectangles compared and printed by the tests (RECT is the system's, in the
// global namespace, where the comparisons look).
inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

inline void PrintTo(const RECT& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ") " << r.right - r.left << " x " << r.bottom - r.top;
}
