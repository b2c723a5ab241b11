// The keyboard map: which key combination clicks which key of the face or runs which of the
// keyboard's own actions.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "frmMain.h"
#include "key_table.h"
#include "pasted_number.h"

namespace calc {

struct KeyBinding {
    char key;                  // an upper-case letter, or the character printed on the key
    int modifiers;             // KeyModifier bits held with it
    const KeyRow* row;         // the key it clicks, or nullptr
    void (frmMain::*action)(); // what it runs when it clicks no key
};

// Every binding, the face keys first.
std::span<const KeyBinding> keyboard_map();

// Commands on named keys with modifiers: Ctrl+Up and Ctrl+Down walk the history.
struct NamedKeyBinding {
    int named;             // a KeyCode
    int modifiers;         // exactly these held
    std::string_view name; // the key's name in a chord ("Up")
    void (frmMain::*action)();
};
std::span<const NamedKeyBinding> named_key_commands();

// The binding of a key with modifiers, or nullptr. Letters match their modifiers exactly;
// for other characters Shift is not counted, since on many layouts it makes the character.
const KeyBinding* find_binding(char key, int modifiers);

// How a chord is written: for the menu, the README, the manual page and screen readers
// ("Ctrl+Shift+S"), or on a shortcut badge, where room is short ("^⇧S").
enum class ChordStyle { Words, Badge };
// The one writer of a chord's text: the modifiers held, then the key's name.
std::string chord_text(std::string_view key, int modifiers, ChordStyle style = ChordStyle::Words);
std::string chord_text(char key, int modifiers, ChordStyle style = ChordStyle::Words);
// The chord of a binding, of a named-key command, and of the binding that runs a keyboard
// action or clicks a key (empty when none does).
std::string chord_text(const KeyBinding& binding);
std::string chord_text(const NamedKeyBinding& binding);
std::string chord_of(void (frmMain::*action)());
std::string chord_of(const KeyRow& key);
// The keyboard keys that click a key, as a screen reader announces them: the character or
// named key the entry takes for it ("7", "Enter"), else its shortcut ("Shift+S"); empty when
// no key of the keyboard reaches it.
std::string key_binding(const KeyRow& key);

} // namespace calc
