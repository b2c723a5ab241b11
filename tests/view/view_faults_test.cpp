// Faults of the window that once only showed on a real desktop, caught here offscreen: the
// timers' pace, badges after the keyboard leaves, a closed panel's captions, the small glyphs'
// place in their cells, the drag, the keep-above switch and what accessibility reads of a
// key. (The QApplication these tests need is window_test.cpp's.)
#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator_window.h"
#include "face_painter.h"
#include "frmMain.h"
#include "key_access.h"
#include "skin.h"

namespace calc::view {
namespace {

// A point as the test output prints it.
std::pair<int, int> xy(QPoint p) {
    return {p.x(), p.y()};
}

// Lets the event loop run for a while without spinning.
void wait_ms(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class ViewFaultsTest : public ::testing::Test {
protected:
    ViewFaultsTest() {
        window.show();
        QAccessible::setActive(true);
    }

    frmMain& form() { return window.face().form(); }
    QPointF centre(const Control& c) { return pixel_rect(window.face(), c).center(); }

    // A mouse event at a point of the screen, given to the window where it lies now.
    void mouse_at(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF local = window.mapFromGlobal(QPointF(global));
        QMouseEvent event(type, local, QPointF(global), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    void click(const Control& c) {
        const QPoint at = window.mapToGlobal(centre(c)).toPoint();
        mouse_at(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse_at(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void key(int qt_key, Qt::KeyboardModifiers mods, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, qt_key, mods, text);
        QCoreApplication::sendEvent(&window, &event);
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
    QAccessibleInterface* accessible(const Control& key) {
        for (KeyHotSpot* spot : window.findChildren<KeyHotSpot*>()) {
            if (&spot->key() == &key) return QAccessible::queryAccessibleInterface(spot);
        }
        ADD_FAILURE() << "no hot spot for " << key.name();
        return nullptr;
    }

    CalculatorWindow window;
};

// The Qt timer runs at the form's interval: a held step key waits 300 ms for its first step,
// then steps at that pace. Timers never fire early, so each bound below holds however busy
// the machine is; a timer left at Qt's default would step at once and on every pass.
TEST_F(ViewFaultsTest, HeldStepKeyStepsAtTheFormsPace) {
    click(form().lblConv);
    ASSERT_TRUE(form().picConvert.visible);
    const QPoint at = window.mapToGlobal(centre(form().lblRight)).toPoint();
    QElapsedTimer clock;
    clock.start();
    mouse_at(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    std::vector<qint64> steps;
    std::string shown = form().lblUnit.caption;
    while (steps.size() < 4 && clock.elapsed() < 2500) {
        wait_ms(5);
        if (form().lblUnit.caption == shown) continue;
        shown = form().lblUnit.caption;
        steps.push_back(clock.elapsed());
    }
    mouse_at(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(steps.size(), 4u) << "steps in 2.5 s";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_GE(steps[i], 250 * static_cast<qint64>(i + 1)) << "step " << i + 1;
    }
}

// Ctrl let go in another window never reaches this one: the badges go with the keyboard.
TEST_F(ViewFaultsTest, LosingTheKeyboardWithCtrlHeldHidesTheBadges) {
    key(Qt::Key_Control, Qt::ControlModifier, {});
    window.face().advance_timers(600);
    ASSERT_TRUE(window.face().shortcut_badges_shown());
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&window, &out);
    EXPECT_FALSE(window.face().shortcut_badges_shown());
}

// A left drag on the bare face asks for one move per press; without a window system's move
// the window follows the pointer until the button comes up, and stays put after. A second
// request during the drag would restart it from where the pointer is, so the window would
// lag behind.
TEST_F(ViewFaultsTest, DragMovesWithThePointerOncePerPress) {
    for (const int round : {1, 2}) {
        SCOPED_TRACE(round);
        const QPoint start = window.pos();
        const QPoint press = window.mapToGlobal(bare_face()).toPoint();
        QCursor::setPos(press);
        mouse_at(QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        QPoint pointer = press;
        for (const QPoint step : {QPoint(7, 3), QPoint(10, 5), QPoint(10, 5), QPoint(-4, 12)}) {
            pointer += round == 1 ? step : -step;
            QCursor::setPos(pointer);
            mouse_at(QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
        }
        // The move began with the first movement and follows every one after it.
        const QPoint first = press + (round == 1 ? QPoint(7, 3) : QPoint(-7, -3));
        EXPECT_EQ(xy(window.pos() - start), xy(pointer - first));
        mouse_at(QEvent::MouseButtonRelease, pointer, Qt::LeftButton, Qt::NoButton);
        const QPoint left_at = window.pos();
        for (const QPoint step : {QPoint(30, 20), QPoint(-50, 10)}) {
            pointer += step;
            QCursor::setPos(pointer);
            mouse_at(QEvent::MouseMove, pointer, Qt::NoButton, Qt::NoButton);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(xy(window.pos()), xy(left_at))
            << "the window followed the pointer after the drag";
    }
}

// Counts the events of one type an object receives.
class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type_(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == type_) ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

// The switch asks the window it is: the same native window gains and loses the hint and is
// never hidden on the way, so a task bar or screen reader holding it keeps it.
TEST_F(ViewFaultsTest, AlwaysOnTopKeepsTheNativeWindow) {
    QWindow* native = window.windowHandle();
    ASSERT_NE(native, nullptr);
    const WId id = window.winId();
    EventCounter hidden(QEvent::Hide);
    window.installEventFilter(&hidden);
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        key(Qt::Key_T, Qt::ControlModifier, QString(QChar(20)));
        ASSERT_EQ(form().always_on_top, on);
        EXPECT_EQ(window.windowHandle(), native);
        EXPECT_EQ(window.winId(), id);
        EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(hidden.count, 0);
    }
    window.removeEventFilter(&hidden);
}

// A mode key reads as checked exactly while its lamp is lit, and follows a click.
TEST_F(ViewFaultsTest, ModeKeysReadCheckedWithTheirLamp) {
    struct Row {
        Label frmMain::*key;
        std::size_t lamp;
    };
    const Row rows[] = {{&frmMain::lblSetDec, lamp::DecimalDisplay},
                        {&frmMain::lblSetFrac, lamp::FractionDisplay}};
    auto expect_states = [&](const char* when) {
        for (const Row& row : rows) {
            const Label& mode_key = form().*row.key;
            SCOPED_TRACE(mode_key.name() + " " + when);
            QAccessibleInterface* access = accessible(mode_key);
            ASSERT_NE(access, nullptr);
            EXPECT_TRUE(access->state().checkable);
            EXPECT_EQ(access->state().checked, form().arrow_on[row.lamp].visible);
        }
    };
    ASSERT_TRUE(form().arrow_on[lamp::DecimalDisplay].visible);
    expect_states("at start");
    click(form().lblSetFrac);
    ASSERT_TRUE(form().arrow_on[lamp::FractionDisplay].visible);
    expect_states("after FRACTION");
    click(form().lblSetDec);
    expect_states("after DECIMAL");
}

// A key a modal entry switches off reads as disabled while it is off, and enabled after.
TEST_F(ViewFaultsTest, KeysReadDisabledWhileAModalEntryDisablesThem) {
    struct Row {
        const char* entry;
        Label frmMain::*opener;
        Label& (*key)(frmMain&);
    };
    const Row rows[] = {
        {"unit set-up", &frmMain::lblConv, [](frmMain& f) -> Label& { return f.lblNumber[7]; }},
        {"precision entry", &frmMain::lblSetPrec, [](frmMain& f) -> Label& { return f.lblSin; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry);
        const Label& key_off = row.key(form());
        QAccessibleInterface* access = accessible(key_off);
        ASSERT_NE(access, nullptr);
        EXPECT_FALSE(access->state().disabled);
        click(form().*row.opener);
        ASSERT_FALSE(key_off.enabled);
        EXPECT_TRUE(access->state().disabled);
        key(Qt::Key_Escape, Qt::NoModifier, {});
        ASSERT_TRUE(key_off.enabled);
        EXPECT_FALSE(access->state().disabled);
    }
}

QImage painted(const Face& face, Skin& skin) {
    QImage image(QSize(236, 200), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    paint_form(painter, face, skin, 1);
    return image;
}

// A panel's captions keep their texts when it closes; closed, none of them is drawn.
TEST(ViewPaintTest, ClosedPanelsLeaveNoMarkOnTheFace) {
    struct Row {
        const char* panel;
        Label frmMain::*opener;
        PictureBox frmMain::*picture;
    };
    const Row rows[] = {{"unit set-up", &frmMain::lblConv, &frmMain::picConvert},
                        {"precision", &frmMain::lblSetPrec, &frmMain::picPrecision}};
    Skin skin(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.panel);
        FakePlatform platform;
        Face face(platform);
        frmMain& form = face.form();
        form.start();
        const QImage before = painted(face, skin);
        form.mouse_down(form.*row.opener, LeftButton);
        form.mouse_up(form.*row.opener, LeftButton);
        ASSERT_TRUE((form.*row.picture).visible);
        form.type_char('5'); // a caption of the precision panel changes
        EXPECT_FALSE(painted(face, skin) == before);
        form.type_key(KeyEscape);
        ASSERT_FALSE((form.*row.picture).visible);
        EXPECT_TRUE(painted(face, skin) == before);
    }
}

// The small captions' glyphs sit in the middle of their 6 x 8 cells as the face shows them: a
// symmetric glyph leaves as many bare columns of its cell on its left as on its right, give
// or take the one an odd width leaves.
TEST(ViewPaintTest, SmallGlyphsAreCentredInTheirCells) {
    FakePlatform platform;
    Face face(platform);
    frmMain& form = face.form();
    form.start();
    Skin skin(false);
    Label& caption = form.lblStatus;
    ASSERT_EQ(caption.font, FontKind::Small);
    caption.caption.clear();
    const QImage bare = painted(face, skin);
    for (const char c : std::string_view("0HI-+8OXTAUV=")) {
        SCOPED_TRACE(std::string(1, c));
        caption.caption = std::string(1, c);
        const QImage image = painted(face, skin);
        const QRect cell(pixel_rect(face, caption).topLeft().toPoint(), small_cell);
        // The ink is what the glyph changed, looked for a little beyond its cell too.
        int left = image.width();
        int right = -1;
        for (int y = cell.top() - 2; y <= cell.bottom() + 2; ++y) {
            for (int x = cell.left() - 3; x <= cell.right() + 3; ++x) {
                if (image.pixel(x, y) == bare.pixel(x, y)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        ASSERT_GE(right, left) << "no ink";
        const int bare_left = left - cell.left();
        const int bare_right = cell.right() - right;
        EXPECT_GE(std::min(bare_left, bare_right), 0) << "ink outside the cell";
        EXPECT_LE(std::abs(bare_left - bare_right), 1)
            << "bare columns " << bare_left << " | " << bare_right;
    }
}

} // namespace
} // namespace calc::view
