#include "skin.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "baked_skin.h"
#include "design_values.h"
#include "pixel_font.h"

namespace calc::view {

namespace {

const char* const large_family = "DejaVu Sans Mono";
const char* const help_family = "DejaVu Sans";

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

// A pixel font's capitals: the rows of 'H', and the baseline just below them.
struct Capitals {
    int top = 0;
    int baseline = 0;
    int height() const { return baseline - top; }
};

Capitals capitals(const PixelFont& font) {
    Capitals caps{font.height, 0};
    for (int y = 0; y < font.height; ++y) {
        for (int x = 0; x < font.width; ++x) {
            if (!font.ink('H', x, y)) continue;
            caps.top = qMin(caps.top, y);
            caps.baseline = qMax(caps.baseline, y + 1);
        }
    }
    return caps;
}

// The font and the whole number of device pixels per font pixel for the small captions at a
// scale: the capitals nearest the 5x8 font's scaled, as narrow as the scaled cell (each
// glyph leaves its spacing column at the right); on a tie the larger font, whose bolder
// strokes read more like the rest of the face (6x12's single-pixel ones look thin at 150 %).
struct SmallFace {
    const PixelFont* font;
    int factor;
};

SmallFace small_face(qreal dpr) {
    const qreal wanted = capitals(pixel_fonts[0]).height() * dpr;
    SmallFace best{&pixel_fonts[0], 1};
    qreal best_miss = -1;
    for (const PixelFont& font : pixel_fonts) {
        const int caps = capitals(font).height();
        for (int factor = 1; (font.width - 1) * factor <= small_cell.width() * dpr + 1e-9;
             ++factor) {
            const qreal miss = std::abs(caps * factor - wanted);
            if (best_miss < 0 || miss <= best_miss + 1e-9) {
                best = {&font, factor};
                best_miss = miss;
            }
        }
    }
    return best;
}

} // namespace

void register_fonts() {
    // On the first drawing that needs one: loading them sets up the system's font
    // configuration, which a start from baked pictures never needs.
    static const bool done = [] {
        for (const char* file :
             {"DejaVuSansMono-Bold.ttf", "DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
            QFontDatabase::addApplicationFont(QStringLiteral(":/skin/fonts/") +
                                              QLatin1String(file));
        }
        return true;
    }();
    (void)done;
}

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

Skin::Skin(bool baked, PictureRenderer render) : use_baked_(baked), render_(render) {}

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

QList<qreal> Skin::baked_scales() {
    static const QList<qreal> scales = [] {
        QList<qreal> found;
        const QStringList files = QDir(QStringLiteral(":/baked")).entryList({"skin@*.bin"});
        for (const QString& file : files) {
            bool ok = false;
            const qreal scale = file.mid(5, file.size() - 9).toDouble(&ok);
            if (ok && BakedSkin::file_name(scale) == file) found.append(scale);
        }
        std::sort(found.begin(), found.end());
        return found;
    }();
    return scales;
}

qreal Skin::bake_for(qreal dpr, const QList<qreal>& scales) {
    for (const qreal scale : scales) {
        if (scale >= dpr - 1e-9) return scale;
    }
    return scales.isEmpty() ? 0 : scales.back();
}

const BakedSkin* Skin::baked_for(qreal dpr) {
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
    if (use_baked_) {
        if (const BakedSkin* baked = baked_for(dpr)) made = baked->find(key);
    }
    if (!made) made = render();
    return *cache_.insert(cache_key, std::move(*made));
}

Sprite Skin::scaled_from_bake(Picture which, qreal dpr) {
    const QSize size = device_size(picture_size(which), dpr);
    const qreal from = bake_for(dpr, baked_scales());
    std::optional<Sprite> baked;
    if (const BakedSkin* skin = from > 0 ? baked_for(from) : nullptr) {
        baked = skin->find(picture_key(which));
    }
    if (!baked || baked->image.isNull()) return {blank(size, dpr), {}, {}}; // nothing to draw from
    QImage image = baked->image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(dpr);
    return {image, {}, {}};
}

const QImage& Skin::picture(Picture which, qreal dpr) {
    return sprite(picture_key(which), dpr,
                  [&] { return render_ ? render_(which, dpr) : scaled_from_bake(which, dpr); })
        .image;
}

const Sprite& Skin::small_glyph(char c, qreal dpr) {
    return sprite(small_key(c), dpr, [&] { return render_small_glyph(c, dpr); });
}

const Sprite& Skin::large_glyph(char c, qreal dpr) {
    return sprite(large_key(c), dpr, [&] { return render_large_glyph(c, dpr); });
}

const Sprite& Skin::help_text(const QString& text, int line_height, qreal dpr) {
    return sprite(help_key(text, line_height), dpr,
                  [&] { return render_help_text(text, line_height, dpr); });
}

Sprite Skin::render_small_glyph(char c, qreal dpr) {
    const auto [font, factor] = small_face(dpr);
    bool any = false;
    for (int y = 0; y < font->height && !any; ++y) {
        for (int x = 0; x < font->width && !any; ++x) any = font->ink(c, x, y);
    }
    if (!any) return {}; // a space: nothing to draw
    // The ink, without the spacing column, centred in the cell; the baseline where the 5x8
    // font's lies, on a whole device pixel.
    const int left = qRound((small_cell.width() * dpr - (font->width - 1) * factor) / 2);
    const int top =
        qRound(capitals(pixel_fonts[0]).baseline * dpr) - capitals(*font).baseline * factor;
    QImage image = blank(QSize(font->width, font->height) * factor, dpr);
    const QRgb ink = caption_colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (font->ink(c, x / factor, y / factor)) row[x] = ink;
        }
    }
    return {image, {}, QPoint(-left, -top)};
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
