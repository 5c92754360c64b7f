#!/usr/bin/env python3
"""Draws the Windows installer's pictures from the program's icon (scripts/draw_icon.py and
its renders in window/icons/), as the 24-bit BMPs NSIS's Modern UI takes:

- the welcome and finish pages' picture, 164 x 314: the icon at 128 pixels on a light ground
  that runs from white into the icon's seed colour, with the icon's outline colour as a thin
  edge on the right, where the page's white begins;
- the header picture, 150 x 57: the icon at 48 pixels at its right end, on white, the
  colour of the header it stands in.

    python3 scripts/draw_installer_pictures.py window/icons WIZARD.bmp HEADER.bmp
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_icon  # noqa: E402
from make_ico import read_rgba_png  # noqa: E402

WHITE = (255, 255, 255)


def blend(under, over):
    """over, an (r, g, b, a) pixel, laid on the opaque (r, g, b) under."""
    alpha = over[3] / 255
    return tuple(round(o * alpha + u * (1 - alpha)) for o, u in zip(over[:3], under))


def canvas(width, height, colour_at):
    return [[colour_at(x, y) for x in range(width)] for y in range(height)]


def place(image, icon, left, top):
    for y, row in enumerate(icon):
        for x, pixel in enumerate(row):
            image[top + y][left + x] = blend(image[top + y][left + x], pixel)


def bmp(image):
    """A bottom-up 24-bit BMP with no compression, each row padded to four bytes."""
    height, width = len(image), len(image[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = b"".join(
        bytes(c for (r, g, b) in row for c in (b, g, r)) + bytes(stride - width * 3)
        for row in reversed(image))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                         0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0,
                               14 + len(header)) + header + pixels


def wizard(icon128):
    width, height = 164, 314
    ground = draw_icon.SEED[:3]

    def colour_at(x, y):
        if x == width - 1:
            return draw_icon.OUTLINE[:3]
        t = y / (height - 1)
        return tuple(round(w + (g - w) * t) for w, g in zip(WHITE, ground))

    image = canvas(width, height, colour_at)
    place(image, icon128, (width - 1 - 128) // 2, 56)
    return image


def header(icon48):
    width, height = 150, 57
    image = canvas(width, height, lambda x, y: WHITE)
    place(image, icon48, width - 48 - 4, (height - 48) // 2)
    return image


def main(icons, wizard_path, header_path):
    icon128 = read_rgba_png(os.path.join(icons, "triangle-solver-128.png"))
    icon48 = read_rgba_png(os.path.join(icons, "triangle-solver-48.png"))
    with open(wizard_path, "wb") as out:
        out.write(bmp(wizard(icon128)))
    with open(header_path, "wb") as out:
        out.write(bmp(header(icon48)))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3])
