// Reciprocal, percent, square, square root, and pi.
#include <cmath>

#include "design_values.h"
#include "frmMain.h"
#include "number_text.h"

namespace calc {

void frmMain::lblFunction_Click(int Index) {
    try {
        const double x = read_leading(txtDecimal.text());
        double r = 0;
        switch (Index) {
        case 0:
            if (x == 0) throw RuntimeFault("Division by zero");
            r = 1 / x;
            break;
        case 1:
            // Percent is the entry over a hundred, whatever operation is pending.
            r = x / 100;
            break;
        case 2: r = x * x; break;
        case 3:
            if (x < 0) throw RuntimeFault("Invalid procedure call or argument");
            r = std::sqrt(x);
            break;
        default: return;
        }
        // Overflow (a square, the reciprocal of a denormal) is found on the result by its printing.
        txtDecimal.set_text(print_default(r));
        do_format();
        result_shown();
    } catch (const RuntimeFault&) {
        error_display();
    }
}

void frmMain::lblPi_Click() {
    txtDecimal.set_text(std::string(design::pi_text));
    result_shown();
}

} // namespace calc
