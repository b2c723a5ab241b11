// The results of this run, newest first, kept in memory only: recalled from the face menu or
// with Ctrl+Up and Ctrl+Down as a shell recalls its commands.
#include "design_values.h"
#include "frmMain.h"
#include "pasted_number.h"

namespace calc {

void frmMain::record_result() {
    if (lblDigit.caption == "ERROR") return;
    history_pos_ = -1;
    // The same result again right after itself is kept once.
    if (!history_.empty() && history_.front().value == txtDecimal.text()) return;
    history_.insert(history_.begin(), {lblDigit.caption, txtDecimal.text()});
    if (history_.size() > history_limit) history_.pop_back();
}

void frmMain::recall_result(std::size_t index) {
    if (!in_normal_use() || index >= history_.size()) return;
    // As a paste of that number: the same rule, the same length limit.
    enter_number_text(history_[index].value);
}

void frmMain::recall_older() {
    if (!in_normal_use()) return;
    const auto next = static_cast<std::size_t>(history_pos_ + 1);
    if (next >= history_.size()) return;
    history_pos_ = static_cast<int>(next);
    recall_result(next);
}

void frmMain::recall_newer() {
    if (!in_normal_use() || history_pos_ <= 0) return;
    --history_pos_;
    recall_result(static_cast<std::size_t>(history_pos_));
}

void frmMain::clear_history() {
    history_.clear();
    history_pos_ = -1;
}

bool frmMain::enter_number_text(std::string_view text, const NumberRegion& region) {
    const auto entry = pasted_entry(text, region);
    if (!entry) return false;
    // The length limit follows the sign as the sign key keeps it.
    txtDecimal.max_length =
        entry->starts_with('-') ? design::signed_entry_length : design::entry_length;
    txtDecimal.set_text(*entry);
    result_shown();
    return true;
}

void frmMain::ctrl_pressed() {
    if (ctrl_held_) return; // a held key repeats; the half second counts from the first press
    ctrl_held_ = true;
    tmrBadges.set_enabled(true);
}

void frmMain::ctrl_released() {
    ctrl_held_ = false;
    badges_due_ = false;
    tmrBadges.set_enabled(false);
}

void frmMain::tmrBadges_Timer() {
    tmrBadges.set_enabled(false);
    badges_due_ = ctrl_held_;
}

bool frmMain::shortcut_badges_shown() const {
    return badges_due_ && in_normal_use();
}

} // namespace calc
