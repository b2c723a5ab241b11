// The one way a key press reaches the form, whoever delivers it: the keyboard map first, then
// the named keys, then the characters typed; and the face menu's items.
#include "frmMain.h"
#include "key_table.h"
#include "shell/keyboard_map.h"

namespace calc {

namespace {

bool printable(char c) {
    return c > 0x20 && c < 0x7f;
}

} // namespace

bool frmMain::key_press(const KeyPress& press) {
    if (printable(press.key)) {
        // A switch acts once per press: a held key does not flip it back and forth.
        const KeyBinding* binding = find_binding(press.key, press.modifiers);
        if (press.auto_repeat && binding != nullptr &&
            binding->action == &frmMain::toggle_always_on_top) {
            return true;
        }
        if (shortcut(press.key, press.modifiers)) return true;
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
    bool typed = false;
    for (const char c : press.text) {
        if (c < 0x20 || c > 0x7e) continue; // printable ASCII only
        typed = true;
        type_char(c, press.modifiers);
    }
    return typed;
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
