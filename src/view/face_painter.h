// Draws the form as the model holds it: the face, the lamps that are lit, the captions and
// the panel that is shown, in the form's drawing order.
#pragma once

#include <QPainter>

#include "face.h"
#include "skin.h"

namespace calc::view {

// Where a control lies in logical pixels of the window.
QRectF pixel_rect(const Face& face, const Control& c);

void paint_form(QPainter& painter, const Face& face, Skin& skin, qreal dpr);

} // namespace calc::view
