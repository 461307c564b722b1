// The anchor of the start-up figure: the least a Qt Widgets program does to
// show a window, here an empty one of the main window's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(536, 571);
    window.show();
    return app.exec();
}
