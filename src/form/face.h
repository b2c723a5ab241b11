// The window's surface of the form: everything the Qt window may call or read, and nothing
// more. The window holds a Face, never the form itself, so a rule it wants must be asked of
// the form through here. The tests reach the form behind it with form().
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls.h"
#include "key_press.h"
#include "platform.h"

namespace calc {

class frmMain;

// What the window tells of a key: how a screen reader names it and which keyboard keys
// click it, its shortcut badge and help text, and the lamp of a mode key.
struct FaceKey {
    Label* control = nullptr;
    std::string_view spoken;    // "Seven", "Square root"
    std::string binding;        // "7", "Enter", "Shift+S", "Ctrl+L"; empty when no key reaches it
    std::string badge;          // the shortcut as its badge shows it ("^L"); empty: no badge
    std::string help;           // its help text, empty when it names nothing
    const Lamp* lamp = nullptr; // lit while its mode is on (DECIMAL ...), else nullptr
};

// The pictures the form is drawn on.
enum class FacePart { Face, UnitPanel, PrecisionPanel };

class Face {
public:
    explicit Face(Platform& platform);
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // ---- Events -------------------------------------------------------------------------
    // Creates the form's state and shows it.
    void start();
    // One key press, however delivered; false when the form took nothing of it.
    bool key_press(const KeyPress& press);
    void key_release(const KeyPress& release);
    void mouse_down(Control& over, int button);
    void mouse_up(Control& over, int button);
    void mouse_move(Control& over, int buttons);
    // The control under a window point in twips, or nullptr outside the face.
    Control* hit_test(int x, int y);
    // Whether a right-button release over this control opens the face menu.
    bool opens_face_menu(Control& over);
    std::vector<MenuItem> face_menu() const;
    void menu_command(MenuCommand command, std::size_t index = 0);
    // The form's timers, for a window that runs them on its own clock; advance_timers(0)
    // ends a tick as the form ends any other event.
    std::span<Timer* const> timers() const;
    void advance_timers(int ms);
    // The window was given a size; the form answers with width() and height().
    void resize();

    // ---- What the window shows ------------------------------------------------------------
    // Every control in drawing order.
    const std::vector<Control*>& controls() const;
    Control& part(FacePart part) const;
    // Where a control lies in window twips, and whether the user sees it: it is visible and
    // so is the picture it lies on.
    Rect window_rect(const Control& c) const;
    bool seen(const Control& c) const;
    // Whether an open panel lies over a control of the face (the display under the set-up).
    bool covered(const Control& c) const;
    int width() const; // twips
    int height() const;
    MousePointer mouse_pointer() const;
    bool always_on_top() const;
    bool shortcut_badges_shown() const;
    const std::string& number_shown() const;
    const Label& help_line() const;
    // What a screen reader says of the events since the last call: one message for what the
    // commands produced ("42", "ERROR", "Radians", "UNIT OF MEASUREMENT: AREA"), or empty.
    std::string take_announcement();
    // Where the user is, for where-am-I: the set-up's title and row, the precision entry, or
    // the number shown.
    std::string whereabouts() const;
    // Every key of the key table, in its order, and the one of a control (nullptr: no key).
    std::span<const FaceKey> keys() const { return keys_; }
    const FaceKey* key(const Control& c) const;

    // The form behind the surface, for the tests and the tools only.
    frmMain& form() const { return *form_; }

private:
    std::unique_ptr<frmMain> form_;
    std::vector<Timer*> timers_;
    std::vector<FaceKey> keys_;
};

} // namespace calc
