// The key table itself: each row must describe a key completely, or the key silently loses
// what the table gives it (its accessible object, its hover help, its place on the face).
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "design_values.h"
#include "key_table.h"
#include "shell/hover.h"
#include "shell/keyboard_map.h"
#include "support/form_test.h"

namespace calc::testing {
namespace {

using KeyTableTest = FormTest;

// The picture a key lies on, in its own twips.
Rect picture_of(Container c) {
    const Rect r = c == Container::picBack1 ? design::face_rect : design::panel_rect;
    return {0, 0, r.width, r.height};
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.width > 0 &&
           inner.height > 0 && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST_F(KeyTableTest, EveryRowDescribesItsKeyWhole) {
    std::set<std::string_view> names;
    std::set<std::pair<char, int>> chords;
    std::set<const Label*> controls;
    for (const KeyRow& row : key_table()) {
        SCOPED_TRACE(std::string(row.name));
        Label& key = row.label(form);
        EXPECT_TRUE(names.insert(row.name).second) << "a second row of that name";
        EXPECT_TRUE(controls.insert(&key).second) << "a second row of that control";
        EXPECT_EQ(key.name(), row.name);
        EXPECT_EQ(key_row(key), &row);
        if (row.shortcut != 0) {
            EXPECT_TRUE(chords.insert({row.shortcut, row.modifiers}).second) << "chord twice";
        }
        EXPECT_FALSE(row.spoken.empty()) << "no spoken name";
        // Only the close key names nothing on the help line.
        if (&key != &form.lblExit) {
            EXPECT_NE(hover_text(form, key).value_or(""), "") << "no help text";
        }
        EXPECT_TRUE(row.click != nullptr || row.down != nullptr) << "no handler";
        EXPECT_TRUE(inside(row.rect, picture_of(row.container))) << "outside its picture";
    }
    EXPECT_EQ(controls.size(), std::size(key_table()));
}

// Keys on one picture never overlap: a click on one would land on the other.
TEST_F(KeyTableTest, NoKeyLiesOverAnother) {
    const auto rows = key_table();
    for (auto a = rows.begin(); a != rows.end(); ++a) {
        for (auto b = std::next(a); b != rows.end(); ++b) {
            if (a->container != b->container) continue;
            EXPECT_FALSE(overlap(a->rect, b->rect)) << a->name << " over " << b->name;
        }
    }
}

// Chords are written by one function, as the menu, the manual page and screen readers read them.
TEST_F(KeyTableTest, ChordTextWritesModifiersThenTheKey) {
    const struct {
        char key;
        int modifiers;
        const char *words, *badge;
    } rows[] = {
        {'S', 0, "S", "S"},
        {'S', ShiftDown, "Shift+S", "\u21e7S"},
        {'L', CtrlDown, "Ctrl+L", "^L"},
        {'S', CtrlDown | ShiftDown, "Ctrl+Shift+S", "^\u21e7S"},
        {'%', 0, "%", "%"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(chord_text(r.key, r.modifiers), r.words);
        EXPECT_EQ(chord_text(r.key, r.modifiers, ChordStyle::Badge), r.badge);
    }
    EXPECT_EQ(chord_of(&frmMain::paste_value), "Ctrl+V");
    EXPECT_EQ(chord_of(*key_row(form.lblExit)), "Ctrl+Q");
}

} // namespace
} // namespace calc::testing
