#pragma once

#include <cstdint>
#include <string>

#include "tray/EventWait.h"
#include "tray/NotifyIconData.h"
#include "tray/Picture.h"
#include "tray/PropertyBag.h"
#include "tray/TrayHost.h"
#include "tray/TrayShell.h"

namespace tess {

// One icon in the notification area with its tooltip and balloon hints, turning
// the shell's notifications into mouse events for the host. Lives on the thread
// that owns the shell's window; the shell, the wait and the host outlive it.
class cSysTray {
public:
    struct Services {
        TrayShell& shell;
        EventWait& wait;
        TrayHost& host;
    };

    explicit cSysTray(const Services& services);
    // Takes the icon out of the tray first when it is there.
    ~cSysTray();
    cSysTray(const cSysTray&) = delete;
    cSysTray& operator=(const cSysTray&) = delete;

    bool InTray() const { return inTray_; }
    // True puts the icon into the tray (when the host runs), False takes it out.
    void SetInTray(bool show);

    const PictureRef& TrayIcon() const { return icon_; }
    // Anything but an icon picture is ignored.
    void SetTrayIcon(const PictureRef& icon);

    const std::string& TrayTip() const { return tip_; }
    // An empty tip clears the tooltip.
    void SetTrayTip(const std::string& tip);

    // Shows a balloon over the icon. With `showTimer` > 0 it waits, letting events
    // run, until the shell reports the balloon gone or `showTimer` seconds have
    // passed, and then takes a balloon still up down. With `showOnce` only the
    // first such balloon of this instance is shown. Throws tess::Error("Overflow")
    // when `showTimer` seconds do not fit 32-bit milliseconds.
    void ShowBalloon(const std::string& tip, const std::string& sTitle, std::int32_t showTimer,
                     bool showOnce);

    // One notification of the shell for icon `identifier`, raised as an event.
    void OnTrayMessage(std::intptr_t notification, std::int32_t identifier);

    // The notification area was made anew without the icon (the desktop's shell
    // restarted): an icon that is in the tray is added again, with its tip and
    // picture, so that a window hidden behind it stays reachable.
    void OnTaskbarCreated();

    // The properties of a new instance placed on a host being designed.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

private:
    void AddToTray(WindowHandle window, std::int32_t identifier, const std::string& tip,
                   const PictureRef& icon);
    void RemoveFromTray(WindowHandle window, std::int32_t identifier);
    void LeaveTray();

    bool inTray_ = false;
    const std::int32_t id_ = 0;
    std::string tip_;
    const WindowHandle window_;
    PictureRef icon_;
    bool added_ = false;
    bool balloonShown_ = false;
    std::int32_t onceCount_ = 0;

    PictureRef face_;
    TrayShell& shell_;
    EventWait& wait_;
    TrayHost& host_;
};

}  // namespace tess
