// Placeholder until result formatting lands: results stay in their plain printing.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::do_format() {
    if (ee_mode) close_exponent_entry();
}

void frmMain::close_exponent_entry() {
    ee_mode = false;
    txtEE.enabled = false;
    txtDecimal.enabled = true;
    set_focus(txtDecimal);
    Enable_ALL();
}

} // namespace calc
