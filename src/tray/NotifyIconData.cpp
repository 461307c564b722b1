#include "NotifyIconData.h"

namespace tess {

namespace {

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

NotifyIconData Blank(WindowHandle window, std::uint32_t id) {
    NotifyIconData record;
    record.hWnd = window;
    record.uID = id;
    return record;
}

}  // namespace

std::string FitField(const std::string& text, std::size_t field) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i]) && ++characters == field) return text.substr(0, i);
    }
    return text;
}

NotifyIconData AddRecord(WindowHandle window, std::uint32_t id, const std::string& tip,
                         const IconHandle* icon) {
    NotifyIconData record = Blank(window, id);
    if (icon != nullptr) {
        record.hIcon = *icon;
        record.uFlags |= kNifIcon;
    }
    if (!tip.empty()) {
        record.szTip = FitField(tip, kTipField);
        record.uFlags |= kNifTip;
    }
    record.uCallbackMessage = kTrayCallbackMessage;
    record.uFlags |= kNifMessage;
    return record;
}

NotifyIconData IconRecord(WindowHandle window, std::uint32_t id, const IconHandle& icon) {
    NotifyIconData record = Blank(window, id);
    record.uFlags = kNifIcon;
    record.hIcon = icon;
    return record;
}

NotifyIconData TipRecord(WindowHandle window, std::uint32_t id, const std::string& tip) {
    NotifyIconData record = Blank(window, id);
    record.uFlags = kNifTip;
    record.szTip = FitField(tip, kTipField);
    return record;
}

NotifyIconData BalloonRecord(WindowHandle window, std::uint32_t id, const std::string& text,
                             const std::string& title, std::uint32_t timeoutMs) {
    NotifyIconData record = Blank(window, id);
    record.uFlags = kNifInfo;
    record.szInfo = FitField(text, kInfoField);
    record.szInfoTitle = FitField(title, kInfoTitleField);
    record.uTimeout = timeoutMs;
    return record;
}

NotifyIconData TakeDownRecord(const NotifyIconData& shown) {
    NotifyIconData record = shown;
    record.szInfo.clear();
    record.szInfoTitle.clear();
    return record;
}

NotifyIconData RemoveRecord(WindowHandle window, std::uint32_t id) {
    return Blank(window, id);
}

}  // namespace tess
