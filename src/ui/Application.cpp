#include "ui/Application.h"

#include <QApplication>
#include <QWidget>

#include "common/AppTitle.h"

namespace tess {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(kProductTitle));
    window.resize(536, 571);
    window.show();
    return app.exec();
}

}  // namespace tess
