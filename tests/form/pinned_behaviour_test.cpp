// Behaviour no other test held down: every operator on a full entry, the length limit after a
// clear, the face's minus key held in the set-up, Ctrl chords that name no command, and the
// point rule.
#include <string>

#include "design_values.h"
#include "support/form_test.h"

namespace calc::testing {
namespace {

const std::string full_entry = "12345678901234567890";

enum class Way { Click, Typed };

struct OperatorRow {
    char op;
    std::size_t key; // its index in lblMath
    Way way;
};

void PrintTo(const OperatorRow& row, std::ostream* os) {
    *os << row.op << (row.way == Way::Click ? " clicked" : " typed");
}

class OperatorOnFullEntry : public FormTest, public ::testing::WithParamInterface<OperatorRow> {};

// A full entry has no room for the operator's character; the operator acts all the same.
TEST_P(OperatorOnFullEntry, MakesItPending) {
    const OperatorRow& row = GetParam();
    type(full_entry + "1");
    ASSERT_EQ(entry(), full_entry);
    ASSERT_EQ(entry().size(), static_cast<std::size_t>(design::entry_length));
    if (row.way == Way::Click) {
        click(form.lblMath[row.key]);
    } else {
        form.key_press({row.op, 0, 0, std::string(1, row.op), false});
    }
    EXPECT_EQ(status(), "STATUS: " + full_entry + " (" + row.op + ")");
    EXPECT_EQ(form.pending_op(), row.op);
    EXPECT_EQ(entry(), "0");
}

const OperatorRow operator_rows[] = {
    {'+', 0, Way::Click}, {'-', 1, Way::Click}, {'*', 2, Way::Click}, {'/', 3, Way::Click},
    {'+', 0, Way::Typed}, {'-', 1, Way::Typed}, {'*', 2, Way::Typed}, {'/', 3, Way::Typed},
};
std::string operator_row_name(const ::testing::TestParamInfo<OperatorRow>& info) {
    const char* const names[] = {"Plus", "Minus", "Times", "Divide"};
    return std::string(names[info.param.key]) +
           (info.param.way == Way::Click ? "Clicked" : "Typed");
}
INSTANTIATE_TEST_SUITE_P(EveryOperator, OperatorOnFullEntry, ::testing::ValuesIn(operator_rows),
                         operator_row_name);

// The minus lets a negative entry take one character more; a clear gives the plain limit back.
TEST_F(FormTest, ClearAfterASignChangeRestoresTheLengthLimit) {
    struct Row {
        const char* name;
        bool by_key; // Escape, else the C key
    };
    const Row rows[] = {{"C", false}, {"Escape", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        key(KeyEscape);
        type("5");
        click(form.lblPosNeg);
        type(full_entry);
        ASSERT_EQ(entry().size(), static_cast<std::size_t>(design::signed_entry_length));
        if (row.by_key) {
            key(KeyEscape);
        } else {
            click(form.lblClear);
        }
        type(full_entry + full_entry);
        EXPECT_EQ(entry().size(), static_cast<std::size_t>(design::entry_length)) << entry();
    }
}

struct HeldRow {
    std::size_t key; // lblMath index: + or -
    int step;        // rows moved per tick
};

void PrintTo(const HeldRow& row, std::ostream* os) {
    *os << "lblMath(" << row.key << ")";
}

class HeldFaceKeyInSetup : public FormTest, public ::testing::WithParamInterface<HeldRow> {
protected:
    // The category step rows from the start, wrapping as the list does.
    const std::string& row_from(int start, int rows) {
        const int count = form.List2.count();
        return form.List2.item(((start + rows) % count + count) % count);
    }
};

// The face's + and - keys held in the set-up repeat as the panel's own step keys do: the
// first step after the interval, then one every interval, each in the key's direction.
TEST_P(HeldFaceKeyInSetup, RepeatsInItsDirection) {
    const HeldRow& row = GetParam();
    click(form.lblConv);
    form.key_press({'P', 0, 0, "p", false});
    ASSERT_EQ(form.lblUnit.caption, "POWER");
    const int start = form.list_pos;
    Label& held = form.lblMath[row.key];
    form.mouse_down(held, LeftButton);
    form.advance_timers(299);
    EXPECT_EQ(form.lblUnit.caption, row_from(start, 0));
    form.advance_timers(1);
    EXPECT_EQ(form.lblUnit.caption, row_from(start, row.step));
    form.advance_timers(600);
    EXPECT_EQ(form.lblUnit.caption, row_from(start, 3 * row.step));
    form.mouse_up(held, LeftButton);
    EXPECT_FALSE(form.Timer2.enabled);
    EXPECT_FALSE(form.Timer3.enabled);
    form.advance_timers(1000);
    EXPECT_EQ(form.lblUnit.caption, row_from(start, 4 * row.step)); // the release's click
}

INSTANTIATE_TEST_SUITE_P(PlusAndMinus, HeldFaceKeyInSetup,
                         ::testing::Values(HeldRow{0, 1}, HeldRow{1, -1}),
                         [](const ::testing::TestParamInfo<HeldRow>& info) {
                             return std::string(info.param.key == 0 ? "Plus" : "Minus");
                         });

// Ctrl with a key the map has no command for is no command and no character either: the
// press is not taken and the entry keeps what it held.
TEST_F(FormTest, UnboundCtrlChordTypesNothing) {
    type("12");
    for (const char c : {'5', '.', '+', '-', '*', '/'}) {
        SCOPED_TRACE(std::string("Ctrl+") + c);
        EXPECT_FALSE(form.key_press({c, 0, CtrlDown, std::string(1, c), false}));
        EXPECT_EQ(entry(), "12");
        EXPECT_EQ(shown(), "12");
        EXPECT_EQ(status(), "STATUS:");
    }
}

// A point after a value with a fraction is refused, negative values too.
TEST_F(FormTest, ASecondPointIsRefused) {
    const struct {
        const char *before, *typed, *after;
        bool negate;
    } rows[] = {
        {"1.5", ".5", "-1.55", true},
        {"1.5", ".5", "1.55", false},
        {"0.", ".5", "0.5", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.before) + (row.negate ? " +/- " : " ") + row.typed);
        key(KeyEscape);
        type(row.before);
        if (row.negate) click(form.lblPosNeg);
        type(row.typed);
        EXPECT_EQ(shown(), row.after);
    }
}

} // namespace
} // namespace calc::testing
