#include "event_player.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <string_view>

#include "number_text.h"

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

// The press of the key that types c on a plain keyboard.
KeyPress typed(char c) {
    const auto uc = static_cast<unsigned char>(c);
    const char key = uc > 0x20 && uc < 0x7f ? static_cast<char>(std::toupper(uc)) : '\0';
    return {key, 0, 0, std::string(1, c), false};
}

std::string describe(const Control& c) {
    return c.name();
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
        form_.key_press(typed(c));
        return std::string("type ") + c;
    }
    case 8:
        if (ch.below(2) == 0) {
            const auto c = static_cast<char>(ch.below(256));
            form_.key_press(typed(c));
            return "type byte " + std::to_string(static_cast<unsigned char>(c));
        } else {
            const int k = named_keys[ch.below(named_keys.size())];
            form_.key_press({0, k, 0, "", false});
            return "key " + std::to_string(k);
        }
    case 9: {
        // A keyboard shortcut, sometimes a paste of a clipboard text of any kind.
        static constexpr std::string_view clips[] = {"1,234.5", " -2.5e3 ", "12 34", "abc", "",
                                                     "1E+400",  "0.000001", "-0",    "9,99"};
        if (ch.below(4) == 0) {
            platform_.clipboard = std::string(clips[ch.below(std::size(clips))]);
            form_.key_press({'V', 0, CtrlDown, "", false});
            return "paste " + *platform_.clipboard;
        }
        const auto c = static_cast<char>('A' + ch.below(26));
        const int modifiers = static_cast<int>(ch.below(8));
        const bool repeated = ch.below(4) == 0;
        form_.key_press({c, 0, modifiers, std::string(1, c), repeated});
        return std::string("shortcut ") + c + " " + std::to_string(modifiers) +
               (repeated ? " repeated" : "");
    }
    default: {
        const int ms = static_cast<int>(ch.below(1200));
        form_.advance_timers(ms);
        return "wait " + std::to_string(ms);
    }
    }
}

std::string EventPlayer::broken_rule() {
    return form_.check_invariants();
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
