// The memory register: it holds text, kept character for character by set and recall.
#include "frmMain.h"
#include "number_text.h"

namespace calc {

void frmMain::lblMC_Click() {
    mem_value.clear();
}

void frmMain::lblMS_Click() {
    mem_value = txtDecimal.text();
}

void frmMain::lblMR_Click() {
    txtDecimal.set_text(mem_value);
    result_shown();
}

void frmMain::lblMPlus_Click() {
    std::string total;
    try {
        const double d = read_leading(txtDecimal.text());
        const double m = read_leading(mem_value);
        total = print_default(m + d);
    } catch (const RuntimeFault&) {
        // A total beyond the range of a double is refused: the register keeps its value and
        // the entry is cleared with the error shown, so no hidden number lives on in it.
        error_display();
        return;
    }
    mem_value = total;
    txtDecimal.set_text(mem_value);
    result_shown();
}

} // namespace calc
