// The keyboard beyond the digits and operators: every key of the face reachable by a key
// combination, copy and paste, the unit swap and the always-on-top switch. All of it acts
// only on keys a typed character never reached (letters, which the entry drops, and Ctrl
// combinations), so nothing the calculator already did with the keyboard changes.
#include "shell/keyboard_map.h"

#include <cctype>
#include <utility>
#include <vector>

#include "design_values.h"
#include "key_table.h"

namespace calc {

namespace {

// The keyboard's own actions; the face keys' shortcuts are in the key table.
constexpr KeyBinding commands[] = {
    {'V', CtrlDown, {}, &frmMain::paste_value},
    {'X', 0, {}, &frmMain::swap_units},
    {'T', CtrlDown, {}, &frmMain::toggle_always_on_top},
};

constexpr NamedKeyBinding named_commands[] = {
    {KeyUp, CtrlDown, "Up", &frmMain::recall_older},
    {KeyDown, CtrlDown, "Down", &frmMain::recall_newer},
};

std::vector<KeyBinding> all_bindings() {
    std::vector<KeyBinding> all;
    for (const KeyRow& row : key_table()) {
        if (row.shortcut != 0) all.push_back({row.shortcut, row.modifiers, &row, nullptr});
    }
    all.insert(all.end(), std::begin(commands), std::end(commands));
    return all;
}

const std::vector<KeyBinding>& bindings() {
    static const std::vector<KeyBinding> all = all_bindings();
    return all;
}

bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::span<const NamedKeyBinding> named_key_commands() {
    return named_commands;
}

std::span<const KeyBinding> keyboard_map() {
    return bindings();
}

const KeyBinding* find_binding(char key, int modifiers) {
    const char k = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (!is_letter(k)) modifiers &= ~ShiftDown;
    for (const KeyBinding& b : bindings()) {
        if (b.key == k && b.modifiers == modifiers) return &b;
    }
    return nullptr;
}

std::string chord_text(std::string_view key, int modifiers, ChordStyle style) {
    std::string text;
    if (style == ChordStyle::Badge) {
        if ((modifiers & CtrlDown) != 0) text += '^';
        if ((modifiers & AltDown) != 0) text += "\u2325";   // option key
        if ((modifiers & ShiftDown) != 0) text += "\u21e7"; // upwards white arrow
    } else {
        if ((modifiers & CtrlDown) != 0) text += "Ctrl+";
        if ((modifiers & AltDown) != 0) text += "Alt+";
        if ((modifiers & ShiftDown) != 0) text += "Shift+";
    }
    return text.append(key);
}

std::string chord_text(char key, int modifiers, ChordStyle style) {
    return chord_text(std::string_view(&key, 1), modifiers, style);
}

std::string chord_text(const KeyBinding& binding) {
    return chord_text(binding.key, binding.modifiers);
}

std::string chord_text(const NamedKeyBinding& binding) {
    return chord_text(binding.name, binding.modifiers);
}

std::string chord_of(void (frmMain::*action)()) {
    for (const KeyBinding& b : bindings()) {
        if (b.action == action) return chord_text(b);
    }
    return {};
}

std::string chord_of(const KeyRow& key) {
    return key.shortcut != 0 ? chord_text(key.shortcut, key.modifiers) : std::string{};
}

std::string key_binding(const KeyRow& key) {
    if (!key.tag.empty()) return std::string(key.tag);
    if (!key.typed_key.empty()) return std::string(key.typed_key);
    return chord_of(key);
}

bool frmMain::shortcut(char key, int modifiers) {
    // In the set-up panel a letter picks a row by its first letter; elsewhere letters are
    // the map's. Ctrl and Alt combinations are the map's everywhere.
    if (picConvert.visible && is_letter(key) && (modifiers & (CtrlDown | AltDown)) == 0) {
        letter_jump(key);
        return true;
    }
    const KeyBinding* binding = find_binding(key, modifiers);
    if (binding == nullptr) return false;
    if (binding->action != nullptr) {
        (this->*binding->action)();
    } else if (binding->row != nullptr) {
        click_key(binding->row->label(*this));
    }
    // Taken even when its key is disabled: a map key is never typed into a field.
    return true;
}

bool frmMain::click_key(Label& key) {
    if (!key.enabled || !key.visible) return false;
    Control* held = pressed_;
    mouse_down(key, LeftButton);
    mouse_up(key, LeftButton);
    pressed_ = held;
    return true;
}

void frmMain::copy_value() {
    // The copy key is enabled exactly in normal use.
    click_key(lblcopy);
}

void frmMain::paste_value() {
    if (!in_normal_use()) return;
    if (const auto clip = platform().clipboard_text()) {
        enter_number_text(*clip, platform().number_region());
    }
}

void frmMain::swap_units() {
    if (!conv_mode || !in_normal_use()) return;
    std::swap(from_factor, to_factor);
    std::swap(from_abbrev, to_abbrev);
    show_unit_captions();
}

void frmMain::toggle_always_on_top() {
    // Where the window system keeps that choice to itself, the switch does nothing.
    if (!platform().can_keep_above()) return;
    always_on_top = !always_on_top;
}

bool frmMain::opens_face_menu(Control& over) {
    return &mouse_target(over) == &picBack1;
}

} // namespace calc
