// The conversion step of Enter: the value shown, from the from-unit to the to-unit.
#include "conversion/units.h"
#include "formats/number_text.h"
#include "frmMain/frmMain.h"

namespace calc {

namespace units {

namespace {

// clang-format off
constexpr double speed_table[speed_units][speed_units] = {
#include "conversion/tables/speed_multipliers.def"
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

} // namespace

void frmMain::convert_value() {
    // The value shown; in fraction display the face holds a fraction text ("3 1/4") that
    // does not read back as its value, so the entry's full value is converted instead.
    auto value_shown = [this] {
        return read_leading(frac_mode != 0 ? txtDecimal.text() : lblDigit.caption);
    };

    const units::Category* category = units::find_category(conv_category);
    if (category == nullptr) return; // no category chosen: nothing to convert
    double result = 0;
    switch (category->kind) {
    case units::Kind::Temperature: {
        const double k = units::temperature_to_kelvin(value_shown(), unit_code(from_factor));
        result = units::temperature_from_kelvin(k, unit_code(to_factor));
        break;
    }
    case units::Kind::Speed: {
        const double x = value_shown();
        result = x * units::speed_multiplier(unit_code(from_factor), unit_code(to_factor));
        break;
    }
    case units::Kind::Ratio:
    case units::Kind::InverseRatio: {
        // Most factors count base units in one unit; WEIGHT's count units in one pound.
        const double f = read_leading(from_factor);
        const double t = read_leading(to_factor);
        const double ratio = checked(category->kind == units::Kind::InverseRatio ? t / f : f / t);
        result = value_shown() * ratio;
        break;
    }
    }
    txtDecimal.set_text(print_default(checked(result)));
}

} // namespace calc
