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

QRectF badge_rect(const Face& face_model, const FaceKey& badged) {
    const QRectF key = pixel_rect(face_model, *badged.control);
    const QFontMetricsF metrics(badge_font());
    const qreal width =
        std::ceil(metrics.horizontalAdvance(QString::fromStdString(badged.badge))) + 4;
    // Over the corner, but never past the face's edge (the close key sits in its corner).
    const QRectF face = pixel_rect(face_model, face_model.part(FacePart::Face));
    const qreal left = std::min(key.right() - width + 2, face.right() - width);
    return {left, std::max(key.top() - 2, face.top()), width, badge_height};
}

void paint_shortcut_badges(QPainter& painter, const Face& face) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(badge_font());
    for (const FaceKey& key : face.keys()) {
        if (key.badge.empty()) continue;
        const QRectF r = badge_rect(face, key);
        painter.setPen(Qt::NoPen);
        painter.setBrush(badge_fill);
        painter.drawRoundedRect(r, 2, 2);
        painter.setPen(badge_ink);
        painter.drawText(r, Qt::AlignCenter, QString::fromStdString(key.badge));
    }
    painter.restore();
}

} // namespace calc::view
