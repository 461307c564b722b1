#pragma once

#include <optional>
#include <string>

#include "ui/ListControls.h"
#include "ui/win32/ReportView.h"
#include "ui/win32/Win32Control.h"

namespace tess {

// The interval list over a report list view of a few items, at most one of
// them selected. The user's choices go to OnChoice: a click on an item (also
// on the selected one), a move of the selection by keyboard (Space selecting
// the focused item among them). What would leave the list without a selection
// (a click beside the items, Ctrl with a click or with Space) selects nothing
// new and clears nothing.
class Win32IntervalList : public Win32Control, public IntervalList {
public:
    Win32IntervalList(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);

    // IntervalList
    void AddColumn(const std::string& header) override;
    void SetColumnWidth(int twips) override;
    void AddItem(const std::string& caption) override;
    int Count() const override;
    void Select(int index) override;
    int SelectedIndex() const override;
    std::optional<std::string> SelectedCaption() const override;

    void OnChoice(ActionHandler handler) { onChoice_ = std::move(handler); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnDpiChanged() override;

private:
    // The user's press of a mouse button at a point of the list, and of Space.
    void Press(POINT at);
    void PressSpace();
    void Choose(int row);
    void SelectRow(int row);

    ReportColumn column_;
    ActionHandler onChoice_;
    bool selectingInCode_ = false;
};

}  // namespace tess
