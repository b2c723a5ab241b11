// Which handler each event of the converter's timers runs (its keys' are in the key table).
#include "frmMain.h"

namespace calc {

void frmMain::wire_conversion() {
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

} // namespace calc
