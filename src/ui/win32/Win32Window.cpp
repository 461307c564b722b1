#include "ui/win32/Win32Window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "common/win32/SystemError.h"
#include "common/win32/WideText.h"
#include "resources/IconNames.h"
#include "ui/PointerSetting.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/ProcessEnd.h"
#include "ui/win32/WorkArea.h"

namespace tess {

namespace {

constexpr const wchar_t* kWindowClass = L"TessalineWindow";
// The notifications of a control carry its id from here on, clear of IDOK and
// IDCANCEL, which IsDialogMessage sends for Enter and Escape.
constexpr int kFirstCommandId = 1000;
// A minimised window is handed over from the message loop, once the system's
// minimising is done.
constexpr UINT kMinimisedMessage = WM_APP + 1;
constexpr UINT_PTR kWatchSubclass = 100;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kScrollLineTwips = 300;

constexpr COLORREF kWhite = RGB(255, 255, 255);

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Frame && kind != ControlKind::ProgressBar &&
           kind != ControlKind::Image;
}

// The order of the children, which is their tab order: the controls that take
// the focus by their tab index, then the others, the frames last, so that
// the controls inside a frame are drawn over it.
int OrderGroup(ControlKind kind) {
    if (TakesFocus(kind)) return 0;
    return kind == ControlKind::Frame ? 2 : 1;
}

// The executable's icon of that name. The application's is its first icon,
// IDI_ICON1, the one the desktop shows for the file.
std::wstring IconResource(const std::string& name) {
    return name == icons::kApplication ? std::wstring(L"IDI_ICON1") : Utf8ToWide(name);
}

HICON LoadIconAt(const std::wstring& name, int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, size,
                                         size, LR_DEFAULTCOLOR));
}

std::unique_ptr<Win32Control> MakeStandardControl(const ControlDesign& control, ControlHost& host,
                                                  HWND parent, int commandId) {
    switch (control.kind) {
        case ControlKind::Frame:
            return std::make_unique<Win32Frame>(control, host, parent, commandId);
        case ControlKind::ProgressBar:
            return std::make_unique<Win32ProgressBar>(control, host, parent, commandId);
        case ControlKind::TextBox:
            return std::make_unique<Win32TextBox>(control, host, parent, commandId);
        case ControlKind::PushButton:
            return std::make_unique<Win32Button>(control, host, parent, commandId);
        case ControlKind::CheckBox:
            return std::make_unique<Win32CheckBox>(control, host, parent, commandId);
        case ControlKind::Image:
        case ControlKind::ListView:
            break;
    }
    return std::make_unique<Win32PictureBox>(control, host, parent, commandId);
}

}  // namespace

struct Win32WindowProc {
    static Win32Window* Of(HWND window) {
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Call)) {
            return nullptr;
        }
        return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }

    static LRESULT CALLBACK Call(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            auto* owner = static_cast<Win32Window*>(create->lpCreateParams);
            owner->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        }
        auto* owner = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        return owner->HandleMessage(message, wParam, lParam);
    }
};

// What the window watches on each of its controls: the pointer's moves, the
// focus coming in, and for a frame that the pointer stops on it; then the
// control's own messages go to the control.
struct ControlSubclass {
    static LRESULT CALLBACK Call(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data) {
        auto* window = reinterpret_cast<Win32Window*>(data);
        if (window->destroying_) return DefSubclassProc(control, message, wParam, lParam);
        const auto controlId = static_cast<ControlId>(id - kWatchSubclass);
        const ControlKind kind = window->design_.controls[controlId].kind;
        switch (message) {
            case WM_MOUSEMOVE:
                window->PointerMoved(controlId);
                break;
            case WM_NCMOUSEMOVE:  // a list's scroll bars
                if (kind == ControlKind::ListView) window->PointerMoved(controlId);
                break;
            case WM_SETFOCUS:
                window->ShowControl(controlId);
                break;
            case WM_NCHITTEST:
                // A group box lets the pointer through to what lies behind it.
                if (kind == ControlKind::Frame) return HTCLIENT;
                break;
            case WM_ERASEBKGND:
                if (kind == ControlKind::Frame) {
                    RECT inside;
                    GetClientRect(control, &inside);
                    FillRect(reinterpret_cast<HDC>(wParam), &inside, window->Brush(controlId));
                    return TRUE;
                }
                break;
            case WM_NCDESTROY:
                RemoveWindowSubclass(control, &Call, id);
                break;
            default:
                break;
        }
        // The control's own handling (a list's header is watched, not asked).
        Win32Control& owner = window->Control(controlId);
        LRESULT result = 0;
        if (control == owner.Handle() && owner.OnMessage(message, wParam, lParam, result)) {
            return result;
        }
        return DefSubclassProc(control, message, wParam, lParam);
    }
};

