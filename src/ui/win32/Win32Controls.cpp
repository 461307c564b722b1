#include "ui/win32/Win32Controls.h"

#include <commctrl.h>

#include "common/win32/WideText.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/WicPicture.h"

namespace tess {

std::string ControlText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return WideToUtf8(text);
}

void SetControlText(HWND window, const std::string& text) {
    SetWindowTextW(window, Utf8ToWide(text).c_str());
}

namespace {

HWND Create(const wchar_t* className, const ControlDesign& design, DWORD style, HWND parent,
            int commandId, DWORD exStyle = 0) {
    return CreateChild(className, Utf8ToWide(design.caption).c_str(), style, exStyle, parent,
                       commandId);
}

bool IsShown(HWND control) {
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Show(HWND control, bool visible) {
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace

Win32Frame::Win32Frame(const ControlDesign& design, ControlHost& host, HWND parent, int commandId)
    : Win32Control(design, host, Create(L"Button", design, BS_GROUPBOX, parent, commandId)) {}

std::string Win32Frame::Caption() const {
    return ControlText(Handle());
}

void Win32Frame::SetCaption(const std::string& text) {
    SetControlText(Handle(), text);
}

void Win32Clickable::OnCommand(WORD code) {
    if (code == BN_CLICKED && onClick_) onClick_();
}

Win32Button::Win32Button(const ControlDesign& design, ControlHost& host, HWND parent, int commandId)
    : Win32Clickable(design, host,
                     Create(L"Button", design, WS_TABSTOP | BS_PUSHBUTTON, parent, commandId)) {}

std::string Win32Button::Caption() const {
    return ControlText(Handle());
}

void Win32Button::SetCaption(const std::string& text) {
    SetControlText(Handle(), text);
}

bool Win32Button::Visible() const {
    return IsShown(Handle());
}

void Win32Button::SetVisible(bool visible) {
    Show(Handle(), visible);
}

void Win32Button::Move(const TwipsRect& place) {
    Host().Place(Id(), place);
}

Win32CheckBox::Win32CheckBox(const ControlDesign& design, ControlHost& host, HWND parent,
                             int commandId)
    : Win32Clickable(design, host,
                     Create(L"Button", design, WS_TABSTOP | BS_AUTOCHECKBOX, parent, commandId)) {}

int Win32CheckBox::Value() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32CheckBox::SetValue(int value) {
    SendMessageW(Handle(), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CheckBox::Visible() const {
    return IsShown(Handle());
}

void Win32CheckBox::SetVisible(bool visible) {
    Show(Handle(), visible);
}

Win32ProgressBar::Win32ProgressBar(const ControlDesign& design, ControlHost& host, HWND parent,
                                   int commandId)
    : Win32Control(design, host, Create(PROGRESS_CLASSW, design, 0, parent, commandId)) {
    SetMaximum(100);
}

void Win32ProgressBar::SetValue(int value) {
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void Win32ProgressBar::SetMaximum(int maximum) {
    SendMessageW(Handle(), PBM_SETRANGE32, 0, maximum);
}

Win32TextBox::Win32TextBox(const ControlDesign& design, ControlHost& host, HWND parent,
                           int commandId)
    : Win32Control(design, host,
                   Create(L"Edit", design, WS_TABSTOP | ES_AUTOHSCROLL, parent, commandId,
                          WS_EX_CLIENTEDGE)) {}

std::string Win32TextBox::Text() const {
    return ControlText(Handle());
}

void Win32TextBox::SetText(const std::string& text) {
    SetControlText(Handle(), text);
}

bool Win32TextBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE: {
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key == nullptr || key->wParam != VK_RETURN) return false;
            result = DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
            return true;
        }
        case WM_KEYDOWN:
            if (wParam != VK_RETURN) return false;
            EditingFinished();
            break;
        case WM_CHAR:  // a one-line box would only beep
            if (wParam != L'\r') return false;
            break;
        default:
            return false;
    }
    result = 0;
    return true;
}

// By EN_KILLFOCUS the focus has moved on.
void Win32TextBox::OnCommand(WORD code) {
    if (code != EN_KILLFOCUS) return;
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(GetAncestor(Handle(), GA_ROOT), focus)) EditingFinished();
}

void Win32TextBox::EditingFinished() {
    if (onEditingFinished_) onEditingFinished_();
}

// SS_NOTIFY: the pointer over the picture reaches it, not the window behind.
Win32PictureBox::Win32PictureBox(const ControlDesign& design, ControlHost& host, HWND parent,
                                 int commandId)
    : Win32Control(design, host,
                   Create(L"Static", design, SS_OWNERDRAW | SS_NOTIFY, parent, commandId)) {}

Win32PictureBox::~Win32PictureBox() = default;

bool Win32PictureBox::LoadPicture(const std::string& path) {
    std::unique_ptr<WicPicture> picture = WicPicture::Load(path);
    if (!picture) return false;
    picture_ = std::move(picture);
    TwipsRect place = Host().PlaceOf(Id());
    place.width = PixelsAt96ToTwips(picture_->Width());
    place.height = PixelsAt96ToTwips(picture_->Height());
    Host().Place(Id(), place);
    InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

void Win32PictureBox::RemoveBorder() {
    const HWND control = Handle();
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) & ~WS_BORDER);
    SetWindowLongPtrW(
        control, GWL_EXSTYLE,
        GetWindowLongPtrW(control, GWL_EXSTYLE) & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Win32PictureBox::OnDrawItem(const DRAWITEMSTRUCT& item, HBRUSH background) {
    FillRect(item.hDC, &item.rcItem, background);
    if (picture_) picture_->Draw(item.hDC, item.rcItem);
}

}  // namespace tess
