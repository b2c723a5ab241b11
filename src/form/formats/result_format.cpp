// Result formatting: every computed value is redrawn in the display style in force, and an
// exponent still being typed is folded into the entry first.
#include <algorithm>
#include <string>

#include "display_patterns.h"
#include "frmMain.h"
#include "number_text.h"

namespace calc {

namespace {

// Mantissa times ten to the exponent, as number text. The mantissa is the printed entry
// ("1.5", "-2", "1E+20"), the exponent the two-digit text shown beside it ("05", "-05", or
// empty for none). The exponents are added rather than the texts joined, so a mantissa that
// is itself printed in scientific form keeps the typed exponent: "1E+20" and "05" give 1E+25.
std::string fold_exponent(const std::string& mantissa, const std::string& exponent) {
    std::string digits = mantissa;
    double power = 0;
    const std::size_t letter = mantissa.find('E');
    if (letter != std::string::npos) {
        digits = mantissa.substr(0, letter);
        power = read_leading(mantissa.substr(letter + 1));
    }
    power += read_leading(exponent);
    // Both parts are small whole numbers; the clamp only keeps the conversion defined.
    power = std::clamp(power, -1e6, 1e6);
    return digits + "E" + std::to_string(static_cast<long long>(power));
}

} // namespace

void frmMain::do_format() {
    if (ee_mode) close_exponent_entry();

    if (frac_mode != 0) {
        // The entry keeps the full value; only the face shows the fraction.
        const double v = read_leading(txtDecimal.text());
        lblDigit.caption = GetFraction(print_default(v), frac_denom);
        return;
    }

    const double v = read_leading(txtDecimal.text());
    lblDigit.caption = print_default(read_leading(format_pattern(v, decimal_pattern(dec_places))));
    // The rounded value becomes the entry, so the next computation starts from what is shown.
    txtDecimal.set_text(lblDigit.caption);
}

void frmMain::close_exponent_entry() {
    if (!ee_mode) return;
    ee_mode = false;
    txtEE.enabled = false;
    txtDecimal.enabled = true;
    set_focus(txtDecimal);
    // The keys come back before the folding, which overflows for a value beyond the double
    // range: the error display then leaves the calculator in normal use.
    Enable_ALL();
    const std::string mantissa = print_default(read_leading(txtDecimal.text()));
    const std::string exponent = format_pattern(txtEE.text(), "00");
    txtDecimal.set_text(print_default(read_leading(fold_exponent(mantissa, exponent))));
}

} // namespace calc
