#include "ui/win32/history/Win32HistoryWindow.h"

#include <algorithm>

#include "common/win32/SystemError.h"
#include "ui/history/HistoryLayout.h"
#include "ui/win32/ProcessEnd.h"
#include "ui/win32/Win32Controls.h"
#include "ui/win32/WorkArea.h"

namespace tess {

namespace {

constexpr const wchar_t* kHistoryClass = L"TessalineHistoryWindow";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr int kBaseDpi = 96;
// The ids of the controls that notify the window.
enum ChildId { kSummaryId = 1000, kRangeId, kSessionsId, kRuntimeCaptionId };
// The drop-down list of the range choice shows this many lines below it.
constexpr int kDroppedLines = 4;

int Scaled(int pixels, unsigned dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), kBaseDpi);
}

int Unscaled(int pixels, unsigned dpi) {
    return MulDiv(pixels, kBaseDpi, static_cast<int>(dpi));
}

// A place of the layout (pixels at 96 dpi) on the screen at `dpi`, `extra`
// pixels taller.
void Place(HWND child, const PixelRect& place, unsigned dpi, int extra = 0) {
    const int left = Scaled(place.left, dpi);
    const int top = Scaled(place.top, dpi);
    MoveWindow(child, left, top, Scaled(place.Right(), dpi) - left,
               Scaled(place.Bottom(), dpi) - top + extra, TRUE);
}

int LineHeightOf(HWND window, HFONT font) {
    const HDC dc = GetDC(window);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

}  // namespace

struct HistoryWindowProc {
    static Win32HistoryWindow* Of(HWND window) {
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Call)) {
            return nullptr;
        }
        return reinterpret_cast<Win32HistoryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }

    // The window's messages go to its owner once that is made whole.
    static LRESULT CALLBACK Call(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* owner =
            reinterpret_cast<Win32HistoryWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        return owner->HandleMessage(message, wParam, lParam);
    }
};

HistoryFrameWindow::HistoryFrameWindow() {
    static const bool registered = [] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &HistoryWindowProc::Call;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        // The program's icon, where the executable has one.
        windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
        windowClass.lpszClassName = kHistoryClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;  // a failure shows when the window is created
    handle_ = CreateWindowExW(0, kHistoryClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr) ThrowSystemError(GetLastError(), "Cannot create a window");
}

Win32HistoryWindow::Win32HistoryWindow(const DateTimeFormat& format)
    : dpi_(std::max(GetDpiForWindow(window_.Handle()), 1U)),
      font_(CreateMessageFont(dpi_)),
      summary_(Handle(), kSummaryId, true),
      range_(Handle(), kRangeId),
      levelChart_(Handle()),
      sessions_(Handle(), kSessionsId),
      runtimeCaption_(Handle(), kRuntimeCaptionId, false),
      runtimeChart_(Handle()),
      history_({*this, summary_, range_, levelChart_, sessions_, runtimeCaption_, runtimeChart_},
               format, reader_, stopwatch_) {
    for (const HWND child :
         {summary_.Handle(), range_.Handle(), sessions_.Handle(), runtimeCaption_.Handle()}) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    levelChart_.Window().OnPaint([this] { history_.LevelChart_Paint(); });
    runtimeChart_.Window().OnPaint([this] { history_.RuntimeChart_Paint(); });
    sessions_.SetCellText(
        [this](std::size_t row, int column) { return history_.SessionCell(row, column); });
    range_.OnChoice([this] { history_.Range_Click(); });
    levelChart_.Window().SetDpi(dpi_);
    runtimeChart_.Window().SetDpi(dpi_);
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RECT outer{0, 0, Scaled(kHistoryWidth, dpi_), Scaled(kHistoryHeight, dpi_)};
    AdjustWindowRectExForDpi(&outer, kStyle, FALSE, 0, dpi_);
    RECT place;
    GetWindowRect(Handle(), &place);
    MoveInside({place.left, place.top, place.left + outer.right - outer.left,
                place.top + outer.bottom - outer.top});
    LayOut();
}

Win32HistoryWindow::~Win32HistoryWindow() {
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
    DeleteObject(font_);
}

std::string Win32HistoryWindow::Caption() const {
    return ControlText(Handle());
}

void Win32HistoryWindow::SetCaption(const std::string& text) {
    SetControlText(Handle(), text);
}

bool Win32HistoryWindow::Visible() const {
    return IsWindowVisible(Handle()) != FALSE;
}

void Win32HistoryWindow::ShowInFront() {
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    SetActiveWindow(Handle());
}

bool Win32HistoryWindow::PreTranslate(MSG& message) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr || HistoryWindowProc::Of(root) == nullptr) return false;
    // Alt+F4 closes the window whichever control has the focus: Wine's combo
    // box keeps the key for itself.
    if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) {
        SendMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return IsDialogMessageW(root, &message) != FALSE;
}

void Win32HistoryWindow::LayOut() {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;  // minimised
    RECT choice;
    GetWindowRect(range_.Handle(), &choice);
    const int line = LineHeightOf(Handle(), font_);
    const HistoryPlaces places =
        LayOutHistory(Unscaled(client.right, dpi_), Unscaled(client.bottom, dpi_),
                      {Unscaled(line, dpi_), Unscaled(range_.WidthFor(font_, dpi_), dpi_),
                       Unscaled(choice.bottom - choice.top, dpi_)});
    Place(summary_.Handle(), places.summary, dpi_);
    // A combo box's height takes in its drop-down list.
    Place(range_.Handle(), places.range, dpi_, kDroppedLines * line);
    Place(levelChart_.Handle(), places.levelChart, dpi_);
    Place(sessions_.Handle(), places.sessions, dpi_);
    Place(runtimeCaption_.Handle(), places.runtimeCaption, dpi_);
    Place(runtimeChart_.Handle(), places.runtimeChart, dpi_);
}

void Win32HistoryWindow::ApplyDpi(unsigned dpi) {
    dpi_ = std::max(dpi, 1U);
    const HFONT old = font_;
    font_ = CreateMessageFont(dpi_);
    for (const HWND child :
         {summary_.Handle(), range_.Handle(), sessions_.Handle(), runtimeCaption_.Handle()}) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    DeleteObject(old);
    sessions_.Rescale(dpi_);
    levelChart_.Window().SetDpi(dpi_);
    runtimeChart_.Window().SetDpi(dpi_);
}

// The window at `place`, or as much of it as the work area of its monitor
// holds, moved inside it, as the main window is.
void Win32HistoryWindow::MoveInside(const RECT& place) {
    const RECT fitted = FitInto(place, WorkAreaOf(place));
    SetWindowPos(Handle(), nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Win32HistoryWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kRangeId && lParam != 0 && !ProcessEnded()) {
                range_.OnCommand(HIWORD(wParam));
            }
            return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (header.idFrom == kSessionsId && sessions_.OnNotify(header, result)) return result;
            break;
        }
        case WM_SIZE:
            LayOut();
            return 0;
        case WM_ACTIVATE:
            // The focus comes back to the control that had it, at first the range.
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
                const HWND focus = GetFocus();
                if (focus == nullptr || !IsChild(Handle(), focus)) SetFocus(range_.Handle());
            }
            return 0;
        case WM_CLOSE:
            if (!ProcessEnded()) history_.Form_Unload();
            ShowWindow(Handle(), SW_HIDE);
            return 0;
        case WM_DPICHANGED: {
            ApplyDpi(LOWORD(wParam));
            MoveInside(*reinterpret_cast<const RECT*>(lParam));
            LayOut();
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

}  // namespace tess
