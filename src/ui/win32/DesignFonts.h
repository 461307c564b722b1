#pragma once

#include <windows.h>

#include <vector>

#include "ui/Design.h"

namespace tess {

// The fonts of a window's design at one resolution, made when first asked for
// and deleted with this.
class DesignFonts {
public:
    explicit DesignFonts(unsigned dpi) : dpi_(dpi) {}
    ~DesignFonts();
    DesignFonts(const DesignFonts&) = delete;
    DesignFonts& operator=(const DesignFonts&) = delete;

    // The font of the design; a design without a family gets the system's
    // font for dialogs.
    HFONT Get(const FontDesign& design);

private:
    struct Made {
        FontDesign design;
        HFONT font;
    };

    unsigned dpi_;
    std::vector<Made> made_;
};

}  // namespace tess
