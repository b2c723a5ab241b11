// The calculator's window. Until the skinned face lands it opens a plain window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Calculator");
    window.setFixedSize(236, 200);
    window.show();
    return QApplication::exec();
}
