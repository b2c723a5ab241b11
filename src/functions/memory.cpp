// Placeholder until the memory register lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::lblMC_Click() {}
void frmMain::lblMS_Click() {}
void frmMain::lblMR_Click() {}
void frmMain::lblMPlus_Click() {}

} // namespace calc