Win32Window::Win32Window(const WindowDesign& design, const ListMaker& makeList)
    : design_(design),
      buttonFace_(design.controls.size() + 1, false),
      clientWidthTwips_(design.clientWidth),
      clientHeightTwips_(design.clientHeight) {
    static const bool registered = [] {
        // The common controls' window classes, for the controls to come.
        const INITCOMMONCONTROLSEX controls{
            sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Win32WindowProc::Call;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;  // a failure shows when the window is created
    if (CreateWindowExW(0, kWindowClass, Utf8ToWide(design.caption).c_str(), kStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                        this) == nullptr) {
        ThrowSystemError(GetLastError(), "Cannot create a window");
    }
    dpi_ = std::max(GetDpiForWindow(window_), 1U);
    fonts_ = std::make_unique<DesignFonts>(dpi_);
    for (const ControlDesign& control : design_.controls) places_.push_back(control.place);
    BuildControls(makeList);
    OrderControls();
    ApplyFonts();
    if (design.icon != nullptr) SetIcon(design.icon);
    FitToWorkArea(nullptr);
}

Win32Window::~Win32Window() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    destroying_ = true;
    controls_.clear();
    DestroyWindow(window_);
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    if (mouseIcon_ != nullptr) DestroyCursor(mouseIcon_);
    if (commandKeys_ != nullptr) DestroyAcceleratorTable(commandKeys_);
}

void Win32Window::BuildControls(const ListMaker& makeList) {
    for (const ControlDesign& control : design_.controls) {
        const int commandId = kFirstCommandId + control.id;
        controls_.push_back(control.kind == ControlKind::ListView
                                ? makeList(control, *this, window_, commandId)
                                : MakeStandardControl(control, *this, window_, commandId));
        const HWND handle = controls_.back()->Handle();
        WatchControl(handle, control.id);
        // A list's header is part of the list.
        if (control.kind == ControlKind::ListView) {
            if (const HWND header = ListView_GetHeader(handle)) WatchControl(header, control.id);
        }
    }
}

void Win32Window::WatchControl(HWND control, ControlId id) {
    SetWindowSubclass(control, &ControlSubclass::Call, kWatchSubclass + id,
                      reinterpret_cast<DWORD_PTR>(this));
}

void Win32Window::OrderControls() {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design_.controls) order.push_back(&control);
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        const int groupA = OrderGroup(a->kind);
        const int groupB = OrderGroup(b->kind);
        return groupA != groupB ? groupA < groupB : groupA == 0 && a->tabIndex < b->tabIndex;
    });
    HWND after = HWND_TOP;
    for (const ControlDesign* control : order) {
        const HWND handle = Control(control->id).Handle();
        SetWindowPos(handle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = handle;
    }
}

void Win32Window::ApplyFonts() {
    for (const auto& control : controls_) {
        const FontDesign& font =
            control->Design().font.family != nullptr ? control->Design().font : design_.font;
        SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(font)),
                     TRUE);
    }
}

Win32Control& Win32Window::Control(ControlId id) const {
    return *controls_.at(static_cast<std::size_t>(id));
}

Win32Control* Win32Window::ControlOf(HWND handle) const {
    for (const auto& control : controls_) {
        if (control->Handle() == handle) return control.get();
    }
    return nullptr;
}

Win32Control* Win32Window::ControlOfCommand(UINT_PTR commandId) const {
    const auto index = static_cast<std::size_t>(commandId) - kFirstCommandId;
    if (commandId < kFirstCommandId || index >= controls_.size()) return nullptr;
    return controls_[index].get();
}

