// Fractions: a value as a whole number and a reduced fraction in steps of 1 / denominator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// The number text rounded to six decimals, then written as its whole part and, when the
// rest rounds to a step, " n/d" reduced ("3.25", 16 gives "3 1/4"; "0.001", 16 gives "0").
std::string fraction_text(std::string_view decimal, std::int64_t denominator);

} // namespace calc
