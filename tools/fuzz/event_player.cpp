#include "event_player.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <string_view>

#include "formats/number_text.h"

namespace calc {

std::uint32_t ByteChoices::below(std::uint32_t bound) {
    std::uint32_t v = 0;
    for (std::uint32_t span = 1; span < bound && pos_ < size_; span <<= 8) {
        v = (v << 8) | data_[pos_++];
    }
    return v % bound;
}

EventPlayer::EventPlayer() : form_(platform_) {
    form_.start();
}

namespace {

// Typed characters, weighted toward what a calculator user types.
constexpr std::string_view likely_chars = "0123456789012345678901234567890123456789..+-*/+-*/eE";
constexpr std::array<int, 8> named_keys = {KeyEnter, KeyEscape, KeyBackspace, KeyDelete,
                                           KeyLeft,  KeyRight,  KeyHome,      KeyEnd};
constexpr std::array<int, 6> buttons = {LeftButton,  LeftButton,   LeftButton,
                                        RightButton, MiddleButton, LeftButton | RightButton};

std::string describe(const Control& c) {
    return c.name();
}

bool shows_a_bad_number(const std::string& text) {
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.empty() || lower.find("inf") != std::string::npos ||
           lower.find("nan") != std::string::npos;
}

} // namespace

std::string EventPlayer::one_event(Choices& ch) {
    const auto& controls = form_.controls();
    Control& any = *controls[ch.below(static_cast<std::uint32_t>(controls.size()))];
    const int button = buttons[ch.below(buttons.size())];
    switch (ch.below(11)) {
    case 0:
    case 1:
        form_.mouse_down(any, LeftButton);
        form_.mouse_up(any, LeftButton);
        return "click " + describe(any);
    case 2: {
        // A click where a user could point: the control under a point of the face.
        const int x = static_cast<int>(ch.below(3540));
        const int y = static_cast<int>(ch.below(3000));
        Control* at = form_.hit_test(x, y);
        if (at == nullptr) return "click outside";
        form_.mouse_down(*at, LeftButton);
        form_.mouse_up(*at, LeftButton);
        return "click " + describe(*at);
    }
    case 3:
        form_.mouse_down(any, button);
        return "down " + describe(any) + " " + std::to_string(button);
    case 4:
        form_.mouse_up(any, button);
        return "up " + describe(any) + " " + std::to_string(button);
    case 5: {
        const int held = static_cast<int>(ch.below(8));
        form_.mouse_move(any, held);
        return "move " + describe(any) + " " + std::to_string(held);
    }
    case 6:
    case 7: {
        const char c = likely_chars[ch.below(likely_chars.size())];
        form_.type_char(c);
        return std::string("type ") + c;
    }
    case 8:
        if (ch.below(2) == 0) {
            const auto c = static_cast<char>(ch.below(256));
            form_.type_char(c);
            return "type byte " + std::to_string(static_cast<unsigned char>(c));
        } else {
            const int k = named_keys[ch.below(named_keys.size())];
            form_.type_key(k);
            return "key " + std::to_string(k);
        }
    case 9: {
        // A keyboard shortcut, sometimes a paste of a clipboard text of any kind.
        static constexpr std::string_view clips[] = {"1,234.5", " -2.5e3 ", "12 34", "abc", "",
                                                     "1E+400",  "0.000001", "-0",    "9,99"};
        if (ch.below(4) == 0) {
            platform_.clipboard = std::string(clips[ch.below(std::size(clips))]);
            form_.shortcut('V', CtrlDown);
            return "paste " + *platform_.clipboard;
        }
        const auto c = static_cast<char>('A' + ch.below(26));
        const int modifiers = static_cast<int>(ch.below(8));
        if (!form_.shortcut(c, modifiers)) form_.type_char(c);
        return std::string("shortcut ") + c + " " + std::to_string(modifiers);
    }
    default: {
        const int ms = static_cast<int>(ch.below(1200));
        form_.advance_timers(ms);
        return "wait " + std::to_string(ms);
    }
    }
}

std::string EventPlayer::broken_rule() {
    frmMain& f = form_;
    if (shows_a_bad_number(f.lblDigit.caption)) return "display shows '" + f.lblDigit.caption + "'";
    if (overflows(f.txtDecimal.text())) return "entry beyond the double range";
    if (f.arrow_on[3].visible == f.arrow_on[4].visible) return "decimal and fraction lamps agree";
    if (f.arrow_on[3].visible != (f.frac_mode == 0)) return "display-style lamp disagrees";
    if (f.arrow_on[5].visible != f.conv_mode) return "conversion lamp disagrees";
    if (!f.lblEnter.enabled || !f.lblClear.enabled || !f.lblExit.enabled) {
        return "Enter, clear or exit disabled";
    }
    if (f.dec_places < 0 || f.dec_places > 16) return "decimal places out of range";
    if (f.frac_denom < 1 || f.frac_denom > 32) return "denominator out of range";
    const std::string& status = f.lblStatus.caption;
    const bool pending = status.ends_with("(+)") || status.ends_with("(-)") ||
                         status.ends_with("(*)") || status.ends_with("(/)");
    if (status != "STATUS:" && !(pending && status.starts_with("STATUS: "))) {
        return "status line '" + status + "'";
    }
    if (!pending && (f.first_value != 0 || f.second_value != 0))
        return "operands without operation";
    if (f.mouse_pointer != MousePointer::Default) return "busy pointer left on";

    const bool precision = f.arrow_on[2].visible;
    if (precision != f.picPrecision.visible) return "precision lamp and panel disagree";
    const bool setup = f.picConvert.visible;
    if (int(f.ee_mode) + int(precision) + int(setup) > 1) return "two modal entries open";
    if (setup && !f.conv_mode) return "set-up panel without conversion mode";
    const bool converting = f.conv_mode && !setup;
    if (f.Label1.visible != converting || f.Label2.visible != converting) {
        return "unit labels disagree with conversion";
    }
    TextField* want = f.ee_mode ? &f.txtEE : precision ? &f.txtPrecision : &f.txtDecimal;
    if (f.focused() != want || !want->enabled) return "keyboard not on the situation's field";
    for (TextField* field : {&f.txtDecimal, &f.txtEE, &f.txtPrecision, &f.Text1}) {
        if (field != want && field->enabled) return field->name() + " enabled out of turn";
    }
    if (setup) {
        const ListBox& list = f.lblTitle.caption == "UNIT OF MEASUREMENT:" ? f.List2 : f.List1;
        if (f.list_pos < 0 || f.list_pos >= list.count()) return "list position outside the list";
    }

    // Which keys the situation leaves enabled.
    for (Control* c : f.controls()) {
        const auto* key = dynamic_cast<const Label*>(c);
        if (key == nullptr || !key->is_key() || key == &f.lblEnter || key == &f.lblClear ||
            key == &f.lblExit) {
            continue;
        }
        bool allowed = true;
        if (f.ee_mode || precision || setup) {
            const auto digit = std::find_if(f.lblNumber.begin(), f.lblNumber.begin() + 10,
                                            [&](const Label& d) { return &d == key; });
            const bool is_digit = digit != f.lblNumber.begin() + 10;
            if (f.ee_mode) allowed = is_digit || key == &f.lblPosNeg;
            if (precision) allowed = is_digit;
            if (setup) allowed = key == &f.lblMath[0] || key == &f.lblMath[1];
        }
        if (key->enabled != allowed) {
            return key->name() + (key->enabled ? " enabled" : " disabled") + " out of turn";
        }
    }
    return {};
}

std::string EventPlayer::play(Choices& choices, int max_events) {
    std::string trail;
    for (int i = 0; i < max_events && !choices.exhausted(); ++i) {
        std::string event;
        try {
            event = one_event(choices);
        } catch (const std::exception& e) {
            return trail + "! a fault escaped: " + e.what();
        }
        trail += event + "\n";
        if (platform_.exited) return {};
        if (std::string rule = broken_rule(); !rule.empty()) return trail + "! " + rule;
    }
    return {};
}

} // namespace calc
