#include "calculator_window.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <exception>

#include "face_access.h"
#include "face_painter.h"
#include "window_manager.h"

namespace calc::view {

namespace {

int form_button(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    case Qt::MiddleButton: return MiddleButton;
    default: return NoButton;
    }
}

int form_buttons(Qt::MouseButtons held) {
    int set = NoButton;
    if (held & Qt::LeftButton) set |= LeftButton;
    if (held & Qt::RightButton) set |= RightButton;
    if (held & Qt::MiddleButton) set |= MiddleButton;
    return set;
}

int form_shift(Qt::KeyboardModifiers m) {
    int shift = 0;
    if (m & Qt::ShiftModifier) shift |= ShiftDown;
    if (m & Qt::ControlModifier) shift |= CtrlDown;
    if (m & Qt::AltModifier) shift |= AltDown;
    return shift;
}

int named_key(int qt_key) {
    switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyEnter;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Backspace: return KeyBackspace;
    case Qt::Key_Delete: return KeyDelete;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Home: return KeyHome;
    case Qt::Key_End: return KeyEnd;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Control: return KeyControl;
    default: return 0;
    }
}

int to_pixels(int twips) {
    return twips / twips_per_pixel;
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), face_(*this) {
    setWindowTitle(QStringLiteral("Calculator"));
    setWindowIcon(Skin::icon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Calculator"));

    // The objects a screen reader reads cost the first frame a few percent: they are made only
    // once an assistive technology is there (at once if it already is).
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) make_accessible();

    // One Qt timer for each of the form's, started and stopped as the form's are.
    for (Timer* model : face_.timers()) {
        auto& qt = timers_.emplace_back(std::make_unique<QTimer>());
        qt->setTimerType(Qt::PreciseTimer);
        connect(qt.get(), &QTimer::timeout, this, [this, model] { tick(*model); });
    }

    dispatch([this] { face_.start(); });
    setFixedSize(to_pixels(face_.width()), to_pixels(face_.height()));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

CalculatorWindow::~CalculatorWindow() {
    QAccessible::removeActivationObserver(this);
}

void CalculatorWindow::accessibilityActiveChanged(bool active) {
    if (active && access_ == nullptr) make_accessible();
}

void CalculatorWindow::make_accessible() {
    access_ = std::make_unique<FaceAccessibility>(*this, face_, [this](Control& key) {
        if (depth_ > 0) return; // never a click inside a running handler
        dispatch([this, &key] {
            face_.mouse_down(key, LeftButton);
            face_.mouse_up(key, LeftButton);
        });
    });
    access_->follow(face_, {});
}

template <class Handler>
void CalculatorWindow::dispatch(Handler&& handler) {
    ++depth_;
    try {
        handler();
    } catch (const std::exception&) {
        // The form lets no fault out of a handler; should one escape all the same, the
        // window stays up and the next event goes on from the state as it is.
    }
    --depth_;
    if (depth_ == 0) after_event();
}

void CalculatorWindow::after_event() {
    for (std::size_t i = 0; i < timers_.size(); ++i) sync_timer(*timers_[i], *face_.timers()[i]);
    show_pointer();
    // Taken after every event, so that a screen reader that comes later hears only what
    // happens from then on.
    const std::string announcement = face_.take_announcement();
    if (access_ != nullptr) access_->follow(face_, announcement);
    apply_always_on_top();
    update();
}

void CalculatorWindow::show_pointer() {
    // Only a change reaches the window system: the start shows the default pointer without
    // loading a pointer of its own from the cursor theme.
    const Qt::CursorShape shape =
        face_.mouse_pointer() == MousePointer::Busy ? Qt::BusyCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape) setCursor(shape);
}

void CalculatorWindow::apply_always_on_top() {
    const bool on_top = face_.always_on_top();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on_top) return;
    // Asked of the window as it is (on X11 the window manager's keep-above state): new window
    // flags would make a new native window, which task bars and assistive technology lose.
    overrideWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, on_top));
    if (QWindow* window = windowHandle()) {
        window->setFlags(window->flags().setFlag(Qt::WindowStaysOnTopHint, on_top));
    }
}

void CalculatorWindow::add_menu_items(QMenu& menu, const std::vector<MenuItem>& items) {
    // The form says which items there are and what each does; each runs as one event.
    for (const MenuItem& item : items) {
        if (item.separator_before) menu.addSeparator();
        const QString label = QString::fromStdString(item.label);
        if (item.command == MenuCommand::History) {
            QMenu* sub = menu.addMenu(label);
            sub->setEnabled(item.enabled);
            add_menu_items(*sub, item.submenu);
            continue;
        }
        QString text = label;
        if (!item.shortcut.empty())
            text += QLatin1Char('\t') + QString::fromStdString(item.shortcut);
        QAction* action = menu.addAction(text);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checkable);
        action->setChecked(item.checked);
        connect(action, &QAction::triggered, this,
                [this, command = item.command, index = item.index] {
                    if (depth_ == 0) dispatch([&] { face_.menu_command(command, index); });
                });
    }
}

void CalculatorWindow::open_face_menu(QPoint global_pos) {
    if (menu_ != nullptr) menu_->close();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    add_menu_items(*menu, face_.face_menu());
    menu_ = menu;
    menu->popup(global_pos);
}

void CalculatorWindow::sync_timer(QTimer& qt, Timer& model) {
    if (model.enabled && !qt.isActive()) {
        qt.start(model.interval);
    } else if (!model.enabled && qt.isActive()) {
        qt.stop();
    }
}

