#include "scenario.h"

#include <cctype>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "frmMain.h"

namespace calc {

namespace {

struct UnknownInput {
    std::string what;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

int button_of(const std::string& name) {
    if (name == "left") return LeftButton;
    if (name == "right") return RightButton;
    if (name == "middle") return MiddleButton;
    throw UnknownInput{"unknown button " + name};
}

// A named key's code, or 0 when the name is not one.
int named_key(const std::string& name) {
    static const std::pair<const char*, int> keys[] = {
        {"Enter", KeyEnter},   {"Escape", KeyEscape}, {"Backspace", KeyBackspace},
        {"Delete", KeyDelete}, {"Left", KeyLeft},     {"Right", KeyRight},
        {"Home", KeyHome},     {"End", KeyEnd},       {"Up", KeyUp},
        {"Down", KeyDown}};
    for (const auto& [n, code] : keys) {
        if (name == n) return code;
    }
    return 0;
}

// "Ctrl+Shift+S": the modifiers before the last "+" (a lone "+" is the key itself).
struct Chord {
    int modifiers = 0;
    std::string key;
};

Chord chord_of(const std::string& chord) {
    Chord press;
    std::string rest = chord;
    for (auto plus = rest.find('+'); plus != std::string::npos && plus + 1 < rest.size();
         plus = rest.find('+')) {
        const std::string mod = rest.substr(0, plus);
        if (mod == "Shift") {
            press.modifiers |= ShiftDown;
        } else if (mod == "Ctrl") {
            press.modifiers |= CtrlDown;
        } else if (mod == "Alt") {
            press.modifiers |= AltDown;
        } else {
            throw UnknownInput{"unknown modifier " + mod};
        }
        rest = rest.substr(plus + 1);
    }
    if (named_key(rest) == 0 && rest.size() != 1) throw UnknownInput{"unknown key " + rest};
    press.key = rest;
    return press;
}

std::string unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

class Player {
public:
    explicit Player(std::ostream& out) : out_(out), form_(platform_) { form_.start(); }

    // Returns false when an expectation failed.
    bool run(const std::string& line, int number) {
        const auto space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        const auto args = words(rest);
        if (command == "type") {
            for (const char c : rest) form_.type_char(c);
        } else if (command == "key") {
            press(chord_of(one(args)));
        } else if (command == "hold" || command == "release") {
            // A modifier pressed and let go on its own; only Ctrl means anything to the form.
            if (one(args) != "Ctrl") throw UnknownInput{"expected: " + command + " Ctrl"};
            const KeyPress ctrl{0, KeyControl, CtrlDown, "", false};
            if (command == "hold") {
                form_.key_press(ctrl);
            } else {
                form_.key_release(ctrl);
            }
        } else if (command == "clipboard") {
            // No argument: the clipboard holds no text at all.
            platform_.clipboard =
                rest.empty() ? std::nullopt : std::optional<std::string>(unquoted(rest));
        } else if (command == "click") {
            Control& c = control(one(args));
            form_.mouse_down(c, LeftButton);
            form_.mouse_up(c, LeftButton);
        } else if (command == "down" || command == "up") {
            if (args.empty() || args.size() > 2)
                throw UnknownInput{"expected: " + command + " C [B]"};
            Control& c = control(args[0]);
            const int b = args.size() == 2 ? button_of(args[1]) : LeftButton;
            if (command == "down") {
                form_.mouse_down(c, b);
            } else {
                form_.mouse_up(c, b);
            }
        } else if (command == "move") {
            if (args.empty()) throw UnknownInput{"expected: move C [B ...]"};
            int buttons = NoButton;
            for (std::size_t i = 1; i < args.size(); ++i) buttons |= button_of(args[i]);
            form_.mouse_move(control(args[0]), buttons);
        } else if (command == "wait") {
            int ms = 0;
            const std::string& a = one(args);
            const auto res = std::from_chars(a.data(), a.data() + a.size(), ms);
            if (res.ec != std::errc{} || res.ptr != a.data() + a.size() || ms < 0) {
                throw UnknownInput{"bad time " + a};
            }
            form_.advance_timers(ms);
        } else if (command == "print") {
            const std::string& p = one(args);
            const std::string value = read(p);
            out_ << p << '=' << value << '\n';
        } else if (command == "expect") {
            const auto gap = rest.find(' ');
            const std::string p = rest.substr(0, gap);
            if (p.empty()) {
                throw UnknownInput{"expected: expect P VALUE, found \"" + line + "\""};
            }
            const std::string want = unquoted(gap == std::string::npos ? "" : rest.substr(gap + 1));
            const std::string got = read(p);
            if (got != want) {
                out_ << "line " << number << ": " << p << " expected " << want << ", got " << got
                     << '\n';
                return false;
            }
        } else {
            throw UnknownInput{"unknown command \"" + command +
                               "\"; expected click, down, up, move, type, key, hold, release, "
                               "clipboard, wait, print or expect"};
        }
        return true;
    }

private:
    // A key pressed as a keyboard gives it: a named key, or a key naming a character, which
    // types that character (a letter in lower case unless Shift is held).
    void press(const Chord& k) {
        KeyPress press;
        press.modifiers = k.modifiers;
        if (const int code = named_key(k.key)) {
            press.named = code;
        } else {
            const auto uc = static_cast<unsigned char>(k.key.front());
            const bool shift = (k.modifiers & ShiftDown) != 0;
            press.key = static_cast<char>(std::toupper(uc));
            press.text = std::string(1, static_cast<char>(shift ? uc : std::tolower(uc)));
        }
        form_.key_press(press);
    }

    static const std::string& one(const std::vector<std::string>& args) {
        if (args.size() != 1) throw UnknownInput{"expected one argument"};
        return args[0];
    }

    Control& control(const std::string& name) {
        Control* c = form_.find(name);
        if (c == nullptr) throw UnknownInput{"unknown control " + name};
        return *c;
    }

    std::string read(const std::string& p) {
        if (p == "focus") return form_.focused() != nullptr ? form_.focused()->name() : "";
        if (p == "pointer") return form_.mouse_pointer == MousePointer::Busy ? "busy" : "default";
        if (p == "clipboard") return platform_.clipboard.value_or("");
        if (p == "moves") return std::to_string(platform_.moves);
        if (p == "exited") return platform_.exited ? "true" : "false";
        if (p == "ontop") return form_.always_on_top ? "true" : "false";
        if (p == "badges") return form_.shortcut_badges_shown() ? "true" : "false";
        if (p == "history") {
            std::string shown;
            for (const auto& result : form_.history()) {
                shown += (shown.empty() ? "" : " | ") + result.shown;
            }
            return shown;
        }
        if (auto v = form_.variable(p)) return *v;
        const auto dot = p.find('.');
        if (dot == std::string::npos) throw UnknownInput{"unknown property " + p};
        const auto value = control(p.substr(0, dot)).property(p.substr(dot + 1));
        if (!value) throw UnknownInput{"unknown property " + p};
        return *value;
    }

    std::ostream& out_;
    FakePlatform platform_;
    frmMain form_;
};

} // namespace

int run_scenario(std::istream& in, std::ostream& out) {
    Player player(out);
    int status = 0;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Indentation is allowed: a command is read from its first letter.
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        line.erase(0, start);
        try {
            if (!player.run(line, number)) status = 1;
        } catch (const UnknownInput& e) {
            out << "line " << number << ": " << e.what << '\n';
            return 2;
        }
    }
    return status;
}

} // namespace calc
