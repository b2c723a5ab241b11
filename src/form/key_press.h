// One key press as a keyboard gives it, and the face menu as the form offers it: what the
// window, the scenario driver and the random player all hand to the form alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace calc {

// The modifier keys held with a key, as bits of the key handlers' shift argument.
enum KeyModifier : int { ShiftDown = 1, CtrlDown = 2, AltDown = 4 };

struct KeyPress {
    char key = 0;             // the printable character naming the key (letters upper-case), or 0
    int named = 0;            // a KeyCode (Enter, Escape, Backspace ...), or 0
    int modifiers = 0;        // KeyModifier bits held with it
    std::string text{};       // the characters the press types, as the keyboard layout makes them
    bool auto_repeat = false; // sent again because the key is held down
    bool keypad = false;      // the key is on the numeric keypad
    // The Latin letter (upper-case) the layout's Latin group gives the physical key, or 0:
    // what a letter shortcut is matched by while a group of another script is active.
    char latin = 0;
};

// What the face menu's items do.
enum class MenuCommand { Copy, Paste, AlwaysOnTop, Close, History, Recall, ClearHistory };

struct MenuItem {
    MenuCommand command;
    std::string label;    // "Copy"
    std::string shortcut; // "Ctrl+C"
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    bool separator_before = false;   // a line above it
    std::size_t index = 0;           // Recall: which result, newest first
    std::vector<MenuItem> submenu{}; // History: its items
};

} // namespace calc
