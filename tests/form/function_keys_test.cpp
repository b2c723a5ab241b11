// The function and trigonometric keys on the form: the entry and the number shown after a
// key, from a fresh start in the angle mode given.
#include <utility>

#include "support/form_test.h"

namespace calc::testing {
namespace {

struct Row {
    const char* mode;
    const char* entry;
    const char* key;
    const char* result; // the entry and the number shown; "ERROR" for the error display
};

// Results that read the same whether or not they are rounded to the display places.
const Row plain_rows[] = {{"DEG", "0", "lblFunction(0)", "ERROR"},
                          {"DEG", "8", "lblFunction(0)", "0.125"},
                          {"DEG", "1E-320", "lblFunction(0)", "ERROR"},
                          {"DEG", "50", "lblFunction(1)", "0.5"},
                          {"DEG", "-3", "lblFunction(2)", "9"},
                          {"DEG", "1E+200", "lblFunction(2)", "ERROR"},
                          {"DEG", "1.3407807929942596E+154", "lblFunction(2)", "ERROR"},
                          {"DEG", "", "lblFunction(3)", "0"},
                          {"DEG", "-4", "lblFunction(3)", "ERROR"},
                          {"DEG", "360000030", "lblSin", "0.5"},
                          {"DEG", "90", "lblCos", "0"},
                          {"DEG", "45", "lblTan", "1"},
                          {"DEG", "-270", "lblTan", "ERROR"},
                          {"DEG", "0.5", "lblAsin", "30"},
                          {"DEG", "-1", "lblAcos", "180"},
                          {"DEG", "1", "lblAtan", "45"},
                          {"RAD", "0", "lblCos", "1"},
                          {"RAD", "2", "lblAsin", "ERROR"},
                          {"GRAD", "300", "lblTan", "ERROR"},
                          {"GRAD", "-1", "lblAcos", "200"}};

// These rely on the result being rounded to the 8 display places and the rounded value
// becoming the entry.
const Row rounded_rows[] = {{"RAD", "1", "lblSin", "0.84147098"},
                            {"DEG", "2", "lblFunction(3)", "1.41421356"},
                            {"GRAD", "0.5", "lblAsin", "33.33333333"}};

void run(const Row& row) {
    FakePlatform platform;
    frmMain form{platform};
    form.start();
    for (int i = 0; i < 3 && form.drg_mode != row.mode; ++i) {
        form.mouse_down(form.LBLDRG, LeftButton);
        form.mouse_up(form.LBLDRG, LeftButton);
    }
    ASSERT_EQ(form.drg_mode, row.mode) << "the angle-mode key never reached it";
    form.txtDecimal.set_text(row.entry);
    Control& key = *form.find(row.key);
    form.mouse_down(key, LeftButton);
    form.mouse_up(key, LeftButton);
    const bool fault = std::string_view(row.result) == "ERROR";
    const std::string where = std::string(row.key) + " of " + row.entry + " in " + row.mode;
    EXPECT_EQ(form.txtDecimal.text(), fault ? "0" : row.result) << where;
    EXPECT_EQ(form.lblDigit.caption, row.result) << where;
}

TEST(FunctionKeys, ShowTheirResultsAndFaults) {
    for (const Row& row : plain_rows) run(row);
}

TEST(FunctionKeys, ShowResultsRoundedToTheDisplayPlaces) {
    for (const Row& row : rounded_rows) run(row);
}

class MemoryKeys : public FormTest {};

TEST_F(MemoryKeys, AddThatOverflowsKeepsTheRegisterAndShowsTheError) {
    // The second total is a double, but its 15-digit printing lies past the largest one.
    const std::pair<const char*, const char*> rows[] = {{"1.7E+308", "1.5E+308"},
                                                        {"1.7976931348623E+308", "1.55E+294"}};
    for (const auto& [mem, typed] : rows) {
        form.mem_value = mem;
        form.txtDecimal.set_text(typed);
        click(form.lblMPlus);
        EXPECT_EQ(form.mem_value, mem);
        EXPECT_EQ(entry(), "0") << "after " << typed;
        EXPECT_EQ(shown(), "ERROR");
    }
}

} // namespace
} // namespace calc::testing
