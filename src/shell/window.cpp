// Placeholder until the window behaviour lands.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::Form_Resize() {
    form_width = picBack1.rect().width;
    form_height = picBack1.rect().height;
}
void frmMain::lblExit_Click() {
    platform().exit_program();
}
void frmMain::lblcopy_Click() {}

} // namespace calc
