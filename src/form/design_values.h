// Texts and limits of the form's design that more than one procedure writes or checks.
#pragma once

#include <string>
#include <string_view>

#include "controls.h"

namespace calc::design {

// The pictures' places and sizes in twips: the window draws each picture at its size.
inline constexpr Rect face_rect{0, 0, 3540, 3000};
inline constexpr Rect panel_rect{105, 195, 3330, 855}; // both panels, over the display area
inline constexpr Rect horizontal_lamp{0, 0, 135, 60};
inline constexpr Rect vertical_lamp{0, 0, 60, 90};

inline constexpr int entry_length = 20;        // characters the entry takes from the keyboard
inline constexpr int signed_entry_length = 21; // the same with a leading minus
inline constexpr int max_places = 16;          // decimal places of results, from 0
inline constexpr int max_denominator = 32;     // largest denominator of fractions, from 1

inline constexpr std::string_view pi_text = "3.1415927";    // what the pi key writes
inline constexpr std::string_view no_operation = "STATUS:"; // the status line with none pending
// The precision panel's range captions, written from the limits above.
inline std::string places_caption() {
    return "DECIMAL PLACES: 1-" + std::to_string(max_places);
}
inline std::string denominator_caption() {
    return "DENOMINATOR: 1-" + std::to_string(max_denominator);
}

// The status line while an operation waits for Enter: "STATUS: 12 (+)".
inline std::string pending_status(std::string_view entry, std::string_view op) {
    return std::string(no_operation) + " " + std::string(entry) + " (" + std::string(op) + ")";
}

// The unit captions under the display while converting, before each unit's abbreviation.
inline constexpr std::string_view from_unit_caption = "UNITS: ";
inline constexpr std::string_view to_unit_caption = "CONVERT: ";

// The set-up panel's title at each step.
inline constexpr std::string_view category_step = "UNIT OF MEASUREMENT:";
inline constexpr std::string_view from_step = "CURRENT UNITS:";
inline constexpr std::string_view to_step = "CONVERT TO:";

} // namespace calc::design
