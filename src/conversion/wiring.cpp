// Which handler each event of the converter's controls runs.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::wire_conversion() {
    lblConv.onClick = [this] { lblConv_Click(); };
    lblRight.onClick = [this] { lblRight_Click(); };
    lblRight.onMouseDown = [this](int button) { lblRight_MouseDown(button); };
    lblRight.onMouseUp = [this](int button) { lblRight_MouseUp(button); };
    Label4.onClick = [this] { Label4_Click(); };
    Label4.onMouseDown = [this](int button) { Label4_MouseDown(button); };
    Label4.onMouseUp = [this](int button) { Label4_MouseUp(button); };
    for (int i = 0; i < static_cast<int>(lblMath.size()); ++i) {
        auto& key = lblMath[static_cast<std::size_t>(i)];
        key.onMouseDown = [this, i](int button) { lblMath_MouseDown(i, button); };
        key.onMouseUp = [this, i](int button) { lblMath_MouseUp(i, button); };
    }
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

} // namespace calc
