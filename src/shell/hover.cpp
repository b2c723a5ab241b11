// Placeholder until hover help lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::show_hover(const Control& /*key*/) {}
void frmMain::picBack1_MouseMove(int /*Button*/) {}
void frmMain::picConvert_MouseMove(int /*Button*/) {}
void frmMain::lblStatusMode_Click() {}

} // namespace calc
