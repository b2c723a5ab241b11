// The keys' shortcuts drawn as small badges over their corners while Ctrl is held.
#pragma once

#include <QPainter>
#include <QString>

#include "face.h"

namespace calc::view {

// Where a key's badge lies, in logical pixels: over its top right corner.
QRectF badge_rect(const Face& face, const FaceKey& key);

// Every badge of a key that has a shortcut; drawn as vector text, so crisp at any scale.
void paint_shortcut_badges(QPainter& painter, const Face& face);

} // namespace calc::view
