// Sine, cosine, tangent and their inverses in the angle mode, and the angle-mode key.
#include "frmMain.h"
#include "function_math.h"
#include "number_text.h"

namespace calc {

namespace {

// Sets drg_factor from the angle-mode word and gives the unit of the mode. Exact radians per
// unit (pi/180, pi/200) keep sin 30 at 0.5 and arcsin 0.5 at 30.
AngleUnit angle_mode(frmMain& f) {
    AngleUnit unit{0.0, f.drg_factor};
    if (f.drg_mode == "DEG") unit = degrees;
    if (f.drg_mode == "RAD") unit = radians;
    if (f.drg_mode == "GRAD") unit = grads;
    f.drg_factor = unit.radians;
    return unit;
}

// One trigonometric key: the function of the entry value in the angle mode becomes the entry,
// then the result is formatted. Any fault on the way ends in the error display.
void trig_key(frmMain& f, double (*function)(double, const AngleUnit&)) {
    try {
        const AngleUnit unit = angle_mode(f);
        const double x = read_leading(f.txtDecimal.text());
        f.txtDecimal.set_text(print_default(function(x, unit)));
        f.do_format();
        f.result_shown();
    } catch (const RuntimeFault&) {
        f.error_display();
    }
}

} // namespace

void frmMain::lblSin_Click() {
    trig_key(*this, sine);
}
void frmMain::lblCos_Click() {
    trig_key(*this, cosine);
}
void frmMain::lblTan_Click() {
    trig_key(*this, tangent);
}
void frmMain::lblAsin_Click() {
    trig_key(*this, arcsine);
}
void frmMain::lblAcos_Click() {
    trig_key(*this, arccosine);
}
void frmMain::lblAtan_Click() {
    trig_key(*this, arctangent);
}

// Any button steps the mode; the lamp shows the key held. A value already shown stays as it
// is: it is not converted into the new unit.
void frmMain::LBLDRG_MouseDown(int /*Button*/) {
    arrow_on[lamp::AngleKeyHeld].visible = true;
    if (drg_mode == "DEG") {
        drg_mode = "RAD";
    } else if (drg_mode == "RAD") {
        drg_mode = "GRAD";
    } else if (drg_mode == "GRAD") {
        drg_mode = "DEG";
    }
    lblDRGMode.caption = drg_mode;
}

void frmMain::LBLDRG_MouseUp(int /*Button*/) {
    arrow_on[lamp::AngleKeyHeld].visible = false;
}

} // namespace calc
