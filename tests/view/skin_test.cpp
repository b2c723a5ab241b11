// The skin drawn ahead by the build against the skin drawn now: the same pictures and text,
// placed the same, at every baked scale, and at one the build did not bake; the small
// captions' pixel fonts; and the container that carries the baked sprites. (The QApplication
// these tests need is window_test.cpp's.)
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>

#include "bake/picture_renderer.h"
#include "baked_skin.h"
#include "face_painter.h"
#include "frmMain.h"
#include "pixel_font.h"
#include "platform.h"
#include "skin.h"

namespace calc::view {
namespace {

// Every scale Windows offers from 100 % to 300 %, all baked.
const qreal scales[] = {1, 1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.75, 3};

void expect_same(const Sprite& baked, const Sprite& drawn, const QString& what, qreal dpr) {
    SCOPED_TRACE(what.toStdString() + " at " + std::to_string(dpr));
    EXPECT_EQ(baked.pen, drawn.pen);
    EXPECT_EQ(baked.anchor, drawn.anchor);
    EXPECT_EQ(baked.image.size(), drawn.image.size());
    if (!drawn.image.isNull()) {
        EXPECT_EQ(baked.image.devicePixelRatio(), dpr);
    }
    EXPECT_TRUE(baked.image.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                drawn.image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(SkinTest, BakedSpritesAreWhatTheRenderersDraw) {
    Skin baked(true);
    Skin drawn(false, render_picture);
    for (const qreal dpr : scales) {
        for (const Picture p : all_pictures) {
            expect_same({baked.picture(p, dpr), {}, {}}, {drawn.picture(p, dpr), {}, {}},
                        Skin::picture_key(p), dpr);
        }
        for (const char c : std::string_view("0159.-E:Rg ")) {
            expect_same(baked.large_glyph(c, dpr), drawn.large_glyph(c, dpr), Skin::large_key(c),
                        dpr);
        }
        for (const QString& text : {QStringLiteral("STATUS"), QStringLiteral("CLEAR ALL"),
                                    QStringLiteral("not a help text")}) {
            expect_same(baked.help_text(text, 10, dpr), drawn.help_text(text, 10, dpr), text, dpr);
        }
    }
}

// The whole face as the window paints it, from baked and from freshly drawn sprites.
TEST(SkinTest, FormPaintsTheSameFromBakedSprites) {
    FakePlatform platform;
    Face face(platform);
    frmMain& form = face.form();
    form.start();
    form.type_char('7');
    form.show_hover(form.lblSin);
    for (const qreal dpr : scales) {
        QImage pictures[2];
        for (const bool use_baked : {true, false}) {
            Skin skin(use_baked, use_baked ? nullptr : render_picture);
            QImage& image = pictures[use_baked ? 1 : 0];
            image = QImage(QSize(236, 200) * dpr, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(dpr);
            image.fill(Qt::black);
            QPainter painter(&image);
            paint_form(painter, face, skin, dpr);
        }
        EXPECT_TRUE(pictures[0] == pictures[1]) << "at " << dpr;
    }
}

// Text sprites land where text drawn straight onto the face would: the same ink, within the
// rounding of blending a sprite rather than the glyph.
TEST(SkinTest, TextSpritesSitWhereDrawnTextWould) {
    struct Row {
        const char* text;
        bool large;
    };
    const Row rows[] = {
        {"8", true}, {"-", true}, {"j", true}, {"STATUS", false}, {"SQUARE ROOT", false}};
    const QColor glass(0x20, 0x30, 0x28);
    for (const qreal dpr : {1.0, 2.0}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.text) + " at " + std::to_string(dpr));
            Skin skin(false);
            const QString text = QString::fromLatin1(row.text);
            const Sprite& sprite =
                row.large ? skin.large_glyph(row.text[0], dpr) : skin.help_text(text, 10, dpr);
            QFont font = row.large ? QFont(QStringLiteral("DejaVu Sans Mono"))
                                   : QFont(QStringLiteral("DejaVu Sans"));
            font.setBold(row.large);
            font.setPixelSize(row.large ? 16 : 8);
            if (!row.large) font.setHintingPreference(QFont::PreferFullHinting);

            const QPointF origin(20, 10);
            const QPointF pen(std::round((origin.x() + sprite.pen.x()) * dpr) / dpr,
                              std::round((origin.y() + sprite.pen.y()) * dpr) / dpr);
            QImage direct(QSize(200, 40) * dpr, QImage::Format_ARGB32_Premultiplied);
            direct.setDevicePixelRatio(dpr);
            direct.fill(glass);
            QImage via_sprite = direct;
            {
                QPainter painter(&direct);
                painter.setFont(font);
                painter.setPen(row.large ? caption_colour : help_colour);
                painter.drawText(pen, text);
            }
            {
                QPainter painter(&via_sprite);
                painter.drawImage(pen - QPointF(sprite.anchor) / dpr, sprite.image);
            }
            int worst = 0;
            for (int y = 0; y < direct.height(); ++y) {
                for (int x = 0; x < direct.width(); ++x) {
                    const QRgb a = direct.pixel(x, y);
                    const QRgb b = via_sprite.pixel(x, y);
                    worst =
                        std::max({worst, std::abs(qRed(a) - qRed(b)),
                                  std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
                }
            }
            EXPECT_LE(worst, 4);
            EXPECT_FALSE(direct == QImage(direct.size(), direct.format())); // some ink drawn
        }
    }
}

// A scale the build did not bake takes each picture from the nearest larger bake.
TEST(SkinTest, UnbakedScalesTakeTheNearestLargerBake) {
    const QList<qreal> baked{1, 1.25, 1.5, 2};
    const struct {
        qreal dpr;
        qreal from;
    } rows[] = {{1, 1}, {1.1, 1.25}, {1.25, 1.25}, {1.3, 1.5}, {1.75, 2}, {0.5, 1}, {3, 2}};
    for (const auto& row : rows) EXPECT_EQ(Skin::bake_for(row.dpr, baked), row.from) << row.dpr;
    EXPECT_EQ(Skin::bake_for(1.5, {}), 0);

    // Scaled down to the size the scale needs, and close to the picture drawn afresh.
    Skin program;
    Skin drawn(false, render_picture);
    const qreal dpr = 1.1;
    const QImage& scaled = program.picture(Picture::Face, dpr);
    const QImage fresh =
        drawn.picture(Picture::Face, dpr).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(scaled.size(), fresh.size());
    EXPECT_EQ(scaled.devicePixelRatio(), dpr);
    double difference = 0;
    for (int y = 0; y < fresh.height(); ++y) {
        for (int x = 0; x < fresh.width(); ++x) {
            const QRgb a = scaled.pixel(x, y);
            const QRgb b = fresh.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
        }
    }
    EXPECT_LT(difference / (3.0 * fresh.width() * fresh.height()), 4);
}

// The 5x8 glyph table holds the very pixels of the font the captions were designed with, as
// a font engine draws them from its .pcf.
TEST(SkinTest, PixelFontTableHoldsTheFontsPixels) {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral(CALC_SOURCE_DIR "/assets/fonts/spleen-5x8.pcf"));
    ASSERT_GE(id, 0);
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(8);
    font.setStyleStrategy(QFont::NoAntialias);
    const PixelFont& table = pixel_fonts[0];
    ASSERT_EQ(QSize(table.width, table.height), QSize(5, 8));
    for (char c = ' '; c <= '~'; ++c) {
        QImage drawn(table.width, table.height, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(0, QFontMetrics(font).ascent(), QString(QChar::fromLatin1(c)));
        painter.end();
        for (int y = 0; y < table.height; ++y) {
            for (int x = 0; x < table.width; ++x) {
                ASSERT_EQ(table.ink(c, x, y), qAlpha(drawn.pixel(x, y)) > 127)
                    << "'" << c << "' at " << x << "," << y;
            }
        }
    }
}

// The small captions are crisp and even at every scale: each pixel fully inked or bare, the
// two stems of H one width and that of T, the three bars of E one height; capitals about as
// tall as the 5x8 font's scaled, and inside their cell.
TEST(SkinTest, SmallCaptionsAreCrispAndEvenAtEveryScale) {
    Skin skin;
    std::vector<qreal> all(std::begin(scales), std::end(scales));
    all.insert(all.end(), {1.1, 1.33, 3.5});
    // The ink runs along one line of a glyph: (start, length).
    using Runs = std::vector<std::pair<int, int>>;
    auto runs = [](const QImage& glyph, int line, bool across) {
        Runs found;
        const int length = across ? glyph.width() : glyph.height();
        for (int i = 0, start = -1; i <= length; ++i) {
            const bool ink =
                i < length && qAlpha(across ? glyph.pixel(i, line) : glyph.pixel(line, i)) != 0;
            if (ink && start < 0) start = i;
            if (!ink && start >= 0) {
                found.emplace_back(start, i - start);
                start = -1;
            }
        }
        return found;
    };
    for (const qreal dpr : all) {
        SCOPED_TRACE("at " + std::to_string(dpr));
        int stem = 0;
        for (const char c : std::string_view("HTE")) {
            SCOPED_TRACE(std::string(1, c));
            const Sprite& glyph = skin.small_glyph(c, dpr);
            const QImage& image = glyph.image;
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(glyph.pen, QPointF(0, 0));
            QRect ink;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
                    if (alpha != 0) ink |= QRect(x, y, 1, 1);
                }
            }
            ink.translate(-glyph.anchor);
            EXPECT_GE(ink.left(), 0);
            EXPECT_LE(ink.right() + 1, small_cell.width() * dpr);
            EXPECT_GE(ink.top(), 0);
            EXPECT_NEAR(ink.height(), 6 * dpr, 1.5);
            for (int line = 0; line < image.height() && c != 'E'; ++line) {
                const Runs across = runs(image, line, true);
                if (c == 'H' && across.size() == 2) {
                    EXPECT_EQ(across[0].second, across[1].second) << "row " << line;
                    stem = across[0].second;
                }
                if (c == 'T' && across.size() == 1 && across[0].second < image.width() / 2) {
                    EXPECT_EQ(across[0].second, stem) << "row " << line;
                }
            }
            for (int line = 0; line < image.width() && c == 'E'; ++line) {
                const Runs down = runs(image, line, false);
                if (down.size() != 3) continue;
                EXPECT_EQ(down[0].second, down[1].second) << "column " << line;
                EXPECT_EQ(down[1].second, down[2].second) << "column " << line;
            }
        }
        EXPECT_GT(stem, 0);
    }
}

// The precision panel's captions, in either display style, lie on bare glass: no key is
// drawn under any character of them.
TEST(SkinTest, PrecisionCaptionsLieOnBareGlass) {
    Skin skin(false, render_picture);
    const QImage& panel = skin.picture(Picture::PrecisionPanel, 1);
    for (Label frmMain::*style : {&frmMain::lblSetDec, &frmMain::lblSetFrac}) {
        FakePlatform platform;
        Face face(platform);
        frmMain& form = face.form();
        form.start();
        for (Label* key : {&(form.*style), &form.lblSetPrec}) {
            form.mouse_down(*key, LeftButton);
            form.mouse_up(*key, LeftButton);
        }
        ASSERT_TRUE(form.picPrecision.visible);
        const QPointF origin = pixel_rect(face, form.picPrecision).topLeft();
        int captions = 0;
        for (const Control* c : form.controls()) {
            const auto* label = dynamic_cast<const Label*>(c);
            if (label == nullptr || c->container() != Container::picPrecision ||
                label->font == FontKind::None || label->caption.empty()) {
                continue;
            }
            ++captions;
            SCOPED_TRACE(label->caption);
            // The label's box and the character cells drawn from its top left.
            const QSize cell = label->font == FontKind::Large ? large_cell : small_cell;
            QRectF box = pixel_rect(face, *c).translated(-origin);
            box |= QRectF(
                box.topLeft(),
                QSizeF(cell.width() * static_cast<qreal>(label->caption.size()), cell.height()));
            const QRect at = box.toAlignedRect();
            ASSERT_TRUE(panel.rect().contains(at));
            // The glass changes only from top to bottom.
            for (int y = at.top(); y <= at.bottom(); ++y) {
                for (int x = at.left(); x <= at.right(); ++x) {
                    ASSERT_EQ(panel.pixel(x, y), panel.pixel(at.left(), y)) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(captions, 3);
    }
}

Sprite square(int side, QRgb colour, QPointF pen, QPoint anchor, qreal dpr) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    image.setDevicePixelRatio(dpr);
    return {image, pen, anchor};
}

TEST(BakedSkinTest, FindsEachSpriteByItsName) {
    const QList<QPair<QString, Sprite>> sprites = {
        {QStringLiteral("b"), square(3, 0xff112233, {1.5, 2.25}, {4, 5}, 2)},
        {QStringLiteral("a"), square(1, 0x80402010, {}, {}, 2)},
        {QStringLiteral("H10:CLEAR ALL"), square(7, 0xffffffff, {0, 7.5}, {1, 6}, 2)},
        {QStringLiteral("space"), Sprite{}},
    };
    const QByteArray bytes = BakedSkin::write(sprites);
    const auto skin = BakedSkin::read(bytes, 2);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->size(), 4u);
    for (const auto& [key, sprite] : sprites) {
        SCOPED_TRACE(key.toStdString());
        const auto found = skin->find(key);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->pen, sprite.pen);
        EXPECT_EQ(found->anchor, sprite.anchor);
        EXPECT_TRUE(found->image == sprite.image);
    }
    for (const char* missing : {"", "c", "H10:CLEAR AL", "aa"}) {
        EXPECT_FALSE(skin->find(QString::fromLatin1(missing)).has_value()) << missing;
    }
}

TEST(BakedSkinTest, RefusesWhatIsNotAWholeContainer) {
    const QByteArray good =
        BakedSkin::write({{QStringLiteral("face"), square(16, 0xff000000, {}, {}, 1)}});
    QByteArray bad_magic = good;
    bad_magic[0] = 'x';
    QByteArray bad_version = good;
    bad_version[4] = 9;
    const QByteArray rows[] = {QByteArray(), good.left(8), good.left(good.size() - 1), bad_magic,
                               bad_version};
    for (const QByteArray& bytes : rows) EXPECT_EQ(BakedSkin::read(bytes, 1), nullptr);
    EXPECT_NE(BakedSkin::read(good, 1), nullptr);
}

// The program carries a container for every scale the build draws, and the icon's.
TEST(BakedSkinTest, ProgramCarriesTheBakedScales) {
    EXPECT_EQ(Skin::baked_scales(), QList<qreal>(std::begin(scales), std::end(scales)));
    for (const qreal dpr : scales) EXPECT_NE(BakedSkin::open(dpr), nullptr) << dpr;
    EXPECT_EQ(BakedSkin::open(1.1), nullptr);
    const auto icons = BakedSkin::open_icons();
    ASSERT_NE(icons, nullptr);
    for (const int size : {32, 48, 64}) {
        const auto icon = icons->find(Skin::icon_key(size));
        ASSERT_TRUE(icon.has_value()) << size;
        EXPECT_EQ(icon->image.size(), QSize(size, size));
    }
}

} // namespace
} // namespace calc::view
