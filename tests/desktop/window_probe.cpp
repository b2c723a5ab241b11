// Runs the calculator's window in this process on the window system at hand and reports what
// the desktop tests cannot see from outside: whether the face menu's always-on-top item is
// enabled, and whether Ctrl+T turns the switch on. Prints two lines:
//   menu-item enabled|disabled
//   ctrl-t switches|ignored
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>
#include <cstdio>

#include "calculator_window.h"
#include "frmMain.h"

namespace {

// A point of the face that no control covers.
QPointF bare_face(calc::frmMain& form) {
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 236; ++x) {
            if (form.hit_test(x * calc::twips_per_pixel, y * calc::twips_per_pixel) ==
                &form.picBack1) {
                return {x + 0.5, y + 0.5};
            }
        }
    }
    return {};
}

void send_mouse(QWidget& window, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, window.mapToGlobal(at), Qt::RightButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    calc::view::CalculatorWindow window;
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() != nullptr && window.windowHandle()->isExposed()) &&
           clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!window.windowHandle()->isExposed()) {
        std::fprintf(stderr, "window-probe: the window was never shown\n");
        return 1;
    }

    const QPointF at = bare_face(window.face().form());
    send_mouse(window, QEvent::MouseButtonPress, at, Qt::RightButton);
    send_mouse(window, QEvent::MouseButtonRelease, at, Qt::NoButton);
    QMenu* menu = window.face_menu();
    const QAction* item = nullptr;
    if (menu != nullptr) {
        for (const QAction* a : menu->actions()) {
            if (a->text().startsWith(QLatin1String("Always on top"))) item = a;
        }
    }
    if (item == nullptr) {
        std::fprintf(stderr, "window-probe: no always-on-top item in the face menu\n");
        return 1;
    }
    std::printf("menu-item %s\n", item->isEnabled() ? "enabled" : "disabled");
    menu->close();

    QKeyEvent press(QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier, QString(QChar(20)));
    QCoreApplication::sendEvent(&window, &press);
    std::printf("ctrl-t %s\n", window.face().form().always_on_top ? "switches" : "ignored");
    return 0;
}
