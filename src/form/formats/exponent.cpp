// The exponent entry: a power of ten of at most two digits, typed beside the entry as mantissa.
#include <cmath>
#include <string>

#include "frmMain.h"
#include "key_table.h"
#include "number_text.h"

namespace calc {

namespace {

// The exponent text's value. Editing inside the field can make a text beyond the range of a
// double ("1E309"); that counts as beyond any exponent, with its sign.
double exponent_value(const std::string& text) {
    try {
        return read_leading(text);
    } catch (const RuntimeFault&) {
        const std::size_t first = text.find_first_not_of(" \t\r\n");
        const bool negative = first != std::string::npos && text[first] == '-';
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
}

std::string without_last(const std::string& text) {
    return text.substr(0, text.size() - 1);
}

} // namespace

void frmMain::lblLog_Click() {
    Disable_ALL();
    enable_keys_live_in(key::InExponent);
    ee_mode = true;
    txtDecimal.enabled = false;
    txtEE.enabled = true;
    set_focus(txtEE);
    // The face shows mantissa and exponent from the first change of the field on.
    txtEE.set_text("00");
}

void frmMain::txtEE_Change() {
    // Every write below runs this handler again at once; each step reads the text afresh.
    check_ee();
    if (txtEE.text().starts_with("-") && txtEE.text().ends_with("-")) {
        txtEE.set_text(without_last(txtEE.text())); // a second minus
    }
    if (txtEE.text().ends_with("-") && !txtEE.text().starts_with("-")) {
        txtEE.set_text("-" + without_last(txtEE.text())); // the sign belongs in front
    }
    if (txtEE.text().size() > 3 && exponent_value(txtEE.text()) == 0) txtEE.set_text("00");
    const double value = exponent_value(txtEE.text());
    if (value > 99 || value < -99) {
        // A digit that would pass 99 starts the exponent anew.
        txtEE.set_text(txtEE.text().substr(txtEE.text().size() - 1));
        txtEE.caret_to_end();
    }
    lblDigit.caption =
        print_default(read_leading(txtDecimal.text())) + "E " + format_pattern(txtEE.text(), "00");
    txtEE.caret_to_end();
}

void frmMain::txtEE_LostFocus() {
    // While the entry is open the field keeps the keyboard; once closed it is disabled and
    // the refusal is ignored.
    set_focus(txtEE);
}

void frmMain::check_ee() {
    const std::string& text = txtEE.text();
    if (text.empty()) return;
    const char last = text.back();
    if ((last >= '0' && last <= '9') || last == '-') return;
    txtEE.set_text(without_last(text));
}

} // namespace calc
