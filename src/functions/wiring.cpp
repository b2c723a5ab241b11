// Which handler each event of the function, trigonometry and memory keys runs.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::wire_functions() {
    for (int i = 0; i < static_cast<int>(lblFunction.size()); ++i) {
        lblFunction[static_cast<std::size_t>(i)].onClick = [this, i] { lblFunction_Click(i); };
    }
    lblPi.onClick = [this] { lblPi_Click(); };
    lblSin.onClick = [this] { lblSin_Click(); };
    lblCos.onClick = [this] { lblCos_Click(); };
    lblTan.onClick = [this] { lblTan_Click(); };
    lblAsin.onClick = [this] { lblAsin_Click(); };
    lblAcos.onClick = [this] { lblAcos_Click(); };
    lblAtan.onClick = [this] { lblAtan_Click(); };
    LBLDRG.onMouseDown = [this](int button) { LBLDRG_MouseDown(button); };
    LBLDRG.onMouseUp = [this](int button) { LBLDRG_MouseUp(button); };
    lblMC.onClick = [this] { lblMC_Click(); };
    lblMS.onClick = [this] { lblMS_Click(); };
    lblMR.onClick = [this] { lblMR_Click(); };
    lblMPlus.onClick = [this] { lblMPlus_Click(); };
}

} // namespace calc
