#include "resources/Icons.h"

#include <QDir>

// The resources live in a static library: registering them here, from the one way
// in, keeps the linker from dropping them. Outside any namespace, as the
// registration function is.
static void RegisterIcons() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace tess::icons {

QIcon LoadIcon(const QString& name) {
    RegisterIcons();
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons/") + name);
    for (const QString& file : folder.entryList(QDir::Files)) icon.addFile(folder.filePath(file));
    return icon;
}

}  // namespace tess::icons
