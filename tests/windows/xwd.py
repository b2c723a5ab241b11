"""Screen pictures as xwd writes them (ZPixmap, 24 or 32 bits a pixel), read into RGB rows and
written as PNG, so that the tests can compare frames pixel by pixel and keep what they saw."""
import struct
import zlib


def read(path):
    """(width, height, rows): rows a list of bytes, three per pixel."""
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, _version, pixmap_format, _depth, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    ncolors = header[19]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        raise ValueError(f"{path}: not a 24 or 32 bit ZPixmap picture")
    start = header_size + ncolors * 12
    step = bits_per_pixel // 8
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line : start + y * bytes_per_line + width * step]
        out = bytearray(width * 3)
        for x in range(width):
            px = line[x * step : x * step + step]
            if byte_order == 0:  # least significant byte first: B G R (X)
                out[x * 3 : x * 3 + 3] = bytes((px[2], px[1], px[0]))
            else:
                out[x * 3 : x * 3 + 3] = px[step - 3 : step]
        rows.append(bytes(out))
    return width, height, rows


def crop(picture, x, y, width, height):
    _w, _h, rows = picture
    return width, height, [row[x * 3 : (x + width) * 3] for row in rows[y : y + height]]


def write_png(path, picture):
    width, height, rows = picture

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + row for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def differing_pixels(a, b):
    """How many pixels differ; None when the sizes do."""
    if a[:2] != b[:2]:
        return None
    count = 0
    for row_a, row_b in zip(a[2], b[2]):
        if row_a == row_b:
            continue
        for x in range(0, len(row_a), 3):
            if row_a[x : x + 3] != row_b[x : x + 3]:
                count += 1
    return count
