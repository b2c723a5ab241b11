#include "shell/view/skin.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace calc::view {

namespace {

const char* const small_family = "Spleen";
const char* const large_family = "DejaVu Sans Mono";
const char* const help_family = "DejaVu Sans";

void register_fonts() {
    static const bool done = [] {
        for (const char* file : {"spleen-5x8.pcf", "DejaVuSansMono-Bold.ttf", "DejaVuSans.ttf",
                                 "DejaVuSans-Bold.ttf"}) {
            QFontDatabase::addApplicationFont(QStringLiteral(":/skin/fonts/") +
                                              QLatin1String(file));
        }
        return true;
    }();
    (void)done;
}

QString source_of(Picture which) {
    switch (which) {
    case Picture::Face: return QStringLiteral(":/skin/face.svg");
    case Picture::Panel: return QStringLiteral(":/skin/panel.svg");
    case Picture::LampHorizontal: return QStringLiteral(":/skin/lamp_h.svg");
    case Picture::LampVertical: return QStringLiteral(":/skin/lamp_v.svg");
    }
    return {};
}

QSize device_size(QSize logical, qreal dpr) {
    return {static_cast<int>(std::ceil(logical.width() * dpr - 0.01)),
            static_cast<int>(std::ceil(logical.height() * dpr - 0.01))};
}

QString cache_key(char kind, int item, qreal dpr) {
    return QStringLiteral("%1%2@%3").arg(kind).arg(item).arg(dpr);
}

} // namespace

Skin::Skin() {
    register_fonts();
}

QSize Skin::picture_size(Picture which) {
    switch (which) {
    case Picture::Face: return {236, 200};
    case Picture::Panel: return {222, 57};
    case Picture::LampHorizontal: return {9, 4};
    case Picture::LampVertical: return {4, 6};
    }
    return {};
}

const QPixmap& Skin::picture(Picture which, qreal dpr) {
    const QString key = cache_key('p', static_cast<int>(which), dpr);
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.insert(key, render_picture(which, dpr));
    return *it;
}

QPixmap Skin::render_picture(Picture which, qreal dpr) const {
    const QSize size = picture_size(which);
    QImage image(device_size(size, dpr), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    QSvgRenderer svg(source_of(which));
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

const QPixmap& Skin::small_glyph(char c, qreal dpr) {
    const QString key = cache_key('g', static_cast<unsigned char>(c), dpr);
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.insert(key, render_small_glyph(c, dpr));
    return *it;
}

QPixmap Skin::render_small_glyph(char c, qreal dpr) const {
    // The pixel font has one size only: draw the glyph at scale 1, then enlarge each pixel,
    // which keeps it sharp where a smooth scaling would blur it.
    QFont font(QString::fromLatin1(small_family));
    font.setPixelSize(small_cell.height());
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QString text(QChar::fromLatin1(c));

    QImage cell(small_cell, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.setFont(font);
    painter.setPen(caption_colour);
    // The glyphs leave their spacing column at the right: centre the advance in the cell.
    const int x = (small_cell.width() - metrics.horizontalAdvance(text) + 1) / 2;
    painter.drawText(x, metrics.ascent(), text);
    painter.end();

    QImage scaled =
        cell.scaled(device_size(small_cell, dpr), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(scaled);
}

QFont Skin::large_font() const {
    QFont font(QString::fromLatin1(large_family));
    font.setBold(true);
    font.setPixelSize(16);
    return font;
}

QFont Skin::help_font() const {
    QFont font(QString::fromLatin1(help_family));
    font.setPixelSize(8);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QIcon Skin::icon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/skin/icon.png"), QSize(32, 32));
    for (const int size : {48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/skin/icons/hicolor/%1x%1/apps/calculator.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

} // namespace calc::view
