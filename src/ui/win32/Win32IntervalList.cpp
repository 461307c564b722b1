#include "ui/win32/Win32IntervalList.h"

#include <commctrl.h>
#include <windowsx.h>

#include "common/win32/WideText.h"

namespace tess {

Win32IntervalList::Win32IntervalList(const ControlDesign& design, ControlHost& host, HWND parent,
                                     int commandId)
    : Win32Control(design, host, CreateReportView(parent, commandId, 0)) {}

// The mouse's presses and Space are taken from the list view's own handling,
// which would clear the selection beside the items or with Ctrl.
bool Win32IntervalList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            SetFocus(Handle());
            Press({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_KEYDOWN:
            if (wParam != VK_SPACE) return false;
            PressSpace();
            break;
        case WM_CHAR:
            if (wParam != L' ') return false;
            break;
        default:
            return false;
    }
    result = 0;
    return true;
}

void Win32IntervalList::AddColumn(const std::string& header) {
    column_.Add(Handle(), header, Host().Dpi());
}

void Win32IntervalList::SetColumnWidth(int twips) {
    column_.SetWidth(Handle(), twips, Host().Dpi());
}

void Win32IntervalList::OnDpiChanged() {
    column_.Rescale(Handle(), Host().Dpi());
}

void Win32IntervalList::AddItem(const std::string& caption) {
    std::wstring text = Utf8ToWide(caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = text.data();
    SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int Win32IntervalList::Count() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

void Win32IntervalList::Select(int index) {
    selectingInCode_ = true;
    SelectRow(index - 1);
    selectingInCode_ = false;
}

int Win32IntervalList::SelectedIndex() const {
    return static_cast<int>(
               SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)) +
           1;
}

std::optional<std::string> Win32IntervalList::SelectedCaption() const {
    const int index = SelectedIndex();
    if (index == 0) return std::nullopt;
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index - 1),
                 reinterpret_cast<LPARAM>(&item));
    return WideToUtf8(text);
}

// Selects and focuses the row (0-based) and brings it into sight.
void Win32IntervalList::SelectRow(int row) {
    ListView_SetItemState(Handle(), row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(Handle(), row, FALSE);
}

// A choice of the row: selected without the list's own report, then handed over once.
void Win32IntervalList::Choose(int row) {
    Select(row + 1);
    if (onChoice_) onChoice_();
}

void Win32IntervalList::Press(POINT at) {
    LVHITTESTINFO hit{};
    hit.pt = at;
    const int row =
        static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row >= 0 && (hit.flags & LVHT_ONITEM) != 0) Choose(row);
}

// Space selects the focused item, a choice when it was not selected yet.
void Win32IntervalList::PressSpace() {
    const int row = static_cast<int>(
        SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (row >= 0 && row + 1 != SelectedIndex()) Choose(row);
}

// A move of the selection by keyboard (the arrows, Home, End, a typed letter).
bool Win32IntervalList::OnNotify(const NMHDR& header, LRESULT& /*result*/) {
    if (header.code != LVN_ITEMCHANGED || selectingInCode_) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0 &&
                             (change.uOldState & LVIS_SELECTED) == 0 && change.iItem >= 0;
    if (nowSelected && onChoice_) onChoice_();
    return false;
}

}  // namespace tess
