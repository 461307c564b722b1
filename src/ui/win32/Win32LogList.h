#pragma once

#include <string>

#include "ui/ListControls.h"
#include "ui/LogLineStore.h"
#include "ui/win32/ReportView.h"
#include "ui/win32/Win32Control.h"

namespace tess {

// The list of logged entries over a virtual (owner-data) list view: the rows
// live in a LogLineStore, the list view knows only their number and asks for
// the text of the rows it paints (LVN_GETDISPINFO), so that a row costs the
// same at a million rows as at ten. The list view learns the new number once
// per pass of the message loop, however many rows came in it. While the last
// row is in sight the list follows each new one; once the user scrolls away it
// stays where it is.
class Win32LogList : public Win32Control, public LogList {
public:
    Win32LogList(const ControlDesign& design, ControlHost& host, HWND parent, int commandId);

    // LogList
    void AddColumn(const std::string& header) override;
    void SetColumnWidth(int twips) override;
    void Append(const std::string& line) override;  // UTF-8
    void Clear() override;

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnDpiChanged() override;

    int Count() const;
    std::string Entry(int row) const;

private:
    // Tells the list view the number of rows, following the end when it showed the last one.
    void ShowNewRows();
    LogLineStore rows_;
    ReportColumn column_;
    bool newRowsPosted_ = false;
};

}  // namespace tess
