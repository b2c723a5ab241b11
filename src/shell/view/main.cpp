// The calculator: one borderless window showing the face.
#include <QApplication>

#include "shell/view/calculator_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    QGuiApplication::setDesktopFileName(QStringLiteral("calculator"));
    calc::view::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
