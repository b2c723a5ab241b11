// The conversion step of Enter: the value shown, from the from-unit to the to-unit.
#include "frmMain.h"
#include "number_text.h"
#include "units.h"

namespace calc {

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
