#include "ui/win32/DesignFonts.h"

#include <cstring>

#include "common/win32/WideText.h"
#include "ui/win32/Dpi.h"

namespace tess {

namespace {

bool SameFont(const FontDesign& a, const FontDesign& b) {
    return std::strcmp(a.family, b.family) == 0 && a.points == b.points && a.bold == b.bold;
}

}  // namespace

DesignFonts::~DesignFonts() {
    for (const Made& made : made_) DeleteObject(made.font);
}

HFONT DesignFonts::Get(const FontDesign& design) {
    if (design.family == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const Made& made : made_) {
        if (SameFont(made.design, design)) return made.font;
    }
    LOGFONTW font{};
    font.lfHeight = FontHeight(design.points, dpi_);
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring family = Utf8ToWide(design.family);
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    const HFONT made = CreateFontIndirectW(&font);
    made_.push_back({design, made});
    return made;
}

}  // namespace tess
