#include "skin.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtMath>
#include <optional>

#include "baked_skin.h"
#include "design_values.h"

namespace calc::view {

namespace {

const char* const small_family = "Spleen";
const char* const large_family = "DejaVu Sans Mono";
const char* const help_family = "DejaVu Sans";

// The bundled fonts, registered on the first drawing that needs one: loading them sets up
// the system's font configuration, which a start from baked pictures never needs.
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
    case Picture::UnitPanel: return QStringLiteral(":/skin/panel.svg");
    case Picture::PrecisionPanel: return QStringLiteral(":/skin/panel_precision.svg");
    case Picture::LampHorizontal: return QStringLiteral(":/skin/lamp_h.svg");
    case Picture::LampVertical: return QStringLiteral(":/skin/lamp_v.svg");
    }
    return {};
}

QSize device_size(QSize logical, qreal dpr) {
    return {static_cast<int>(std::ceil(logical.width() * dpr - 0.01)),
            static_cast<int>(std::ceil(logical.height() * dpr - 0.01))};
}

QImage blank(QSize device, qreal dpr) {
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    return image;
}

QFont large_font() {
    QFont font(QString::fromLatin1(large_family));
    font.setBold(true);
    font.setPixelSize(16);
    return font;
}

} // namespace

QFont badge_font() {
    register_fonts();
    QFont font(QString::fromLatin1(help_family));
    font.setBold(true);
    font.setPixelSize(7);
    return font;
}

namespace {

QFont help_font() {
    QFont font(QString::fromLatin1(help_family));
    font.setPixelSize(8);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The text with its pen point at the anchor, cut down to the pixels it covers.
Sprite render_text(const QFont& font, const QColor& colour, const QString& text, QPointF pen,
                   qreal dpr) {
    const QFontMetricsF metrics(font);
    const QRectF box = metrics.boundingRect(text);
    // Generous room on every side for hinting and antialiasing at any scale; cut below.
    const int margin = qCeil(4 * dpr) + 2;
    const QPoint anchor(margin + qCeil(qMax<qreal>(0, -box.left()) * dpr),
                        margin + qCeil(qMax(metrics.ascent(), -box.top()) * dpr));
    const qreal right = qMax(box.right(), metrics.horizontalAdvance(text));
    const qreal below = qMax(box.bottom(), metrics.descent());
    QImage image = blank(
        QSize(anchor.x() + qCeil(right * dpr) + margin, anchor.y() + qCeil(below * dpr) + margin),
        dpr);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(anchor) / dpr, text);
    painter.end();

    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0) ink |= QRect(x, y, 1, 1);
        }
    }
    Sprite sprite;
    sprite.pen = pen;
    if (ink.isEmpty()) return sprite; // a space: nothing to draw
    sprite.image = image.copy(ink);
    sprite.image.setDevicePixelRatio(dpr);
    sprite.anchor = anchor - ink.topLeft();
    return sprite;
}

// Where a line of the font sits centred in a box of the given height.
qreal centred_baseline(const QFontMetricsF& metrics, qreal height) {
    return (height - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
}

} // namespace

Skin::Skin(bool baked) : use_baked_(baked) {}

Skin::~Skin() = default;

QSize Skin::picture_size(Picture which) {
    // In logical pixels, from the places the form gives the pictures.
    auto pixels = [](const Rect& r) {
        return QSize(r.width / twips_per_pixel, r.height / twips_per_pixel);
    };
    switch (which) {
    case Picture::Face: return pixels(design::face_rect);
    case Picture::UnitPanel:
    case Picture::PrecisionPanel: return pixels(design::panel_rect);
    case Picture::LampHorizontal: return pixels(design::horizontal_lamp);
    case Picture::LampVertical: return pixels(design::vertical_lamp);
    }
    return {};
}

QString Skin::picture_key(Picture which) {
    return QStringLiteral("P%1").arg(static_cast<int>(which));
}

QString Skin::small_key(char c) {
    return QStringLiteral("S%1").arg(static_cast<int>(static_cast<unsigned char>(c)));
}

QString Skin::large_key(char c) {
    return QStringLiteral("L%1").arg(static_cast<int>(static_cast<unsigned char>(c)));
}

QString Skin::help_key(const QString& text, int line_height) {
    return QStringLiteral("H%1:").arg(line_height) + text;
}

const BakedSkin* Skin::baked_for(qreal dpr) {
    if (!use_baked_) return nullptr;
    const QString scale = QString::number(dpr);
    auto it = baked_.find(scale);
    if (it == baked_.end()) it = baked_.insert(scale, BakedSkin::open(dpr));
    return it->get();
}

template <class Render>
const Sprite& Skin::sprite(const QString& key, qreal dpr, Render&& render) {
    const QString cache_key = key + QLatin1Char('@') + QString::number(dpr);
    auto it = cache_.find(cache_key);
    if (it != cache_.end()) return *it;
    std::optional<Sprite> made;
    if (const BakedSkin* baked = baked_for(dpr)) made = baked->find(key);
    if (!made) made = render();
    return *cache_.insert(cache_key, std::move(*made));
}

