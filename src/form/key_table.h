// The keys of the face and of the set-up panel, one row each: everything the form, the
// keyboard map, the hover help and the window's accessibility know of a key. A new key is
// a member of frmMain, its handler, and one row here.
#pragma once

#include <span>
#include <string_view>

#include "controls.h"

namespace calc {

class frmMain;

namespace key {

// Where a key stays live while the modal entries have switched the others off.
enum Live : unsigned {
    Switchable = 0,  // off in every modal entry
    Always = 1,      // never switched off (Enter, clear, exit, the set-up panel's keys)
    InExponent = 2,  // back on for the exponent entry
    InPrecision = 4, // back on for the precision entry
    InSetup = 8,     // back on for the unit set-up
};

// Where a key's help text comes from.
enum class Help {
    None,    // it names nothing (the exit key)
    Text,    // the row's text
    Tag,     // the key's Tag ("7")
    TagMode, // the key's Tag and " MODE" ("+ MODE")
};

} // namespace key

struct KeyRow {
    Label& (*label)(frmMain&) = nullptr; // the key's control
    std::string_view name{};             // its control name, "lblNumber(7)"
    Container container = Container::picBack1;
    Rect rect{};                // where it lies in its container, in twips
    std::string_view tag{};     // the digit or operation it stands for
    std::string_view caption{}; // shown on the set-up panel; face keys are bare hot spots
    FontKind font = FontKind::None;
    Alignment alignment = Alignment::Left;
    void (*click)(frmMain&) = nullptr;
    void (*down)(frmMain&, int button) = nullptr;
    void (*up)(frmMain&, int button) = nullptr;
    key::Help help = key::Help::Text;
    std::string_view help_text{}; // with key::Help::Text
    std::string_view spoken{};    // its name for a screen reader
    char shortcut = 0;            // the keyboard map's key for it (an upper-case letter or
    int modifiers = 0;            // the character on the key) and the modifiers held; 0: none
    std::string_view typed_key{}; // a key the entry itself takes for it ("Enter"), if any
    unsigned live = key::Switchable;
    int lamp = -1; // the lamp that shows the mode it switches, or -1
};

// Every key, in drawing order: the face's keys first, then the set-up panel's.
std::span<const KeyRow> key_table();
// The row of a key control, or nullptr for a control that is no key.
const KeyRow* key_row(const Control& c);

} // namespace calc
