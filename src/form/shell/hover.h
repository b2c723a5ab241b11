// The help text of each key, shared by the hover handlers and the window's accessible names.
#pragma once

#include <optional>
#include <string>

#include "frmMain.h"

namespace calc {

// The text a key names itself with on the help line; nullopt for a control that names nothing
// (the exit key, the displays, the lamps).
std::optional<std::string> hover_text(const frmMain& form, const Control& key);

} // namespace calc
