#include "cSysTray.h"

#include <limits>

#include "common/Error.h"
#include "tray/TrayNotification.h"
#include "tray/mSysTray.h"

namespace tess {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;

constexpr const char* kInTrayKey = "InTray";
constexpr const char* kTrayIconKey = "TrayIcon";
constexpr const char* kTrayTipKey = "TrayTip";
constexpr const char* kDefaultTip = "Telnet Server";

std::uint32_t BalloonTimeoutMs(std::int32_t showTimer) {
    if (showTimer <= 0) return 0;
    if (showTimer > std::numeric_limits<std::int32_t>::max() / 1000) throw Error("Overflow");
    return static_cast<std::uint32_t>(showTimer) * 1000;
}

template <typename T>
T ReadProperty(const PropertyBag& bag, const std::string& name, const T& fallback) {
    const auto value = bag.Read(name);
    if (!value) return fallback;
    if (const T* typed = std::get_if<T>(&*value)) return *typed;
    throw Error("Type mismatch");
}

}  // namespace

cSysTray::cSysTray(const Services& services)
    : window_(services.shell.Window()),
      shell_(services.shell),
      wait_(services.wait),
      host_(services.host) {}

cSysTray::~cSysTray() {
    LeaveTray();
}

void cSysTray::SetInTray(bool show) {
    if (show == inTray_) return;
    if (show) {
        if (host_.UserMode()) {
            mSysTray::Hook(shell_, window_, *this);
            // Set before adding, so that a failing add is still undone.
            added_ = true;
            AddToTray(window_, id_, tip_, icon_);
        }
    } else {
        LeaveTray();
    }
    inTray_ = show;
    host_.PropertyChanged(kInTrayKey);
}

void cSysTray::SetTrayIcon(const PictureRef& icon) {
    if (!icon || icon->type != Picture::Type::Icon) return;
    if (added_) shell_.Notify(kNimModify, IconRecord(window_, id_, icon->handle));
    icon_ = icon;
    face_ = icon;
    host_.PropertyChanged(kTrayIconKey);
}

void cSysTray::SetTrayTip(const std::string& tip) {
    if (added_) shell_.Notify(kNimModify, TipRecord(window_, id_, tip));
    tip_ = tip;
    host_.PropertyChanged(kTrayTipKey);
}

void cSysTray::ShowBalloon(const std::string& tip, const std::string& sTitle,
                           std::int32_t showTimer, bool showOnce) {
    if (showOnce && onceCount_ >= 1) return;
    const std::uint32_t timeoutMs = BalloonTimeoutMs(showTimer);
    const NotifyIconData shown = BalloonRecord(window_, id_, tip, sTitle, timeoutMs);
    shell_.Notify(kNimModify, shown);
    balloonShown_ = true;
    if (showOnce) ++onceCount_;
    if (showTimer > 0) {
        wait_.WaitUntil([this] { return !balloonShown_; }, static_cast<int>(timeoutMs));
        if (balloonShown_) shell_.Notify(kNimModify, TakeDownRecord(shown));
    }
}

void cSysTray::OnTrayMessage(std::intptr_t notification, std::int32_t identifier) {
    switch (notification) {
        case kWmMouseMove:
            host_.MouseMove(identifier);
            break;
        case kWmLButtonDown:
            host_.MouseDown(kLeftButton, identifier);
            break;
        case kWmLButtonUp:
            host_.MouseUp(kLeftButton, identifier);
            break;
        case kWmLButtonDblClk:
            host_.MouseDblClick(kLeftButton, identifier);
            break;
        case kWmRButtonDown:
            host_.MouseDown(kRightButton, identifier);
            break;
        case kWmRButtonUp:
            host_.MouseUp(kRightButton, identifier);
            break;
        case kWmRButtonDblClk:
            host_.MouseDblClick(kRightButton, identifier);
            break;
        case kNinBalloonHide:
        case kNinBalloonTimeout:
        case kNinBalloonUserClick:
            balloonShown_ = false;
            wait_.Wake();
            break;
        default:
            break;
    }
}

void cSysTray::OnTaskbarCreated() {
    if (added_) AddToTray(window_, id_, tip_, icon_);
}

void cSysTray::InitProperties() {
    SetInTray(false);
    SetTrayTip(kDefaultTip);
    SetTrayIcon(face_);
}

void cSysTray::ReadProperties(const PropertyBag& bag) {
    SetInTray(ReadProperty(bag, kInTrayKey, false));
    SetTrayIcon(ReadProperty(bag, kTrayIconKey, face_));
    SetTrayTip(ReadProperty<std::string>(bag, kTrayTipKey, kDefaultTip));
}

void cSysTray::WriteProperties(PropertyBag& bag) const {
    bag.Write(kInTrayKey, inTray_);
    bag.Write(kTrayIconKey, icon_);
    bag.Write(kTrayTipKey, tip_);
}

void cSysTray::AddToTray(WindowHandle window, std::int32_t identifier, const std::string& tip,
                         const PictureRef& icon) {
    shell_.Notify(kNimAdd, AddRecord(window, static_cast<std::uint32_t>(identifier), tip,
                                     icon ? &icon->handle : nullptr));
}

void cSysTray::RemoveFromTray(WindowHandle window, std::int32_t identifier) {
    shell_.Notify(kNimDelete, RemoveRecord(window, static_cast<std::uint32_t>(identifier)));
}

void cSysTray::LeaveTray() {
    if (!added_) return;
    RemoveFromTray(window_, id_);
    mSysTray::Unhook(shell_, window_);
    added_ = false;
}

}  // namespace tess
