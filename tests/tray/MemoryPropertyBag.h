#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tray/PropertyBag.h"

namespace tess::test {

class MemoryPropertyBag : public PropertyBag {
public:
    std::optional<PropertyValue> Read(const std::string& name) const override {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void Write(const std::string& name, const PropertyValue& value) override {
        written.push_back({name, value});
        values[name] = value;
    }

    std::map<std::string, PropertyValue> values;
    std::vector<std::pair<std::string, PropertyValue>> written;
};

}  // namespace tess::test
