#pragma once

#include <QCursor>
#include <QString>
#include <optional>

namespace tess {

// The pointer stored in a Windows cursor (.cur) file: its first image with the
// hotspot its directory entry names. An icon (.ico) file gives its first image
// with the hotspot at the top left. Nothing when the file cannot be read or
// holds neither.
std::optional<QCursor> LoadCursorFile(const QString& path);

}  // namespace tess
