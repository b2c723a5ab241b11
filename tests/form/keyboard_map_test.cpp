// The keyboard map against the face, a shortcut against a click on its key, the paste's number
// rule, and the driver's key syntax.
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "shell/keyboard_map.h"
#include "support/form_test.h"

namespace calc::testing {
namespace {

using KeyboardMapTest = FormTest;

// The keys the keyboard reached before the map: typed digits, point, operators and named keys.
bool typed_before(const frmMain& f, const Control& key) {
    for (const Label& k : f.lblNumber) {
        if (&k == &key) return true;
    }
    for (const Label& k : f.lblMath) {
        if (&k == &key) return true;
    }
    return &key == &f.lblEnter || &key == &f.lblClear || &key == &f.lblBack;
}

TEST_F(KeyboardMapTest, EveryFaceKeyIsReachedOnceAndNoCombinationIsBoundTwice) {
    std::set<std::pair<char, int>> combinations;
    std::set<const Control*> bound;
    for (const KeyBinding& b : keyboard_map()) {
        EXPECT_TRUE(combinations.insert({b.key, b.modifiers}).second) << b.key << b.modifiers;
        EXPECT_EQ(find_binding(b.key, b.modifiers), &b) << b.key;
        EXPECT_NE(b.row == nullptr, b.action == nullptr) << b.key;
        if (b.row == nullptr) continue;
        const Label* label = &b.row->label(form);
        EXPECT_TRUE(label->is_key()) << b.row->name;
        EXPECT_TRUE(bound.insert(label).second) << b.row->name;
    }
    for (Control* c : form.controls()) {
        const auto* label = dynamic_cast<const Label*>(c);
        if (label == nullptr || !label->is_key() || typed_before(form, *label)) continue;
        EXPECT_TRUE(bound.contains(label)) << label->name() << " has no shortcut";
    }
}

// Everything a user could see or a later key could read.
std::string state(frmMain& f, const FakePlatform& p) {
    std::ostringstream out;
    for (const Control* c : f.controls()) {
        for (const char* prop :
             {"Caption", "Text", "Visible", "Enabled", "MaxLength", "ListIndex"}) {
            if (auto v = c->property(prop)) out << c->name() << '.' << prop << '=' << *v << '\n';
        }
    }
    for (const char* v : {"first_value", "second_value", "ee_mode", "frac_mode", "dec_places",
                          "drg_mode", "mem_value", "conv_mode", "list_pos"}) {
        out << v << '=' << f.variable(v).value_or("?") << '\n';
    }
    out << "focus=" << (f.focused() ? f.focused()->name() : "")
        << "\nclipboard=" << p.clipboard.value_or("-") << "\nexited=" << p.exited << '\n';
    return out.str();
}

// A shortcut and a click on its key leave the same state, in normal use and in the modal
// entries (where most keys are disabled and both do nothing). The bindings are written out
// as the README documents them, so a key bound to the wrong control fails.
TEST(KeyboardShortcut, ActsExactlyAsAClickOnItsKey) {
    struct Binding {
        char key;
        int modifiers;
        const char* key_name;
    };
    const Binding documented[] = {
        {'S', 0, "lblSin"},          {'C', 0, "lblCos"},          {'T', 0, "lblTan"},
        {'S', ShiftDown, "lblAsin"}, {'C', ShiftDown, "lblAcos"}, {'T', ShiftDown, "lblAtan"},
        {'R', 0, "lblFunction(0)"},  {'%', 0, "lblFunction(1)"},  {'Q', 0, "lblFunction(2)"},
        {'W', 0, "lblFunction(3)"},  {'P', 0, "lblPi"},           {'E', 0, "lblLog"},
        {'N', 0, "lblPosNeg"},       {'D', 0, "lblSetDec"},       {'F', 0, "lblSetFrac"},
        {'K', 0, "lblSetPrec"},      {'G', 0, "LBLDRG"},          {'U', 0, "lblConv"},
        {'H', 0, "lblStatusMode"},   {'L', CtrlDown, "lblMC"},    {'R', CtrlDown, "lblMR"},
        {'M', CtrlDown, "lblMS"},    {'P', CtrlDown, "lblMPlus"}, {'C', CtrlDown, "lblcopy"},
        {'Q', CtrlDown, "lblExit"},
    };
    const std::string situations[] = {"type 0.5\n", "type 2\nclick lblLog\ntype 3\n",
                                      "click lblSetPrec\ntype 1\n"};
    auto prepare = [](frmMain& f, const std::string& script) {
        std::istringstream in(script);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with("type ")) {
                for (const char c : line.substr(5)) f.type_char(c);
            } else {
                Control* key = f.find(line.substr(6));
                f.mouse_down(*key, LeftButton);
                f.mouse_up(*key, LeftButton);
            }
        }
    };
    for (const std::string& situation : situations) {
        for (const Binding& b : documented) {
            FakePlatform clicked_platform;
            frmMain clicked(clicked_platform);
            clicked.start();
            prepare(clicked, situation);
            Control& key = *clicked.find(b.key_name);
            clicked.mouse_down(key, LeftButton);
            clicked.mouse_up(key, LeftButton);

            FakePlatform keyed_platform;
            frmMain keyed(keyed_platform);
            keyed.start();
            prepare(keyed, situation);
            EXPECT_TRUE(keyed.shortcut(b.key, b.modifiers)) << b.key_name;

            EXPECT_EQ(state(keyed, keyed_platform), state(clicked, clicked_platform))
                << b.key_name << " after " << situation;
        }
    }
}

