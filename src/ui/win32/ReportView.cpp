#include "ui/win32/ReportView.h"

#include <algorithm>

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

bool LastRowInSight(HWND view) {
    const auto top = static_cast<int>(SendMessageW(view, LVM_GETTOPINDEX, 0, 0));
    const auto perPage = static_cast<int>(SendMessageW(view, LVM_GETCOUNTPERPAGE, 0, 0));
    return top + std::max(perPage, 1) >=
           static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
}

bool AnswerOwnerData(const NMHDR& header, LRESULT& result,
                     const std::function<std::string(int row, int column)>& cell) {
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
            if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
                const std::wstring text = Utf8ToWide(cell(item.iItem, item.iSubItem));
                const std::size_t length =
                    std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
                std::copy_n(text.c_str(), length, item.pszText);
                item.pszText[length] = L'\0';
            }
            result = 0;
            return true;
        }
        case LVN_ODFINDITEMW:
            result = -1;
            return true;
        default:
            return false;
    }
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
