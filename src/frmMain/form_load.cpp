// Start-up and the procedures that disable and enable every key at once.
#include "frmMain/frmMain.h"

namespace calc {

void frmMain::Form_Load() {
    frac_mode = 0;
    dec_places = 8;
    frac_denom = 16;
    drg_mode = "DEG";
    show_precision();
}

namespace {

// The keys a modal entry takes away; Enter, clear and exit are never among them.
template <typename F>
void for_each_switchable_key(frmMain& f, F set) {
    for (Label* k :
         {&f.lblSetDec, &f.lblSetFrac, &f.lblConv, &f.LBLDRG, &f.lblSetPrec, &f.lblSin, &f.lblCos,
          &f.lblTan, &f.lblAsin, &f.lblAcos, &f.lblAtan, &f.lblPi, &f.lblBack}) {
        set(*k);
    }
    for (auto& k : f.lblFunction) set(k);
    for (auto& k : f.lblMath) set(k);
    set(f.lblPosNeg);
    set(f.lblLog);
    set(f.lblcopy);
    for (auto& k : f.lblNumber) set(k);
    for (Label* k : {&f.lblMPlus, &f.lblMC, &f.lblMR, &f.lblMS, &f.lblStatusMode}) set(*k);
}

} // namespace

void frmMain::Disable_ALL() {
    for_each_switchable_key(*this, [](Label& k) { k.enabled = false; });
}

void frmMain::Enable_ALL() {
    for_each_switchable_key(*this, [](Label& k) { k.enabled = true; });
}

} // namespace calc
