// The one way a key press reaches the form, whoever delivers it: the keyboard map first, then
// the named keys, then the characters typed; and the face menu's items.
#include "frmMain/frmMain.h"
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

std::vector<MenuItem> frmMain::face_menu() const {
    const bool on_top_possible = platform_.can_keep_above();
    return {
        {MenuCommand::Copy, "Copy", "Ctrl+C", lblcopy.enabled, false, false, false},
        {MenuCommand::Paste, "Paste", "Ctrl+V", in_normal_use(), false, false, false},
        {MenuCommand::AlwaysOnTop, "Always on top", "Ctrl+T", on_top_possible, true, always_on_top,
         false},
        {MenuCommand::Close, "Close", "Ctrl+Q", true, false, false, true},
    };
}

void frmMain::menu_command(MenuCommand command) {
    // Each item does what its keyboard shortcut does.
    switch (command) {
    case MenuCommand::Copy: copy_value(); break;
    case MenuCommand::Paste: paste_value(); break;
    case MenuCommand::AlwaysOnTop: toggle_always_on_top(); break;
    case MenuCommand::Close: click_key(lblExit); break;
    }
}

} // namespace calc