const QImage& Skin::picture(Picture which, qreal dpr) {
    return sprite(picture_key(which), dpr, [&] { return render_picture(which, dpr); }).image;
}

const QImage& Skin::small_glyph(char c, qreal dpr) {
    return sprite(small_key(c), dpr, [&] { return render_small_glyph(c, dpr); }).image;
}

const Sprite& Skin::large_glyph(char c, qreal dpr) {
    return sprite(large_key(c), dpr, [&] { return render_large_glyph(c, dpr); });
}

const Sprite& Skin::help_text(const QString& text, int line_height, qreal dpr) {
    return sprite(help_key(text, line_height), dpr,
                  [&] { return render_help_text(text, line_height, dpr); });
}

Sprite Skin::render_picture(Picture which, qreal dpr) {
    register_fonts(); // the face's key legends are text
    const QSize size = picture_size(which);
    QImage image = blank(device_size(size, dpr), dpr);
    QSvgRenderer svg(source_of(which));
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return {image, {}, {}};
}

Sprite Skin::render_small_glyph(char c, qreal dpr) {
    register_fonts();
    // The pixel font has one size only: draw the glyph at scale 1, then give each device pixel
    // the share of it that the enlarged font pixels cover. At whole scales that enlarges each
    // pixel exactly; between them every stroke keeps the same weight, where repeating whole
    // pixels would make some strokes one device pixel wide and others two.
    QFont font(QString::fromLatin1(small_family));
    font.setPixelSize(small_cell.height());
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QString text(QChar::fromLatin1(c));

    QImage cell = blank(small_cell, 1);
    QPainter painter(&cell);
    painter.setFont(font);
    painter.setPen(caption_colour);
    // The glyphs leave their spacing column at the right: centre the advance in the cell.
    const int x = (small_cell.width() - metrics.horizontalAdvance(text) + 1) / 2;
    painter.drawText(x, metrics.ascent(), text);
    painter.end();

    // The length of a device pixel that one enlarged font pixel covers, along one axis.
    auto overlap = [dpr](int device, int font_pixel) {
        const qreal from = qMax<qreal>(device, font_pixel * dpr);
        const qreal to = qMin<qreal>(device + 1, (font_pixel + 1) * dpr);
        return qMax<qreal>(0, to - from);
    };
    const QSize size = device_size(small_cell, dpr);
    QImage scaled = blank(size, dpr);
    for (int dy = 0; dy < size.height(); ++dy) {
        auto* row = reinterpret_cast<QRgb*>(scaled.scanLine(dy));
        for (int dx = 0; dx < size.width(); ++dx) {
            qreal cover = 0;
            for (int fy = qFloor(dy / dpr); fy < small_cell.height() && fy * dpr < dy + 1; ++fy) {
                for (int fx = qFloor(dx / dpr); fx < small_cell.width() && fx * dpr < dx + 1;
                     ++fx) {
                    cover += overlap(dy, fy) * overlap(dx, fx) * qAlpha(cell.pixel(fx, fy)) / 255.0;
                }
            }
            const int alpha = qRound(qMin<qreal>(cover, 1) * 255);
            row[dx] = qPremultiply(
                qRgba(caption_colour.red(), caption_colour.green(), caption_colour.blue(), alpha));
        }
    }
    return {scaled, {}, {}};
}

Sprite Skin::render_large_glyph(char c, qreal dpr) {
    register_fonts();
    const QFont font = large_font();
    const QFontMetricsF metrics(font);
    const QString text(QChar::fromLatin1(c));
    // The glyph box centred in the cell's height; the glyph centred in the cell's width.
    const QPointF pen((large_cell.width() - metrics.horizontalAdvance(text)) / 2,
                      centred_baseline(metrics, large_cell.height()));
    return render_text(font, caption_colour, text, pen, dpr);
}

Sprite Skin::render_help_text(const QString& text, int line_height, qreal dpr) {
    register_fonts();
    const QFont font = help_font();
    const QFontMetricsF metrics(font);
    return render_text(font, help_colour, text, QPointF(0, centred_baseline(metrics, line_height)),
                       dpr);
}

QList<QPair<int, QString>> Skin::icon_files() {
    QList<QPair<int, QString>> files{{32, QStringLiteral(":/skin/icon.png")}};
    for (const int size : {48, 64}) {
        files.append(
            {size, QStringLiteral(":/skin/icons/hicolor/%1x%1/apps/calculator.png").arg(size)});
    }
    return files;
}

QString Skin::icon_key(int size) {
    return QStringLiteral("I%1").arg(size);
}

QIcon Skin::icon() {
    // The sizes a title bar or task switcher asks the window for; the desktop takes the
    // larger ones from the installed icon theme. They come baked too: reading the PNG files
    // would first look through every image format plugin.
    QIcon icon;
    const auto baked = BakedSkin::open_icons();
    for (const auto& [size, file] : icon_files()) {
        std::optional<Sprite> image;
        if (baked) image = baked->find(icon_key(size));
        if (image) {
            icon.addPixmap(QPixmap::fromImage(image->image));
        } else {
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}

} // namespace calc::view
