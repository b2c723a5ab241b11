// The form's situation by name: each query is the one place that reads the caption or lamp
// holding it, and the rules that hold after every event.
#include <algorithm>
#include <cctype>

#include "design_values.h"
#include "frmMain.h"
#include "key_table.h"
#include "number_text.h"

namespace calc {

SetupStep frmMain::setup_step() const {
    if (lblTitle.caption == design::category_step) return SetupStep::Category;
    if (lblTitle.caption == design::from_step) return SetupStep::FromUnit;
    return SetupStep::ToUnit;
}

char frmMain::pending_op() const {
    // "STATUS: <entry> (<op>)": the operation is the character inside the closing brackets.
    const std::string& status = lblStatus.caption;
    if (status.size() < 3 || status[status.size() - 3] != '(' || status.back() != ')') {
        return '\0';
    }
    const char op = status[status.size() - 2];
    return op == '+' || op == '-' || op == '*' || op == '/' ? op : '\0';
}

bool frmMain::in_normal_use() const {
    return !ee_mode && !precision_open() && !picPrecision.visible && !picConvert.visible;
}

namespace {

bool shows_a_bad_number(const std::string& text) {
    std::string lower;
    for (const char c : text) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text.empty() || lower.find("inf") != std::string::npos ||
           lower.find("nan") != std::string::npos;
}

} // namespace

std::string frmMain::check_invariants() const {
    if (shows_a_bad_number(lblDigit.caption)) return "display shows '" + lblDigit.caption + "'";
    if (overflows(txtDecimal.text())) return "entry beyond the double range";
    if (arrow_on[lamp::DecimalDisplay].visible == arrow_on[lamp::FractionDisplay].visible) {
        return "decimal and fraction lamps agree";
    }
    if (arrow_on[lamp::DecimalDisplay].visible != (frac_mode == 0)) {
        return "display-style lamp disagrees";
    }
    if (arrow_on[lamp::Conversion].visible != conv_mode) return "conversion lamp disagrees";
    if (!lblEnter.enabled || !lblClear.enabled || !lblExit.enabled) {
        return "Enter, clear or exit disabled";
    }
    if (dec_places < 0 || dec_places > design::max_places) return "decimal places out of range";
    if (frac_denom < 1 || frac_denom > design::max_denominator) return "denominator out of range";
    const std::string& status = lblStatus.caption;
    const bool pending = pending_op() != '\0';
    if (status != design::no_operation && !(pending && status.starts_with("STATUS: "))) {
        return "status line '" + status + "'";
    }
    if (!pending && (first_value != 0 || second_value != 0)) return "operands without operation";
    if (mouse_pointer != MousePointer::Default) return "busy pointer left on";

    const bool precision = precision_open();
    if (precision != picPrecision.visible) return "precision lamp and panel disagree";
    const bool setup = picConvert.visible;
    if (int(ee_mode) + int(precision) + int(setup) > 1) return "two modal entries open";
    if (setup && !conv_mode) return "set-up panel without conversion mode";
    const bool converting = conv_mode && !setup;
    if (Label1.visible != converting || Label2.visible != converting) {
        return "unit labels disagree with conversion";
    }
    const TextField* want = ee_mode ? &txtEE : precision ? &txtPrecision : &txtDecimal;
    if (focus_ != want || !want->enabled) return "keyboard not on the situation's field";
    for (const TextField* field : {&txtDecimal, &txtEE, &txtPrecision, &Text1}) {
        if (field != want && field->enabled) return field->name() + " enabled out of turn";
    }
    if (setup) {
        const ListBox& list = setup_step() == SetupStep::Category ? List2 : List1;
        if (list_pos < 0 || list_pos >= list.count()) return "list position outside the list";
    }

    // Which keys the situation leaves enabled.
    for (const KeyRow& row : key_table()) {
        if (row.live == key::Always) continue;
        const Label& key = row.label(const_cast<frmMain&>(*this));
        bool allowed = true;
        if (ee_mode) allowed = (row.live & key::InExponent) != 0;
        if (precision) allowed = (row.live & key::InPrecision) != 0;
        if (setup) allowed = (row.live & key::InSetup) != 0;
        if (key.enabled != allowed) {
            return key.name() + (key.enabled ? " enabled" : " disabled") + " out of turn";
        }
    }
    return {};
}

} // namespace calc
