// How a screen reader names the captions the face shows, each by what it tells. Keys are
// named by the form's key table (FaceKey).
#pragma once

#include <string_view>

#include "controls.h"

namespace calc::view {

// What a caption tells ("Display", "Status line", "Unit set-up row"); empty for a control
// that is no readable caption.
std::string_view caption_name(const Control& caption);

} // namespace calc::view
