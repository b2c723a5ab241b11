// Clear, backspace and change of sign.
#include <cmath>

#include "design_values.h"
#include "frmMain.h"
#include "number_text.h"

namespace calc {

void frmMain::do_clear() {
    txtDecimal.enabled = true;
    txtPrecision.enabled = false;
    txtEE.enabled = false;
    ee_mode = false;
    first_value = 0;
    second_value = 0;
    txtDecimal.max_length = design::entry_length;
    lblStatus.caption = design::no_operation;
    txtDecimal.set_text("0");
    arrow_on[lamp::PrecisionEntry].visible = false;
    picPrecision.visible = false;
    if (picConvert.visible) {
        // A set-up in progress is cancelled; a finished one keeps converting.
        picConvert.visible = false;
        conversion_off();
    }
    lblDigit.caption = "0";
    Enable_ALL();
}

void frmMain::lblClear_Click() {
    do_clear();
}

void frmMain::lblBack_Click() {
    set_focus(txtDecimal);
    txtDecimal.caret_to_end();
    // The same path as the keyboard's Backspace: form, field key handler, edit, change.
    type_key(KeyBackspace);
}

void frmMain::lblPosNeg_Click() {
    if (!ee_mode) {
        const std::string text = txtDecimal.text();
        if (text.starts_with("-")) {
            txtDecimal.max_length = design::entry_length;
            txtDecimal.set_text(text.substr(1));
        } else {
            txtDecimal.max_length = design::signed_entry_length;
            // An empty entry counts as 0, so the sign never turns into a pending subtraction.
            txtDecimal.set_text("-" + (text.empty() ? std::string("0") : text));
        }
        return;
    }
    const std::string exponent = txtEE.text();
    if (!exponent.starts_with("-")) {
        txtEE.set_text(exponent + "-");
        return;
    }
    try {
        txtEE.set_text(print_default(std::fabs(read_strict(exponent))));
    } catch (const RuntimeFault&) {
        // A minus typed inside the exponent ("--5"): the sign key makes it positive.
        std::string digits;
        for (const char c : exponent) {
            if (c != '-') digits += c;
        }
        txtEE.set_text(digits.empty() ? "00" : digits);
    }
}

} // namespace calc
