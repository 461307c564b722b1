#include "settings/linux/DesktopExec.h"

#include "settings/linux/DesktopFile.h"

namespace tess {

namespace {

// The arguments of the unescaped Exec text, field codes still in them.
std::optional<std::vector<std::string>> SplitArguments(const std::string& text) {
    std::vector<std::string> arguments;
    std::optional<std::string> current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') {
            if (current) arguments.push_back(*current);
            current.reset();
            continue;
        }
        if (!current) current.emplace();
        if (c != '"') {
            *current += c;
            continue;
        }
        for (++i;; ++i) {
            if (i == text.size()) return std::nullopt;
            if (text[i] == '"') break;
            if (text[i] == '\\') {
                if (++i == text.size() ||
                    std::string_view("\"`$\\").find(text[i]) == std::string_view::npos) {
                    return std::nullopt;
                }
            }
            *current += text[i];
        }
    }
    if (current) arguments.push_back(*current);
    return arguments;
}

}  // namespace

std::optional<std::vector<std::string>> DesktopCommand(std::string_view exec,
                                                       const DesktopExecFields& fields) {
    const auto arguments = SplitArguments(DesktopStringText(exec));
    if (!arguments) return std::nullopt;
    std::vector<std::string> command;
    bool fileCode = false;
    for (const std::string& argument : *arguments) {
        if (argument == "%i") {
            if (!fields.icon.empty()) command.insert(command.end(), {"--icon", fields.icon});
            continue;
        }
        std::string expanded;
        bool codes = false;
        for (std::size_t i = 0; i < argument.size(); ++i) {
            if (argument[i] != '%' || i + 1 == argument.size()) {
                expanded += argument[i];
                continue;
            }
            const char code = argument[++i];
            codes = codes || code != '%';
            switch (code) {
                case '%':
                    expanded += '%';
                    break;
                case 'f':
                case 'F':
                    fileCode = true;
                    expanded += fields.file;
                    break;
                case 'u':
                case 'U':
                    fileCode = true;
                    expanded += fields.url;
                    break;
                case 'c':
                    expanded += fields.name;
                    break;
                case 'k':
                    expanded += fields.location;
                    break;
                default:
                    break;
            }
        }
        if (codes && expanded.empty()) continue;
        command.push_back(expanded);
    }
    if (command.empty()) return std::nullopt;
    if (!fileCode && !fields.file.empty()) command.push_back(fields.file);
    return command;
}

}  // namespace tess
