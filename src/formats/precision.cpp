// Placeholder until the precision setting lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::lblSetDec_Click() {}
void frmMain::lblSetFrac_Click() {}
void frmMain::lblSetPrec_Click() {}
void frmMain::txtPrecision_Change() {}
void frmMain::txtPrecision_LostFocus() {}
void frmMain::show_precision() {}
void frmMain::do_precision() {}
void frmMain::check_precision() {}

} // namespace calc
