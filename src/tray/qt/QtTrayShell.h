#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdint>

#include "tray/NotifyIconData.h"
#include "tray/TrayShell.h"

namespace tess {

// The notification area through Qt's QSystemTrayIcon, for desktops without a shell
// of our own. The records become QSystemTrayIcon calls; what the user does with
// the icon comes back as the shell's notification codes, passed to the window's
// procedure with the record's callback message:
//
//   left click         0x201 then 0x202      right click   0x204 then 0x205
//   double click       0x203                 middle click  0x207 then 0x208
//   balloon clicked    0x405 (also a click on the icon while its balloon is up)
//   balloon timed out  0x404
//
// Qt does not report a balloon's end, so the shell times each balloon itself:
// uTimeout milliseconds after it is shown (10 s when uTimeout is 0, as Qt's own
// balloon) it reports 0x404 unless the balloon was clicked, taken down, replaced
// or its icon removed first. A balloon closed by its own close box is not seen
// and so is reported at its time as well; 0x403 (hidden) is never reported.
// Nothing is reported while the icon is not added.
//
// Icon handles are names of the program's icons (resources/Icons.h). Balloon texts
// take CR LF line breaks. Needs the application object; lives on its thread.
class QtTrayShell : public QObject, public TrayShell {
    Q_OBJECT

public:
    explicit QtTrayShell(QObject* parent = nullptr);

    // NIM_ADD, NIM_MODIFY and NIM_DELETE; false, with nothing done, for another
    // message, another window, an icon already added or one not added.
    bool Notify(std::uint32_t message, const NotifyIconData& record) override;
    WindowHandle Window() const override;
    // Only the shell's own window has a procedure; another window's is left alone
    // and reported empty.
    WindowProc ReplaceWindowProc(WindowHandle window, WindowProc proc) override;
    // Asks the desktop at every call: a tray may come and go during a run.
    bool IsAvailable() const override;

    // The icon as Qt holds it.
    const QSystemTrayIcon& Icon() const { return icon_; }

public slots:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void OnMessageClicked();

private:
    void Add(const NotifyIconData& record);
    void Modify(const NotifyIconData& record);
    void Remove();
    void ShowBalloon(const NotifyIconData& record);
    void TakeDownBalloon();
    void OnBalloonTimeout();
    void Deliver(std::intptr_t notification);

    QSystemTrayIcon icon_;
    QTimer balloonTimer_;
    WindowProc proc_;
    bool added_ = false;
    std::uint32_t id_ = 0;
    std::uint32_t callbackMessage_ = 0;
};

// The balloon's icon for dwInfoFlags (NIIF_NONE, NIIF_INFO, NIIF_WARNING,
// NIIF_ERROR; a picture of the caller's own shows as none).
QSystemTrayIcon::MessageIcon BalloonIcon(std::uint32_t infoFlags);

}  // namespace tess
