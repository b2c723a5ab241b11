// The window's part of the keyboard map and the face menu: modified keys reach the map before
// the entry, the always-on-top switch reaches the window flags, and a right-click on the bare
// face opens the menu. The QApplication comes from the environment in window_test.cpp.
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <string>

#include "calculator_window.h"
#include "face_painter.h"
#include "frmMain.h"

namespace calc::view {
namespace {

class KeyboardMenuTest : public ::testing::Test {
protected:
    KeyboardMenuTest() { window.show(); }

    frmMain& form() { return window.face().form(); }

    void key(int qt_key, Qt::KeyboardModifiers mods, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, qt_key, mods, text);
        QCoreApplication::sendEvent(&window, &event);
    }
    void right_click(QPointF at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &release);
    }
    // A point of the face that no control covers.
    QPointF bare_face() {
        for (int y = 0; y < window.height(); ++y) {
            for (int x = 0; x < window.width(); ++x) {
                if (form().hit_test(x * twips_per_pixel, y * twips_per_pixel) == &form().picBack1) {
                    return {x + 0.5, y + 0.5};
                }
            }
        }
        ADD_FAILURE() << "no bare face";
        return {};
    }
    QList<QAction*> entries() {
        QList<QAction*> out;
        if (QMenu* menu = window.face_menu()) {
            for (QAction* a : menu->actions()) {
                if (!a->isSeparator()) out.push_back(a);
            }
        }
        return out;
    }

    CalculatorWindow window;
};

TEST_F(KeyboardMenuTest, ModifiedKeysReachTheMapBeforeTheEntry) {
    key(Qt::Key_3, Qt::NoModifier, "3");
    key(Qt::Key_0, Qt::NoModifier, "0");
    key(Qt::Key_S, Qt::NoModifier, "s");
    EXPECT_EQ(form().lblDigit.caption, "0.5");
    key(Qt::Key_S, Qt::ShiftModifier, "S");
    EXPECT_EQ(form().lblDigit.caption, "30");
    key(Qt::Key_C, Qt::ControlModifier, QString(QChar(3)));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "30");
    QGuiApplication::clipboard()->setText(" -2.5e3 ");
    key(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    EXPECT_EQ(form().txtDecimal.text(), "-2500");
    // Shift+5 on a US keyboard: Qt names the key by the percent sign.
    key(Qt::Key_Percent, Qt::ShiftModifier, "%");
    EXPECT_EQ(form().lblDigit.caption, "-25");
    // Outside the map a letter still goes the old way: dropped by the entry rules.
    key(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(form().txtDecimal.text(), "-25");
}

TEST_F(KeyboardMenuTest, AlwaysOnTopFollowsTheSwitch) {
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    key(Qt::Key_T, Qt::ControlModifier, QString(QChar(20)));
    EXPECT_TRUE(form().always_on_top);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(236, 200));
    key(Qt::Key_T, Qt::ControlModifier, QString(QChar(20)));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
}

// A held Ctrl+T switches once. X11 repeats a held key as a release and a press at one time
// stamp, which Qt does not always mark as repeated; both kinds must leave the switch alone.
TEST_F(KeyboardMenuTest, HeldAlwaysOnTopKeySwitchesOnce) {
    auto send = [this](QEvent::Type type, bool repeat, quint64 time) {
        QKeyEvent event(type, Qt::Key_T, Qt::ControlModifier, 0x1c, 0x74, 0x4, QString(QChar(20)),
                        repeat);
        event.setTimestamp(time);
        QCoreApplication::sendEvent(&window, &event);
    };
    send(QEvent::KeyPress, false, 1000);
    ASSERT_TRUE(form().always_on_top);
    send(QEvent::KeyPress, true, 1500); // marked repeated by Qt
    send(QEvent::KeyRelease, false, 1540);
    send(QEvent::KeyPress, false, 1540); // repeated, not marked
    send(QEvent::KeyRelease, false, 1580);
    EXPECT_TRUE(form().always_on_top);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    send(QEvent::KeyPress, false, 2000); // pressed again
    EXPECT_FALSE(form().always_on_top);
}

TEST_F(KeyboardMenuTest, RightClickOnTheBareFaceOpensTheMenu) {
    right_click(pixel_rect(window.face(), form().lblNumber[5]).center());
    EXPECT_EQ(window.face_menu(), nullptr); // over a key: no menu
    right_click(bare_face());
    ASSERT_NE(window.face_menu(), nullptr);
    QList<QAction*> items = entries();
    ASSERT_EQ(items.size(), 5);
    EXPECT_TRUE(items[0]->text().startsWith("Copy"));
    EXPECT_TRUE(items[1]->text().startsWith("Paste"));
    EXPECT_EQ(items[2]->text(), "History");
    EXPECT_NE(items[2]->menu(), nullptr);
    items.removeAt(2); // the switch and Close, as before the history came
    EXPECT_TRUE(items[2]->text().startsWith("Always on top"));
    EXPECT_TRUE(items[3]->text().startsWith("Close"));
    EXPECT_TRUE(items[2]->isCheckable());
    EXPECT_FALSE(items[2]->isChecked());

    key(Qt::Key_7, Qt::NoModifier, "7");
    items[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "7");
    QGuiApplication::clipboard()->setText("1,234.5");
    items[1]->trigger();
    EXPECT_EQ(form().txtDecimal.text(), "1234.5");
    items[2]->trigger();
    EXPECT_TRUE(form().always_on_top);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window.face_menu()->close();

    // Opened again, it shows the switch on.
    right_click(bare_face());
    ASSERT_EQ(entries().size(), 5);
    EXPECT_TRUE(entries()[3]->isChecked());
    window.face_menu()->close();
}

TEST_F(KeyboardMenuTest, DuringAModalEntryCopyAndPasteAreOff) {
    key(Qt::Key_K, Qt::NoModifier, "k");
    ASSERT_TRUE(form().picPrecision.visible);
    // A disabled key counts as bare face.
    right_click(pixel_rect(window.face(), form().lblSin).center());
    ASSERT_EQ(entries().size(), 5);
    EXPECT_FALSE(entries()[0]->isEnabled());
    EXPECT_FALSE(entries()[1]->isEnabled());
    EXPECT_TRUE(entries()[3]->isEnabled());
    EXPECT_TRUE(entries()[4]->isEnabled());
    window.face_menu()->close();
}

// A result chosen from the History submenu becomes the entry; the submenu lists the newest
// first.
TEST_F(KeyboardMenuTest, HistorySubmenuRecallsAResult) {
    for (const char* sum : {"2+3", "4*5"}) {
        key(Qt::Key_Escape, Qt::NoModifier, "");
        for (const char c : std::string(sum)) key(c, Qt::NoModifier, QString(QChar(c)));
        key(Qt::Key_Return, Qt::NoModifier, "");
    }
    key(Qt::Key_Escape, Qt::NoModifier, "");
    right_click(bare_face());
    QMenu* history = entries()[2]->menu();
    ASSERT_NE(history, nullptr);
    const QList<QAction*> results = history->actions();
    ASSERT_GE(results.size(), 2);
    EXPECT_EQ(results[0]->text(), "20");
    EXPECT_EQ(results[1]->text(), "5");
    results[1]->trigger();
    EXPECT_EQ(form().txtDecimal.text(), "5");
    window.face_menu()->close();
}

} // namespace
} // namespace calc::view
