// The calculator: one borderless window showing the face.
#include <QApplication>

#include "calculator_window.h"

int main(int argc, char** argv) {
    // Qt looks for a screen reader only at start; told to join the accessibility bus whenever
    // one is there, the calculator is read by a screen reader that comes after it.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    // The desktop entry's name, which ties the window to the installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(CALC_APP_ID));
    calc::view::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
