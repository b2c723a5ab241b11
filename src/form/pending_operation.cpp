// The pending operation, Enter, and the form's own key handling.
#include "design_values.h"
#include "frmMain.h"
#include "number_text.h"

namespace calc {

void frmMain::lblMath_Click(int Index) {
    if (picConvert.visible) {
        if (Index == 0) select_right();
        if (Index == 1) select_left();
        return;
    }
    first_value = read_leading(txtDecimal.text());
    lblStatus.caption =
        design::pending_status(txtDecimal.text(), lblMath.at(static_cast<std::size_t>(Index)).tag);
    txtDecimal.set_text("0");
}

void frmMain::lblEnter_Click() {
    do_enter();
}

void frmMain::Form_KeyDown(int KeyCode, int /*Shift*/) {
    // Every step is tried whatever the one before did; a refused focus move changes nothing.
    if (KeyCode == KeyEscape) do_clear();
    if (ee_mode) set_focus(txtEE);
    if (!precision_open()) set_focus(txtDecimal);
    if (precision_open()) set_focus(txtPrecision);
    if (KeyCode == KeyEnter) do_enter();
}

void frmMain::do_enter() {
    try {
        set_pointer(MousePointer::Busy);
        do_events();
        if (picConvert.visible) {
            conversion_setup_enter();
        } else {
            // An exponent being typed belongs to the entry: fold it in before the pending
            // operation reads the entry, so it is never lost.
            if (ee_mode) close_exponent_entry();
            second_value = read_leading(txtDecimal.text());
            const char op = pending_op();
            if (op == '+') txtDecimal.set_text(print_default(checked(first_value + second_value)));
            if (op == '-') txtDecimal.set_text(print_default(checked(first_value - second_value)));
            if (op == '*') txtDecimal.set_text(print_default(checked(first_value * second_value)));
            if (op == '/') txtDecimal.set_text(print_default(checked(first_value / second_value)));
            lblStatus.caption = design::no_operation;
            first_value = 0;
            second_value = 0;
            close_precision_entry();
            if (conv_mode) convert_value();
            do_format();
            // A computed result is kept for recall; Enter with nothing to compute only formats.
            if (op != '\0' || conv_mode) record_result();
            result_shown();
            set_pointer(MousePointer::Default);
        }
        do_events();
    } catch (const RuntimeFault&) {
        // A failing operation still ends the precision entry, or every further Enter would
        // fail again inside it.
        close_precision_entry();
        error_display();
    }
}

void frmMain::close_precision_entry() {
    if (!precision_open()) return;
    arrow_on[lamp::PrecisionEntry].visible = false;
    picPrecision.visible = false;
    txtDecimal.enabled = true;
    Enable_ALL();
    txtPrecision.enabled = false;
    set_focus(txtDecimal);
}

} // namespace calc
