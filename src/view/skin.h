// The calculator's look: the skin pictures rendered from their vector sources, and the
// captions' characters and help texts rendered with the bundled fonts.
//
// Everything is drawn once per device pixel ratio and kept. For the usual screen scales the
// build has already drawn it all (bake/bake_skin.cpp runs the same renderers below and the
// results travel in the program), so the first frame parses no SVG and loads no font at
// all; any other scale renders here on first use.
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

class Skin {
public:
    // baked: use what the build drew for the screen's scale where there is one.
    explicit Skin(bool baked = true);
    ~Skin();
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    // A picture at its size in logical pixels.
    const QImage& picture(Picture which, qreal dpr);
    static QSize picture_size(Picture which);

    // One character of the 6 x 8 captions, filling its cell, in the caption colour; a pixel
    // font, so each font pixel becomes a square of device pixels, shaded at its edges between
    // whole scales so that every stroke keeps one weight.
    const QImage& small_glyph(char c, qreal dpr);
    // One character of the 10 x 18 cells of the shown number, unit and precision, centred in
    // its cell.
    const Sprite& large_glyph(char c, qreal dpr);
    // A help text, left-aligned and centred in a line box line_height pixels high.
    const Sprite& help_text(const QString& text, int line_height, qreal dpr);

    static QIcon icon();
    // The window icon's pictures: their size and file.
    static QList<QPair<int, QString>> icon_files();
    static QString icon_key(int size);

    // The renderers, shared by the program and the build's baking, and the names under
    // which their results are kept.
    static Sprite render_picture(Picture which, qreal dpr);
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

    bool use_baked_;
    QHash<QString, Sprite> cache_;                     // by key and device pixel ratio
    QHash<QString, std::shared_ptr<BakedSkin>> baked_; // by device pixel ratio; null: none
};

} // namespace calc::view
