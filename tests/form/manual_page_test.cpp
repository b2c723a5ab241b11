// The manual page's keyboard section lists exactly the shortcuts the keyboard map has.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "shell/keyboard_map.h"

namespace calc {
namespace {

std::set<std::string> listed_on_the_page() {
    std::ifstream page(CALC_SOURCE_DIR "/packaging/linux/calculator.1.in");
    std::set<std::string> listed;
    bool keyboard = false;
    std::string line;
    std::string previous;
    while (std::getline(page, line)) {
        if (line.starts_with(".SH")) keyboard = line == ".SH KEYBOARD";
        // A tagged paragraph: ".TP", then ".B S, C, T".
        if (keyboard && previous == ".TP" && line.starts_with(".B ")) {
            std::istringstream tags(line.substr(3));
            for (std::string tag; std::getline(tags >> std::ws, tag, ',');) listed.insert(tag);
        }
        previous = line;
    }
    return listed;
}

TEST(ManualPage, ListsEveryShortcutOfTheKeyboardMap) {
    std::set<std::string> bound;
    for (const KeyBinding& b : keyboard_map()) bound.insert(chord_text(b));
    for (const NamedKeyBinding& b : named_key_commands()) bound.insert(chord_text(b));
    EXPECT_EQ(listed_on_the_page(), bound);
}

} // namespace
} // namespace calc
