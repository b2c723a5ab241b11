// A region's separators and other scripts' digits, as the keyboard and the clipboard meet them.
#include "number_forms.h"

namespace calc {

bool writes_decimal_comma(const NumberRegion& region) {
    return region.decimal == ",";
}

std::u32string code_points(std::string_view utf8) {
    std::u32string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if ((lead & 0xe0) == 0xc0) {
            length = 2;
            c = lead & 0x1fu;
        } else if ((lead & 0xf0) == 0xe0) {
            length = 3;
            c = lead & 0x0fu;
        } else if ((lead & 0xf8) == 0xf0) {
            length = 4;
            c = lead & 0x07u;
        }
        bool valid = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xc0) == 0x80;
            c = (c << 6) | (next & 0x3fu);
        }
        // Overlong forms and surrogates are no characters either.
        constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (c < least[length] || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))) {
            valid = false;
        }
        out.push_back(valid ? c : U'\ufffd');
        i += valid ? length : 1;
    }
    return out;
}

char calculator_char(char32_t c) {
    if (c >= 0x20 && c < 0x7f) return static_cast<char>(c);
    if (c >= U'\u0660' && c <= U'\u0669') return static_cast<char>('0' + (c - U'\u0660'));
    if (c >= U'\u06f0' && c <= U'\u06f9') return static_cast<char>('0' + (c - U'\u06f0'));
    if (c == U'\u066b') return '.';
    if (c == U'\u066a') return '%';
    return 0;
}

std::string regional_copy(std::string_view shown, const NumberRegion& region) {
    std::string out;
    for (const char c : shown) {
        if (c == '.') {
            // A region that names no separator still gets a number, never "35" for 3.5.
            out += region.decimal.empty() ? std::string_view(".") : region.decimal;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace calc
