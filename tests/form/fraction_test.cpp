// GetFraction: whole part and reduced fraction, exact halves, the sign of small negatives,
// and the busy pointer around the work.
#include <string>
#include <vector>

#include "support/form_test.h"

namespace calc::testing {
namespace {

struct FractionRow {
    const char* text;
    std::int16_t denom;
    const char* expected;
};

const FractionRow fraction_rows[] = {
    {"3.25", 16, "3 1/4"},
    {"0.5", 16, "0 1/2"},
    {"-3.25", 16, "-3 1/4"},
    {"2.3", 16, "2 5/16"},
    {"7", 16, "7"},
    {"0", 16, "0"},
    {"3.01", 16, "3"},
    {"3.99", 16, "3 1/1"},
    {"0.03125", 16, "0 1/16"},
    {"0.0312496", 16, "0 1/16"},
    {"0.0000001", 16, "0"},
    {"123456789.123456", 16, "123456789 1/8"},
    {"1E+20", 16, "1E+20"},
    {"0.5", 3, "0 2/3"},
    {"0.333333", 3, "0 1/3"},
    {"0.25", 10, "0 3/10"},
    {"3.4", 1, "3"},
    {"3.5", 1, "3 1/1"},
    // exact halves of a step round up
    {"0.15625", 16, "0 3/16"},
    {"0.1875", 8, "0 1/4"},
    {"0.75", 2, "0 1/1"},
    {"0.015625", 32, "0 1/32"},
    {"0.984375", 32, "0 1/1"},
    {"0.5", 7, "0 4/7"},
    {"0.0312495", 16, "0 1/16"}, // 0.03125 after rounding to six places
    {"0.0312494", 16, "0"},      // 0.031249: just below the half
    {"-0.03125", 16, "-0 1/16"},
    {"-2.5", 16, "-2 1/2"},
    // d = 1
    {"7.49", 1, "7"},
    {"-3.5", 1, "-3 1/1"},
    {"0.5", 1, "0 1/1"},
    // large wholes: beyond 15 digits the printed value has no fraction left
    {"12345678901234.5", 16, "12345678901234 1/2"},
    {"123456789012345.25", 16, "123456789012345"},
    {"-99999999999999.75", 4, "-99999999999999 3/4"},
    // scientific wholes and tiny values
    {"-1.5E+17", 16, "-1.5E+17"},
    {"2.5E+15", 16, "2.5E+15"},
    {"1.5E-05", 32, "0"},
    {"-1.5E-05", 32, "0"},
    // negatives between -1 and 0 keep their sign
    {"-0.25", 16, "-0 1/4"},
    {"-0.99", 16, "-0 1/1"},
    {"-0.01", 16, "0"},
    {"-3.01", 16, "-3"},
    // text that is no number
    {"ERROR", 16, "0"},
    {"", 16, "0"},
};

using FractionTest = FormTest;

TEST_F(FractionTest, WholeAndReducedFraction) {
    for (const FractionRow& row : fraction_rows) {
        EXPECT_EQ(form.GetFraction(row.text, row.denom), row.expected)
            << row.text << " with " << row.denom;
    }
}

// Records the pointer shape at every yield.
class PointerSpy : public FakePlatform {
public:
    void do_events() override { seen.push_back(form->mouse_pointer); }
    frmMain* form = nullptr;
    std::vector<MousePointer> seen;
};

TEST(FractionPointerTest, BusyWhileWorkingThenDefault) {
    PointerSpy spy;
    frmMain form(spy);
    spy.form = &form;
    form.start();
    spy.seen.clear();
    EXPECT_EQ(form.GetFraction("3.25", 16), "3 1/4");
    const std::vector<MousePointer> expected = {MousePointer::Busy, MousePointer::Default};
    EXPECT_EQ(spy.seen, expected);
    EXPECT_EQ(form.mouse_pointer, MousePointer::Default);
}

} // namespace
} // namespace calc::testing
