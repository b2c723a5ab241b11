#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace calc {

namespace {

// Exponent digits beyond this are irrelevant: the result is then 0 or an overflow anyway.
// Small enough that adding a text position to it cannot overflow 64 bits.
constexpr std::int64_t exponent_cap = 1'000'000'000'000'000;

// Beyond these decimal exponents (of the first significant digit) the value is certainly
// out of range (about 1.8E+308) or certainly below the smallest denormal (about 4.9E-324).
constexpr std::int64_t certain_overflow = 400;
constexpr std::int64_t certain_underflow = -400;

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_exponent_letter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// A number text taken apart: value = (-1 if negative) * 0.<digits> shifted so that the point
// stands after point_pos digits, times ten to the exponent.
struct NumberParts {
    bool negative = false;
    std::string digits;        // mantissa digits without the period
    std::size_t point_pos = 0; // count of digits before the period
    std::int64_t exponent = 0; // saturated at +-exponent_cap
    std::size_t end = 0; // text position just after the last character that belongs to the number
};

// Reads sign, mantissa and exponent from the start of text as far as they fit. With
// skip_blanks the blanks are ignored wherever they stand (leading-number rule); without it
// the first blank ends the number.
class Scanner {
public:
    Scanner(std::string_view text, bool skip_blanks) : text_(text), skip_blanks_(skip_blanks) {}

    NumberParts scan() {
        NumberParts parts;
        if (peek() == '+' || peek() == '-') {
            parts.negative = peek() == '-';
            advance();
            parts.end = pos_;
        }
        bool seen_point = false;
        for (;;) {
            char c = peek();
            if (is_digit(c)) {
                parts.digits.push_back(c);
                if (!seen_point) {
                    ++parts.point_pos;
                }
            } else if (c == '.' && !seen_point) {
                seen_point = true;
            } else {
                break;
            }
            advance();
            parts.end = pos_;
        }
        if (!parts.digits.empty() && is_exponent_letter(peek())) {
            scan_exponent(parts);
        }
        return parts;
    }

private:
    // The exponent belongs to the number only when at least one digit follows the letter
    // (and its sign); otherwise the number ends before the letter ("1E+" reads 1).
    void scan_exponent(NumberParts& parts) {
        advance();
        bool negative = false;
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            advance();
        }
        if (!is_digit(peek())) {
            return;
        }
        std::int64_t magnitude = 0;
        while (is_digit(peek())) {
            magnitude = magnitude * 10 + (peek() - '0');
            if (magnitude > exponent_cap) {
                magnitude = exponent_cap;
            }
            advance();
        }
        parts.exponent = negative ? -magnitude : magnitude;
        parts.end = pos_;
    }

    // The current character after any skippable blanks, or '\0' at the end of the text.
    char peek() {
        if (skip_blanks_) {
            while (pos_ < text_.size() && is_blank(text_[pos_])) {
                ++pos_;
            }
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void advance() { ++pos_; }

    std::string_view text_;
    bool skip_blanks_;
    std::size_t pos_ = 0;
};

[[noreturn]] void fail_overflow() {
    throw RuntimeFault("Overflow");
}

double to_double(const NumberParts& parts) {
    const double zero = parts.negative ? -0.0 : 0.0;
    const std::size_t first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return zero;
    }
    const std::size_t last = parts.digits.find_last_not_of('0');
    // Decimal exponent of the first significant digit; decides overflow against underflow
    // without trusting from_chars, which reports both the same way.
    const std::int64_t magnitude = static_cast<std::int64_t>(parts.point_pos) -
                                   static_cast<std::int64_t>(first) - 1 + parts.exponent;
    if (magnitude > certain_overflow) {
        fail_overflow();
    }
    if (magnitude < certain_underflow) {
        return zero;
    }
    std::string normal;
    normal.reserve(last - first + 8);
    normal.push_back(parts.digits[first]);
    if (last > first) {
        normal.push_back('.');
        normal.append(parts.digits, first + 1, last - first);
    }
    normal.push_back('e');
    normal.append(std::to_string(magnitude));

    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value,
                                        std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude >= 0) {
            fail_overflow();
        }
        return zero;
    }
    if (result.ec != std::errc{} || result.ptr != normal.data() + normal.size()) {
        throw RuntimeFault("Type mismatch"); // cannot happen: normal is well formed
    }
    return parts.negative ? -value : value;
}

// The default printing's digits of a finite nonzero value: 1 to 15 significant digits
// without trailing zeros; value = (-1 if negative) * d.ddd * 10^exponent.
struct Digits15 {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Digits15 digits15(double v) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific,
                                      significant_digits - 1);
    const std::string_view text(buf, static_cast<std::size_t>(result.ptr - buf));
    Digits15 d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (is_digit(text[i])) {
            d.digits.push_back(text[i]);
        }
    }
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 1 : last + 1);
    ++i; // 'e'
    const bool negative_exponent = text[i] == '-';
    ++i; // exponent sign
    for (; i < text.size(); ++i) {
        d.exponent = d.exponent * 10 + (text[i] - '0');
    }
    if (negative_exponent) {
        d.exponent = -d.exponent;
    }
    return d;
}

// Adds one unit in the last place of a digit string; returns true when it carries out.
bool increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

struct Pattern {
    std::size_t min_integer_digits = 0;
    std::size_t decimals = 0;
};

