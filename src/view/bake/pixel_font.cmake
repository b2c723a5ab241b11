# Turns PC screen fonts (PSF 1 or 2, as Debian's fonts-spleen ships its console fonts) into a
# C++ table of glyph bitmaps for printable ASCII, so that the small captions are drawn from the
# fonts' own pixels and never through a platform's font engine.
# Usage: cmake -DOUTPUT=file.cpp -DFONTS="a.psfu|b.psfu" -P pixel_font.cmake
# Each font must be at most 8 pixels wide (one byte a row) and map ASCII to its own codes, as
# Spleen's do.
set(first 32)
set(count 95) # ' ' to '~'

function(little_endian hex at out)
    set(value 0)
    foreach(i 3 2 1 0)
        math(EXPR pos "(${at} + ${i}) * 2")
        string(SUBSTRING "${hex}" ${pos} 2 byte)
        math(EXPR value "${value} * 256 + 0x${byte}")
    endforeach()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

string(REPLACE "|" ";" FONTS "${FONTS}")
set(tables "")
set(entries "")
set(n 0)
foreach(font IN LISTS FONTS)
    file(READ "${font}" hex HEX)
    string(SUBSTRING "${hex}" 0 8 magic)
    if(magic STREQUAL "72b54a86")
        little_endian("${hex}" 8 header)
        little_endian("${hex}" 20 glyph_bytes)
        little_endian("${hex}" 24 height)
        little_endian("${hex}" 28 width)
    elseif(magic MATCHES "^3604")
        string(SUBSTRING "${hex}" 6 2 size)
        math(EXPR height "0x${size}")
        set(header 4)
        set(glyph_bytes ${height})
        set(width 8)
    else()
        message(FATAL_ERROR "${font}: not a PC screen font")
    endif()
    if(width GREATER 8 OR NOT glyph_bytes EQUAL height)
        message(FATAL_ERROR "${font}: ${width} pixels wide; the table takes one byte a row")
    endif()
    math(EXPR from "(${header} + ${first} * ${glyph_bytes}) * 2")
    math(EXPR length "${count} * ${glyph_bytes} * 2")
    string(SUBSTRING "${hex}" ${from} ${length} glyphs)
    string(LENGTH "${glyphs}" got)
    if(NOT got EQUAL length)
        message(FATAL_ERROR "${font}: too short for printable ASCII")
    endif()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," glyphs "${glyphs}")
    get_filename_component(name "${font}" NAME)
    string(APPEND tables "// ${name}\nconst unsigned char font${n}[] = {\n    ${glyphs}};\n\n")
    string(APPEND entries "    PixelFont{${width}, ${height}, font${n}},\n")
    math(EXPR n "${n} + 1")
endforeach()

set(text "// Made by src/view/bake/pixel_font.cmake from the fonts named below; do not edit.
#include \"pixel_font.h\"

namespace calc::view {

namespace {

${tables}} // namespace

const std::array<PixelFont, ${n}> pixel_fonts = {
${entries}};

} // namespace calc::view
")
# Written only when it changes, so that nothing recompiles for nothing.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${text}" @ONLY)
