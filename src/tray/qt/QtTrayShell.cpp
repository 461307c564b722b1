#include "tray/qt/QtTrayShell.h"

#include <QString>
#include <climits>
#include <utility>

#include "resources/Icons.h"
#include "tray/TrayNotification.h"

namespace tess {

namespace {

// Codes of the shell that the control's table passes over.
constexpr std::intptr_t kWmMButtonDown = 0x207;
constexpr std::intptr_t kWmMButtonUp = 0x208;

// Bits of dwInfoFlags that choose the balloon's icon.
constexpr std::uint32_t kNiifIconMask = 0xF;
constexpr std::uint32_t kNiifInfo = 1;
constexpr std::uint32_t kNiifWarning = 2;
constexpr std::uint32_t kNiifError = 3;

constexpr int kDefaultBalloonMs = 10000;

QIcon IconOf(const IconHandle& handle) {
    return icons::LoadIcon(QString::fromStdString(handle));
}

int BalloonMs(std::uint32_t uTimeout) {
    if (uTimeout == 0) return kDefaultBalloonMs;
    return uTimeout > static_cast<std::uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(uTimeout);
}

}  // namespace

QSystemTrayIcon::MessageIcon BalloonIcon(std::uint32_t infoFlags) {
    switch (infoFlags & kNiifIconMask) {
        case kNiifInfo:
            return QSystemTrayIcon::Information;
        case kNiifWarning:
            return QSystemTrayIcon::Warning;
        case kNiifError:
            return QSystemTrayIcon::Critical;
        default:
            return QSystemTrayIcon::NoIcon;
    }
}

QtTrayShell::QtTrayShell(QObject* parent) : QObject(parent) {
    balloonTimer_.setSingleShot(true);
    connect(&balloonTimer_, &QTimer::timeout, this, &QtTrayShell::OnBalloonTimeout);
    connect(&icon_, &QSystemTrayIcon::activated, this, &QtTrayShell::OnActivated);
    connect(&icon_, &QSystemTrayIcon::messageClicked, this, &QtTrayShell::OnMessageClicked);
}

bool QtTrayShell::Notify(std::uint32_t message, const NotifyIconData& record) {
    if (record.hWnd != Window()) return false;
    switch (message) {
        case kNimAdd:
            if (added_) return false;
            Add(record);
            return true;
        case kNimModify:
            if (!added_ || record.uID != id_) return false;
            Modify(record);
            return true;
        case kNimDelete:
            if (!added_ || record.uID != id_) return false;
            Remove();
            return true;
        default:
            return false;
    }
}

WindowHandle QtTrayShell::Window() const {
    return reinterpret_cast<WindowHandle>(this);
}

WindowProc QtTrayShell::ReplaceWindowProc(WindowHandle window, WindowProc proc) {
    if (window != Window()) return {};
    std::swap(proc_, proc);
    return proc;
}

bool QtTrayShell::IsAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayShell::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            Deliver(kWmLButtonDown);
            Deliver(kWmLButtonUp);
            break;
        case QSystemTrayIcon::Context:
            Deliver(kWmRButtonDown);
            Deliver(kWmRButtonUp);
            break;
        case QSystemTrayIcon::DoubleClick:
            Deliver(kWmLButtonDblClk);
            break;
        case QSystemTrayIcon::MiddleClick:
            Deliver(kWmMButtonDown);
            Deliver(kWmMButtonUp);
            break;
        case QSystemTrayIcon::Unknown:
            break;
    }
}

void QtTrayShell::OnMessageClicked() {
    balloonTimer_.stop();
    Deliver(kNinBalloonUserClick);
}

void QtTrayShell::Add(const NotifyIconData& record) {
    id_ = record.uID;
    callbackMessage_ = record.uFlags & kNifMessage ? record.uCallbackMessage : 0;
    icon_.setIcon(record.uFlags & kNifIcon ? IconOf(record.hIcon) : QIcon());
    icon_.setToolTip(record.uFlags & kNifTip ? QString::fromStdString(record.szTip) : QString());
    added_ = true;
    icon_.show();
}

void QtTrayShell::Modify(const NotifyIconData& record) {
    if (record.uFlags & kNifMessage) callbackMessage_ = record.uCallbackMessage;
    if (record.uFlags & kNifIcon) icon_.setIcon(IconOf(record.hIcon));
    if (record.uFlags & kNifTip) icon_.setToolTip(QString::fromStdString(record.szTip));
    if (record.uFlags & kNifInfo) {
        if (record.szInfo.empty()) {
            TakeDownBalloon();
        } else {
            ShowBalloon(record);
        }
    }
}

void QtTrayShell::Remove() {
    balloonTimer_.stop();
    added_ = false;
    icon_.hide();
}

void QtTrayShell::ShowBalloon(const NotifyIconData& record) {
    const int timeoutMs = BalloonMs(record.uTimeout);
    // The shell's texts break lines with CR LF; Qt's with LF alone.
    QString text = QString::fromStdString(record.szInfo);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    icon_.showMessage(QString::fromStdString(record.szInfoTitle), text,
                      BalloonIcon(record.dwInfoFlags), timeoutMs);
    balloonTimer_.start(timeoutMs);
}

void QtTrayShell::TakeDownBalloon() {
    balloonTimer_.stop();
    // An empty message takes the balloon down.
    icon_.showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0);
}

void QtTrayShell::OnBalloonTimeout() {
    Deliver(kNinBalloonTimeout);
}

void QtTrayShell::Deliver(std::intptr_t notification) {
    if (!added_ || callbackMessage_ == 0 || !proc_) return;
    // A copy: the procedure may be replaced while it runs, when the event it raises
    // takes the icon out of the tray.
    const WindowProc proc = proc_;
    proc(Window(), callbackMessage_, id_, notification);
}

}  // namespace tess
