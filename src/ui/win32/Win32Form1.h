#pragma once

// First: it takes away the Yield() macro of windows.h, which would erase
// Form1's member of that name.
#include "ui/win32/Win32Window.h"

#include "ui/Form1.h"

namespace tess {

class Win32IntervalList;
class Win32LogList;

// The main window over the Win32 API: the controls of form1::kDesign, with the
// user's clicks, edits, choices, pointer moves, the help key, the log list's
// context menu and Ctrl+H, minimising, the close and the end of the session
// handed to its behaviour, Form1, which it owns.
class Win32Form1 : public Win32Window {
public:
    explicit Win32Form1(const Form1Services& services);

    Form1& Logic() { return form_; }
    Win32LogList& ListView1() const;
    Win32IntervalList& ListView2() const;

protected:
    void OnMinimised() override;
    void OnClose() override;
    void OnSessionEnd() override;
    void OnHelp() override;
    void OnMenuCommand(UINT id) override;

private:
    void HandEventsOver();

    Form1 form_;
};

}  // namespace tess
