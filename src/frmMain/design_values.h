// Texts and limits of the form's design that more than one procedure writes or checks.
#pragma once

#include <string_view>

namespace calc::design {

inline constexpr int entry_length = 20;        // characters the entry takes from the keyboard
inline constexpr int signed_entry_length = 21; // the same with a leading minus
inline constexpr int max_places = 16;          // decimal places of results, from 0
inline constexpr int max_denominator = 32;     // largest denominator of fractions, from 1

inline constexpr std::string_view pi_text = "3.1415927";    // what the pi key writes
inline constexpr std::string_view no_operation = "STATUS:"; // the status line with none pending
inline constexpr std::string_view places_caption = "DECIMAL PLACES: 1-16";
inline constexpr std::string_view denominator_caption = "DENOMINATOR: 1-32";

// The unit captions under the display while converting, before each unit's abbreviation.
inline constexpr std::string_view from_unit_caption = "UNITS: ";
inline constexpr std::string_view to_unit_caption = "CONVERT: ";

// The set-up panel's title at each step.
inline constexpr std::string_view category_step = "UNIT OF MEASUREMENT:";
inline constexpr std::string_view from_step = "CURRENT UNITS:";
inline constexpr std::string_view to_step = "CONVERT TO:";

} // namespace calc::design
