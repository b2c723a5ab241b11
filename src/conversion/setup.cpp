// Placeholder until the converter lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::fill_unit_lists() {}
void frmMain::lblConv_Click() {}
void frmMain::select_right() {}
void frmMain::select_left() {}
void frmMain::lblRight_Click() {}
void frmMain::lblRight_MouseDown(int /*Button*/) {}
void frmMain::lblRight_MouseUp(int /*Button*/) {}
void frmMain::Label4_Click() {}
void frmMain::Label4_MouseDown(int /*Button*/) {}
void frmMain::Label4_MouseUp(int /*Button*/) {}
void frmMain::lblMath_MouseDown(int /*Index*/, int /*Button*/) {}
void frmMain::lblMath_MouseUp(int /*Index*/, int /*Button*/) {}
void frmMain::Timer2_Timer() {}
void frmMain::Timer3_Timer() {}
void frmMain::conversion_setup_enter() {}
void frmMain::convert_value() {}

} // namespace calc
