// The window over the form: its size, mouse and keys reaching the form, timers, the picture
// following the form's lamps, and what accessibility sees.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>

#include "announcer.h"
#include "calculator_window.h"
#include "caption_access.h"
#include "face_painter.h"
#include "frmMain.h"
#include "key_access.h"
#include "shell/hover.h"
#include "shortcut_badges.h"

namespace calc::view {
namespace {

// One application object for the whole run, made before the first test.
class Application : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[11] = "view_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
const auto* const application = ::testing::AddGlobalTestEnvironment(new Application);

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        window.show();
        // As when a screen reader is running: the window makes what it reads.
        QAccessible::setActive(true);
    }

    frmMain& form() { return window.face().form(); }
    QPointF centre(const Control& c) { return pixel_rect(window.face(), c).center(); }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, window.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    void press(const Control& c) {
        mouse(QEvent::MouseButtonPress, centre(c), Qt::LeftButton, Qt::LeftButton);
    }
    void release(const Control& c) {
        mouse(QEvent::MouseButtonRelease, centre(c), Qt::LeftButton, Qt::NoButton);
    }
    void click(const Control& c) {
        press(c);
        release(c);
    }
    void hover(const Control& c) {
        mouse(QEvent::MouseMove, centre(c), Qt::NoButton, Qt::NoButton);
    }
    void key(int qt_key, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, qt_key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&window, &event);
    }
    void type(const QString& text) {
        for (const QChar c : text) key(0, QString(c));
    }
    // The colour at the middle of a control in a picture of the window.
    QColor colour_at(const Control& c) {
        const QImage image = window.grab().toImage();
        const QPointF at = centre(c) * image.devicePixelRatio();
        return image.pixelColor(at.toPoint());
    }

    CalculatorWindow window;
};

TEST_F(WindowTest, IsABorderlessWindowOfTheFaceSize) {
    EXPECT_EQ(window.size(), QSize(236, 200));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle(), "Calculator");
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(WindowTest, ClickAtAKeyCentreReachesThatKey) {
    for (const int digit : {7, 1, 0, 9}) click(form().lblNumber[static_cast<std::size_t>(digit)]);
    click(form().lblNumber[10]);
    click(form().lblNumber[5]);
    EXPECT_EQ(form().txtDecimal.text(), "7109.5");
    click(form().lblMath[2]);
    EXPECT_EQ(form().lblStatus.caption, "STATUS: 7109.5 (*)");
}

TEST_F(WindowTest, TypedKeysReachTheEntry) {
    type("6*7");
    EXPECT_EQ(form().lblDigit.caption, "7");
    key(Qt::Key_Return);
    EXPECT_EQ(form().lblDigit.caption, "42");
    type("5");
    key(Qt::Key_Backspace);
    key(Qt::Key_Escape);
    EXPECT_EQ(form().lblStatus.caption, "STATUS:");
    EXPECT_EQ(form().lblDigit.caption, "0");
}

TEST_F(WindowTest, CopyKeyFillsTheClipboard) {
    type("2.5");
    click(form().lblcopy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2.5");
    type("1");
    EXPECT_EQ(form().txtDecimal.text(), "2.51");
}

TEST_F(WindowTest, DisabledKeyPassesHoverToTheFace) {
    hover(form().lblSin);
    EXPECT_EQ(form().LBLSTAT.caption, "CALCULATE SINE VALUE");
    click(form().lblSetPrec);
    ASSERT_FALSE(form().lblSin.enabled);
    hover(form().lblSin);
    EXPECT_EQ(form().LBLSTAT.caption, "");
    hover(form().lblNumber[5]);
    EXPECT_EQ(form().LBLSTAT.caption, "5");
}

TEST_F(WindowTest, PictureShowsTheLampsTheFormLights) {
    const Lamp& lamp = form().arrow_on[1];
    ASSERT_TRUE(lamp.visible);
    const QColor lit = colour_at(lamp);
    click(form().lblStatusMode);
    ASSERT_FALSE(lamp.visible);
    const QColor dark = colour_at(lamp);
    EXPECT_GT(lit.green(), 180) << lit.name().toStdString();
    EXPECT_LT(dark.green(), 100) << dark.name().toStdString();
    click(form().lblStatusMode);
    EXPECT_EQ(colour_at(lamp), lit);
}

// Holding the next key of the unit chooser steps on by the form's timer.
TEST_F(WindowTest, HeldStepKeyRepeats) {
    click(form().lblConv);
    ASSERT_TRUE(form().picConvert.visible);
    const std::string first = form().lblUnit.caption;
    press(form().lblRight);
    QElapsedTimer clock;
    clock.start();
    while (form().lblUnit.caption == first && clock.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    release(form().lblRight);
    EXPECT_NE(form().lblUnit.caption, first);
    EXPECT_FALSE(form().Timer2.enabled);
}

TEST_F(WindowTest, KeysAreDescribedByTheirHelpText) {
    const auto spots = window.findChildren<KeyHotSpot*>();
    EXPECT_EQ(spots.size(), std::ssize(window.face().keys())); // every key of the table
    for (const KeyHotSpot* spot : spots) {
        const auto text = hover_text(form(), spot->key());
        if (&spot->key() == &form().lblExit) continue;
        ASSERT_TRUE(text.has_value()) << spot->key().name();
        QAccessibleInterface* access =
            QAccessible::queryAccessibleInterface(const_cast<KeyHotSpot*>(spot));
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->text(QAccessible::Description).toStdString(), *text);
        // The mode keys with a lamp read as on or off.
        EXPECT_TRUE(access->role() == QAccessible::Button ||
                    access->role() == QAccessible::CheckBox);
    }
    // Where-am-I reads the frame's description: the number shown.
    type("12");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Description), "12");
}

