#include "ui/win32/Win32Form1.h"

#include "ui/Form1Design.h"
#include "ui/history/HistoryView.h"
#include "ui/win32/Win32IntervalList.h"
#include "ui/win32/Win32LogList.h"

namespace tess {

namespace {

// The history command: in the log list's context menu and on Ctrl+H.
constexpr UINT kHistoryCommand = 100;

std::unique_ptr<Win32Control> MakeList(const ControlDesign& control, ControlHost& host, HWND parent,
                                       int commandId) {
    if (control.id == form1::ListView1) {
        return std::make_unique<Win32LogList>(control, host, parent, commandId);
    }
    return std::make_unique<Win32IntervalList>(control, host, parent, commandId);
}
}  // namespace

Win32Form1::Win32Form1(const Form1Services& services)
    : Win32Window(form1::kDesign, MakeList),
      form_({*this, Control<Win32Frame>(form1::Frame1),
             Control<Win32ProgressBar>(form1::ProgressBar1), ListView1(),
             Control<Win32TextBox>(form1::Text1), Control<Win32Button>(form1::PushButton5),
             Control<Win32CheckBox>(form1::Check4), Control<Win32CheckBox>(form1::Check8),
             ListView2()},
            services) {
    HandEventsOver();
}

Win32LogList& Win32Form1::ListView1() const {
    return Control<Win32LogList>(form1::ListView1);
}

Win32IntervalList& Win32Form1::ListView2() const {
    return Control<Win32IntervalList>(form1::ListView2);
}

// The user's clicks, edits and choices only: what the behaviour sets raises nothing here.
void Win32Form1::HandEventsOver() {
    static constexpr ClickRoute<Form1> kBoxClicks[] = {{form1::Check4, &Form1::Check4_Click},
                                                       {form1::Check8, &Form1::Check8_Click}};
    HandClicksTo(form_, Form1::kButtonClicks);
    HandClicksTo(form_, kBoxClicks);
    Control<Win32TextBox>(form1::Text1).OnEditingFinished(Gated([this] {
        form_.Text1_EditingFinished();
    }));
    ListView2().OnChoice(Gated([this] { form_.ListView2_Click(); }));
    HandPointerMovesTo([this](ControlId control) { form_.MouseMove(control); });
    SetContextMenu(form1::ListView1,
                   {{kHistoryCommand, std::string(kHistoryCaption) + "\tCtrl+H"}});
    SetCommandKeys({{'H', kHistoryCommand}});
}

void Win32Form1::OnMinimised() {
    form_.Form_Resize();
}

void Win32Form1::OnClose() {
    form_.Form_QueryUnload();
}

// Only a session that really ends: a logoff that another program cancelled
// (WM_ENDSESSION with FALSE) leaves the program running.
void Win32Form1::OnSessionEnd() {
    form_.Form_QueryUnload();
}

void Win32Form1::OnHelp() {
    form_.HelpKey();
}

void Win32Form1::OnMenuCommand(UINT id) {
    if (id == kHistoryCommand) form_.ShowHistory();
}

}  // namespace tess
