// Which handler each event of the face and the bare set-up panel runs: emptying the help line
// and the face's drag (the keys' own hover help is wired from the key table); and the timer
// of the shortcut badges.
#include "frmMain.h"

namespace calc {

void frmMain::wire_shell() {
    picBack1.onMouseMove = [this](int buttons) { picBack1_MouseMove(buttons); };
    picConvert.onMouseMove = [this](int buttons) { picConvert_MouseMove(buttons); };
    tmrBadges.onTimer = [this] { tmrBadges_Timer(); };
}

} // namespace calc
