// The keyboard map: which key combination clicks which key of the face or runs which of the
// keyboard's own actions.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "frmMain.h"
#include "pasted_number.h"

namespace calc {

struct KeyBinding {
    char key;                  // an upper-case letter, or the character printed on the key
    int modifiers;             // KeyModifier bits held with it
    std::string_view key_name; // the face key it clicks (a control name), or empty
    void (frmMain::*action)(); // what it runs when it clicks no key
};

// Every binding, the face keys first.
std::span<const KeyBinding> keyboard_map();

// Commands on named keys with modifiers: Ctrl+Up and Ctrl+Down walk the history.
struct NamedKeyBinding {
    int named;              // a KeyCode
    int modifiers;          // exactly these held
    std::string_view chord; // as the README and the manual page write it
    void (frmMain::*action)();
};
std::span<const NamedKeyBinding> named_key_commands();

// The binding of a key with modifiers, or nullptr. Letters match their modifiers exactly;
// for other characters Shift is not counted, since on many layouts it makes the character.
const KeyBinding* find_binding(char key, int modifiers);

} // namespace calc
