#!/usr/bin/env python3
"""Makes the Windows program's icon file from the project's own icon: 16 and 32 pixels from
the pixel drawing of scripts/draw_icon.py (16 by averaging each 2 x 2 block of the 32), 48 and
256 from the renders of its SVG in window/icons/. The small sizes are stored as 32-bit
bitmaps, as every version of Windows reads them; 256 as a PNG, as Windows Vista and later do.

    python3 scripts/make_ico.py window/icons OUTPUT.ico
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_icon  # noqa: E402


def read_rgba_png(path):
    """The pixels of an 8-bit RGBA, non-interlaced PNG, as rows of (r, g, b, a)."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour_type == 6 and interlace == 0, path
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up = previous[x]
            upper_left = previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else upper_left)
                line[x] = (line[x] + predictor) & 255
        rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        previous = line
    return rows


def halve(image):
    """Each 2 x 2 block averaged, colours weighted by their opacity."""
    size = len(image) // 2
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            block = [image[2 * y + dy][2 * x + dx] for dy in (0, 1) for dx in (0, 1)]
            alpha = sum(p[3] for p in block)
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            row.append(tuple(round(sum(p[c] * p[3] for p in block) / alpha) for c in range(3))
                       + (round(alpha / 4),))
        out.append(row)
    return out


def bitmap(image):
    """An icon image as a 32-bit DIB: the header, the pixels bottom-up in BGRA, then the
    1-bit AND mask (all zero: the alpha channel decides)."""
    size = len(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(image) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_stride * size)


def ico(entries):
    """entries: (size, bytes) pairs, each a DIB or a PNG."""
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in entries)


def main(icons, output):
    pixels32 = draw_icon.draw()
    entries = [
        (16, bitmap(halve(pixels32))),
        (32, bitmap(pixels32)),
        (48, bitmap(read_rgba_png(os.path.join(icons, "triangle-solver-48.png")))),
        (256, open(os.path.join(icons, "triangle-solver-256.png"), "rb").read()),
    ]
    with open(output, "wb") as out:
        out.write(ico(entries))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
