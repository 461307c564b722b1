#include "ui/win32/ReportView.h"

#include <commctrl.h>

#include "common/win32/WideText.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Win32Control.h"

namespace tess {

HWND CreateReportView(HWND parent, int commandId, DWORD style) {
    const HWND view = CreateChild(
        WC_LISTVIEWW, L"",
        WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | style,
        WS_EX_CLIENTEDGE, parent, commandId);
    ListView_SetExtendedListViewStyle(view, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    return view;
}

void ReportColumn::Add(HWND view, const std::string& header, unsigned dpi) {
    std::wstring text = Utf8ToWide(header);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.pszText = text.data();
    SendMessageW(view, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    Rescale(view, dpi);
}

void ReportColumn::SetWidth(HWND view, int twips, unsigned dpi) {
    twips_ = twips;
    Rescale(view, dpi);
}

void ReportColumn::Rescale(HWND view, unsigned dpi) {
    if (twips_ >= 0) ListView_SetColumnWidth(view, 0, TwipsToPixels(twips_, dpi));
}

}  // namespace tess
