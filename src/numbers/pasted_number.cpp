// The number rule of a paste: one number, as people write it, becomes the entry.
#include "pasted_number.h"

#include "number_text.h"

namespace calc {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The digits from i on; returns where they end.
std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i])) ++i;
    return i;
}

} // namespace

std::optional<std::string> pasted_entry(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view s = text.substr(first, text.find_last_not_of(blanks) - first + 1);

    std::string number; // the text without its grouping commas, read by the number rules
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    const std::size_t int_start = i;
    i = skip_digits(s, i);
    std::size_t digits = i - int_start;
    number.append(s.substr(0, i));
    if (i < s.size() && s[i] == ',') {
        // Grouping: one to three digits first, then every group exactly three.
        if (digits == 0 || digits > 3) return std::nullopt;
        while (i < s.size() && s[i] == ',') {
            const std::size_t end = skip_digits(s, i + 1);
            if (end - (i + 1) != 3) return std::nullopt;
            number.append(s.substr(i + 1, 3));
            digits += 3;
            i = end;
        }
    }
    if (i < s.size() && s[i] == '.') {
        const std::size_t end = skip_digits(s, i + 1);
        digits += end - (i + 1);
        number.append(s.substr(i, end - i));
        i = end;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t end = skip_digits(s, j);
        if (end == j) return std::nullopt;
        number.append(s.substr(i, end - i));
        i = end;
    }
    if (i != s.size()) return std::nullopt;

    try {
        return print_default(read_leading(number));
    } catch (const RuntimeFault&) {
        return std::nullopt; // beyond the double range, or printed beyond it
    }
}

} // namespace calc
