// The number rule of a paste, beside the other number texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The entry a pasted text gives: the text must hold one number (blanks around it, an
// optional sign, digits grouped by commas in threes before the point, an optional point and
// decimals, an optional E exponent) within the calculator's range. The entry is that
// number's default printing; nullopt refuses the paste.
std::optional<std::string> pasted_entry(std::string_view text);

} // namespace calc
