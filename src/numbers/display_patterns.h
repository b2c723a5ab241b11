// The decimal display's patterns, shared by the result formatting and the precision panel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace calc {

// What the precision panel shows for a number of decimal places: "0" for none (or a negative
// setting), otherwise "0." followed by one "0" per place.
inline std::string precision_pattern(std::int16_t places) {
    std::string pattern = "0";
    if (places > 0) {
        pattern += '.';
        pattern.append(static_cast<std::size_t>(places), '0');
    }
    return pattern;
}

// The pattern results are rounded with: at least one digit before the point, exactly the
// places after it.
inline std::string decimal_pattern(std::int16_t places) {
    return "#" + precision_pattern(places);
}

} // namespace calc
