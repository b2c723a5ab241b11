// Which handler each event of the precision and exponent fields runs.
#include "frmMain.h"

namespace calc {

void frmMain::wire_formats() {
    txtPrecision.onChange = [this] { txtPrecision_Change(); };
    txtPrecision.onLostFocus = [this] { txtPrecision_LostFocus(); };
    txtEE.onChange = [this] { txtEE_Change(); };
    txtEE.onLostFocus = [this] { txtEE_LostFocus(); };
}

} // namespace calc
