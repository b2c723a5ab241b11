// Which handler each event of the window shell runs: hover help on every key, the face's
// drag, the status-messages switch, exit and copy.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::wire_shell() {
    for (Control* c : controls()) {
        auto* label = dynamic_cast<Label*>(c);
        if (label == nullptr || !(label->is_key() || label == &Label4 || label == &lblRight)) {
            continue;
        }
        if (label == &lblExit) continue; // the exit key names nothing
        label->onMouseMove = [this, label](int) { show_hover(*label); };
    }
    picBack1.onMouseMove = [this](int buttons) { picBack1_MouseMove(buttons); };
    picConvert.onMouseMove = [this](int buttons) { picConvert_MouseMove(buttons); };
    lblStatusMode.onClick = [this] { lblStatusMode_Click(); };
    lblExit.onClick = [this] { lblExit_Click(); };
    lblcopy.onClick = [this] { lblcopy_Click(); };
}

} // namespace calc