// Only '#' and '0' before an optional '.', and '0' after it, are supported; anything else
// is a programming error in the caller. A point without '0' places after it writes no point.
Pattern parse_pattern(std::string_view pattern) {
    Pattern p;
    const std::size_t point = pattern.find('.');
    const std::string_view before = pattern.substr(0, point);
    const std::string_view after =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    for (char c : before) {
        if (c == '0') {
            ++p.min_integer_digits;
        } else if (c != '#') {
            throw std::invalid_argument("unsupported number pattern");
        }
    }
    for (char c : after) {
        if (c != '0') {
            throw std::invalid_argument("unsupported number pattern");
        }
        ++p.decimals;
    }
    return p;
}

} // namespace

double checked(double v) {
    if (std::isnan(v)) {
        throw RuntimeFault("Invalid procedure call");
    }
    if (std::isinf(v)) {
        fail_overflow();
    }
    // A value so close to the top of the range that its 15-digit printing lies beyond it
    // could not be read back from its text: it counts as an overflow too.
    if (std::fabs(v) > 1.7976931348623e308) {
        char buf[32];
        const auto printed = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific,
                                           significant_digits - 1);
        double back = 0;
        if (std::from_chars(buf, printed.ptr, back).ec == std::errc::result_out_of_range) {
            fail_overflow();
        }
    }
    return v;
}

double read_leading(std::string_view text) {
    const NumberParts parts = Scanner(text, true).scan();
    return to_double(parts);
}

bool overflows(std::string_view text) {
    try {
        checked(read_leading(text));
        return false;
    } catch (const RuntimeFault&) {
        return true;
    }
}

// Inner blanks are not allowed here: a strictly read number is one unbroken token.
double read_strict(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) {
        throw RuntimeFault("Type mismatch");
    }
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    const std::string_view core = text.substr(begin, end - begin + 1);
    const NumberParts parts = Scanner(core, false).scan();
    if (parts.digits.empty() || parts.end != core.size()) {
        throw RuntimeFault("Type mismatch");
    }
    return to_double(parts);
}

std::string print_default(double v) {
    checked(v);
    if (v == 0.0) {
        return "0";
    }
    const Digits15 d = digits15(v);
    std::string out = d.negative ? "-" : "";
    const auto count = static_cast<int>(d.digits.size());
    // Plain while every significant digit stands before the point or close after it.
    if (d.exponent > -5 && d.exponent < significant_digits) {
        if (d.exponent >= 0) {
            const int integer_digits = d.exponent + 1;
            if (count <= integer_digits) {
                out += d.digits;
                out.append(static_cast<std::size_t>(integer_digits - count), '0');
            } else {
                out.append(d.digits, 0, static_cast<std::size_t>(integer_digits));
                out += '.';
                out.append(d.digits, static_cast<std::size_t>(integer_digits));
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out += d.digits;
        }
        return out;
    }
    out += d.digits[0];
    if (count > 1) {
        out += '.';
        out.append(d.digits, 1);
    }
    out += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) {
        out += '0';
    }
    out += std::to_string(magnitude);
    return out;
}

std::string format_pattern(double v, std::string_view pattern) {
    const Pattern p = parse_pattern(pattern);
    checked(v);
    std::string integer;
    std::string fraction;
    bool negative = false;
    if (v != 0.0) {
        // Rounding works on the printed digits, so 1.005 rounds as the user sees it.
        const Digits15 d = digits15(v);
        negative = d.negative;
        if (d.exponent >= 0) {
            const auto integer_digits = static_cast<std::size_t>(d.exponent) + 1;
            if (d.digits.size() <= integer_digits) {
                integer = d.digits;
                integer.append(integer_digits - d.digits.size(), '0');
            } else {
                integer = d.digits.substr(0, integer_digits);
                fraction = d.digits.substr(integer_digits);
            }
        } else {
            // Only the digits up to the rounding place matter.
            const auto zeros = static_cast<std::size_t>(-d.exponent - 1);
            if (zeros <= p.decimals) {
                fraction.assign(zeros, '0');
                fraction += d.digits;
            }
        }
    }
    if (fraction.size() > p.decimals) {
        const bool round_up = fraction[p.decimals] >= '5';
        fraction.resize(p.decimals);
        if (round_up && increment(fraction) && increment(integer)) {
            integer.insert(integer.begin(), '1');
        }
    }
    fraction.append(p.decimals - fraction.size(), '0');

    const std::size_t significant = integer.find_first_not_of('0');
    integer.erase(0, significant == std::string::npos ? integer.size() : significant);
    const bool is_zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (integer.size() < p.min_integer_digits) {
        integer.insert(0, p.min_integer_digits - integer.size(), '0');
    }

    std::string out = negative && !is_zero ? "-" : "";
    out += integer;
    if (p.decimals > 0) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string format_pattern(std::string_view text, std::string_view pattern) {
    if (text.empty()) {
        return {};
    }
    return format_pattern(read_leading(text), pattern);
}

double whole_part(double v) {
    return std::trunc(v);
}

std::int16_t to_integer(double v) {
    checked(v);
    double whole = std::trunc(v);
    const double rest = std::fabs(v - whole);
    const double step = v < 0 ? -1.0 : 1.0;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += step;
    }
    if (whole < -32768.0 || whole > 32767.0) {
        throw RuntimeFault("Overflow");
    }
    return static_cast<std::int16_t>(whole);
}

} // namespace calc
