#include "settings/linux/DesktopEntry.h"

#include <string_view>

#include "common/AppTitle.h"

namespace tess {

std::string DesktopStringValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string DesktopExecValue(const std::string& programPath) {
    std::string quoted = "\"";
    for (const char c : programPath) {
        if (std::string_view("\"`$\\").find(c) != std::string_view::npos) quoted += '\\';
        quoted += c;
        // A lone '%' would start a field code.
        if (c == '%') quoted += '%';
    }
    return DesktopStringValue(quoted + '"');
}

std::string AutostartDesktopEntry(const std::string& programPath) {
    return std::string("[Desktop Entry]\n") +
           "Type=Application\n"
           "Name=" +
           kProductTitle +
           "\n"
           "Exec=" +
           DesktopExecValue(programPath) +
           "\n"
           "TryExec=" +
           DesktopStringValue(programPath) +
           "\n"
           "X-GNOME-Autostart-enabled=true\n";
}

}  // namespace tess
