// Which handler each event of the engine's controls runs.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::wire_engine() {
    for (int i = 0; i < static_cast<int>(lblNumber.size()); ++i) {
        lblNumber[static_cast<std::size_t>(i)].onClick = [this, i] { lblNumber_Click(i); };
    }
    for (int i = 0; i < static_cast<int>(lblMath.size()); ++i) {
        lblMath[static_cast<std::size_t>(i)].onClick = [this, i] { lblMath_Click(i); };
    }
    lblEnter.onClick = [this] { lblEnter_Click(); };
    lblClear.onClick = [this] { lblClear_Click(); };
    lblBack.onClick = [this] { lblBack_Click(); };
    lblPosNeg.onClick = [this] { lblPosNeg_Click(); };
    txtDecimal.onChange = [this] { txtDecimal_Change(); };
    txtDecimal.onGotFocus = [this] { txtDecimal_GotFocus(); };
    txtDecimal.onKeyDown = [this](int key, int shift) { txtDecimal_KeyDown(key, shift); };
    txtDecimal.onLostFocus = [this] { txtDecimal_LostFocus(); };
    txtDecimal.onNoRoom = [this](char c) { txtDecimal_NoRoom(c); };
}

} // namespace calc
