// Hover help: every key names its function on the help line LBLSTAT; the bare face and the
// bare conversion panel empty it; lblStatusMode shows and hides the line.
#include "shell/hover.h"

#include <string_view>

#include "key_table.h"

namespace calc {

std::optional<std::string> hover_text(const frmMain& /*form*/, const Control& key) {
    const KeyRow* row = key_row(key);
    if (row == nullptr) return std::nullopt;
    // The digit and operation keys name themselves by their Tag, not by a copy of it.
    const std::string& tag = static_cast<const Label&>(key).tag;
    switch (row->help) {
    case key::Help::None: return std::nullopt;
    case key::Help::Text: return std::string(row->help_text);
    case key::Help::Tag: return tag;
    case key::Help::TagMode: return tag + " MODE";
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
