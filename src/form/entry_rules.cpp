// The entry: every change of txtDecimal passes through its input rules, and the number
// shown on the face mirrors it.
#include <cmath>

#include "design_values.h"
#include "frmMain.h"
#include "number_text.h"

namespace calc {

namespace {

bool ends_with(const std::string& text, std::string_view tail) {
    return text.ends_with(tail);
}

std::string without_last(const std::string& text) {
    return text.substr(0, text.size() - 1);
}

bool accepted(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == '/' || c == '*';
}

} // namespace

void frmMain::check_input() {
    const std::string& text = txtDecimal.text();
    if (text.empty() || accepted(text.back())) return;
    txtDecimal.set_text(without_last(text));
}

void frmMain::txtDecimal_Change() {
    // A character that would take the entry beyond the range of a double is refused, so the
    // entry always holds a number the calculator can compute with.
    if (overflows(txtDecimal.text())) {
        txtDecimal.set_text(without_last(txtDecimal.text()));
        return;
    }

    check_input();

    if (ends_with(txtDecimal.text(), ".")) {
        // A point after a value with a fraction is refused. The whole part is the floor, so a
        // negative fraction ("-1.5") has one too; truncation would let "-1.5." through.
        const double v = read_leading(txtDecimal.text());
        if (v - std::floor(v) > 0) txtDecimal.set_text(without_last(txtDecimal.text()));
        if (ends_with(txtDecimal.text(), "..")) {
            txtDecimal.set_text(without_last(txtDecimal.text()));
        }
    }

    // The operator rule: an operator at the end ends the number and makes the operation
    // pending; during the conversion set-up + and - step the unit list instead.
    for (const char op : {'+', '-', '*', '/'}) {
        if (!ends_with(txtDecimal.text(), std::string(1, op))) continue;
        txtDecimal.set_text(without_last(txtDecimal.text()));
        operator_typed(op);
    }

    lblDigit.caption = print_default(read_leading(txtDecimal.text()));
    txtDecimal.caret_to_end();
}

void frmMain::operator_typed(char op) {
    if (picConvert.visible && (op == '+' || op == '-')) {
        if (op == '+') {
            select_right();
        } else {
            select_left();
        }
        return;
    }
    first_value = read_leading(txtDecimal.text());
    lblStatus.caption = design::pending_status(txtDecimal.text(), std::string_view(&op, 1));
    txtDecimal.set_text("0");
}

void frmMain::txtDecimal_NoRoom(char c) {
    // An operator needs no room in the entry: it ends the number, so it acts on a full entry
    // just as on a shorter one instead of being lost.
    if (c == '+' || c == '-' || c == '*' || c == '/') operator_typed(c);
}

void frmMain::lblNumber_Click(int Index) {
    const std::string& tag = lblNumber.at(static_cast<std::size_t>(Index)).tag;
    if (picPrecision.visible) {
        txtPrecision.set_text(txtPrecision.text() + tag);
    } else if (ee_mode) {
        txtEE.set_text(txtEE.text() + tag);
    } else {
        txtDecimal.set_text(txtDecimal.text() + tag);
    }
}

void frmMain::txtDecimal_GotFocus() {
    txtDecimal.caret_to_end();
}

void frmMain::txtDecimal_KeyDown(int KeyCode, int /*Shift*/) {
    txtDecimal.caret_to_end();
    if (KeyCode != KeyBackspace) return;
    // A Backspace that would leave a sign with no digit after it ("-5" to "-", "1E+2" to
    // "1E+") takes that sign too, so deleting never makes an operation pending.
    const std::string& text = txtDecimal.text();
    if (text.empty()) return;
    const std::string rest = without_last(text);
    std::size_t cut = 1;
    if (rest == "-") cut = 2;
    if (ends_with(rest, "E+") || ends_with(rest, "E-")) cut = 3;
    txtDecimal.set_sel_start(static_cast<int>(text.size() - cut));
    txtDecimal.set_sel_length(static_cast<int>(cut));
}

void frmMain::txtDecimal_LostFocus() {
    // While the entry is enabled nothing else keeps the keyboard; a refusal is ignored.
    set_focus(txtDecimal);
}

} // namespace calc
