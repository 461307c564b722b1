#pragma once

#include <memory>

#include "tray/NotifyIconData.h"

namespace tess {

// A picture object as a host hands it over: its kind and the handle the shell knows it by.
struct Picture {
    enum class Type { Empty = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

    Type type = Type::Empty;
    IconHandle handle;
};

// A counted reference to a picture; empty means no picture at all.
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace tess
