// The number rule of a paste, beside the other number texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_forms.h"

namespace calc {

// The entry a pasted text gives: the text must hold one number (blanks around it, an
// optional sign, digits, an optional decimal separator and decimals, an optional E exponent)
// within the calculator's range, written as the region writes numbers:
// - where the point is the decimal separator, digits may be grouped by commas in threes
//   before it ("1,234.5"), or by the region's own grouping character where that is an
//   apostrophe or a blank ("1'234.5" in Switzerland);
// - where the comma is, the comma is the separator and the digits may be grouped in threes
//   by blanks (spaces, no-break and thin spaces) or by the region's own grouping character
//   ("1.234,5" in Germany), so that "1,234" is 1.234 there; a text that cannot be read so is
//   read as the point form above ("1.5", "1,234.5").
// Digits of the Arabic-Indic and Persian scripts count as digits, the Arabic decimal and
// thousands separators as the point and the grouping comma. The entry is that number's
// default printing; nullopt refuses the paste.
std::optional<std::string> pasted_entry(std::string_view text, const NumberRegion& region = {});

} // namespace calc
