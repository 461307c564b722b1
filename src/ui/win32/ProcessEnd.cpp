#include "ui/win32/ProcessEnd.h"

#include <windows.h>

namespace tess {

namespace {
bool ended = false;
}  // namespace

void EndProcess() {
    if (ended) return;
    ended = true;
    PostQuitMessage(0);
}

bool ProcessEnded() {
    return ended;
}

}  // namespace tess
