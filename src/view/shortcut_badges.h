// The keys' shortcuts drawn as small badges over their corners while Ctrl is held.
#pragma once

#include <QPainter>
#include <QString>

#include "frmMain.h"
#include "key_table.h"

namespace calc::view {

// A shortcut as short as a badge needs: "S", "⇧S", "^L".
QString badge_text(const KeyRow& row);

// Where a key's badge lies, in logical pixels: over its top right corner.
QRectF badge_rect(const frmMain& form, const KeyRow& row);

// Every badge of a key that has a shortcut; drawn as vector text, so crisp at any scale.
void paint_shortcut_badges(QPainter& painter, const frmMain& form);

} // namespace calc::view
