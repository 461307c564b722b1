#include "ui/win32/Win32LogList.h"

#include <commctrl.h>

namespace tess {

namespace {

// Posted to the list view, once for the rows of one pass of the message loop.
constexpr UINT kShowNewRows = WM_APP + 1;

int ItemCount(HWND view) {
    return static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

Win32LogList::Win32LogList(const ControlDesign& design, ControlHost& host, HWND parent,
                           int commandId)
    : Win32Control(design, host, CreateReportView(parent, commandId, LVS_OWNERDATA)) {}

bool Win32LogList::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kShowNewRows) return false;
    ShowNewRows();
    result = 0;
    return true;
}

void Win32LogList::AddColumn(const std::string& header) {
    column_.Add(Handle(), header, Host().Dpi());
}

void Win32LogList::SetColumnWidth(int twips) {
    column_.SetWidth(Handle(), twips, Host().Dpi());
}

void Win32LogList::OnDpiChanged() {
    column_.Rescale(Handle(), Host().Dpi());
}

void Win32LogList::Append(const std::string& line) {
    rows_.Append(line);
    if (newRowsPosted_) return;
    newRowsPosted_ = PostMessageW(Handle(), kShowNewRows, 0, 0) != FALSE;
    if (!newRowsPosted_) ShowNewRows();
}

// The list view repaints the new rows that are in sight, and nothing else.
void Win32LogList::ShowNewRows() {
    newRowsPosted_ = false;
    const int count = Count();
    if (count == ItemCount(Handle())) return;
    const bool following = LastRowInSight(Handle());
    SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count),
                 LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (following) SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(count - 1), FALSE);
}

void Win32LogList::Clear() {
    rows_.Clear();
    SendMessageW(Handle(), LVM_SETITEMCOUNT, 0, 0);
}

int Win32LogList::Count() const {
    return static_cast<int>(rows_.Size());
}

std::string Win32LogList::Entry(int row) const {
    return rows_.At(static_cast<std::size_t>(row));
}

bool Win32LogList::OnNotify(const NMHDR& header, LRESULT& result) {
    return AnswerOwnerData(header, result, [this](int row, int /*column*/) {
        return rows_.At(static_cast<std::size_t>(row));
    });
}

}  // namespace tess
