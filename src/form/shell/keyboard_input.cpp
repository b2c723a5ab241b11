// The one way a key press reaches the form, whoever delivers it: the keyboard map first, then
// the named keys, then the characters typed; and the face menu's items.
#include <cctype>

#include "frmMain.h"
#include "key_table.h"
#include "number_forms.h"
#include "shell/keyboard_map.h"

namespace calc {

namespace {

bool printable(char c) {
    return c > 0x20 && c < 0x7f;
}

// The calculator's characters the press types, whatever script the layout writes them in.
std::string typed_chars(std::string_view text) {
    std::string typed;
    for (const char32_t c : code_points(text)) {
        if (const char ascii = calculator_char(c); ascii != 0) typed += ascii;
    }
    return typed;
}

// Whether a key's character means anything to the calculator: a letter, a character the
// entry takes, or one the map binds.
bool meaningful(char key, int modifiers) {
    constexpr std::string_view entry_chars = "0123456789.,+-*/";
    return std::isalpha(static_cast<unsigned char>(key)) != 0 ||
           entry_chars.find(key) != std::string_view::npos ||
           find_binding(key, modifiers) != nullptr;
}

// The key as the keyboard map knows it: its printable name where that means something;
// else, as a group of another script makes it (Cyrillic, Greek, Arabic), the Latin letter of
// the same key, as its cap shows it; else the one calculator character it types (the Arabic
// percent sign is the % key).
char map_key(const KeyPress& press, std::string_view typed) {
    if (printable(press.key) && meaningful(press.key, press.modifiers)) return press.key;
    if (press.latin != 0) return press.latin;
    if (printable(press.key)) return press.key;
    if (typed.size() == 1 && printable(typed[0])) return typed[0];
    return 0;
}

// The keypad's decimal key, whatever character the layout gives it: on the keypad, one
// visible character that is no digit and no operator.
bool keypad_decimal(const KeyPress& press, std::string_view typed) {
    constexpr std::string_view others = "0123456789+-*/=";
    const std::u32string chars = code_points(press.text);
    return press.keypad && chars.size() == 1 && chars[0] > 0x20 && chars[0] != 0x7f &&
           (typed.empty() || others.find(typed[0]) == std::string_view::npos);
}

} // namespace

bool frmMain::key_press(const KeyPress& press) {
    const std::string typed = typed_chars(press.text);
    if (const char key = map_key(press, typed); printable(key)) {
        // A switch acts once per press: a held key does not flip it back and forth.
        const KeyBinding* binding = find_binding(key, press.modifiers);
        if (press.auto_repeat && binding != nullptr &&
            binding->action == &frmMain::toggle_always_on_top) {
            return true;
        }
        if (shortcut(key, press.modifiers)) return true;
    }
    if (press.named == KeyControl) {
        ctrl_pressed();
        return true;
    }
    for (const NamedKeyBinding& b : named_key_commands()) {
        if (press.named == b.named && press.modifiers == b.modifiers) {
            (this->*b.action)();
            return true;
        }
    }
    if (press.named != 0) {
        type_key(press.named, press.modifiers);
        return true;
    }
    // A Ctrl combination is a command, never a character of the number.
    if ((press.modifiers & CtrlDown) != 0) return false;
    if (keypad_decimal(press, typed)) {
        type_char('.', press.modifiers);
        return true;
    }
    for (const char c : typed) {
        // The entry never groups digits, so a typed comma can only mean the decimal point,
        // as it does wherever 1,5 is written.
        type_char(c == ',' ? '.' : c, press.modifiers);
    }
    return !typed.empty();
}

void frmMain::key_release(const KeyPress& release) {
    if (release.named == KeyControl) ctrl_released();
}

std::vector<MenuItem> frmMain::face_menu() const {
    const bool normal = in_normal_use();
    MenuItem results{MenuCommand::History, "History", ""};
    results.enabled = !history_.empty();
    for (std::size_t i = 0; i < history_.size(); ++i) {
        MenuItem item{MenuCommand::Recall, history_[i].shown, ""};
        item.enabled = normal;
        item.index = i;
        results.submenu.push_back(item);
    }
    MenuItem clear{MenuCommand::ClearHistory, "Clear history", ""};
    clear.separator_before = true;
    results.submenu.push_back(clear);

    MenuItem copy{MenuCommand::Copy, "Copy", chord_of(*key_row(lblcopy))};
    copy.enabled = lblcopy.enabled;
    MenuItem paste{MenuCommand::Paste, "Paste", chord_of(&frmMain::paste_value)};
    paste.enabled = normal;
    MenuItem on_top{MenuCommand::AlwaysOnTop, "Always on top",
                    chord_of(&frmMain::toggle_always_on_top)};
    on_top.enabled = platform_.can_keep_above();
    on_top.checkable = true;
    on_top.checked = always_on_top;
    MenuItem close{MenuCommand::Close, "Close", chord_of(*key_row(lblExit))};
    close.separator_before = true;
    return {copy, paste, results, on_top, close};
}

void frmMain::menu_command(MenuCommand command, std::size_t index) {
    // Each item does what its keyboard shortcut does.
    switch (command) {
    case MenuCommand::Copy: copy_value(); break;
    case MenuCommand::Paste: paste_value(); break;
    case MenuCommand::AlwaysOnTop: toggle_always_on_top(); break;
    case MenuCommand::Close: click_key(lblExit); break;
    case MenuCommand::History: break; // a submenu, chosen through its items
    case MenuCommand::Recall: recall_result(index); break;
    case MenuCommand::ClearHistory: clear_history(); break;
    }
}

} // namespace calc
