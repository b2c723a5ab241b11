// The calculator's look: the skin pictures rendered from their vector sources, the bundled
// fonts, and the glyphs of the small pixel font.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace calc::view {

enum class Picture { Face, Panel, LampHorizontal, LampVertical };

// Caption colours: pale green on the display glass, light grey for the help line on the body.
inline const QColor caption_colour{0xd8, 0xf5, 0xdf};
inline const QColor help_colour{0xd4, 0xd0, 0xc8};

// Character cells of the fixed-pitch captions, in pixels at scale 1.
inline constexpr QSize small_cell{6, 8};
inline constexpr QSize large_cell{10, 18};

class Skin {
public:
    // Registers the bundled fonts (once per process); the face's legends need them.
    Skin();

    // A picture at its size in logical pixels, rendered once per device pixel ratio.
    const QPixmap& picture(Picture which, qreal dpr);
    static QSize picture_size(Picture which);

    // One character of the 6 x 8 captions, filling its cell, in the caption colour; a pixel
    // font, so it is enlarged pixel by pixel on scaled screens.
    const QPixmap& small_glyph(char c, qreal dpr);

    QFont large_font() const; // the 10 x 18 cells of the shown number, unit and precision
    QFont help_font() const;  // the proportional help line

    static QIcon icon();

private:
    QPixmap render_picture(Picture which, qreal dpr) const;
    QPixmap render_small_glyph(char c, qreal dpr) const;

    QHash<QString, QPixmap> cache_; // by picture or glyph and device pixel ratio
};

} // namespace calc::view