// Each command's message is a notification shown anew, named by it (what Orca 43 speaks);
// where-am-I answers in the set-up; the captions it covers are hidden; each character of a
// caption has its place on the screen, for flat review.
TEST_F(WindowTest, ScreenReaderHearsResultsAndPlaces) {
    auto said = [&] {
        QStringList shown;
        for (Announcer* a : window.findChildren<Announcer*>()) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(a);
            EXPECT_EQ(access->role(), QAccessible::Notification);
            EXPECT_FALSE(access->state().focusable);
            if (a->isVisible()) shown << access->text(QAccessible::Name);
        }
        return shown;
    };
    auto caption = [&](const Control& c) {
        for (CaptionSpot* spot : window.findChildren<CaptionSpot*>()) {
            if (&spot->caption() == &c) return spot;
        }
        return static_cast<CaptionSpot*>(nullptr);
    };
    type("12+30");
    EXPECT_EQ(said(), QStringList());
    key(Qt::Key_Return);
    EXPECT_EQ(said(), QStringList{"42"});
    type("/0");
    key(Qt::Key_Return);
    EXPECT_EQ(said(), QStringList{"ERROR"}); // one shown: the newest

    CaptionSpot* display = caption(form().lblDigit);
    ASSERT_NE(display, nullptr);
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(display)->textInterface();
    ASSERT_NE(text, nullptr);
    const QRect first = text->characterRect(0);
    const QRect last = text->characterRect(text->characterCount() - 1);
    EXPECT_FALSE(first.isEmpty());
    EXPECT_LT(first.left(), last.left());
    EXPECT_TRUE(window.frameGeometry().contains(first) && window.frameGeometry().contains(last));
    EXPECT_EQ(text->offsetAtPoint(last.center()), text->characterCount() - 1);
    EXPECT_TRUE(text->characterRect(text->characterCount()).isEmpty());

    click(form().lblConv);
    EXPECT_EQ(said(), QStringList{"UNIT OF MEASUREMENT: AREA"});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Description),
              "UNIT OF MEASUREMENT: AREA");
    EXPECT_FALSE(display->isVisible());
    EXPECT_TRUE(caption(form().lblUnit)->isVisible());
}

// Held Ctrl shows each key's shortcut in a badge over its corner, drawn on the window itself.
TEST_F(WindowTest, HeldCtrlShowsShortcutBadges) {
    const FaceKey* sine = window.face().key(form().lblSin);
    ASSERT_NE(sine, nullptr);
    const QPoint spot = badge_rect(window.face(), *sine).center().toPoint();
    auto pixel = [&] { return window.grab().toImage().pixelColor(spot); };
    const QColor bare = pixel();
    form().key_press({0, KeyControl, CtrlDown, "", false});
    form().advance_timers(600);
    ASSERT_TRUE(form().shortcut_badges_shown());
    const QImage shown = window.grab().toImage();
    // The badge is dark, the face under it is not; somewhere inside is the letter's ink.
    const QRect badge = badge_rect(window.face(), *sine).toAlignedRect();
    int dark = 0;
    int bright = 0;
    for (int y = badge.top() + 1; y < badge.bottom(); ++y) {
        for (int x = badge.left() + 1; x < badge.right(); ++x) {
            const int value = shown.pixelColor(x, y).value();
            dark += value < 60 ? 1 : 0;
            bright += value > 180 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, badge.width() * badge.height() / 3);
    EXPECT_GT(bright, 2);
    form().key_release({0, KeyControl, 0, "", false});
    EXPECT_EQ(pixel(), bare);
}

// What a screen reader reads is made once assistive technology is active, and only then:
// before, the first frame needs none of it.
TEST(WindowAccessibilityTest, MadeWhenAssistiveTechnologyComes) {
    QAccessible::setActive(false);
    CalculatorWindow window;
    window.show();
    EXPECT_TRUE(window.findChildren<KeyHotSpot*>().isEmpty());
    QAccessible::setActive(true);
    const auto spots = window.findChildren<KeyHotSpot*>();
    EXPECT_EQ(spots.size(), std::ssize(window.face().keys()));
    int shown = 0;
    for (const KeyHotSpot* spot : spots) shown += spot->isVisible() ? 1 : 0;
    EXPECT_GT(shown, 40); // all but the set-up panel's keys
}

TEST_F(WindowTest, AccessiblePressClicksTheKey) {
    for (KeyHotSpot* spot : window.findChildren<KeyHotSpot*>()) {
        if (&spot->key() != &form().lblNumber[4]) continue;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(spot);
        ASSERT_NE(access, nullptr);
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(form().txtDecimal.text(), "4");
}

} // namespace
} // namespace calc::view
