// How a screen reader names what the face shows: each key by its spoken name from the key
// table, with the keyboard keys that do the same as a click and, for the mode keys, the lamp
// that shows the mode; each readable caption by what it tells.
#pragma once

#include <string>
#include <string_view>

#include "frmMain.h"

namespace calc::view {

// The spoken name of a key ("Seven", "Square root", "Next"); empty for a control that is no key.
std::string_view key_name(const Control& key);

// What a caption tells ("Display", "Status line", "Unit set-up row"); empty for a control
// that is no readable caption.
std::string_view caption_name(const Control& caption);

// The keyboard keys that click the key, as a screen reader announces them ("7", "Enter",
// "Shift+S", "Ctrl+L"): the character or named key the entry takes for it, else the keyboard
// map's shortcut. Empty when no key of the keyboard reaches it.
std::string key_binding(const Control& key);

// The lamp that shows whether the key's mode is on (DECIMAL, FRACTION, CONVERT, STATUS MSGS),
// or nullptr for a key without one.
const Lamp* key_lamp(const frmMain& form, const Control& key);

} // namespace calc::view
