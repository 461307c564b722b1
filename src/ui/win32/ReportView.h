#pragma once

#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/Design.h"

namespace tess {

// A report-style list view of the common controls, one column with a header
// that does not sort: `style` adds its kind of list (LVS_OWNERDATA...).
HWND CreateReportView(HWND parent, int commandId, DWORD style);

// Whether the last row the list view knows is in sight (so is a list without rows).
bool LastRowInSight(HWND view);

// The answer to an owner-data list view's notifications (WM_NOTIFY): the text
// of a cell it paints (LVN_GETDISPINFO), from `cell` (UTF-8, cut to the room
// the list view gives), and no search by text. True with `result` when
// `header` was one of them.
bool AnswerOwnerData(const NMHDR& header, LRESULT& result,
                     const std::function<std::string(int row, int column)>& cell);

// The one column of a report view, its width kept in twips so that it follows
// the monitor's resolution.
class ReportColumn {
public:
    void Add(HWND view, const std::string& header, unsigned dpi);
    void SetWidth(HWND view, int twips, unsigned dpi);
    // Measures the width again at `dpi`.
    void Rescale(HWND view, unsigned dpi);

private:
    int twips_ = -1;  // none set
};

}  // namespace tess
