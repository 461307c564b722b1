#pragma once

#include <QWidget>
#include <QtMath>

namespace tess {

// Twips to pixels at the widget's screen resolution: 1440 twips make an inch,
// so 15 twips are one pixel at 96 dpi.
inline int Twips(const QWidget& widget, int twips) {
    return qRound(twips * widget.logicalDpiX() / 1440.0);
}

}  // namespace tess
