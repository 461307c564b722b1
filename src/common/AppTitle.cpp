#include "AppTitle.h"

namespace tess {

namespace {
std::string& StoredAppTitle() {
    static std::string title = kProductTitle;
    return title;
}

bool CutAtLastSpace(std::string& text) {
    const auto space = text.rfind(' ');
    if (space == std::string::npos) return false;
    text.erase(space);
    return true;
}
}  // namespace

std::string DeriveAppTitle(const std::string& productTitle) {
    std::string text = productTitle;
    if (CutAtLastSpace(text)) {
        while (text.size() > 40 && CutAtLastSpace(text)) {
        }
    }
    return text;
}

const std::string& AppTitle() { return StoredAppTitle(); }

void SetAppTitle() { StoredAppTitle() = DeriveAppTitle(kProductTitle); }

}  // namespace tess
