#include "common/win32/MessagePump.h"

namespace tess {

void HandleMessage(MSG& message, const KeyboardHandling& keyboard) {
    if (keyboard && keyboard(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool DispatchPendingMessages(const KeyboardHandling& keyboard) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        HandleMessage(message, keyboard);
    }
    return true;
}

}  // namespace tess