// --- places ---------------------------------------------------------------

void Win32Window::Place(ControlId control, const TwipsRect& place) {
    places_.at(static_cast<std::size_t>(control)) = place;
    Layout();
}

TwipsRect Win32Window::PlaceOf(ControlId control) const {
    return places_.at(static_cast<std::size_t>(control));
}

// The control's rectangle in the window's whole client area, scrolled or not:
// a control inside a frame stands at the frame's place plus its own, each
// measured in pixels on its own.
RECT Win32Window::ContentRect(ControlId id) const {
    const ControlDesign& control = design_.controls[static_cast<std::size_t>(id)];
    const TwipsRect& place = PlaceOf(id);
    int left = TwipsToPixels(place.left, dpi_);
    int top = TwipsToPixels(place.top, dpi_);
    if (control.parent != kWindowItself) {
        const RECT frame = ContentRect(control.parent);
        left += frame.left;
        top += frame.top;
    }
    return {left, top, left + TwipsToPixels(place.width, dpi_),
            top + TwipsToPixels(place.height, dpi_)};
}

void Win32Window::Layout() {
    for (const auto& control : controls_) {
        const RECT r = ContentRect(control->Design().id);
        SetWindowPos(control->Handle(), nullptr, r.left - scroll_.x, r.top - scroll_.y,
                     r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Window::Resize(int widthTwips, int heightTwips) {
    clientWidthTwips_ = widthTwips;
    clientHeightTwips_ = heightTwips;
    FitToWorkArea(nullptr);
}

// The window takes the design's client size, or as much of it as the work area
// of its monitor holds, with scroll bars for the rest; it is moved (to the
// suggested place, when there is one) so that it lies inside the work area.
void Win32Window::FitToWorkArea(const RECT* suggested) {
    const SIZE content{TwipsToPixels(clientWidthTwips_, dpi_),
                       TwipsToPixels(clientHeightTwips_, dpi_)};
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi_);
    const SIZE frameSize{frame.right - frame.left, frame.bottom - frame.top};
    RECT now;
    GetWindowRect(window_, &now);
    const RECT& from = suggested != nullptr ? *suggested : now;
    const RECT work = WorkAreaOf(from);
    const int verticalBar = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
    const int horizontalBar = GetSystemMetricsForDpi(SM_CYHSCROLL, dpi_);

    bool vertical = false;
    bool horizontal = false;
    SIZE room{};
    for (int pass = 0; pass < 2; ++pass) {  // one bar can make the other needed
        room = {work.right - work.left - frameSize.cx - (vertical ? verticalBar : 0),
                work.bottom - work.top - frameSize.cy - (horizontal ? horizontalBar : 0)};
        horizontal = content.cx > room.cx;
        vertical = content.cy > room.cy;
    }
    view_ = {std::max(1L, std::min(content.cx, room.cx)),
             std::max(1L, std::min(content.cy, room.cy))};
    UpdateScrollBars();
    const SIZE outer{frameSize.cx + view_.cx + (vertical ? verticalBar : 0),
                     frameSize.cy + view_.cy + (horizontal ? horizontalBar : 0)};
    const RECT place =
        FitInto({from.left, from.top, from.left + outer.cx, from.top + outer.cy}, work);
    SetWindowPos(window_, nullptr, place.left, place.top, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame and the scroll bars may take other sizes than the system's
    // metrics said: the window makes up for what its client area lacks or has
    // too much, and the view is the client area it then has.
    RECT client;
    GetClientRect(window_, &client);
    if (client.right != view_.cx || client.bottom != view_.cy) {
        SetWindowPos(window_, nullptr, 0, 0, outer.cx + view_.cx - client.right,
                     outer.cy + view_.cy - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(window_, &client);
        view_ = {std::max(1L, std::min(content.cx, client.right)),
                 std::max(1L, std::min(content.cy, client.bottom))};
        UpdateScrollBars();
    }
    Layout();
}

// The scroll bars for the view of the content: hidden where the view holds it all.
void Win32Window::UpdateScrollBars() {
    const SIZE content{TwipsToPixels(clientWidthTwips_, dpi_),
                       TwipsToPixels(clientHeightTwips_, dpi_)};
    scroll_ = {std::clamp(scroll_.x, 0L, content.cx - view_.cx),
               std::clamp(scroll_.y, 0L, content.cy - view_.cy)};
    for (const auto& [bar, size, page, position] :
         {std::tuple{SB_HORZ, content.cx, view_.cx, scroll_.x},
          std::tuple{SB_VERT, content.cy, view_.cy, scroll_.y}}) {
        SCROLLINFO info{sizeof info,
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        static_cast<int>(size - 1),
                        static_cast<UINT>(page),
                        static_cast<int>(position),
                        0};
        SetScrollInfo(window_, bar, &info, TRUE);
    }
}

void Win32Window::ApplyDpi(unsigned dpi, const RECT* suggested) {
    dpi_ = std::max(dpi, 1U);
    // The controls take the new fonts before the old ones go.
    auto fonts = std::make_unique<DesignFonts>(dpi_);
    std::swap(fonts, fonts_);
    ApplyFonts();
    fonts.reset();
    for (const auto& control : controls_) control->OnDpiChanged();
    if (!iconName_.empty()) LoadIcons();
    FitToWorkArea(suggested);
}

// --- scrolling ------------------------------------------------------------

void Win32Window::ScrollTo(int bar, int position) {
    LONG& now = bar == SB_VERT ? scroll_.y : scroll_.x;
    const LONG size = bar == SB_VERT ? TwipsToPixels(clientHeightTwips_, dpi_)
                                     : TwipsToPixels(clientWidthTwips_, dpi_);
    const LONG page = bar == SB_VERT ? view_.cy : view_.cx;
    const LONG clamped = std::clamp<LONG>(position, 0, std::max(0L, size - page));
    if (clamped == now) return;
    now = clamped;
    SetScrollPos(window_, bar, static_cast<int>(clamped), TRUE);
    Layout();
}

void Win32Window::OnScroll(int bar, WORD code) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window_, bar, &info);
    const int line = TwipsToPixels(kScrollLineTwips, dpi_);
    int position = info.nPos;
    switch (code) {
        case SB_LINEUP:
            position -= line;
            break;
        case SB_LINEDOWN:
            position += line;
            break;
        case SB_PAGEUP:
            position -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            position += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    ScrollTo(bar, position);
}

// Scrolls so that the whole control is in sight, as far as the view holds it.
void Win32Window::ShowControl(ControlId id) {
    const RECT r = ContentRect(id);
    const auto inSight = [](LONG first, LONG last, LONG offset, LONG page) {
        if (last > offset + page) offset = last - page;
        return std::min(offset, first);
    };
    ScrollTo(SB_HORZ, static_cast<int>(inSight(r.left, r.right, scroll_.x, view_.cx)));
    ScrollTo(SB_VERT, static_cast<int>(inSight(r.top, r.bottom, scroll_.y, view_.cy)));
}

// --- the window -----------------------------------------------------------

std::string Win32Window::Caption() const {
    return ControlText(window_);
}

void Win32Window::SetCaption(const std::string& text) {
    SetControlText(window_, text);
}

WindowState Win32Window::State() const {
    if (!IsWindowVisible(window_)) return hiddenState_;
    return IsIconic(window_) ? WindowState::Minimized : WindowState::Normal;
}

void Win32Window::SetState(WindowState state) {
    if (!IsWindowVisible(window_)) {
        hiddenState_ = state;
        return;
    }
    ShowWindow(window_, state == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
}

bool Win32Window::Visible() const {
    return IsWindowVisible(window_) != FALSE;
}

void Win32Window::Show() {
    if (IsWindowVisible(window_)) return;
    ShowWindow(window_, hiddenState_ == WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
}

void Win32Window::Hide() {
    if (!IsWindowVisible(window_)) return;
    hiddenState_ = IsIconic(window_) ? WindowState::Minimized : WindowState::Normal;
    ShowWindow(window_, SW_HIDE);
}

void Win32Window::Focus() {
    SetForegroundWindow(window_);
    BringWindowToTop(window_);
    SetActiveWindow(window_);
}

void Win32Window::SetIcon(const std::string& name) {
    iconName_ = name;
    LoadIcons();
}

void Win32Window::LoadIcons() {
    const std::wstring resource = IconResource(iconName_);
    const HICON big = LoadIconAt(resource, GetSystemMetricsForDpi(SM_CXICON, dpi_));
    const HICON small = LoadIconAt(resource, GetSystemMetricsForDpi(SM_CXSMICON, dpi_));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
    if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
    bigIcon_ = big;
    smallIcon_ = small;
}

// --- the pointer ----------------------------------------------------------

void Win32Window::SetMousePointer(int setting) {
    pointer_ = setting;
    RefreshCursor();
}

bool Win32Window::LoadMouseIcon(const std::string& path) {
    const HCURSOR cursor = LoadCursorFromFileW(Utf8ToWide(path).c_str());
    if (cursor == nullptr) return false;
    if (mouseIcon_ != nullptr) DestroyCursor(mouseIcon_);
    mouseIcon_ = cursor;
    RefreshCursor();
    return true;
}

// The pointer over the window shows the setting at once, not only at its next move.
void Win32Window::RefreshCursor() {
    POINT at;
    if (!GetCursorPos(&at)) return;
    const HWND under = WindowFromPoint(at);
    if (under != window_ && !IsChild(window_, under)) return;
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

// The hourglass over the whole window, the hand over all but the text box,
// which keeps its own pointer; otherwise each control's own.
bool Win32Window::ApplyCursor(HWND under) {
    if (pointer_ == PointerSetting::kBusy) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
        return true;
    }
    const Win32Control* control = ControlOf(under);
    if (pointer_ == PointerSetting::kCustom && mouseIcon_ != nullptr &&
        (control == nullptr || control->Design().kind != ControlKind::TextBox)) {
        SetCursor(mouseIcon_);
        return true;
    }
    return false;
}

void Win32Window::HandPointerMovesTo(std::function<void(ControlId)> handler) {
    onPointerMove_ = std::move(handler);
}

void Win32Window::PointerMoved(ControlId id) {
    if (onPointerMove_ && !ProcessEnded()) onPointerMove_(id);
}

ActionHandler Win32Window::Gated(ActionHandler handler) {
    return [handler = std::move(handler)] {
        if (!ProcessEnded()) handler();
    };
}

// --- colours --------------------------------------------------------------

void Win32Window::SetButtonFace(ControlId control) {
    buttonFace_.at(control == kWindowItself ? design_.controls.size()
                                            : static_cast<std::size_t>(control)) = true;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A control's own white or button face, or else the window's background.
COLORREF Win32Window::Colour(ControlId id) const {
    if (id != kWindowItself) {
        if (buttonFace_[static_cast<std::size_t>(id)]) return GetSysColor(COLOR_BTNFACE);
        if (design_.controls[static_cast<std::size_t>(id)].background == Background::White) {
            return kWhite;
        }
    }
    if (buttonFace_.back()) return GetSysColor(COLOR_BTNFACE);
    return design_.background == Background::White ? kWhite : GetSysColor(COLOR_BTNFACE);
}

HBRUSH Win32Window::Brush(ControlId id) const {
    return Colour(id) == kWhite ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                : GetSysColorBrush(COLOR_BTNFACE);
}

// There is no skinning framework on Windows: the skin is the colours that
// ApplySkin gives before it, and the file only has to be readable.
void Win32Window::LoadSkin(const std::string& path) {
    const HANDLE file = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) ThrowSystemError(GetLastError());
    CloseHandle(file);
}

// --- commands -------------------------------------------------------------

void Win32Window::SetContextMenu(ControlId control, std::vector<MenuCommand> commands) {
    contextMenus_.emplace_back(control, std::move(commands));
}

void Win32Window::SetCommandKeys(const std::vector<std::pair<char, UINT>>& ctrlLetters) {
    std::vector<ACCEL> keys;
    for (const auto& [letter, command] : ctrlLetters) {
        keys.push_back(
            {FCONTROL | FVIRTKEY, static_cast<WORD>(letter), static_cast<WORD>(command)});
    }
    if (commandKeys_ != nullptr) DestroyAcceleratorTable(commandKeys_);
    commandKeys_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// The menu of the control, at the pointer, or for a request by keyboard (no
// point) at the control's top left corner. Its loop runs the program's other
// messages while it shows; the chosen command goes to OnMenuCommand.
bool Win32Window::ShowContextMenu(HWND control, LPARAM at) {
    const Win32Control* owner = ControlOf(control);
    if (owner == nullptr) return false;
    const auto found =
        std::find_if(contextMenus_.begin(), contextMenus_.end(),
                     [&](const auto& menu) { return menu.first == owner->Design().id; });
    if (found == contextMenus_.end()) return false;
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        point = {0, 0};
        ClientToScreen(control, &point);
    }
    const HMENU menu = CreatePopupMenu();
    for (const MenuCommand& command : found->second) {
        AppendMenuW(menu, MF_STRING, command.id, Utf8ToWide(command.caption).c_str());
    }
    // A menu of a window that is not in front would not close when the user
    // clicks elsewhere.
    SetForegroundWindow(window_);
    const auto chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                         point.x, point.y, window_, nullptr));
    DestroyMenu(menu);
    if (chosen != 0 && !ProcessEnded()) OnMenuCommand(chosen);
    return true;
}

// --- messages -------------------------------------------------------------

bool Win32Window::PreTranslate(MSG& message) {
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr) return false;
    Win32Window* window = Win32WindowProc::Of(root);
    if (window == nullptr) return false;
    if (window->commandKeys_ != nullptr &&
        TranslateAcceleratorW(root, window->commandKeys_, &message) != 0) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        SendMessageW(root, WM_HELP, 0, 0);
        return true;
    }
    return IsDialogMessageW(root, &message) != FALSE;
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) <= 1) {  // a menu's or a key's
                if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL && !ProcessEnded()) {
                    OnMenuCommand(LOWORD(wParam));
                }
            } else if (Win32Control* control = ControlOfCommand(LOWORD(wParam));
                       control != nullptr && lParam != 0) {
                control->OnCommand(HIWORD(wParam));
            }
            return 0;
        case WM_CONTEXTMENU:
            if (ShowContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
            break;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (Win32Control* control = ControlOfCommand(header.idFrom);
                control != nullptr && control->OnNotify(header, result)) {
                return result;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (Win32Control* control = ControlOfCommand(item.CtlID)) {
                control->OnDrawItem(item, Brush(control->Design().id));
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const Win32Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
                const ControlId id = control->Design().id;
                SetBkColor(reinterpret_cast<HDC>(wParam), Colour(id));
                return reinterpret_cast<LRESULT>(Brush(id));
            }
            break;
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, Brush(kWindowItself));
            return 1;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && ApplyCursor(reinterpret_cast<HWND>(wParam))) {
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            PointerMoved(kWindowItself);
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            OnScroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            ScrollTo(SB_VERT, static_cast<int>(scroll_.y) -
                                  GET_WHEEL_DELTA_WPARAM(wParam) * 3 *
                                      TwipsToPixels(kScrollLineTwips, dpi_) / WHEEL_DELTA);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
            } else if (HIWORD(wParam) == 0) {
                const HWND focus = lastFocus_ != nullptr && IsWindow(lastFocus_)
                                       ? lastFocus_
                                       : GetNextDlgTabItem(window_, nullptr, FALSE);
                if (focus != nullptr) SetFocus(focus);
            }
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED && IsWindowVisible(window_)) {
                PostMessageW(window_, kMinimisedMessage, 0, 0);
            }
            return 0;
        case kMinimisedMessage:
            if (IsWindowVisible(window_) && IsIconic(window_) && !ProcessEnded()) OnMinimised();
            return 0;
        case WM_CLOSE:
            if (!ProcessEnded()) OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE && !ProcessEnded()) OnSessionEnd();
            return 0;
        case WM_HELP:
            if (!ProcessEnded()) OnHelp();
            return TRUE;
        case WM_DPICHANGED:
            ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace tess
