// How numbers are written around the world: a region's separators, and the digits and signs
// of other scripts that mean the calculator's own characters.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// How the user's region writes a number: its decimal separator and digit grouping
// separator, each as UTF-8 ("," and "." in Germany, "," and a no-break space in France).
struct NumberRegion {
    std::string decimal = ".";
    std::string group = ",";
};

// Whether the region writes the decimal separator as a comma (and so reads "1,234" as a bit
// more than one).
bool writes_decimal_comma(const NumberRegion& region);

// The code points of UTF-8 text; a byte that starts no valid character reads as U+FFFD.
std::u32string code_points(std::string_view utf8);

// The calculator's character that a typed or pasted character means: printable ASCII as it
// is; the Arabic-Indic (U+0660-0669) and Persian (U+06F0-06F9) digits as 0-9; the Arabic
// decimal separator (U+066B) as the point and the Arabic percent sign (U+066A) as %;
// anything else 0.
char calculator_char(char32_t c);

// A number as shown on the face, written for the clipboard in the region's way: its decimal
// separator for the point, nothing else changed (no grouping, the exponent stays "E").
std::string regional_copy(std::string_view shown, const NumberRegion& region);

} // namespace calc
