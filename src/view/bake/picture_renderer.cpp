#include "bake/picture_renderer.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace calc::view {

namespace {

QString source_of(Picture which) {
    switch (which) {
    case Picture::Face: return QStringLiteral(":/skin/face.svg");
    case Picture::UnitPanel: return QStringLiteral(":/skin/panel.svg");
    case Picture::PrecisionPanel: return QStringLiteral(":/skin/panel_precision.svg");
    case Picture::LampHorizontal: return QStringLiteral(":/skin/lamp_h.svg");
    case Picture::LampVertical: return QStringLiteral(":/skin/lamp_v.svg");
    }
    return {};
}

} // namespace

Sprite render_picture(Picture which, qreal dpr) {
    register_fonts(); // the face's key legends are text
    const QSize size = Skin::picture_size(which);
    QImage image(static_cast<int>(std::ceil(size.width() * dpr - 0.01)),
                 static_cast<int>(std::ceil(size.height() * dpr - 0.01)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    QSvgRenderer svg(source_of(which));
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return {image, {}, {}};
}

} // namespace calc::view
