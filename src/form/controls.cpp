#include "controls.h"

#include <algorithm>
#include <cctype>

namespace calc {

namespace {

std::string flag(bool b) {
    return b ? "true" : "false";
}

} // namespace

std::optional<std::string> Control::property(std::string_view prop) const {
    const Rect r = rect();
    if (prop == "Visible") return flag(visible);
    if (prop == "Enabled") return flag(enabled);
    if (prop == "Left") return std::to_string(r.left);
    if (prop == "Top") return std::to_string(r.top);
    if (prop == "Width") return std::to_string(r.width);
    if (prop == "Height") return std::to_string(r.height);
    return std::nullopt;
}

int caption_width(std::string_view caption, FontKind font) {
    const int n = static_cast<int>(caption.size());
    switch (font) {
    case FontKind::Small: return n * 90;
    case FontKind::Large: return n * 150;
    case FontKind::Proportional: return n * 80; // "STATUS" is 480 twips wide
    case FontKind::None: break;
    }
    return 0;
}

int caption_height(FontKind font) {
    switch (font) {
    case FontKind::Small: return 120;
    case FontKind::Large: return 270;
    case FontKind::Proportional: return 150;
    case FontKind::None: break;
    }
    return 0;
}

Rect Label::rect() const {
    if (is_key()) return design_;
    // A caption label sizes itself to its caption and keeps the anchor of its alignment.
    Rect r = design_;
    r.width = caption_width(caption, font);
    r.height = caption_height(font);
    switch (alignment) {
    case Alignment::Left: break;
    case Alignment::Centre: r.left = design_.left + design_.width / 2 - r.width / 2; break;
    case Alignment::Right: r.left = design_.left + design_.width - r.width; break;
    }
    return r;
}

std::optional<std::string> Label::property(std::string_view prop) const {
    if (prop == "Caption") return caption;
    if (prop == "Tag") return tag;
    return Control::property(prop);
}

void TextField::set_text(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    sel_start_ = 0;
    sel_length_ = 0;
    if (onChange) onChange();
}

void TextField::set_sel_start(int pos) {
    sel_start_ = std::clamp(pos, 0, static_cast<int>(text_.size()));
    sel_length_ = 0;
}

void TextField::set_sel_length(int len) {
    sel_length_ = std::clamp(len, 0, static_cast<int>(text_.size()) - sel_start_);
}

void TextField::replace_selection(const std::string& with) {
    std::string next = text_;
    next.replace(static_cast<std::size_t>(sel_start_), static_cast<std::size_t>(sel_length_), with);
    const int caret = sel_start_ + static_cast<int>(with.size());
    if (next == text_) return;
    // The field's own edit: the text changes with the caret after the insertion, then the
    // change handler runs (and may move the caret itself).
    text_ = std::move(next);
    sel_start_ = caret;
    sel_length_ = 0;
    if (onChange) onChange();
}

void TextField::type_char(char c) {
    const auto uc = static_cast<unsigned char>(c);
    if (uc < 32 || uc == 127) return; // control characters insert nothing
    const int kept = static_cast<int>(text_.size()) - sel_length_;
    if (max_length > 0 && kept >= max_length) {
        if (onNoRoom) onNoRoom(c);
        return;
    }
    replace_selection(std::string(1, c));
}

void TextField::edit_key(int key) {
    const int len = static_cast<int>(text_.size());
    switch (key) {
    case KeyBackspace:
        if (sel_length_ == 0) {
            if (sel_start_ == 0) return;
            --sel_start_;
            sel_length_ = 1;
        }
        replace_selection({});
        break;
    case KeyDelete:
        if (sel_length_ == 0) {
            if (sel_start_ >= len) return;
            sel_length_ = 1;
        }
        replace_selection({});
        break;
    case KeyLeft: set_sel_start(sel_start_ - 1); break;
    case KeyRight: set_sel_start(sel_start_ + 1); break;
    case KeyHome: set_sel_start(0); break;
    case KeyEnd: set_sel_start(len); break;
    default: break;
    }
}

std::optional<std::string> TextField::property(std::string_view prop) const {
    if (prop == "Text") return text_;
    if (prop == "MaxLength") return std::to_string(max_length);
    if (prop == "SelStart") return std::to_string(sel_start_);
    if (prop == "SelLength") return std::to_string(sel_length_);
    return Control::property(prop);
}

namespace {

// Rank of a character at the first difference: punctuation, then digits, then letters.
int char_class(unsigned char c) {
    if (std::isdigit(c)) return 1;
    if (std::isalpha(c)) return 2;
    return 0;
}

bool skipped(char c) {
    return c == '-' || c == '\'';
}

} // namespace

bool list_order_less(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        while (i < a.size() && skipped(a[i])) ++i;
        while (j < b.size() && skipped(b[j])) ++j;
        if (i == a.size() || j == b.size()) return i == a.size() && j < b.size();
        const auto ca = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(a[i])));
        const auto cb = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(b[j])));
        if (ca != cb) {
            const int ka = char_class(ca);
            const int kb = char_class(cb);
            if (ka != kb) return ka < kb;
            return ca < cb;
        }
        ++i;
        ++j;
    }
}

void ListBox::clear() {
    items_.clear();
    list_index = -1;
}

void ListBox::add_item(std::string row) {
    if (!sorted) {
        items_.push_back(std::move(row));
        return;
    }
    // After equal rows, so identical rows keep the order of adding.
    const auto at = std::upper_bound(
        items_.begin(), items_.end(), row,
        [](const std::string& x, const std::string& y) { return list_order_less(x, y); });
    items_.insert(at, std::move(row));
}

const std::string& ListBox::selected_text() const {
    static const std::string none;
    if (list_index < 0 || list_index >= count()) return none;
    return item(list_index);
}

std::optional<std::string> ListBox::property(std::string_view prop) const {
    if (prop == "ListIndex") return std::to_string(list_index);
    if (prop == "ListCount") return std::to_string(count());
    if (prop == "Text") return selected_text();
    if (prop.starts_with("List(") && prop.ends_with(")")) {
        const std::string inner(prop.substr(5, prop.size() - 6));
        if (inner.empty() || inner.size() > 9 ||
            inner.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        const int n = std::stoi(inner);
        if (n >= count()) return std::string{};
        return item(n);
    }
    return Control::property(prop);
}

void Timer::set_enabled(bool on) {
    if (on && !enabled) elapsed_ = 0;
    enabled = on;
}

void Timer::advance(int ms) {
    // From tick to tick, not millisecond by millisecond: a long wait costs what its ticks do.
    while (ms > 0 && enabled) {
        const int step = std::min(ms, until_tick());
        elapsed_ += step;
        ms -= step;
        if (elapsed_ >= interval) {
            elapsed_ = 0;
            if (onTimer) onTimer();
        }
    }
}

std::optional<std::string> Timer::property(std::string_view prop) const {
    if (prop == "Interval") return std::to_string(interval);
    return Control::property(prop);
}

} // namespace calc
