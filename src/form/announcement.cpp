// What a screen reader says after a command: the one message for what it produced, made by
// comparing what the listener was last told with what the face shows now. Key echo speaks the
// keys themselves, so a typed digit adds nothing here.
#include <string>
#include <vector>

#include "frmMain.h"

namespace calc {

namespace {

std::string joined(const std::vector<std::string>& parts) {
    std::string message;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!message.empty()) message += ", ";
        message += part;
    }
    return message;
}

std::string angle_words(const std::string& mode) {
    if (mode == "RAD") return "Radians";
    if (mode == "GRAD") return "Grads";
    return "Degrees";
}

// The precision as set: decimal places, or the largest denominator of fractions.
std::string precision_words(const frmMain::Heard& h) {
    if (h.fraction) return "Largest denominator " + std::to_string(h.denominator);
    return "Precision " + std::to_string(h.places) + (h.places == 1 ? " place" : " places");
}

// The set-up's title and row as the panel shows them ("UNIT OF MEASUREMENT: AREA").
std::string setup_place(const frmMain& f) {
    return f.lblTitle.caption + " " + f.lblUnit.caption;
}

// The precision entry as its panel shows it.
std::string precision_place(const frmMain& f) {
    return joined({f.lblPrec.caption, f.lblPrecStyle.caption});
}

} // namespace

frmMain::Heard frmMain::heard_now() const {
    Heard h;
    h.display = lblDigit.caption;
    h.fraction = arrow_on[lamp::FractionDisplay].visible;
    h.angle = drg_mode;
    h.places = dec_places;
    h.denominator = frac_denom;
    h.help_line = arrow_on[lamp::HelpLine].visible;
    h.precision_open = precision_open();
    if (picConvert.visible) {
        h.setup_title = lblTitle.caption;
        h.setup_row = lblUnit.caption;
    }
    if (arrow_on[lamp::Conversion].visible && Label1.visible) {
        h.units = joined({Label1.caption, Label2.caption});
    }
    return h;
}

std::string frmMain::take_announcement() {
    const Heard now = heard_now();
    const Heard& before = heard_;
    std::vector<std::string> parts;
    if (!now.setup_title.empty()) {
        // The set-up: its title and row as each step begins, the row alone as it is stepped.
        if (now.setup_title != before.setup_title) {
            parts.push_back(setup_place(*this));
        } else if (now.setup_row != before.setup_row) {
            parts.push_back(now.setup_row);
        }
    } else {
        if (now.precision_open && !before.precision_open) parts.push_back(precision_place(*this));
        if (!now.precision_open && before.precision_open) parts.push_back(precision_words(now));
        if (now.units != before.units) {
            parts.push_back(now.units.empty() ? "Conversion off" : now.units);
        } else if (!before.setup_title.empty() && now.units.empty() &&
                   !arrow_on[lamp::Conversion].visible) {
            parts.push_back("Conversion off"); // the set-up left before it chose the units
        }
        if (now.fraction != before.fraction) {
            parts.push_back(now.fraction ? "Fraction display" : "Decimal display");
        }
        if (now.angle != before.angle) parts.push_back(angle_words(now.angle));
        if (now.help_line != before.help_line) {
            parts.push_back(now.help_line ? "Status messages on" : "Status messages off");
        }
        // The number shown: after a command that produced it, and after a mode that changed
        // how it reads.
        const bool redrawn = !parts.empty() && now.display != before.display;
        if (result_due_ || redrawn) parts.push_back(now.display);
    }
    heard_ = now;
    result_due_ = false;
    return joined(parts);
}

std::string frmMain::whereabouts() const {
    if (picConvert.visible) return setup_place(*this);
    if (precision_open()) return precision_place(*this);
    return lblDigit.caption;
}

} // namespace calc