// A button held on a key while a shortcut clicks another is still held: its release reaches
// the key that took the press.
TEST_F(KeyboardMapTest, ShortcutLeavesAHeldButtonHeld) {
    form.mouse_down(form.LBLDRG, LeftButton);
    ASSERT_TRUE(form.arrow_on[0].visible);
    type("4");
    EXPECT_TRUE(form.shortcut('R', 0));
    EXPECT_EQ(shown(), "0.25");
    form.mouse_up(form.picBack1, LeftButton);
    EXPECT_FALSE(form.arrow_on[0].visible);
}

struct PasteRow {
    const char* clip;
    std::optional<std::string> entry;
};

TEST(PastedEntry, OneNumberInItsDefaultPrinting) {
    const PasteRow rows[] = {
        {"1234.5", "1234.5"},
        {"1,234.5", "1234.5"},
        {" -2.5e3 ", "-2500"},
        {"\t+7\r\n", "7"},
        {"12,345,678", "12345678"},
        {"1,234e3", "1234000"},
        {".5", "0.5"},
        {"5.", "5"},
        {"-0", "0"},
        {"0.1234567890123456789", "0.123456789012346"},
        {"1e15", "1E+15"},
        {"1E-5", "1E-05"},
        {"0.0001", "0.0001"},
        {"1e-400", "0"}, // too small for a double: zero, as the entry reads it
        {"1.7976931348623e308", "1.7976931348623E+308"},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1 2", std::nullopt},
        {"1\n2", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"--5", std::nullopt},
        {"5-", std::nullopt},
        {"1,23", std::nullopt},
        {"1234,567", std::nullopt},
        {",123", std::nullopt},
        {"1,,234", std::nullopt},
        {"1,234,56", std::nullopt},
        {"0.123,456", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1D5", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e400", std::nullopt},
        // Rounded to 15 digits its printing lies beyond the range.
        {"1.7976931348623157e308", std::nullopt},
    };
    for (const PasteRow& row : rows) {
        EXPECT_EQ(pasted_entry(row.clip), row.entry) << '"' << row.clip << '"';
    }
}

struct DriverRow {
    const char* script;
    int status;
};

TEST(KeyboardDriver, KeySyntax) {
    const DriverRow rows[] = {
        {"key Ctrl+Shift+S\n", 0},
        {"type 4\nkey Shift++\nexpect lblStatus.Caption \"STATUS: 4 (+)\"\n", 0},
        {"key Meta+S\n", 2},
        {"key Ctrl+SS\n", 2},
        {"clipboard\nkey Ctrl+V\nexpect txtDecimal.Text \"\"\n", 0},
        {"clipboard \" 3 \"\nkey Ctrl+V\nexpect txtDecimal.Text 3\n", 0},
    };
    for (const DriverRow& row : rows) {
        std::istringstream in(row.script);
        std::ostringstream out;
        EXPECT_EQ(run_scenario(in, out), row.status) << row.script << out.str();
    }
}

} // namespace
} // namespace calc::testing
