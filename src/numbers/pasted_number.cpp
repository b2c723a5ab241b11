// The number rule of a paste: one number, as people write it where they live, becomes the
// entry.
#include "pasted_number.h"

#include "number_text.h"

namespace calc {

namespace {

// What a character of a paste is to the grammar: digits of any script as '0'-'9', signs and
// E as themselves, and these marks for the separators.
constexpr char arabic_decimal = 'D'; // U+066B
constexpr char arabic_group = 'G';   // U+066C
constexpr char blank_group = ' ';    // a space, no-break, narrow no-break or thin space
constexpr char apostrophe = '\'';    // ' or U+2019, as in Switzerland

char mark_of(char32_t c) {
    switch (c) {
    case U'\u066b': return arabic_decimal;
    case U'\u066c': return arabic_group;
    case U' ':
    case U'\u00a0':
    case U'\u202f':
    case U'\u2009': return blank_group;
    case U'\u2019': return apostrophe;
    default: break;
    }
    const char ascii = calculator_char(c);
    if (ascii >= '0' && ascii <= '9') return ascii;
    constexpr std::string_view signs = "+-eE.,'";
    if (c < 0x7f && signs.find(ascii) != std::string_view::npos) return ascii;
    return '?';
}

// Which marks separate the decimals and which group the digits.
struct Grammar {
    std::string_view decimals;
    std::string groups;
};

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_one_of(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

// The digits from i on; returns where they end.
std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i])) ++i;
    return i;
}

// The number the marks hold under a grammar, as the number rules read it, or nullopt.
std::optional<std::string> plain_number(std::string_view s, const Grammar& grammar) {
    std::string number; // without its grouping, with the point for its separator
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    const std::size_t int_start = i;
    i = skip_digits(s, i);
    std::size_t digits = i - int_start;
    number.append(s.substr(0, i));
    if (i < s.size() && is_one_of(s[i], grammar.groups)) {
        // Grouping: one to three digits first, then every group exactly three, all by the
        // same character.
        const char group = s[i];
        if (digits == 0 || digits > 3) return std::nullopt;
        while (i < s.size() && s[i] == group) {
            const std::size_t end = skip_digits(s, i + 1);
            if (end - (i + 1) != 3) return std::nullopt;
            number.append(s.substr(i + 1, 3));
            digits += 3;
            i = end;
        }
    }
    if (i < s.size() && is_one_of(s[i], grammar.decimals)) {
        const std::size_t end = skip_digits(s, i + 1);
        digits += end - (i + 1);
        number += '.';
        number.append(s.substr(i + 1, end - (i + 1)));
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
    return number;
}

} // namespace

std::optional<std::string> pasted_entry(std::string_view text, const NumberRegion& region) {
    const std::u32string chars = code_points(text);
    constexpr std::u32string_view blanks = U" \t\r\n";
    const auto first = chars.find_first_not_of(blanks);
    if (first == std::u32string::npos) return std::nullopt;
    const auto last = chars.find_last_not_of(blanks);
    std::string marks;
    for (std::size_t i = first; i <= last; ++i) marks += mark_of(chars[i]);

    const auto group_chars = code_points(region.group);
    const char region_group = group_chars.empty() ? '?' : mark_of(group_chars.front());
    const Grammar point_form{".D", ",G"};
    std::optional<std::string> number;
    if (writes_decimal_comma(region)) {
        // The region's own form first: that decides a text both forms could read ("1,234").
        Grammar own{",D", {blank_group, arabic_group}};
        if (region_group == '.' || region_group == apostrophe) own.groups += region_group;
        number = plain_number(marks, own);
    } else if (region_group == apostrophe || region_group == blank_group) {
        // A point region that groups otherwise than by commas (Switzerland: 1'234.5).
        Grammar own = point_form;
        own.groups += region_group;
        number = plain_number(marks, own);
    }
    if (!number) number = plain_number(marks, point_form);
    if (!number) return std::nullopt;
    try {
        return print_default(read_leading(*number));
    } catch (const RuntimeFault&) {
        return std::nullopt; // beyond the double range, or printed beyond it
    }
}

} // namespace calc
