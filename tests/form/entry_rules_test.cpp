// The entry rules and the pending operation, typed on the keyboard: each row is one user
// story from a fresh start, checked on the entry, the number shown and the status line.
#include "support/form_test.h"

namespace calc::testing {
namespace {

struct Row {
    const char* typed;
    const char* entry;
    const char* shown;
    const char* status;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << '"' << row.typed << '"';
}

class TypedEntry : public FormTest, public ::testing::WithParamInterface<Row> {};

TEST_P(TypedEntry, EndsAsExpected) {
    const Row& row = GetParam();
    type(row.typed);
    EXPECT_EQ(entry(), row.entry) << "typed: " << row.typed;
    EXPECT_EQ(shown(), row.shown) << "typed: " << row.typed;
    EXPECT_EQ(status(), row.status) << "typed: " << row.typed;
}

const Row typed_rows[] = {
    {"", "", "0", "STATUS:"},
    {"7", "7", "7", "STATUS:"},
    {"12a", "12", "12", "STATUS:"},
    {"1x2y3", "123", "123", "STATUS:"},
    {"12.", "12.", "12", "STATUS:"},
    {"1.5.", "1.5", "1.5", "STATUS:"},
    {"1.0.", "1.0.", "1", "STATUS:"},
    {"-", "0", "0", "STATUS:  (-)"},
    {".", ".", "0", "STATUS:"},
    {"..", ".", "0", "STATUS:"},
    {"7+", "0", "0", "STATUS: 7 (+)"},
    {"7+3", "03", "3", "STATUS: 7 (+)"},
    {"7++", "0", "0", "STATUS: 0 (+)"},
    {"7+*", "0", "0", "STATUS: 0 (*)"},
    {"+", "0", "0", "STATUS:  (+)"},
    {"3.+", "0", "0", "STATUS: 3. (+)"},
    {"2.5*4", "04", "4", "STATUS: 2.5 (*)"},
    {"9/", "0", "0", "STATUS: 9 (/)"},
    {"12345678901234567890", "12345678901234567890", "1.23456789012346E+19", "STATUS:"},
    // The 21st typed digit is refused by the length limit; an operator still acts.
    {"123456789012345678901", "12345678901234567890", "1.23456789012346E+19", "STATUS:"},
    {"12345678901234567890+", "0", "0", "STATUS: 12345678901234567890 (+)"},
    {"0.0001", "0.0001", "0.0001", "STATUS:"},
    {"0.00001", "0.00001", "1E-05", "STATUS:"},
};
INSTANTIATE_TEST_SUITE_P(Rules, TypedEntry, ::testing::ValuesIn(typed_rows));

struct EnterRow {
    const char* typed; // then Enter
    const char* entry;
    const char* status;
};

void PrintTo(const EnterRow& row, std::ostream* os) {
    *os << '"' << row.typed << "\" Enter";
}

class EnterResult : public FormTest, public ::testing::WithParamInterface<EnterRow> {};

TEST_P(EnterResult, CarriesOutThePendingOperation) {
    const EnterRow& row = GetParam();
    type(row.typed);
    key(KeyEnter);
    EXPECT_EQ(entry(), row.entry) << "typed: " << row.typed;
    EXPECT_EQ(status(), row.status) << "typed: " << row.typed;
}

const EnterRow enter_rows[] = {
    {"7+3", "10", "STATUS:"},
    {"7-10", "-3", "STATUS:"},
    {"6*7", "42", "STATUS:"},
    {"10/4", "2.5", "STATUS:"},
    {"7+*3", "0", "STATUS:"},      // the second operator replaced the
                                   // first
    {"5", "5", "STATUS:"},         // nothing pending: only reformatted
    {"1E300", "1300", "STATUS:"},  // letters never reach the entry
    {"5/0", "0", "STATUS: 5 (/)"}, // fault: the operation stays pending
    {"0/0", "0", "STATUS: 0 (/)"}, // invalid operation
    {"2.5-2.5", "0", "STATUS:"},
};
INSTANTIATE_TEST_SUITE_P(Arithmetic, EnterResult, ::testing::ValuesIn(enter_rows));

TEST_F(FormTest, DivisionByZeroShowsErrorAndKeepsTheOperation) {
    type("5/0");
    key(KeyEnter);
    EXPECT_EQ(shown(), "ERROR");
    key(KeyEnter);
    EXPECT_EQ(shown(), "ERROR");
    type("2");
    key(KeyEnter);
    EXPECT_EQ(entry(), "2.5");
    EXPECT_EQ(status(), "STATUS:");
    EXPECT_EQ(form.mouse_pointer, MousePointer::Default);
}

TEST_F(FormTest, ProductBeyondTheDoubleRangeIsAFault) {
    form.txtDecimal.set_text("1E+200");
    type("*");
    form.txtDecimal.set_text("1E+200");
    key(KeyEnter);
    EXPECT_EQ(shown(), "ERROR");
    EXPECT_EQ(entry(), "0");
}

TEST_F(FormTest, ResultIsTheEntrySoDigitsExtendIt) {
    type("2+3");
    key(KeyEnter);
    type("4");
    EXPECT_EQ(entry(), "54");
    type("*4");
    key(KeyEnter);
    EXPECT_EQ(entry(), "216");
}

// Digits typed after a result in scientific form could leave the double range: such a
// character is refused, so the entry always holds a number.
TEST_F(FormTest, DigitThatWouldOverflowIsRefused) {
    form.txtDecimal.set_text("1E+20");
    type("0");
    EXPECT_EQ(entry(), "1E+200");
    type("0");
    EXPECT_EQ(entry(), "1E+200");
    EXPECT_EQ(shown(), "1E+200");
    type("+");
    EXPECT_EQ(status(), "STATUS: 1E+200 (+)");
}

// Stories that once left a sign acting as an operation, or the user stuck in an entry.
TEST(UserStory, NeitherDeletingNorAFullEntryNorAFaultTrapsTheUser) {
    const char* const stories[] = {
        // A Backspace takes a sign that no digit would follow.
        "type 5\nclick lblPosNeg\nkey Backspace\nexpect txtDecimal.Text \"\"\n"
        "expect lblDigit.Caption 0\nexpect lblStatus.Caption STATUS:\n",
        "type 7+5\nclick lblPosNeg\nkey Backspace\nkey Backspace\nexpect txtDecimal.Text \"\"\n"
        "expect lblStatus.Caption \"STATUS: 7 (+)\"\nexpect first_value 7\n",
        "type 10000000000*10000000000\nkey Enter\nexpect txtDecimal.Text 1E+20\n"
        "key Backspace\nkey Backspace\nexpect txtDecimal.Text 1\nexpect lblStatus.Caption "
        "STATUS:\n",
        // A failing Enter still closes the precision entry.
        "type 5/\nclick lblSetPrec\nkey Enter\nexpect lblDigit.Caption ERROR\n"
        "expect arrow_on(2).Visible false\nexpect picPrecision.Visible false\n"
        "expect txtPrecision.Enabled false\nexpect lblSin.Enabled true\nexpect focus txtDecimal\n",
        // Operators act on a full entry, also as unit steps in the set-up.
        "key Backspace\ntype 11111111111111111111*3\nkey Enter\n"
        "expect lblDigit.Caption 3.33333333333333E+19\n",
        "key Backspace\ntype 11111111111111111111\nclick lblConv\ntype +\n"
        "expect lblUnit.Caption DENSITY\ntype --\nexpect lblUnit.Caption WEIGHT\n",
    };
    for (const char* story : stories) play(story);
}

} // namespace
} // namespace calc::testing
