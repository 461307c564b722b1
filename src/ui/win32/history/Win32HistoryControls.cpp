#include "ui/win32/history/Win32HistoryControls.h"

#include <algorithm>
#include <limits>

#include "common/win32/WideText.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/ReportView.h"
#include "ui/win32/Win32Control.h"
#include "ui/win32/Win32Controls.h"

namespace tess {

Win32Label::Win32Label(HWND parent, int commandId, bool wrap)
    : ChildWindow(CreateChild(L"Static", L"",
                              SS_NOPREFIX | (wrap ? SS_LEFT : SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS),
                              0, parent, commandId)) {}

std::string Win32Label::Caption() const {
    return ControlText(Handle());
}

void Win32Label::SetCaption(const std::string& text) {
    SetControlText(Handle(), text);
}

Win32ChoiceList::Win32ChoiceList(HWND parent, int commandId)
    : ChildWindow(CreateChild(L"ComboBox", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                              parent, commandId)) {}

void Win32ChoiceList::AddChoice(const std::string& caption) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(caption).c_str()));
}

void Win32ChoiceList::Choose(int index) {
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32ChoiceList::Chosen() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void Win32ChoiceList::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE && onChoice_) onChoice_();
}

int Win32ChoiceList::WidthFor(HFONT font, unsigned dpi) const {
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectObject(dc, font);
    int widest = 0;
    const auto count = static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(Handle(), CB_GETLBTEXTLEN, i, 0)),
                          L'\0');
        SendMessageW(Handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    // The arrow, the frame and a little room on either side of the text.
    return widest + GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) + TwipsToPixels(240, dpi);
}

Win32OwnerDataList::Win32OwnerDataList(HWND parent, int commandId)
    : ChildWindow(CreateReportView(parent, commandId, LVS_OWNERDATA)) {}

void Win32OwnerDataList::AddColumn(const std::string& header, int widthTwips, bool alignRight) {
    std::wstring text = Utf8ToWide(header);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.fmt = alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = TwipsToPixels(widthTwips, std::max(GetDpiForWindow(Handle()), 1U));
    column.pszText = text.data();
    const auto index = static_cast<WPARAM>(widthsTwips_.size());
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    widthsTwips_.push_back(widthTwips);
}

void Win32OwnerDataList::Rescale(unsigned dpi) {
    for (std::size_t i = 0; i < widthsTwips_.size(); ++i) {
        ListView_SetColumnWidth(Handle(), static_cast<int>(i), TwipsToPixels(widthsTwips_[i], dpi));
    }
}

// The list view repaints the rows that changed and are in sight, and nothing
// else; it hears of the number of rows only when that changes, as it then
// measures its scroll bars again (in Wine, most of a new entry's cost).
void Win32OwnerDataList::SetRowCount(std::size_t rows, std::size_t firstChanged) {
    const int count = static_cast<int>(
        std::min<std::size_t>(rows, static_cast<std::size_t>(std::numeric_limits<int>::max())));
    const int before = ListView_GetItemCount(Handle());
    const int kept = std::min(count, before);
    const int changed = static_cast<int>(std::min<std::size_t>(firstChanged, before));
    if (changed < kept) ListView_RedrawItems(Handle(), changed, kept - 1);
    // The number alone, when it changes: the list view measures its scroll bars again.
    if (count == before) return;
    const bool following = LastRowInSight(Handle());
    SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count),
                 LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (count > before) {
        ListView_RedrawItems(Handle(), before, count - 1);
        if (following) ListView_EnsureVisible(Handle(), count - 1, FALSE);
    }
}

bool Win32OwnerDataList::OnNotify(const NMHDR& header, LRESULT& result) {
    return AnswerOwnerData(header, result, [this](int row, int column) {
        return cell_ ? cell_(static_cast<std::size_t>(row), column) : std::string();
    });
}

}  // namespace tess
