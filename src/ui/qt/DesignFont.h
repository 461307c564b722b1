#pragma once

#include <QFont>
#include <QString>

#include "ui/Design.h"

namespace tess {

// The design's font. Arial comes with Liberation Sans, which has its metrics,
// so that captions fit where the design put them on a desktop without Arial.
inline QFont DesignFont(const FontDesign& design) {
    QFont font;
    QStringList families{QString::fromUtf8(design.family)};
    if (families.front() == QStringLiteral("Arial"))
        families.append(QStringLiteral("Liberation Sans"));
    font.setFamilies(families);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

}  // namespace tess
