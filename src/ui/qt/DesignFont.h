#pragma once

#include <QFont>
#include <QString>

namespace tess {

// Arial at the given size, or Liberation Sans, which has Arial's metrics, so
// that captions fit where the design put them.
inline QFont Arial(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace tess
