#pragma once

#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <string>

#include "ui/Design.h"

namespace tess {

// A report-style list view of the common controls, one column with a header
// that does not sort: `style` adds its kind of list (LVS_OWNERDATA...).
HWND CreateReportView(HWND parent, int commandId, DWORD style);

// Whether the last row the list view knows is in sight (so is a list without rows).
bool LastRowInSight(HWND view);

// The answer to an owner-data list view's LVN_GETDISPINFO: the cell's text
// (UTF-8), cut to the room the list view gives.
void PutItemText(LVITEMW& item, const std::string& text);

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
