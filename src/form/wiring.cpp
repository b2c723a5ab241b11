// Which handler each event of the entry field runs (the keys' handlers are in the key table).
#include "frmMain.h"

namespace calc {

void frmMain::wire_engine() {
    txtDecimal.onChange = [this] { txtDecimal_Change(); };
    txtDecimal.onGotFocus = [this] { txtDecimal_GotFocus(); };
    txtDecimal.onKeyDown = [this](int key, int shift) { txtDecimal_KeyDown(key, shift); };
    txtDecimal.onLostFocus = [this] { txtDecimal_LostFocus(); };
    txtDecimal.onNoRoom = [this](char c) { txtDecimal_NoRoom(c); };
}

} // namespace calc
