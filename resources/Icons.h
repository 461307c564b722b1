#pragma once

#include <QIcon>
#include <QString>

#include "resources/IconNames.h"

namespace tess::icons {

// Every size of the icon called `name`; a null icon when there is no such icon.
QIcon LoadIcon(const QString& name);

}  // namespace tess::icons
