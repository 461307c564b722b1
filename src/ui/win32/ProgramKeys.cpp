#include "ui/win32/ProgramKeys.h"

#include "ui/win32/Win32Window.h"
#include "ui/win32/history/Win32HistoryWindow.h"

namespace tess {

bool HandleProgramKeys(MSG& message) {
    return Win32Window::PreTranslate(message) || Win32HistoryWindow::PreTranslate(message);
}

}  // namespace tess
