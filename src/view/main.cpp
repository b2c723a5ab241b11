// The calculator: one borderless window showing the face.
#include <QApplication>

#include "calculator_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    // The desktop entry's name, which ties the window to the installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CALC_APP_ID));
    calc::view::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
