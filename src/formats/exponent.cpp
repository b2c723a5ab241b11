// Placeholder until the exponent entry lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::lblLog_Click() {}
void frmMain::txtEE_Change() {}
void frmMain::txtEE_LostFocus() {}
void frmMain::check_ee() {}

} // namespace calc
