#include "settings/linux/DesktopFile.h"

#include <fstream>

namespace tess {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::optional<DesktopFile> ReadDesktopFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    DesktopFile file;
    DesktopGroup* group = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#') continue;
        if (text.front() == '[' && text.back() == ']') {
            group = &file[std::string(text.substr(1, text.size() - 2))];
            continue;
        }
        const auto equals = text.find('=');
        if (group == nullptr || equals == std::string_view::npos) continue;
        group->emplace(std::string(Trim(text.substr(0, equals))),
                       std::string(Trim(text.substr(equals + 1))));
    }
    if (in.bad()) return std::nullopt;
    return file;
}

std::string DesktopValue(const DesktopGroup& group, const std::string& key) {
    const auto it = group.find(key);
    return it == group.end() ? std::string() : it->second;
}

std::string DesktopStringText(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            switch (value[i + 1]) {
                case 's':
                    c = ' ';
                    break;
                case 'n':
                    c = '\n';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case '\\':
                    break;
                default:
                    // Not an escape of the format: the backslash stays.
                    text += c;
                    continue;
            }
            ++i;
        }
        text += c;
    }
    return text;
}

std::vector<std::string> DesktopListValue(std::string_view value) {
    std::vector<std::string> items;
    std::string item;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size() || value[i] == ';') {
            if (!item.empty()) items.push_back(item);
            item.clear();
        } else if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == ';') {
            item += ';';
            ++i;
        } else {
            item += value[i];
        }
    }
    return items;
}

}  // namespace tess
