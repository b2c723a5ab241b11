// Which handler each event of the display-format controls runs.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::wire_formats() {
    lblSetDec.onClick = [this] { lblSetDec_Click(); };
    lblSetFrac.onClick = [this] { lblSetFrac_Click(); };
    lblSetPrec.onClick = [this] { lblSetPrec_Click(); };
    lblLog.onClick = [this] { lblLog_Click(); };
    txtPrecision.onChange = [this] { txtPrecision_Change(); };
    txtPrecision.onLostFocus = [this] { txtPrecision_LostFocus(); };
    txtEE.onChange = [this] { txtEE_Change(); };
    txtEE.onLostFocus = [this] { txtEE_LostFocus(); };
}

} // namespace calc
