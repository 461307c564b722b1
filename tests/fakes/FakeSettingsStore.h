#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/Error.h"
#include "settings/SettingsStore.h"

namespace tess::test {

class FakeSettingsStore : public SettingsStore {
public:
    std::string Read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& fallback) const override {
        if (const auto failure = readFailures.find(key); failure != readFailures.end()) {
            throw Error(failure->second);
        }
        const auto it = values.find({application, section, key});
        return it == values.end() ? fallback : it->second;
    }
    void Write(const std::string& application, const std::string& section,
               const std::string& key, const std::string& value) override {
        if (failWrites) throw Error("Permission denied");
        writes.push_back({key, value});
        values[{application, section, key}] = value;
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
    bool failWrites = false;
    // The keys whose reads fail, with the reason.
    std::map<std::string, std::string> readFailures;
};

}  // namespace tess::test
