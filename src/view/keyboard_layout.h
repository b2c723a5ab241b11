// The physical key behind a key event, as the window system's keyboard layout defines it:
// whether it lies on the numeric keypad, and the Latin letter on its cap. Qt names a key by the
// character it makes in the active group, which a Cyrillic or Greek group makes non-Latin.
#pragma once

#include <memory>

class QKeyEvent;

namespace calc::view {

struct PhysicalKey {
    bool keypad = false; // on the numeric keypad, whatever character it makes
    char latin = 0;      // upper-case letter from the layout's first Latin group, or 0
};

class KeyboardLayout {
public:
    KeyboardLayout();
    ~KeyboardLayout();
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;

    // The letter on X11 from the server's current keymap (followed when it changes), on
    // Windows from the virtual key; elsewhere only what Qt itself says.
    PhysicalKey key_of(const QKeyEvent& event);

private:
    class Keymap;
    std::unique_ptr<Keymap> keymap_; // the X server's, on X11
};

} // namespace calc::view
