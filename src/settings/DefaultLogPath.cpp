#include "settings/DefaultLogPath.h"

namespace tess {

std::string DefaultLogPath;

namespace {

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string DropTrailingWord(const std::string& title, const std::string& word) {
    const auto space = title.rfind(' ');
    if (space == std::string::npos) return title;
    if (!word.empty() && TrimSpaces(title.substr(space + 1)) != word) return title;
    return TrimSpaces(title.substr(0, space + 1));
}

std::string StripNameChars(const std::string& text) {
    static const std::string kDropped = "$/\\*:?<>|#' .,\"()-+=%;}{\t";
    std::string result;
    for (const char c : text) {
        if (kDropped.find(c) == std::string::npos) result += c;
    }
    return result;
}

std::string FileNameStem(const std::string& title) {
    return StripNameChars(DropTrailingWord(title, "Software"));
}

std::string ComposeDefaultLogPath(const std::string& folder, char separator,
                                  const std::string& title) {
    return folder + separator + FileNameStem(title) + ".txt";
}

}  // namespace tess
