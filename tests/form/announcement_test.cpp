// What a screen reader says after each key: the face's one message for what the command
// produced, where-am-I's answer, and which captions an open panel hides.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "face.h"
#include "frmMain.h"

namespace calc::testing {
namespace {

// A key as the window hands it over: "7", "+", "Enter", "Esc", "Ctrl+V", "Ctrl+Up".
KeyPress press_of(const std::string& name) {
    KeyPress press;
    std::string key = name;
    if (key.rfind("Ctrl+", 0) == 0) {
        press.modifiers = CtrlDown;
        key = key.substr(5);
    }
    if (key == "Enter") {
        press.named = KeyEnter;
    } else if (key == "Esc") {
        press.named = KeyEscape;
    } else if (key == "Up") {
        press.named = KeyUp;
    } else {
        press.key = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
        if (press.modifiers == 0) press.text = key;
    }
    return press;
}

std::vector<std::string> words(const std::string& keys) {
    std::istringstream in(keys);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

class AnnouncementTest : public ::testing::Test {
protected:
    AnnouncementTest() { face.start(); }

    // Presses each key as one event and returns what was to be said after each.
    std::vector<std::string> play(const std::string& keys) {
        std::vector<std::string> said;
        for (const std::string& k : words(keys)) {
            face.key_press(press_of(k));
            said.push_back(face.take_announcement());
        }
        return said;
    }

    FakePlatform platform;
    Face face{platform};
};

TEST_F(AnnouncementTest, EachCommandSaysWhatItProducedOnce) {
    struct Row {
        const char* before; // keys pressed first, whatever they say
        const char* keys;   // the keys whose messages are checked
        std::vector<std::string> said;
    };
    const Row rows[] = {
        // Typed digits and a pending operation: key echo and the status line tell them.
        {"", "1 2 + 3 0", {"", "", "", "", ""}},
        {"1 2 + 3 0", "Enter", {"42"}},
        {"7", "Enter", {"7"}}, // Enter with nothing pending still answers
        {"5 / 0", "Enter", {"ERROR"}},
        {"3 0", "S", {"0.5"}},
        {"4", "R", {"0.25"}},
        {"2 N", "W", {"ERROR"}},
        {"", "P", {"3.1415927"}},
        {"7 Ctrl+M Esc", "Ctrl+R", {"7"}},
        {"2 + 3 Enter Esc", "Ctrl+Up", {"5"}},
        // Modes, in words, and the number when it reads differently in the new mode.
        {"3 0 S", "F D", {"Fraction display, 0 1/2", "Decimal display, 0.5"}},
        {"", "G G G", {"Radians", "Grads", "Degrees"}},
        {"", "H H", {"Status messages off", "Status messages on"}},
        {"", "K", {"PRECISION: 0.00000000, DECIMAL PLACES: 1-16"}},
        {"K", "4 Enter", {"", "Precision 4 places, 0"}},
        {"F K", "8 Enter", {"", "Largest denominator 8, 0"}},
        // The set-up: the title and row at each step, the row alone as it is stepped, the
        // units chosen, then each conversion.
        {"", "U", {"UNIT OF MEASUREMENT: AREA"}},
        {"U", "+ - L", {"DENSITY", "AREA", "LINEAR"}},
        {"U L",
         "Enter F F Enter",
         {"CURRENT UNITS: ANGSTROMS", "FATHOMS", "FEET", "CONVERT TO: FEET"}},
        {"U L Enter F F Enter C C", "Enter", {"UNITS: FEET, CONVERT: C METER"}},
        {"U L Enter F F Enter C C Enter", "1 0 Enter", {"", "", "304.8"}},
        {"U L Enter F F Enter C C Enter", "U", {"Conversion off"}},
        {"U +", "Esc", {"Conversion off"}},
    };
    for (const Row& row : rows) {
        FakePlatform fake;
        Face fresh(fake);
        fresh.start();
        for (const std::string& k : words(row.before)) {
            fresh.key_press(press_of(k));
            fresh.take_announcement();
        }
        std::vector<std::string> said;
        for (const std::string& k : words(row.keys)) {
            fresh.key_press(press_of(k));
            said.push_back(fresh.take_announcement());
        }
        EXPECT_EQ(said, row.said) << "after " << row.before << " | " << row.keys;
        // Said once: nothing is left for the next event.
        EXPECT_EQ(fresh.take_announcement(), "") << row.keys;
    }
}

TEST_F(AnnouncementTest, PasteSaysTheNumberItMade) {
    platform.clipboard = " 1,234.5 ";
    EXPECT_EQ(play("Ctrl+V"), std::vector<std::string>{"1234.5"});
    platform.clipboard = "two numbers 1 2";
    EXPECT_EQ(play("Ctrl+V"), std::vector<std::string>{""}); // refused: nothing changed
}

TEST_F(AnnouncementTest, TheStartIsNotAnnounced) {
    EXPECT_EQ(face.take_announcement(), "");
}

TEST_F(AnnouncementTest, WhereAmIAnswersInThePanels) {
    struct Row {
        const char* keys;
        const char* where;
        bool display_covered;
    };
    const Row rows[] = {
        {"1 2 + 3 0 Enter", "42", false},
        {"U", "UNIT OF MEASUREMENT: AREA", true},
        {"U + Enter", "CURRENT UNITS: ALUMINUM", true},
        {"K", "PRECISION: 0.00000000, DECIMAL PLACES: 1-16", true},
        {"K Esc", "0", false},
    };
    for (const Row& row : rows) {
        FakePlatform fake;
        Face fresh(fake);
        fresh.start();
        for (const std::string& k : words(row.keys)) fresh.key_press(press_of(k));
        EXPECT_EQ(fresh.whereabouts(), row.where) << row.keys;
        EXPECT_EQ(fresh.covered(fresh.form().lblDigit), row.display_covered) << row.keys;
        // The panels' own captions are never under a panel.
        EXPECT_FALSE(fresh.covered(fresh.form().lblUnit)) << row.keys;
    }
}

} // namespace
} // namespace calc::testing
