// Hover help: every key names its function on the help line LBLSTAT; the bare face and the
// bare conversion panel empty it; lblStatusMode shows and hides the line.
#include "shell/hover.h"

#include <string_view>

namespace calc {

namespace {

struct HoverRow {
    std::string_view key; // control name
    std::string_view text;
};

// The keys with a fixed text. The digit and operation keys take theirs from their Tag.
constexpr HoverRow hover_rows[] = {
    {"lblFunction(0)", "1 / VALUE"},
    {"lblFunction(1)", "PERCENT VALUE"},
    {"lblFunction(2)", "SQUARE"},
    {"lblFunction(3)", "SQUARE ROOT"},
    {"lblPi", "PI = 3.1415927"},
    {"lblSin", "CALCULATE SINE VALUE"},
    {"lblCos", "CALCULATE COSINE VALUE"},
    {"lblTan", "CALCULATE TANGENT VALUE"},
    {"lblAsin", "CALCULATE ARCSINE VALUE"},
    {"lblAcos", "CALCULATE ARCCOSINE VALUE"},
    {"lblAtan", "CALCULATE ARCTANGENT VALUE"},
    {"LBLDRG", "SET DEGREE-RADIAN-GRADIENT MODE"},
    {"lblMC", "CLEAR MEMORY"},
    {"lblMS", "SET INTO MEMORY"},
    {"lblMR", "RECALL FROM MEMORY"},
    {"lblMPlus", "ADD INTO MEMORY"},
    {"lblEnter", "ENTER / ACCEPT"},
    {"lblClear", "CLEAR ALL"},
    {"lblBack", "BACKSPACE"},
    {"lblPosNeg", "POSITIVE / NEGATIVE VALUE"},
    {"lblLog", "SCIENTIFIC FORMAT"},
    {"lblSetDec", "DISPLAY RESULTS AS A DECIMAL VALUE"},
    {"lblSetFrac", "DISPLAY RESULTS AS A FRACTIONAL VALUE"},
    {"lblSetPrec", "SET DECIMAL PLACES AND FRACTION INCREMENTS"},
    {"lblConv", "SET CONVERSION MODE AND UNITS"},
    {"Label4", "SELECT PREVIOUS VALUE"},
    {"lblRight", "SELECT NEXT VALUE"},
    {"lblcopy", "COPY VALUE TO CLIPBOARD"},
    {"lblStatusMode", "TURN STATUS MESSAGES ON / OFF"},
};

} // namespace

std::optional<std::string> hover_text(const frmMain& form, const Control& key) {
    for (const Label& k : form.lblNumber) {
        if (&k == &key) return k.tag;
    }
    for (const Label& k : form.lblMath) {
        if (&k == &key) return k.tag + " MODE";
    }
    for (const HoverRow& row : hover_rows) {
        if (row.key == key.name()) return std::string(row.text);
    }
    return std::nullopt;
}

void frmMain::show_hover(const Control& key) {
    // Written on every movement, whether the line is shown or not.
    if (auto text = hover_text(*this, key)) LBLSTAT.caption = std::move(*text);
}

void frmMain::picBack1_MouseMove(int Button) {
    LBLSTAT.caption.clear();
    // The left button alone drags the window by its face; the window system's move takes
    // the mouse, so no button-up reaches the face afterwards.
    if (Button == LeftButton) {
        ReleaseCapture();
        platform().start_window_move();
    }
}

void frmMain::picConvert_MouseMove(int /*Button*/) {
    LBLSTAT.caption.clear();
}

void frmMain::lblStatusMode_Click() {
    const bool on = !arrow_on[lamp::HelpLine].visible;
    arrow_on[lamp::HelpLine].visible = on;
    LBLSTAT.visible = on;
}

} // namespace calc
