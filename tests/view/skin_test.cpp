// The skin drawn ahead by the build against the skin drawn now: the same pictures and text,
// placed the same, at every baked scale and at one the build did not bake; and the container
// that carries the baked sprites. (The QApplication these tests need is window_test.cpp's.)
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>

#include "baked_skin.h"
#include "face_painter.h"
#include "frmMain.h"
#include "platform.h"
#include "skin.h"

namespace calc::view {
namespace {

const qreal scales[] = {1, 1.25, 1.5, 2, 1.1}; // 1.1 is not baked: rendered on first use

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
    Skin drawn(false);
    for (const qreal dpr : scales) {
        for (const Picture p : all_pictures) {
            expect_same({baked.picture(p, dpr), {}, {}}, {drawn.picture(p, dpr), {}, {}},
                        Skin::picture_key(p), dpr);
        }
        for (const char c : std::string_view("0159.-E:Rg ")) {
            expect_same({baked.small_glyph(c, dpr), {}, {}}, {drawn.small_glyph(c, dpr), {}, {}},
                        Skin::small_key(c), dpr);
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
            Skin skin(use_baked);
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

// The 6 x 8 captions keep an even stroke at every scale: along any device row (or column)
// lying wholly inside one row (column) of font pixels, each run of ink weighs a whole number
// of font pixels at that scale. Repeating whole device pixels breaks this between whole
// scales, where some strokes come out one pixel wide and others two.
TEST(SkinTest, SmallCaptionStrokesAreEvenAtEveryScale) {
    Skin skin(false);
    for (const qreal dpr : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5}) {
        for (const char c : std::string_view("STATUS:DEGRADPLCMN-+1")) {
            SCOPED_TRACE(std::string(1, c) + " at " + std::to_string(dpr));
            const QImage& glyph = skin.small_glyph(c, dpr);
            ASSERT_EQ(glyph.size(), QSize(qCeil(6 * dpr - 0.01), qCeil(8 * dpr - 0.01)));
            auto inside_one_font_pixel = [dpr](int device) {
                return qFloor(device / dpr) == qFloor((device + 1) / dpr - 1e-9);
            };
            auto check_runs = [&](int lines, int length, auto alpha_at) {
                for (int line = 0; line < lines; ++line) {
                    if (!inside_one_font_pixel(line)) continue;
                    qreal run = 0;
                    for (int i = 0; i <= length; ++i) {
                        const int a = i < length ? alpha_at(line, i) : 0;
                        if (a > 0) {
                            run += a / 255.0;
                            continue;
                        }
                        if (run == 0) continue;
                        const qreal pixels = run / dpr;
                        EXPECT_NEAR(pixels, std::round(pixels), 0.05) << "line " << line;
                        run = 0;
                    }
                }
            };
            check_runs(glyph.height(), glyph.width(),
                       [&](int y, int x) { return qAlpha(glyph.pixel(x, y)); });
            check_runs(glyph.width(), glyph.height(),
                       [&](int x, int y) { return qAlpha(glyph.pixel(x, y)); });
        }
    }
}

// The precision panel's captions, in either display style, lie on bare glass: no key is
// drawn under any character of them.
TEST(SkinTest, PrecisionCaptionsLieOnBareGlass) {
    Skin skin(false);
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
    for (const qreal dpr : {1.0, 1.25, 1.5, 2.0}) EXPECT_NE(BakedSkin::open(dpr), nullptr) << dpr;
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
