// Number text: how numbers travel between the calculator's controls as text.
// Every conversion between a double and its text goes through this module.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// The one run-time fault of the calculator (division by zero, invalid operation, overflow,
// a text that is not a number where one is required, an integer out of range ...).
// Handlers with the error display catch it; no fault ever leaves an event handler.
class RuntimeFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws RuntimeFault unless v is finite: the check applied to every computed result.
double checked(double v);

// Leading-number rule: blanks (space, tab, CR, LF) anywhere are ignored; then an optional sign,
// digits with at most one period, and an optional exponent (E or D in either case, optional
// sign, digits) are read as far as they fit. No digits reads as 0 ("-" -> 0, "ERROR" -> 0,
// "3 1/4" -> 31, "12.5.3" -> 12.5). A value beyond the double range throws RuntimeFault;
// a value too small for a double reads as 0 (underflow is not a fault).
double read_leading(std::string_view text);

// True when the text's value lies beyond what the calculator computes with: its reading
// overflows, or the value is so near the top of the range that checked() refuses it.
bool overflows(std::string_view text);

// Strict reading: the whole text, blanks at either end aside, must be a number in the
// leading-number form; otherwise RuntimeFault.
double read_strict(std::string_view text);

// The significant digits every number is printed and kept with.
inline constexpr int significant_digits = 15;

// Default printing: 0 -> "0"; otherwise rounded to 15 significant digits, trailing zeros and
// point dropped; plain when -5 < exponent < 15 ("0.5", "123456789012345"), else scientific
// with at least two exponent digits ("1E+15", "1.5E-05", "-1E+100"). Non-finite throws.
std::string print_default(double v);

// Pattern formatting with patterns such as "#0", "#0.00000000", "00", "#0.000000":
// '0' places before the point give the minimum count of integer digits, '0' places after it
// the exact count of decimals. The value is rounded half away from zero on the digits of its
// default printing (so 1.005 with "#0.00" gives "1.01"); the integer part is written in full,
// "-" in front of a negative value that does not round to zero, no grouping.
std::string format_pattern(double v, std::string_view pattern);
// The same for a number given as text (read by the leading-number rule); "" formats to "".
std::string format_pattern(std::string_view text, std::string_view pattern);

// Whole part: truncation toward zero.
double whole_part(double v);

// Integer conversion to a 16-bit signed integer: rounds half to even; outside -32768..32767
// (or not finite) throws RuntimeFault.
std::int16_t to_integer(double v);

} // namespace calc
