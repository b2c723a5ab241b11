// Placeholder until trigonometry lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::lblSin_Click() {}
void frmMain::lblCos_Click() {}
void frmMain::lblTan_Click() {}
void frmMain::lblAsin_Click() {}
void frmMain::lblAcos_Click() {}
void frmMain::lblAtan_Click() {}
void frmMain::LBLDRG_MouseDown(int /*Button*/) {}
void frmMain::LBLDRG_MouseUp(int /*Button*/) {}

} // namespace calc
