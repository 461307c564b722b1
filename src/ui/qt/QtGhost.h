#pragma once

#include "ui/Ghost.h"
#include "ui/qt/QtControls.h"
#include "ui/qt/QtWindow.h"

class QCloseEvent;

namespace tess {

// The support window over Qt: the controls of ghost::kDesign, with the user's
// clicks, pointer moves and close requests handed to its behaviour, Ghost,
// which it owns.
class QtGhost : public QtWindow {
public:
    explicit QtGhost(const GhostServices& services);

    Ghost& Logic() { return ghost_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QtPictureBox image1_;
    QtButton pushButton3_;
    QtButton pushButton4_;
    QtButton pushButton5_;
    QtButton pushButton6_;
    Ghost ghost_;
};

}  // namespace tess
