#include "ui/win32/Win32Clipboard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/Error.h"

namespace tess {
namespace {

// What the clipboard holds in `format`, as the bytes of its text without the NUL.
template <typename Char>
std::basic_string<Char> ClipboardText(UINT format) {
    if (!OpenClipboard(nullptr)) return {};
    std::basic_string<Char> text;
    if (const HANDLE data = GetClipboardData(format)) {
        text = static_cast<const Char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(UINT format, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(format, memory);
    CloseClipboard();
}

// The text put together from `pieces`, for a text of about `bytes` bytes.
void PutPieces(std::initializer_list<std::string_view> pieces, std::size_t bytes = 16) {
    Win32Clipboard clipboard;
    const auto text = clipboard.NewText(bytes);
    for (const std::string_view piece : pieces) text->Append(piece);
    text->Put();
}

// The characters of the log reach the clipboard as Unicode text; the system
// gives the ANSI form (1252 here) as the log file holds it.
TEST(Win32ClipboardTest, HoldsTheLogsTextAsUnicodeText) {
    ASSERT_EQ(GetACP(), 1252u);
    PutPieces({"12/7/2026 Caf\xC3\xA9 21\xC2\xB0, ", "5 \xE2\x82\xAC\r\nsecond line\r\n"});
    EXPECT_EQ(ClipboardText<wchar_t>(CF_UNICODETEXT),
              L"12/7/2026 Caf\u00E9 21\u00B0, 5 \u20AC\r\nsecond line\r\n");
    EXPECT_EQ(ClipboardText<char>(CF_TEXT), "12/7/2026 Caf\xE9 21\xB0, 5 \x80\r\nsecond line\r\n");
}

TEST(Win32ClipboardTest, ReplacesWhatWasThereInEveryFormat) {
    const UINT other = RegisterClipboardFormatW(L"TessalineTestFormat");
    PutOnClipboard(other, L"old");
    PutPieces({"new"});
    EXPECT_EQ(ClipboardText<wchar_t>(CF_UNICODETEXT), L"new");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(IsClipboardFormatAvailable(other));
    CloseClipboard();
}

// Larger than the text was made for: it grows.
TEST(Win32ClipboardTest, ALargeLogIsCopiedWhole) {
    std::string log;
    for (int line = 0; line < 40000; ++line) log += "12/7/2026 6:01:43 PM Running on AC Power\r\n";
    PutPieces({log, log}, log.size());
    EXPECT_EQ(ClipboardText<char>(CF_TEXT), log + log);
}

// Nothing is put there until the text is whole, and a text that cannot be put
// there changes nothing.
TEST(Win32ClipboardTest, AClipboardHeldByAnotherWindowIsAnErrorAndChangesNothing) {
    PutOnClipboard(CF_UNICODETEXT, L"kept");
    Win32Clipboard clipboard;
    const auto text = clipboard.NewText(3);
    text->Append("new");
    EXPECT_EQ(ClipboardText<wchar_t>(CF_UNICODETEXT), L"kept");
    const HWND holder = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    EXPECT_THROW(text->Put(), Error);
    CloseClipboard();
    DestroyWindow(holder);
    EXPECT_EQ(ClipboardText<wchar_t>(CF_UNICODETEXT), L"kept");
}

}  // namespace
}  // namespace tess
