#include "inverse_trig.h"

#include <cmath>

#include "number_text.h"

namespace calc {

namespace {

// The comparison is false for NaN as well, so NaN is refused here too.
void require_unit_range(double x) {
    if (!(x >= -1.0 && x <= 1.0)) throw RuntimeFault("Invalid procedure call or argument");
}

} // namespace

double Asin(double x) {
    require_unit_range(x);
    return std::asin(x);
}

double Acos(double x) {
    require_unit_range(x);
    return std::acos(x);
}

double Atan(double x) {
    if (std::isnan(x)) throw RuntimeFault("Invalid procedure call or argument");
    return std::atan(x);
}

} // namespace calc
