#include "ui/qt/AppServices.h"

#include <utility>

namespace tess {

Form1Services AppServices::ForForm1(std::function<QIcon()> ghostIcon) {
    return {.dialogs = dialogs,
            .clock = clock,
            .format = *platform.format,
            .power = *platform.power,
            .writer = writer,
            .store = *platform.store,
            .startup = *platform.startup,
            .launcher = *platform.launcher,
            .timer1 = timer1,
            .trayShell = *platform.trayShell,
            .trayWait = *platform.trayWait,
            .ghostIcon = std::move(ghostIcon)};
}

}  // namespace tess
