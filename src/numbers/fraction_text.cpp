#include "fraction_text.h"

#include <algorithm>
#include <numeric>

#include "number_text.h"

namespace calc {

namespace {

constexpr std::int64_t million = 1'000'000;

// A fractional part 0 <= f < 1 with at most six decimals, in millionths: taken from its
// six-decimal text, so 0.25 is exactly 250000 and halves stay exact.
std::int64_t millionths(double f) {
    const std::string text = format_pattern(f, "#0.000000");
    std::int64_t result = 0;
    for (const char c : text.substr(text.find('.') + 1)) result = result * 10 + (c - '0');
    return result;
}

} // namespace

std::string fraction_text(std::string_view decimal, std::int64_t denominator) {
    const double v = read_leading(format_pattern(decimal, "#0.000000"));
    const std::string printed = print_default(v);
    const double whole = whole_part(v);
    std::string result = print_default(whole);

    // The fraction is what the printed value has beyond its printed whole part, so it never
    // holds more than the 15 digits the value is shown with.
    const std::size_t skip = std::min(result.size(), printed.size());
    const double f = read_leading(std::string_view(printed).substr(skip));

    // n = f * d rounded to the nearest step, halves up, in whole numbers.
    const std::int64_t d = denominator;
    const std::int64_t n = (2 * millionths(f) * d + million) / (2 * million);

    if (n != 0) {
        // Zero prints without a sign, so a value between -1 and 0 would read as positive.
        if (v < 0 && whole == 0) result.insert(0, "-");
        const std::int64_t g = std::gcd(n, d);
        result += " " + std::to_string(n / g) + "/" + std::to_string(d / g);
    }
    return result;
}

} // namespace calc
