// The calculator's window: a thin view over the form. It draws the form's state, hands every
// mouse and key event to the form, runs its timers and does what the form asks of the
// operating system. All decisions are the form's.
#pragma once

#include <QAccessible>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "face.h"
#include "keyboard_layout.h"
#include "platform.h"
#include "skin.h"

namespace calc::view {

class FaceAccessibility;

class CalculatorWindow : public QWidget, private Platform, private QAccessible::ActivationObserver {
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // The form's surface, all the window reads and calls.
    Face& face() { return face_; }
    const Face& face() const { return face_; }
    // The face menu while it is open (a right-click on the bare face opens it), else nullptr.
    QMenu* face_menu() const { return menu_.data(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Platform, for the form
    void copy_text(const std::string& text) override;
    std::optional<std::string> clipboard_text() override;
    void start_window_move() override;
    void do_events() override;
    void exit_program() override;
    bool can_keep_above() override;
    NumberRegion number_region() override;

    // QAccessible::ActivationObserver
    void accessibilityActiveChanged(bool active) override;
    void make_accessible();

    // Runs one event on the form, then shows what it changed.
    template <class Handler>
    void dispatch(Handler&& handler);
    void after_event();
    void sync_timer(QTimer& qt, Timer& model);
    void tick(Timer& model);
    Control* control_at(QPointF pos);
    void show_pointer();
    void apply_always_on_top();
    void open_face_menu(QPoint global_pos);
    void add_menu_items(QMenu& menu, const std::vector<MenuItem>& items);
    // A press the keyboard repeats because the key is held.
    bool auto_repeated(const QKeyEvent& press) const;

    Skin skin_;
    Face face_;
    // The physical keys behind the key events.
    KeyboardLayout keyboard_;
    std::vector<std::unique_ptr<QTimer>> timers_; // the form's timers, in the order of its list
    // What screen readers see of the face; made when assistive technology is first active.
    std::unique_ptr<FaceAccessibility> access_;
    int depth_ = 0;                 // handlers running (more than one inside do_events)
    bool moving_myself_ = false;    // following the pointer where the window system won't
    bool moved_this_press_ = false; // the window system's move began since the last press
    QPoint move_offset_;            // pointer minus window position when the move began
    std::pair<int, quint64> last_release_{0, 0}; // key and time stamp of the last key release
    QPointer<QMenu> menu_; // the open face menu; it deletes itself when closed
};

} // namespace calc::view
