// The floor for the startup benchmark: the least a Qt 6 Widgets program does to show a
// window of the calculator's size. Its title is its own, so the probe never takes one
// program's window for the other's.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt Window"));
    window.setFixedSize(236, 200);
    window.show();
    return QApplication::exec();
}
