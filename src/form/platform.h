// What the operating system does for the calculator. The window realises it; the tests and
// the scenario driver replace it by a fake that records what was asked.
#pragma once

#include <optional>
#include <string>

#include "number_forms.h"

namespace calc {

class Platform {
public:
    virtual ~Platform() = default;
    // Puts plain text on the clipboard.
    virtual void copy_text(const std::string& text) = 0;
    // The clipboard's plain text, if it holds any.
    virtual std::optional<std::string> clipboard_text() { return std::nullopt; }
    // Starts the window system's interactive move of the window (left button held).
    virtual void start_window_move() = 0;
    // Lets pending window events (painting, the pointer shape) be handled.
    virtual void do_events() = 0;
    // Ends the program at once.
    virtual void exit_program() = 0;
    // Whether the window system lets the window keep itself above the others (Wayland
    // leaves that to the compositor alone).
    virtual bool can_keep_above() { return true; }
    // How the user's region writes numbers, for what is copied and pasted.
    virtual NumberRegion number_region() { return {}; }
};

// A platform that only records: used by the driver and the model tests.
class FakePlatform : public Platform {
public:
    void copy_text(const std::string& text) override { clipboard = text; }
    std::optional<std::string> clipboard_text() override { return clipboard; }
    void start_window_move() override { ++moves; }
    void do_events() override { ++yields; }
    void exit_program() override { exited = true; }
    NumberRegion number_region() override { return region; }

    std::optional<std::string> clipboard;
    int moves = 0;
    int yields = 0;
    bool exited = false;
    NumberRegion region; // as in the C locale unless a test sets it
};

} // namespace calc
