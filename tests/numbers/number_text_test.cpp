#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

using calc::RuntimeFault;

namespace {

constexpr double dbl_max = std::numeric_limits<double>::max();
constexpr double denorm_min = std::numeric_limits<double>::denorm_min();
constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

std::string zeros(std::size_t n) {
    return std::string(n, '0');
}

// ---------------------------------------------------------------- leading-number rule

struct ReadRow {
    std::string text;
    double expected;
};

const ReadRow read_leading_rows[] = {
    // no digits at all
    {"", 0.0},
    {"ERROR", 0.0},
    {"-", 0.0},
    {"+", 0.0},
    {".", 0.0},
    {"-.", 0.0},
    {"   ", 0.0},
    {"E5", 0.0},
    {".E5", 0.0},
    {"--5", 0.0},
    {"+-5", 0.0},
    {"abc12", 0.0},
    {"0x10", 0.0},
    // plain numbers and signs
    {"0", 0.0},
    {"7", 7.0},
    {"+5", 5.0},
    {"-05", -5.0},
    {".25", 0.25},
    {"-.5", -0.5},
    {"1.", 1.0},
    {"0.1", 0.1},
    {"00000000000000000000000001", 1.0},
    {"123456789012345678901234567890", 123456789012345678901234567890.0},
    // reading stops at the first character that does not fit
    {"12.5.3", 12.5},
    {"12abc", 12.0},
    {"5-3", 5.0},
    {"1,5", 1.0},
    {"1.5E3.2", 1500.0},
    {"1E3E4", 1000.0},
    // blanks anywhere are ignored
    {"3 1/4", 31.0},
    {"1 2", 12.0},
    {" \t\r\n7", 7.0},
    {"  -  2 . 5  ", -2.5},
    {"1.5E -05", 1.5e-5},
    {"1.5E+ 0 5", 150000.0},
    {"5 E 2", 500.0},
    // exponents: letters E and D in either case
    {"1.5E05", 150000.0},
    {"2E -03", 0.002},
    {"1e3", 1000.0},
    {"1d3", 1000.0},
    {"1D-2", 0.01},
    {"1.E2", 100.0},
    // a letter without exponent digits is not part of the number
    {"1E", 1.0},
    {"1E+", 1.0},
    {"1E-", 1.0},
    {"1Ex", 1.0},
    {"1E+-2", 1.0},
    {"-2.5D", -2.5},
    // range ends: overflow is elsewhere, underflow reads as 0 or a denormal
    {"1.7976931348623157E+308", dbl_max},
    {"1E308", 1e308},
    {"1E-320", 1e-320},
    {"4.9406564584124654E-324", denorm_min},
    {"2.5E-324", denorm_min},
    {"2.4E-324", 0.0},
    {"1E-400", 0.0},
    {"1E-2000", 0.0},
    {"-1E-2000", 0.0},
    {"1E-99999999999999999999", 0.0},
    {"0E+99999999", 0.0},
    {"0E+99999999999999999999", 0.0},
    {"0.000E+400", 0.0},
    // the digits' position and the exponent are weighed together
    {"0." + zeros(399) + "1E+400", 1.0},
    {"0." + zeros(1000) + "1E+1001", 1.0},
    {"1" + zeros(5000) + "E-5000", 1.0},
    {"1" + zeros(300), 1e300},
    {"0.0000001E+315", 1e308},
    // long texts
    {std::string(100000, 'x'), 0.0},
    {std::string(1000000, ' ') + "5", 5.0},
    {std::string(300, '1') + "E-299", 1.1111111111111112},
};

TEST(NumberTextRead, LeadingNumberRule) {
    for (const ReadRow& row : read_leading_rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        EXPECT_EQ(calc::read_leading(row.text), row.expected);
        EXPECT_EQ(calc::overflows(row.text), std::fabs(row.expected) == dbl_max);
    }
}

TEST(NumberTextRead, SignOfZeroFollowsText) {
    EXPECT_TRUE(std::signbit(calc::read_leading("-0")));
    EXPECT_FALSE(std::signbit(calc::read_leading("0")));
    EXPECT_EQ(calc::print_default(calc::read_leading("-0")), "0");
}

const std::string overflow_rows[] = {
    "1E+2000",
    "1E309",
    "1.8E308",
    "-1.8E308",
    "1.79769313486232E+308", // the default printing of the largest double rounds beyond it
    "1E+99999999999999999999",
    "-1E+99999999999999999999",
    "0.0000001E+316",
    std::string(400, '9'),
    std::string(1000000, '1'),
    "1" + zeros(1000) + "E-690",
    "1 E 3 1 0",
};

TEST(NumberTextRead, OverflowIsAFault) {
    for (const std::string& text : overflow_rows) {
        SCOPED_TRACE(text.substr(0, 60));
        EXPECT_THROW(calc::read_leading(text), RuntimeFault);
        EXPECT_TRUE(calc::overflows(text));
    }
    // Readable, but its printing would lie beyond the range.
    EXPECT_TRUE(calc::overflows("1.7976931348623157E308"));
    EXPECT_FALSE(calc::overflows("1.79769313486231E308"));
}

// ---------------------------------------------------------------- strict reading

const ReadRow strict_rows[] = {
    {"-05", -5.0},     {"1.5E3", 1500.0}, {" 7 ", 7.0},
    {"\t+5\r\n", 5.0}, {".5", 0.5},       {"5.", 5.0},
    {"1e-2", 0.01},    {"2D2", 200.0},    {"2d+2", 200.0},
    {"0", 0.0},        {"1E-2000", 0.0},  {"1.79769313486231E+308", 1.79769313486231e308},
};

const std::string strict_fault_rows[] = {
    "",    "   ",     "-",         "+",     ".",     "-.",     "--5",   "1 2",
    "- 5", "1.5E",    "1.5E+",     "1E 5",  "1E- 5", "12.5.3", "ERROR", "5x",
    "x5",  "1E+2000", "1.5E-05 x", "3 1/4", "1,5",   "E5",
};

TEST(NumberTextRead, StrictReading) {
    for (const ReadRow& row : strict_rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(calc::read_strict(row.text), row.expected);
    }
    for (const std::string& text : strict_fault_rows) {
        SCOPED_TRACE(text);
        EXPECT_THROW(calc::read_strict(text), RuntimeFault);
    }
}

// ---------------------------------------------------------------- default printing

struct PrintRow {
    double value;
    const char* expected;
};

const PrintRow print_rows[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {1.0, "1"},
    {-1.0, "-1"},
    {0.5, "0.5"},
    {-0.5, "-0.5"},
    {1.5, "1.5"},
    {123.456, "123.456"},
    {150000.0, "150000"},
    {0.002, "0.002"},
    {0.1 + 0.2, "0.3"},
    {1.0 / 7.0, "0.142857142857143"},
    {2.0 / 3.0, "0.666666666666667"},
    {5280.0 / 60.0 / 60.0, "1.46666666666667"},
    {60.0 * 1.46666666666667, "88.0000000000002"},
    {0.1234567890123456, "0.123456789012346"},
    {12345678901234.5, "12345678901234.5"},
    // lower boundary: exponent -4 is plain, -5 is scientific
    {0.0001, "0.0001"},
    {-0.0001, "-0.0001"},
    {0.00012345, "0.00012345"},
    {0.000099999999999999999, "0.0001"},
    {0.0000999999999999, "9.99999999999E-05"},
    {0.00001, "1E-05"},
    {1.5e-5, "1.5E-05"},
    {-1.5e-5, "-1.5E-05"},
    // upper boundary: exponent 14 is plain, 15 is scientific
    {1e14, "100000000000000"},
    {123456789012345.0, "123456789012345"},
    {999999999999999.0, "999999999999999"},
    {99999999999999.99, "100000000000000"},
    {999999999999999.9, "1E+15"},
    {-999999999999999.9, "-1E+15"},
    {1e15, "1E+15"},
    {1234567890123456.0, "1.23456789012346E+15"},
    // scientific form, at least two exponent digits
    {1e20, "1E+20"},
    {1e100, "1E+100"},
    {-1e100, "-1E+100"},
    {1.5e-100, "1.5E-100"},
    {-2.5e-300, "-2.5E-300"},
    {1.7976931348623e308, "1.7976931348623E+308"},
    {-1.79769313486231e308, "-1.79769313486231E+308"},
    {denorm_min, "4.94065645841247E-324"},
};

TEST(NumberTextPrint, DefaultPrinting) {
    for (const PrintRow& row : print_rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(calc::print_default(row.value), row.expected);
    }
}

TEST(NumberTextPrint, NonFiniteIsAFault) {
    for (double v : {inf, -inf, nan}) {
        EXPECT_THROW(calc::print_default(v), RuntimeFault);
    }
}

// Printing and reading back gives the value rounded to 15 significant digits.
TEST(NumberTextPrint, RoundTripOfRandomValues) {
    std::mt19937_64 random(20240611);
    int checked = 0;
    while (checked < 5000) {
        double x = std::bit_cast<double>(random());
        if (!std::isfinite(x)) {
            continue;
        }
        if (checked % 2 == 1) { // half of them in the exponent range users meet
            int binary_exponent = 0;
            x = std::ldexp(std::frexp(x, &binary_exponent), static_cast<int>(random() % 200) - 100);
        }
        ++checked;
        char buf[64];
        const auto printed =
            std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
        double expected = 0.0;
        const auto parsed = std::from_chars(buf, printed.ptr, expected);
        if (parsed.ec == std::errc::result_out_of_range) {
            EXPECT_THROW(calc::print_default(x), RuntimeFault);
            continue;
        }
        const std::string text = calc::print_default(x);
        SCOPED_TRACE(text);
        ASSERT_EQ(calc::read_leading(text), expected);
        ASSERT_EQ(calc::read_strict(text), expected);
        ASSERT_EQ(calc::print_default(expected), text);
    }
}

// ---------------------------------------------------------------- pattern formatting

struct PatternRow {
    double value;
    const char* pattern;
    std::string expected;
};

const PatternRow pattern_rows[] = {
    // minimum integer digits
    {5.0, "00", "05"},
    {-5.0, "00", "-05"},
    {53.0, "00", "53"},
    {123.0, "00", "123"},
    {0.0, "00", "00"},
    {-0.0, "00", "00"},
    {0.4, "#0", "0"},
    {0.0, "#0", "0"},
    {0.5, "#.00", ".50"},
    // exact decimals
    {2.5, "#0.00", "2.50"},
    {0.0, "#0.00", "0.00"},
    {1.0 / 7.0, "#0.0000000000000000", "0.1428571428571430"},
    {123456789012345.0, "#0.00", "123456789012345.00"},
    // half away from zero on the printed digits
    {1.005, "#0.00", "1.01"},
    {2.675, "#0.00", "2.68"},
    {-0.125, "#0.00", "-0.13"},
    {2.5, "#0", "3"},
    {-2.5, "#0", "-3"},
    {0.5, "#0", "1"},
    {-0.5, "#0", "-1"},
    {0.49, "#0", "0"},
    {0.0312496, "#0.000000", "0.031250"},
    {0.03125, "#0.000000", "0.031250"},
    {0.0000005, "#0.000000", "0.000001"},
    {0.00000049, "#0.000000", "0.000000"},
    {0.0000001, "#0.000000", "0.000000"},
    {5e-9, "#0.00000000", "0.00000001"},
    {-5e-9, "#0.00000000", "-0.00000001"},
    {4.9999999e-9, "#0.00000000", "0.00000000"},
    {3.14159265358979, "#0.00000000", "3.14159265"},
    {0.666666666666667, "#0.00000000", "0.66666667"},
    {123456789.123456, "#0.000000", "123456789.123456"},
    {1.5e-5, "#0.00000000", "0.00001500"},
    {1e-5, "#0.00000000", "0.00001000"},
    {1e-300, "#0.00000000", "0.00000000"},
    // a value that rounds to zero loses its sign
    {-0.001, "#0.00", "0.00"},
    {-0.4, "#0", "0"},
    {-1e-300, "#0", "0"},
    // carries through the point and into a new digit
    {9.999, "#0.00", "10.00"},
    {-9.999, "#0.00", "-10.00"},
    {99.5, "#0", "100"},
    {0.95, "#0.0", "1.0"},
    {999999.9999995, "#0.000000", "1000000.000000"},
    // integer part in full from the printed digits
    {1e20, "#0.00000000", "100000000000000000000.00000000"},
    {1234567890123456789.0, "#0", "1234567890123460000"},
    {1e300, "#0", "1" + zeros(300)},
    {-1.79769313486231e308, "#0", "-179769313486231" + zeros(294)},
};

TEST(NumberTextPattern, FormatValue) {
    for (const PatternRow& row : pattern_rows) {
        SCOPED_TRACE(std::string(row.pattern) + " " + row.expected.substr(0, 40));
        EXPECT_EQ(calc::format_pattern(row.value, row.pattern), row.expected);
    }
}

struct TextPatternRow {
    const char* text;
    const char* pattern;
    const char* expected;
};

const TextPatternRow text_pattern_rows[] = {
    {"", "00", ""},
    {"", "#0.00", ""},
    {"5", "00", "05"},
    {"0053", "00", "53"},
    {"-05", "00", "-05"},
    {"-0", "00", "00"},
    {"-", "00", "00"},
    {" ", "00", "00"},
    {"ERROR", "#0.00", "0.00"},
    {"3.14159265358979", "#0.00000000", "3.14159265"},
    {"1.5E -05", "#0.00000000", "0.00001500"},
    {"1E+20", "#0.00000000", "100000000000000000000.00000000"},
};

TEST(NumberTextPattern, FormatText) {
    for (const TextPatternRow& row : text_pattern_rows) {
        SCOPED_TRACE(std::string(row.text) + " with " + row.pattern);
        EXPECT_EQ(calc::format_pattern(std::string_view(row.text), row.pattern), row.expected);
    }
}

TEST(NumberTextPattern, Faults) {
    EXPECT_THROW(calc::format_pattern(std::string_view("1E+2000"), "00"), RuntimeFault);
    for (double v : {inf, -inf, nan}) {
        EXPECT_THROW(calc::format_pattern(v, "#0"), RuntimeFault);
    }
    for (const char* pattern : {"#0.0#", "x", "0.0.0", "0,0", "0.00E+00"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(calc::format_pattern(1.0, pattern), std::invalid_argument);
    }
}

// ---------------------------------------------------------------- whole part, integers, checks

TEST(NumberTextInteger, WholePartTruncatesTowardZero) {
    const struct {
        double value;
        double expected;
    } rows[] = {
        {2.7, 2.0}, {-2.7, -2.0}, {0.5, 0.0},   {-0.5, 0.0},
        {3.0, 3.0}, {-3.0, -3.0}, {1e20, 1e20}, {123456789.999, 123456789.0},
        {0.0, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(calc::whole_part(row.value), row.expected);
    }
}

TEST(NumberTextInteger, ToIntegerRoundsHalfToEven) {
    const struct {
        double value;
        int expected;
    } rows[] = {
        {0.0, 0},
        {-0.0, 0},
        {0.5, 0},
        {-0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},
        {32767.0, 32767},
        {32767.4, 32767},
        {-32768.0, -32768},
        {-32768.5, -32768},
        {32766.5, 32766},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(calc::to_integer(row.value), row.expected);
    }
    for (double v : {32767.5, 32768.0, -32768.6, -32769.0, 1e10, -1e10, inf, -inf, nan}) {
        SCOPED_TRACE(v);
        EXPECT_THROW(calc::to_integer(v), RuntimeFault);
    }
}

// Only values whose 15-digit printing can be read back pass: the largest doubles print as
// 1.79769313486232E+308, which lies beyond the range.
TEST(NumberTextInteger, CheckedPassesReadableFiniteValuesOnly) {
    for (double v : {0.0, -1.5, 1.79769313486231e308, -1.7976931348623149e308, denorm_min}) {
        EXPECT_EQ(calc::checked(v), v);
    }
    for (double v : {inf, -inf, nan, dbl_max, -dbl_max}) {
        EXPECT_THROW(calc::checked(v), RuntimeFault);
    }
}

} // namespace
