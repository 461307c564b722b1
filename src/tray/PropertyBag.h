#pragma once

#include <optional>
#include <string>
#include <variant>

#include "tray/Picture.h"

namespace tess {

using PropertyValue = std::variant<bool, std::string, PictureRef>;

// The host's store of a control's properties, kept with the host's own window
// data. Names are matched without regard to case.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value, or nothing when the key is missing.
    virtual std::optional<PropertyValue> Read(const std::string& name) const = 0;
    // Throws tess::Error when the value cannot be stored.
    virtual void Write(const std::string& name, const PropertyValue& value) = 0;
};

}  // namespace tess
