#include "shell/view/face_painter.h"

#include <QFontMetricsF>
#include <cmath>

namespace calc::view {

namespace {

// Pictures and glyphs go on whole device pixels, so nothing is resampled between them.
QPointF snapped(QPointF p, qreal dpr) {
    return {std::round(p.x() * dpr) / dpr, std::round(p.y() * dpr) / dpr};
}

bool container_shown(const frmMain& form, const Control& c) {
    switch (c.container()) {
    case Container::picConvert: return form.picConvert.visible;
    case Container::picPrecision: return form.picPrecision.visible;
    case Container::picBack1: return form.picBack1.visible;
    case Container::Form: break;
    }
    return true;
}

void draw_small(QPainter& painter, const Label& label, QPointF origin, Skin& skin, qreal dpr) {
    for (std::size_t i = 0; i < label.caption.size(); ++i) {
        const char c = label.caption[i];
        if (c == ' ') continue;
        const QPointF cell = origin + QPointF(static_cast<qreal>(i) * small_cell.width(), 0);
        painter.drawPixmap(snapped(cell, dpr), skin.small_glyph(c, dpr));
    }
}

void draw_large(QPainter& painter, const Label& label, QPointF origin, const Skin& skin,
                qreal dpr) {
    const QFont font = skin.large_font();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(caption_colour);
    // The glyph box centred in the cell's height; each glyph centred in its cell's width.
    const qreal baseline =
        (large_cell.height() - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
    for (std::size_t i = 0; i < label.caption.size(); ++i) {
        const QString ch(QChar::fromLatin1(label.caption[i]));
        const qreal x = static_cast<qreal>(i) * large_cell.width() +
                        (large_cell.width() - metrics.horizontalAdvance(ch)) / 2;
        painter.drawText(snapped(origin + QPointF(x, baseline), dpr), ch);
    }
}

void draw_help(QPainter& painter, const Label& label, QRectF rect, const Skin& skin, qreal dpr) {
    const QFont font = skin.help_font();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(help_colour);
    const qreal baseline =
        (rect.height() - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
    painter.drawText(snapped(rect.topLeft() + QPointF(0, baseline), dpr),
                     QString::fromStdString(label.caption));
}

void draw_caption(QPainter& painter, const frmMain& form, const Label& label, Skin& skin,
                  qreal dpr) {
    if (label.caption.empty()) return;
    const QRectF rect = pixel_rect(form, label);
    switch (label.font) {
    case FontKind::Small: draw_small(painter, label, rect.topLeft(), skin, dpr); break;
    case FontKind::Large: draw_large(painter, label, rect.topLeft(), skin, dpr); break;
    case FontKind::Proportional: draw_help(painter, label, rect, skin, dpr); break;
    case FontKind::None: break;
    }
}

void draw_picture(QPainter& painter, const QRectF& at, const QPixmap& picture, qreal dpr) {
    painter.drawPixmap(snapped(at.topLeft(), dpr), picture);
}

} // namespace

QRectF pixel_rect(const frmMain& form, const Control& c) {
    const Rect r = form.window_rect(c);
    constexpr qreal px = twips_per_pixel;
    return {r.left / px, r.top / px, r.width / px, r.height / px};
}

void paint_form(QPainter& painter, const frmMain& form, Skin& skin, qreal dpr) {
    for (const Control* c : form.controls()) {
        if (!c->visible || !container_shown(form, *c)) continue;
        if (c == &form.picBack1) {
            draw_picture(painter, pixel_rect(form, *c), skin.picture(Picture::Face, dpr), dpr);
        } else if (c == &form.picConvert || c == &form.picPrecision) {
            draw_picture(painter, pixel_rect(form, *c), skin.picture(Picture::Panel, dpr), dpr);
        } else if (const auto* lamp = dynamic_cast<const Lamp*>(c)) {
            const Picture p = lamp->shape == Lamp::Shape::Horizontal ? Picture::LampHorizontal
                                                                     : Picture::LampVertical;
            draw_picture(painter, pixel_rect(form, *c), skin.picture(p, dpr), dpr);
        } else if (const auto* label = dynamic_cast<const Label*>(c)) {
            if (!label->is_key()) draw_caption(painter, form, *label, skin, dpr);
        }
    }
}

} // namespace calc::view
