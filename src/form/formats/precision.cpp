// The display style keys and the precision panel: decimal places or the largest denominator,
// applied at every change of the precision field.
#include <string>

#include "design_values.h"
#include "display_patterns.h"
#include "frmMain.h"
#include "key_table.h"
#include "number_text.h"

namespace calc {

void frmMain::lblSetDec_Click() {
    arrow_on[lamp::FractionDisplay].visible = false;
    arrow_on[lamp::DecimalDisplay].visible = true;
    frac_mode = 0;
    show_precision();
    do_format();
}

void frmMain::lblSetFrac_Click() {
    arrow_on[lamp::DecimalDisplay].visible = false;
    arrow_on[lamp::FractionDisplay].visible = true;
    frac_mode = 1;
    show_precision();
    do_format();
}

void frmMain::lblSetPrec_Click() {
    Disable_ALL();
    show_precision();
    enable_keys_live_in(key::InPrecision);
    if (!arrow_on[lamp::PrecisionEntry].visible) {
        arrow_on[lamp::PrecisionEntry].visible = true;
        picPrecision.visible = true;
        txtDecimal.enabled = false;
        txtPrecision.enabled = true;
        set_focus(txtPrecision);
        // The field keeps its text from the last precision entry.
    }
}

void frmMain::txtPrecision_Change() {
    check_precision();
    // Every write below runs this handler again at once; each step reads the text afresh.
    // The caret goes to the end after the write-back ("" to "0", "05" to "5"), so the next
    // digit typed lands after the others.
    txtPrecision.set_text(print_default(read_leading(txtPrecision.text())));
    txtPrecision.caret_to_end();
    auto value = [this] { return read_leading(txtPrecision.text()); };
    auto keep_last_digit = [this] {
        const std::string& text = txtPrecision.text();
        txtPrecision.set_text(text.substr(text.size() - 1));
        txtPrecision.caret_to_end();
    };
    if (frac_mode == 0) {
        // 0 places gives whole numbers. A minus put in front of the digits (the caret moved
        // there with Home or Left) is dropped, so the setting never goes below 0.
        if (value() > design::max_places) keep_last_digit();
        if (value() < 0) {
            txtPrecision.set_text(txtPrecision.text().substr(1));
            txtPrecision.caret_to_end();
        }
    } else {
        if (value() > design::max_denominator) keep_last_digit();
        if (value() < 1) {
            txtPrecision.set_text("1");
            txtPrecision.caret_to_end();
        }
    }
    do_precision();
}

void frmMain::txtPrecision_LostFocus() {
    // While the panel is open the field keeps the keyboard; once closed it is disabled and
    // the refusal is ignored.
    set_focus(txtPrecision);
}

void frmMain::show_precision() {
    if (frac_mode != 0) {
        lblPrecision.caption = std::to_string(frac_denom);
        lblPrecStyle.caption = design::denominator_caption();
        lblPrec.caption = "PRECISION: 1/" + std::to_string(frac_denom);
    } else {
        lblPrecision.caption = std::to_string(dec_places);
        lblPrecStyle.caption = design::places_caption();
        lblPrec.caption = "PRECISION: " + precision_pattern(dec_places);
    }
}

void frmMain::do_precision() {
    lblPrecision.caption = print_default(read_leading(txtPrecision.text()));
    const std::int16_t setting = to_integer(read_leading(lblPrecision.caption));
    if (frac_mode != 0) {
        frac_denom = setting;
        lblPrec.caption = "PRECISION: 1/" + std::to_string(frac_denom);
    } else {
        dec_places = setting;
        lblPrec.caption = "PRECISION: " + precision_pattern(dec_places);
    }
    // Applied at once, so places cut by a smaller setting do not come back with a larger one.
    do_format();
}

void frmMain::check_precision() {
    const std::string& text = txtPrecision.text();
    if (text.empty()) return;
    const char last = text.back();
    if (last >= '0' && last <= '9') return;
    txtPrecision.set_text(text.substr(0, text.size() - 1));
}

} // namespace calc