void CalculatorWindow::tick(Timer& model) {
    // A tick that falls due while a handler lets events run waits for the next one, so no
    // handler ever runs inside another.
    if (depth_ > 0) return;
    // Exactly one interval of this timer has passed since it started or last ticked; then
    // the form's own clock runs for no time, which ends the event as the form ends any other.
    dispatch([this, &model] {
        model.advance(model.interval);
        face_.advance_timers(0);
    });
}

Control* CalculatorWindow::control_at(QPointF pos) {
    return face_.hit_test(static_cast<int>(std::floor(pos.x() * twips_per_pixel)),
                          static_cast<int>(std::floor(pos.y() * twips_per_pixel)));
}

void CalculatorWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paint_form(painter, face_, skin_, devicePixelRatioF());
}

void CalculatorWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    dispatch([this] { face_.resize(); });
    const QSize face(to_pixels(face_.width()), to_pixels(face_.height()));
    if (size() != face) setFixedSize(face);
}

void CalculatorWindow::mousePressEvent(QMouseEvent* event) {
    const int button = form_button(event->button());
    if (moving_myself_ || button == NoButton) return;
    moved_this_press_ = false;
    Control* over = control_at(event->position());
    if (over == nullptr) return;
    dispatch([&] { face_.mouse_down(*over, button); });
}

void CalculatorWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (moving_myself_) {
        // The move ends with the button, and the button-up is the move's, as with the
        // window system's own move.
        if (!(event->buttons() & Qt::LeftButton)) moving_myself_ = false;
        return;
    }
    const int button = form_button(event->button());
    if (button == NoButton) return;
    // The window keeps the mouse while a button is held: released outside, the form still
    // hears of it, as over the face.
    Control* over = control_at(event->position());
    const bool face_menu = button == RightButton && over != nullptr && face_.opens_face_menu(*over);
    if (over == nullptr) over = &face_.part(FacePart::Face);
    // The form hears the release first, as without the menu.
    dispatch([&] { face_.mouse_up(*over, button); });
    if (face_menu) open_face_menu(event->globalPosition().toPoint());
}

void CalculatorWindow::mouseMoveEvent(QMouseEvent* event) {
    if (moving_myself_) {
        move(event->globalPosition().toPoint() - move_offset_);
        return;
    }
    const int buttons = form_buttons(event->buttons());
    Control* over = control_at(event->position());
    if (over == nullptr) {
        if (buttons == NoButton) return;
        over = &face_.part(FacePart::Face);
    }
    dispatch([&] { face_.mouse_move(*over, buttons); });
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    // The key as the keyboard names it (Qt's code of a printable key is its upper-case
    // character), what it types and which physical key it is; the form decides what it does.
    KeyPress press;
    press.modifiers = form_shift(event->modifiers());
    if (const int code = event->key(); code > 0x20 && code < 0x7f) {
        press.key = static_cast<char>(code);
    }
    press.named = named_key(event->key());
    press.text = event->text().toStdString();
    press.auto_repeat = auto_repeated(*event);
    const PhysicalKey physical = keyboard_.key_of(*event);
    press.keypad = physical.keypad;
    press.latin = physical.latin;
    bool taken = false;
    dispatch([&] { taken = face_.key_press(press); });
    if (!taken) QWidget::keyPressEvent(event);
}

void CalculatorWindow::keyReleaseEvent(QKeyEvent* event) {
    last_release_ = {event->key(), event->timestamp()};
    if (event->key() == Qt::Key_Control && !event->isAutoRepeat()) {
        dispatch([this] { face_.key_release({0, KeyControl, 0, "", false}); });
    }
    QWidget::keyReleaseEvent(event);
}

void CalculatorWindow::focusOutEvent(QFocusEvent* event) {
    // Ctrl let go in another window never reaches us: the badges go with the keyboard.
    if (depth_ == 0) dispatch([this] { face_.key_release({0, KeyControl, 0, "", false}); });
    QWidget::focusOutEvent(event);
}

bool CalculatorWindow::auto_repeated(const QKeyEvent& press) const {
    // X11 sends a held key as releases and presses at one time stamp; Qt marks the press as
    // repeated only when both have arrived together, which they need not.
    return press.isAutoRepeat() ||
           (press.key() == last_release_.first && press.timestamp() == last_release_.second);
}

void CalculatorWindow::copy_text(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(QString::fromStdString(text));
    }
}

std::optional<std::string> CalculatorWindow::clipboard_text() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return std::nullopt;
    const QString text = clipboard->text();
    if (text.isNull()) return std::nullopt;
    return text.toStdString();
}

void CalculatorWindow::start_window_move() {
    // One move per press. Around the window manager's pointer grab Qt may still deliver a
    // left-held move; a second request then would start a move that outlives the button.
    if (moved_this_press_) return;
    QWindow* window = windowHandle();
    if (window != nullptr && window->startSystemMove()) {
        moved_this_press_ = true;
        return;
    }
    // No window manager to move us: follow the pointer until the left button comes up.
    moving_myself_ = true;
    move_offset_ = QCursor::pos() - pos();
}

void CalculatorWindow::do_events() {
    show_pointer();
    update();
    // Painting and the pointer shape only: a click or key waits until the running handler
    // has ended, so no handler ever runs inside another.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CalculatorWindow::exit_program() {
    QCoreApplication::exit(0);
}

NumberRegion CalculatorWindow::number_region() {
    // Read once: Qt's system locale follows LC_ALL, LC_NUMERIC and LANG (on Windows the
    // user's regional settings), which do not change under a running program.
    static const NumberRegion region = [] {
        const QLocale system = QLocale::system();
        return NumberRegion{system.decimalPoint().toStdString(),
                            system.groupSeparator().toStdString()};
    }();
    return region;
}

bool CalculatorWindow::can_keep_above() {
    return window_manager_keeps_above();
}

} // namespace calc::view
