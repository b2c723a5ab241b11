// The calculator's look: the skin pictures, the captions' characters and the help texts.
//
// Everything is drawn once per device pixel ratio and kept. The pictures come from their
// vector sources only at build time: bake/bake_skin.cpp draws them, with the large digits and
// help texts, for every scale Windows offers from 100 % to 300 % in quarter steps, and the
// results travel in the program, so the first frame parses no SVG and loads no font at all
// and the program needs no SVG library. At any other scale a picture is the nearest larger
// bake scaled down, and the text is drawn with the bundled fonts on first use. The small
// captions are drawn from the pixel fonts' own glyph bitmaps (pixel_font.h) at every scale.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

namespace calc::view {

class BakedSkin;

// The bundled bold face at the shortcut badges' size (drawn as vector text, not baked).
QFont badge_font();
// Registers the bundled fonts once (the face's key legends and the large digits need them).
void register_fonts();

enum class Picture { Face, UnitPanel, LampHorizontal, LampVertical, PrecisionPanel };
inline constexpr Picture all_pictures[] = {Picture::Face, Picture::UnitPanel,
                                           Picture::LampHorizontal, Picture::LampVertical,
                                           Picture::PrecisionPanel};

// Caption colours: pale green on the display glass, light grey for the help line on the body.
inline const QColor caption_colour{0xd8, 0xf5, 0xdf};
inline const QColor help_colour{0xd4, 0xd0, 0xc8};

// Character cells of the fixed-pitch captions, in pixels at scale 1.
inline constexpr QSize small_cell{6, 8};
inline constexpr QSize large_cell{10, 18};

// A picture or a piece of text drawn once. Text is placed by its pen point: the painter puts
// pen (logical pixels from the cell's or line's top left) on a whole device pixel, then
// lays the image so that its anchor lands there.
struct Sprite {
    QImage image;  // device pixels, with its device pixel ratio set
    QPointF pen;   // pictures and pixel-font glyphs: (0, 0)
    QPoint anchor; // in image pixels
};

// Draws a picture from its source (bake/picture_renderer.h: only the build and the tests).
using PictureRenderer = Sprite (*)(Picture, qreal dpr);

class Skin {
public:
    // baked: use what the build drew for the screen's scale where there is one. render: draws
    // the pictures that are not taken from there; without it they are scaled from a bake.
    explicit Skin(bool baked = true, PictureRenderer render = nullptr);
    ~Skin();
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    // A picture at its size in logical pixels.
    const QImage& picture(Picture which, qreal dpr);
    static QSize picture_size(Picture which);

    // One character of the 6 x 8 captions, placed from its cell's top left, in the caption
    // colour: the pixel font whose capitals come nearest to the scaled cell's, each font pixel
    // a square of whole device pixels, so that every stroke is crisp and of one weight.
    const Sprite& small_glyph(char c, qreal dpr);
    // One character of the 10 x 18 cells of the shown number, unit and precision, centred in
    // its cell.
    const Sprite& large_glyph(char c, qreal dpr);
    // A help text, left-aligned and centred in a line box line_height pixels high.
    const Sprite& help_text(const QString& text, int line_height, qreal dpr);

    static QIcon icon();
    // The window icon's pictures: their size and file.
    static QList<QPair<int, QString>> icon_files();
    static QString icon_key(int size);

    // The scales the program carries bakes for, ascending, and the one a picture at dpr is
    // taken from: the nearest at or above it, else the largest; 0 when there are none.
    static QList<qreal> baked_scales();
    static qreal bake_for(qreal dpr, const QList<qreal>& scales);

    // The renderers, shared by the program and the build's baking, and the names under
    // which their results are kept.
    static Sprite render_small_glyph(char c, qreal dpr);
    static Sprite render_large_glyph(char c, qreal dpr);
    static Sprite render_help_text(const QString& text, int line_height, qreal dpr);
    static QString picture_key(Picture which);
    static QString small_key(char c);
    static QString large_key(char c);
    static QString help_key(const QString& text, int line_height);

private:
    template <class Render>
    const Sprite& sprite(const QString& key, qreal dpr, Render&& render);
    const BakedSkin* baked_for(qreal dpr);
    Sprite scaled_from_bake(Picture which, qreal dpr);

    bool use_baked_;
    PictureRenderer render_;
    QHash<QString, Sprite> cache_;                     // by key and device pixel ratio
    QHash<QString, std::shared_ptr<BakedSkin>> baked_; // by device pixel ratio; null: none
};

} // namespace calc::view
