// Start-up and the procedures that disable and enable every key at once.
#include "frmMain.h"
#include "key_table.h"

namespace calc {

void frmMain::Form_Load() {
    frac_mode = 0;
    dec_places = 8;
    frac_denom = 16;
    drg_mode = "DEG";
    show_precision();
}

void frmMain::Disable_ALL() {
    // Enter, clear, exit and the set-up panel's keys are never switched off.
    for (const KeyRow& row : key_table()) {
        if (row.live != key::Always) row.label(*this).enabled = false;
    }
}

void frmMain::Enable_ALL() {
    for (const KeyRow& row : key_table()) {
        if (row.live != key::Always) row.label(*this).enabled = true;
    }
}

void frmMain::enable_keys_live_in(unsigned modal) {
    for (const KeyRow& row : key_table()) {
        if ((row.live & modal) != 0) row.label(*this).enabled = true;
    }
}

} // namespace calc
