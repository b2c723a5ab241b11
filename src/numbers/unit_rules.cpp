// The fixed rules of the two categories that convert by unit code instead of by factor:
// temperature through kelvin, speed through its table of multipliers.
#include "number_text.h"
#include "units.h"

namespace calc {

namespace units {

namespace {

// clang-format off
constexpr double speed_table[speed_units][speed_units] = {
#include "tables/speed_multipliers.def"
};
// clang-format on

} // namespace

double speed_multiplier(int from_code, int to_code) {
    if (from_code < 0 || from_code >= speed_units || to_code < 0 || to_code >= speed_units) {
        return 1;
    }
    // Through the default printing: the multiplier keeps at most 15 significant digits.
    return read_leading(print_default(speed_table[from_code][to_code]));
}

double temperature_to_kelvin(double value, int code) {
    double k = value;
    switch (code) {
    case 0: k = k + 273.15; break;
    case 1: k = (k - 32) / 1.8 + 273.15; break;
    case 3: k = k / 1.8; break;
    case 4: k = k * 1.25 + 273.15; break;
    default: break; // kelvin (2) is kept as it is
    }
    return k;
}

double temperature_from_kelvin(double kelvin, int code) {
    double k = kelvin;
    switch (code) {
    case 0: k = k - 273.15; break;
    case 1: k = (k - 273.15) * 1.8 + 32; break;
    case 3: k = k * 1.8; break;
    case 4: k = (k - 273.15) / 1.25; break;
    default: break;
    }
    return k;
}

} // namespace units

} // namespace calc
