#include "face_painter.h"

#include <cmath>

#include "shortcut_badges.h"

namespace calc::view {

namespace {

// Pictures and glyphs go on whole device pixels, so nothing is resampled between them.
QPointF snapped(QPointF p, qreal dpr) {
    return {std::round(p.x() * dpr) / dpr, std::round(p.y() * dpr) / dpr};
}

// A sprite with its pen point on a whole device pixel, as text is drawn.
void draw_sprite(QPainter& painter, const Sprite& sprite, QPointF origin, qreal dpr) {
    if (sprite.image.isNull()) return;
    const QPointF pen = snapped(origin + sprite.pen, dpr);
    painter.drawImage(pen - QPointF(sprite.anchor) / dpr, sprite.image);
}

void draw_small(QPainter& painter, const Label& label, QPointF origin, Skin& skin, qreal dpr) {
    for (std::size_t i = 0; i < label.caption.size(); ++i) {
        const char c = label.caption[i];
        if (c == ' ') continue;
        const QPointF cell = origin + QPointF(static_cast<qreal>(i) * small_cell.width(), 0);
        draw_sprite(painter, skin.small_glyph(c, dpr), cell, dpr);
    }
}

void draw_large(QPainter& painter, const Label& label, QPointF origin, Skin& skin, qreal dpr) {
    for (std::size_t i = 0; i < label.caption.size(); ++i) {
        const QPointF cell = origin + QPointF(static_cast<qreal>(i) * large_cell.width(), 0);
        draw_sprite(painter, skin.large_glyph(label.caption[i], dpr), cell, dpr);
    }
}

void draw_help(QPainter& painter, const Label& label, QRectF rect, Skin& skin, qreal dpr) {
    const Sprite& text =
        skin.help_text(QString::fromStdString(label.caption), qRound(rect.height()), dpr);
    draw_sprite(painter, text, rect.topLeft(), dpr);
}

void draw_caption(QPainter& painter, const Face& face, const Label& label, Skin& skin, qreal dpr) {
    if (label.caption.empty()) return;
    const QRectF rect = pixel_rect(face, label);
    switch (label.font) {
    case FontKind::Small: draw_small(painter, label, rect.topLeft(), skin, dpr); break;
    case FontKind::Large: draw_large(painter, label, rect.topLeft(), skin, dpr); break;
    case FontKind::Proportional: draw_help(painter, label, rect, skin, dpr); break;
    case FontKind::None: break;
    }
}

void draw_picture(QPainter& painter, const QRectF& at, const QImage& picture, qreal dpr) {
    painter.drawImage(snapped(at.topLeft(), dpr), picture);
}

} // namespace

QRectF pixel_rect(const Face& face, const Control& c) {
    const Rect r = face.window_rect(c);
    constexpr qreal px = twips_per_pixel;
    return {r.left / px, r.top / px, r.width / px, r.height / px};
}

void paint_form(QPainter& painter, const Face& face, Skin& skin, qreal dpr) {
    for (const Control* c : face.controls()) {
        if (!face.seen(*c)) continue;
        if (c == &face.part(FacePart::Face)) {
            draw_picture(painter, pixel_rect(face, *c), skin.picture(Picture::Face, dpr), dpr);
        } else if (c == &face.part(FacePart::UnitPanel)) {
            draw_picture(painter, pixel_rect(face, *c), skin.picture(Picture::UnitPanel, dpr), dpr);
        } else if (c == &face.part(FacePart::PrecisionPanel)) {
            draw_picture(painter, pixel_rect(face, *c), skin.picture(Picture::PrecisionPanel, dpr),
                         dpr);
        } else if (const auto* lamp = dynamic_cast<const Lamp*>(c)) {
            const Picture p = lamp->shape == Lamp::Shape::Horizontal ? Picture::LampHorizontal
                                                                     : Picture::LampVertical;
            draw_picture(painter, pixel_rect(face, *c), skin.picture(p, dpr), dpr);
        } else if (const auto* label = dynamic_cast<const Label*>(c)) {
            if (!label->is_key()) draw_caption(painter, face, *label, skin, dpr);
        }
    }
    if (face.shortcut_badges_shown()) paint_shortcut_badges(painter, face);
}

} // namespace calc::view
