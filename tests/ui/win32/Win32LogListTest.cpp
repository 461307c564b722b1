#include "Win32Harness.h"

#include <commctrl.h>

#include "ui/win32/Win32LogList.h"

using namespace tess;
using namespace tess::test;

namespace {

// The text the list view shows in the row, as it asks the list for it.
std::wstring RowText(HWND view, int row) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

// The list view holds only the number of rows, which it learns once the
// program waits for events again; each new one is in sight while the list
// follows the end, and no longer once the user scrolled away.
TEST(Win32LogListTest, AMillionRowsAndTheEndInSight) {
    Win32Harness h;
    Win32Form1& window = h.Load();
    Win32LogList& list = window.ListView1();
    const HWND view = list.Handle();
    constexpr int kRows = 1'000'000;
    for (int row = 0; row < kRows; ++row) list.Append("entry " + std::to_string(row));
    Pump();
    EXPECT_EQ(ListView_GetItemCount(view), kRows);
    EXPECT_EQ(ListView_GetTopIndex(view) + ListView_GetCountPerPage(view), kRows);
    EXPECT_EQ(RowText(view, kRows - 1), L"entry 999999");
    EXPECT_EQ(RowText(view, 0), L"entry 0");

    ListView_EnsureVisible(view, 0, FALSE);
    list.Append("\xc3\xa9t\xc3\xa9");
    Pump();
    EXPECT_EQ(ListView_GetTopIndex(view), 0);
    EXPECT_EQ(RowText(view, kRows), L"\u00e9t\u00e9");

    list.Clear();
    EXPECT_EQ(ListView_GetItemCount(view), 0);
    list.Append("after the clear");
    Pump();
    EXPECT_EQ(RowText(view, 0), L"after the clear");
}
