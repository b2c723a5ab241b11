// Placeholder until the function keys land.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::lblFunction_Click(int /*Index*/) {}
void frmMain::lblPi_Click() {}

} // namespace calc
