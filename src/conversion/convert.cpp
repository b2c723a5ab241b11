// The conversion step of Enter: the value shown, from the from-unit to the to-unit.
#include "conversion/units.h"
#include "formats/number_text.h"
#include "frmMain/frmMain.h"

namespace calc {

namespace units {

namespace {

// To-units in one from-unit; row = from-code, column = to-code (0 CM/SEC, 1 M/SEC, 2 FT/SEC,
// 3 FT/MIN, 4 MPH, 5 KM/HR, 6 FL/MIN, 7 KNOTS, 8 LG/DAY, 9 MACH). Each entry is evaluated
// left to right in doubles exactly as written; one direction of a pair holds a constant
// and the other its reciprocal.
// clang-format off
constexpr double speed_table[speed_units][speed_units] = {
    {1, 1 / 100., 1 / 30.48, 1 / 0.508, 1 / 44.704, 1 / (100000. / 60 / 60), 1 / 335.28,
     1 / 51.4444, 1 / 5.588, 1 / 33162.2},
    {100., 1, 1 / 0.3048, 1 / 0.00508, 1 / 0.44704, 1 / (1000. / 60 / 60), 1 / 3.3528,
     1 / 0.514444, 1 / 0.05588, 1 / 331.622},
    {30.48, 0.3048, 1, 60., 1 / (5280. / 60 / 60), 1 / 0.91134, 1 / 11., 1 / 1.68781,
     1 / 0.18333, 1 / 1087.99869},
    {0.508, 0.00508, 1 / 60., 1, 1 / 88., 1 / 54.68067, 1 / 660., 1 / 101.2685, 1 / 11.,
     1 / 65279.92126},
    {44.704, 0.44704, 5280. / 60 / 60, 88., 1, 1 / 0.62137, 1 / 7.5, 1 / 1.15078, 1 / 0.125,
     1 / 741.81729},
    {100000. / 60 / 60, 1000. / 60 / 60, 0.91134, 54.68067, 0.62137, 1, 1 / 12.07008,
     1 / 1.852, 1 / 0.20117, 1 / 1193.83919},
    {335.28, 3.3528, 11., 660., 7.5, 12.07008, 1, 1 / 0.15344, 60., 1 / 98.90897},
    {51.4444, 0.514444, 1.68781, 101.2685, 1.15078, 1.852, 0.15344, 1, 1 / 0.10862,
     1 / 644.62216},
    {5.588, 0.05588, 0.18333, 11., 0.125, 0.20117, 1 / 60., 0.10862, 1, 1 / 5934.5383},
    {33162.2, 331.622, 1087.99869, 65279.92126, 741.81729, 1193.83919, 98.90897, 644.62216,
     5934.5383, 1},
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

namespace {

// A TEMPERATURE or SPEED code from its factor text ("0" to "9"); anything else is -1.
int unit_code(const std::string& factor) {
    const double v = read_leading(factor);
    return v >= 0 && v <= 9 && v == whole_part(v) ? static_cast<int>(v) : -1;
}

bool is_ratio_category(const std::string& category) {
    for (const auto& table : units::stored_tables()) {
        if (category == table.category) return true;
    }
    return false;
}

} // namespace

void frmMain::convert_value() {
    // The value shown; in fraction display the face holds a fraction text ("3 1/4") that
    // does not read back as its value, so the entry's full value is converted instead.
    auto value_shown = [this] {
        return read_leading(frac_mode != 0 ? txtDecimal.text() : lblDigit.caption);
    };

    double result = 0;
    if (conv_category == "TEMPERATURE") {
        const double k = units::temperature_to_kelvin(value_shown(), unit_code(from_factor));
        result = units::temperature_from_kelvin(k, unit_code(to_factor));
    } else if (conv_category == "SPEED") {
        const double x = value_shown();
        result = x * units::speed_multiplier(unit_code(from_factor), unit_code(to_factor));
    } else if (is_ratio_category(conv_category)) {
        // WEIGHT factors count units in one pound, the others base units in one unit.
        const double f = read_leading(from_factor);
        const double t = read_leading(to_factor);
        const double ratio = checked(conv_category == "WEIGHT" ? t / f : f / t);
        result = value_shown() * ratio;
    } else {
        return; // no category chosen: nothing to convert
    }
    txtDecimal.set_text(print_default(checked(result)));
}

} // namespace calc
