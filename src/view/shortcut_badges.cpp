#include "shortcut_badges.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "face_painter.h"
#include "skin.h"

namespace calc::view {

namespace {

constexpr qreal badge_height = 9;
const QColor badge_fill(24, 24, 24, 230);
const QColor badge_ink(255, 236, 120);

} // namespace

QString badge_text(const KeyRow& row) {
    QString text;
    if ((row.modifiers & CtrlDown) != 0) text += QLatin1Char('^');
    if ((row.modifiers & ShiftDown) != 0) text += QChar(0x21E7); // upwards white arrow
    return text + QLatin1Char(row.shortcut);
}

QRectF badge_rect(const frmMain& form, const KeyRow& row) {
    const QRectF key = pixel_rect(form, row.label(const_cast<frmMain&>(form)));
    const QFontMetricsF metrics(badge_font());
    const qreal width = std::ceil(metrics.horizontalAdvance(badge_text(row))) + 4;
    // Over the corner, but never past the face's edge (the close key sits in its corner).
    const QRectF face = pixel_rect(form, form.picBack1);
    const qreal left = std::min(key.right() - width + 2, face.right() - width);
    return {left, std::max(key.top() - 2, face.top()), width, badge_height};
}

void paint_shortcut_badges(QPainter& painter, const frmMain& form) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(badge_font());
    for (const KeyRow& row : key_table()) {
        if (row.shortcut == 0 || row.container != Container::picBack1) continue;
        const QRectF r = badge_rect(form, row);
        painter.setPen(Qt::NoPen);
        painter.setBrush(badge_fill);
        painter.drawRoundedRect(r, 2, 2);
        painter.setPen(badge_ink);
        painter.drawText(r, Qt::AlignCenter, badge_text(row));
    }
    painter.restore();
}

} // namespace calc::view
