// The keyboard beyond the digits and operators: every key of the face reachable by a key
// combination, copy and paste, the unit swap and the always-on-top switch. All of it acts
// only on keys a typed character never reached (letters, which the entry drops, and Ctrl
// combinations), so nothing the calculator already did with the keyboard changes.
#include "shell/keyboard_map.h"

#include <cctype>
#include <utility>
#include <vector>

#include "formats/number_text.h"
#include "frmMain/design_values.h"
#include "frmMain/key_table.h"

namespace calc {

namespace {

// The keyboard's own actions; the face keys' shortcuts are in the key table.
constexpr KeyBinding commands[] = {
    {'V', CtrlDown, {}, &frmMain::paste_value},
    {'X', 0, {}, &frmMain::swap_units},
    {'T', CtrlDown, {}, &frmMain::toggle_always_on_top},
};

std::vector<KeyBinding> all_bindings() {
    std::vector<KeyBinding> all;
    for (const KeyRow& row : key_table()) {
        if (row.shortcut != 0) all.push_back({row.shortcut, row.modifiers, row.name, nullptr});
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

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The digits from i on; returns where they end.
std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i])) ++i;
    return i;
}

} // namespace

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

std::optional<std::string> pasted_entry(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view s = text.substr(first, text.find_last_not_of(blanks) - first + 1);

    std::string number; // the text without its grouping commas, read by the number rules
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    const std::size_t int_start = i;
    i = skip_digits(s, i);
    std::size_t digits = i - int_start;
    number.append(s.substr(0, i));
    if (i < s.size() && s[i] == ',') {
        // Grouping: one to three digits first, then every group exactly three.
        if (digits == 0 || digits > 3) return std::nullopt;
        while (i < s.size() && s[i] == ',') {
            const std::size_t end = skip_digits(s, i + 1);
            if (end - (i + 1) != 3) return std::nullopt;
            number.append(s.substr(i + 1, 3));
            digits += 3;
            i = end;
        }
    }
    if (i < s.size() && s[i] == '.') {
        const std::size_t end = skip_digits(s, i + 1);
        digits += end - (i + 1);
        number.append(s.substr(i, end - i));
        i = end;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t end = skip_digits(s, j);
        if (end == j) return std::nullopt;
        number.append(s.substr(i, end - i));
        i = end;
    }
    if (i != s.size()) return std::nullopt;

    try {
        return print_default(read_leading(number));
    } catch (const RuntimeFault&) {
        return std::nullopt; // beyond the double range, or printed beyond it
    }
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
    } else if (auto* label = dynamic_cast<Label*>(find(binding->key_name))) {
        click_key(*label);
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
    const auto clip = platform().clipboard_text();
    if (!clip) return;
    const auto entry = pasted_entry(*clip);
    if (!entry) return;
    // The length limit follows the sign as the sign key keeps it.
    txtDecimal.max_length =
        entry->starts_with('-') ? design::signed_entry_length : design::entry_length;
    txtDecimal.set_text(*entry);
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
