// Keys as the keyboards of the world make them, and numbers copied and pasted in the user's
// region: the keypad's decimal key, the comma, other scripts' digits and letters.
#include <string>
#include <vector>

#include "support/form_test.h"

namespace calc::testing {
namespace {

using RegionalKeysTest = FormTest;

KeyPress typed(const char* text, char key = 0) {
    return KeyPress{.key = key, .text = text};
}
KeyPress keypad(const char* text, char key = 0) {
    return KeyPress{.key = key, .text = text, .keypad = true};
}
// A key of a non-Latin group: Qt names it by no ASCII character; its cap's letter is latin.
KeyPress other_script(const char* text, char latin, int modifiers = 0) {
    return KeyPress{.modifiers = modifiers, .text = text, .latin = latin};
}

struct KeyRow {
    const char* what;
    std::vector<KeyPress> presses;
    const char* shown;
};

TEST_F(RegionalKeysTest, EveryLayoutsKeysMeanTheCalculatorsOwn) {
    const KeyPress one = typed("1", '1');
    const KeyPress five = typed("5", '5');
    const KeyPress enter{.named = KeyEnter};
    const KeyRow rows[] = {
        {"keypad decimal as a comma", {one, keypad(",", ','), five}, "1.5"},
        {"keypad decimal as a point", {one, keypad(".", '.'), five}, "1.5"},
        {"keypad decimal as the momayyez", {one, keypad("\u066b"), five}, "1.5"},
        {"keypad decimal as a semicolon", {one, keypad(";", ';'), five}, "1.5"},
        {"keypad decimal, NumLock off",
         {one, KeyPress{.named = KeyDelete, .keypad = true}, five},
         "15"},
        {"keypad plus stays plus", {typed("6"), keypad("+", '+'), typed("3"), enter}, "9"},
        {"keypad slash stays slash", {typed("6"), keypad("/", '/'), typed("3"), enter}, "2"},
        {"main comma", {one, typed(",", ','), five}, "1.5"},
        {"a semicolon off the keypad", {one, typed(";", ';'), five}, "15"},
        {"Arabic-Indic digits", {typed("\u0663"), typed("\u0665")}, "35"},
        {"Persian digits", {typed("\u06f4"), typed("\u06f2")}, "42"},
        {"digits in one press", {typed("\u0661\u066b\u0662")}, "1.2"},
        {"Arabic percent sign", {typed("50", '5'), typed("\u066a")}, "0.5"},
        {"S in a Cyrillic group", {typed("30"), other_script("\u044b", 'S')}, "0.5"},
        {"Shift+S in a Cyrillic group",
         {typed("0.5"), other_script("\u042b", 'S', ShiftDown)},
         "30"},
        {"Q in Greek, where it types ;",
         {typed("3"), KeyPress{.key = ';', .text = ";", .latin = 'Q'}},
         "9"},
        {"a letter with no shortcut does nothing", {typed("3"), other_script("\u0444", 'A')}, "3"},
        {"a comma with a letter behind it stays the point",
         {one, KeyPress{.key = ',', .text = ",", .latin = 'M'}, five},
         "1.5"},
        {"a character of no script", {one, typed("\u0431"), five}, "15"},
    };
    for (const KeyRow& row : rows) {
        key(KeyEscape);
        for (const KeyPress& p : row.presses) form.key_press(p);
        EXPECT_EQ(shown(), row.shown) << row.what;
    }
}

TEST_F(RegionalKeysTest, TheSetUpsLetterJumpTakesTheKeysLatinLetter) {
    FakePlatform latin_platform;
    frmMain latin{latin_platform};
    latin.start();
    // U opens the set-up, T jumps to the first category starting with T, in both forms.
    form.key_press(other_script("\u0433", 'U'));
    latin.key_press(typed("u", 'U'));
    ASSERT_TRUE(form.picConvert.visible);
    form.key_press(other_script("\u0435", 'T'));
    latin.key_press(typed("t", 'T'));
    EXPECT_EQ(form.list_pos, latin.list_pos);
    EXPECT_NE(latin.list_pos, 0);
    EXPECT_EQ(form.lblStatus.caption, latin.lblStatus.caption);
}

struct RegionRow {
    NumberRegion region;
    const char* copied;      // Ctrl+C of 3.5
    const char* pasted_1_5;  // the number shown after a paste of "1,5" onto 7
    const char* pasted_1234; // and of "1,234"
};

TEST_F(RegionalKeysTest, CopyAndPasteFollowTheRegionAndRecallDoesNot) {
    const RegionRow rows[] = {
        {{".", ","}, "3.5", "7", "1234"},
        {{",", "."}, "3,5", "1.5", "1.234"},
        {{",", "\u00a0"}, "3,5", "1.5", "1.234"},
        {{"\u066b", "\u066c"}, "3\u066b5", "7", "1234"},
    };
    for (const RegionRow& row : rows) {
        platform.region = row.region;
        key(KeyEscape);
        type("7/2");
        key(KeyEnter);
        form.key_press(KeyPress{.key = 'C', .modifiers = CtrlDown});
        EXPECT_EQ(platform.clipboard.value_or("-"), row.copied) << row.copied;
        for (const auto& [clip, entry_after] :
             {std::pair{"1,5", row.pasted_1_5}, std::pair{"1,234", row.pasted_1234}}) {
            key(KeyEscape);
            type("7");
            platform.clipboard = clip;
            form.key_press(KeyPress{.key = 'V', .modifiers = CtrlDown});
            EXPECT_EQ(shown(), entry_after) << clip << " for " << row.copied;
        }
        // A result recalled is the calculator's own text, whatever the region.
        key(KeyEscape);
        type("1.234+0");
        key(KeyEnter);
        key(KeyEscape);
        form.key_press(KeyPress{.named = KeyUp, .modifiers = CtrlDown});
        EXPECT_EQ(entry(), "1.234") << row.copied;
    }
}

} // namespace
} // namespace calc::testing
