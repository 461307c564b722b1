#pragma once

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include "tray/NotifyIconData.h"

namespace tess {

// `record` as Shell_NotifyIconA takes it: the version 2 layout (cbSize
// NOTIFYICONDATAA_V2_SIZE, 488 bytes on 32-bit Windows and 504 on 64-bit),
// zero-filled, with the texts in the ANSI code page, each cut so that it and its
// NUL fit its field, and `icon` as hIcon.
NOTIFYICONDATAA ToShellRecord(const NotifyIconData& record, HICON icon);

}  // namespace tess
