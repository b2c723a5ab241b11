// do_format: the decimal pattern and its rounding at several settings; an exponent text
// beyond the double range.
#include <string>

#include "support/form_test.h"

namespace calc::testing {
namespace {

struct DecimalRow {
    std::int16_t places;
    const char* entry;
    const char* shown;
};

const DecimalRow decimal_rows[] = {
    {8, "3.14159265358979", "3.14159265"},
    {8, "0.666666666666667", "0.66666667"},
    {8, "1E+20", "1E+20"},
    {8, "-0.000000005", "-1E-08"},
    {8, "0.000000004", "0"},
    {8, "12", "12"},
    {8, "", "0"},
    {2, "2.5", "2.5"},
    {2, "-0.125", "-0.13"},
    {2, "1.005", "1.01"},
    {2, "0.333333333333333", "0.33"},
    {2, "-0.004", "0"},
    {2, "99.995", "100"},
    {0, "2.5", "3"},
    {0, "-2.5", "-3"},
    {0, "0.4999", "0"},
    {0, "123456789.5", "123456790"},
    {-3, "2.5", "3"}, // no lower limit: a negative setting counts as none
    {16, "0.142857142857143", "0.142857142857143"},
    {16, "1.5E-05", "1.5E-05"},
    {16, "1E-16", "1E-16"},
    {16, "4E-17", "0"},
    {16, "5E-17", "1E-16"},
};

using ResultFormatTest = FormTest;

TEST_F(ResultFormatTest, DecimalDisplayRoundsAndKeepsTheRoundedEntry) {
    for (const DecimalRow& row : decimal_rows) {
        form.dec_places = row.places;
        form.txtDecimal.set_text(row.entry);
        form.do_format();
        EXPECT_EQ(shown(), row.shown) << row.entry << " at " << row.places;
        EXPECT_EQ(entry(), row.shown) << row.entry << " at " << row.places;
    }
}

// Editing inside the exponent field can make a text beyond the double range; it counts as
// beyond 99 and is replaced by its last digit.
TEST_F(ResultFormatTest, ExponentTextBeyondTheRangeIsReplaced) {
    type("2");
    click(form.lblLog);
    form.txtEE.set_text("1E-309");
    EXPECT_EQ(form.txtEE.text(), "1E-309");
    EXPECT_NO_THROW(form.txtEE.set_text("1E309"));
    EXPECT_EQ(form.txtEE.text(), "9");
    EXPECT_NO_THROW(form.txtEE.set_text("-1E309"));
    EXPECT_EQ(form.txtEE.text(), "9");
    EXPECT_EQ(shown(), "2E 09");
}

} // namespace
} // namespace calc::testing
