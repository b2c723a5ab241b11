// The small captions' pixel fonts as their own glyph bitmaps: Spleen 5x8, 6x12 and 8x16 from
// Debian's fonts-spleen, made into a table at build time (bake/pixel_font.cmake), so that no
// font engine of any platform draws them and they come out the same everywhere.
#pragma once

#include <array>

namespace calc::view {

struct PixelFont {
    int width; // at most 8: one byte a row, the leftmost pixel in the high bit
    int height;
    const unsigned char* rows; // height bytes for each character from ' ' to '~'

    bool ink(char c, int x, int y) const {
        if (c < ' ' || c > '~' || x < 0 || x >= width || y < 0 || y >= height) return false;
        return (rows[(c - ' ') * height + y] & (0x80 >> x)) != 0;
    }
};

// Smallest first; the first is the one the 6 x 8 caption cells are designed for.
extern const std::array<PixelFont, 3> pixel_fonts;

} // namespace calc::view
