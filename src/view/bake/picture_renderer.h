// The skin's pictures drawn from their SVG sources. Only the build's baking and the tests draw
// them so; the program carries the results (skin.h), and so needs no SVG library.
#pragma once

#include "skin.h"

namespace calc::view {

Sprite render_picture(Picture which, qreal dpr);

} // namespace calc::view
