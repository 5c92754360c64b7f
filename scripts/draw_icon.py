#!/usr/bin/env python3
"""Draws the program's icon, a hamburger. The picture is described once (BANDS, SEEDS and
WAVES below, in units of the 32 x 32 grid) and drawn three ways: in pixels, 32 x 32 in at
most 256 colours, as a PNG for the desktop's icon theme and as an XPM that the program
compiles in for its window icon; and as a scalable SVG for the larger sizes a launcher
shows.

Run from the project root:
    python3 scripts/draw_icon.py window/icons/triangle-solver.png \
        window/icons/triangle_solver_icon.xpm window/icons/triangle-solver.svg
then render the SVG for the icon theme (rsvg-convert, from Debian's librsvg2-bin):
    for size in 48 64 128 256; do
        rsvg-convert -w $size -h $size window/icons/triangle-solver.svg \
            -o window/icons/triangle-solver-$size.png
    done
"""
import struct
import sys
import zlib

SIZE = 32
TRANSPARENT = (0, 0, 0, 0)


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour[:3]) + (255,)


BUN = (222, 150, 62, 255)
LETTUCE = (88, 170, 46, 255)
TOMATO = (214, 48, 40, 255)
CHEESE = (250, 204, 52, 255)
PATTY = (110, 62, 34, 255)
SEED = (252, 238, 196, 255)
OUTLINE = (70, 40, 20, 255)

# The layers from top to bottom: first row, last row, colour, and for each row how far the
# layer stands in from the left and right edges.
DOME = {4: 10, 5: 7, 6: 5, 7: 4, 8: 3, 9: 2, 10: 2, 11: 1, 12: 1, 13: 1}
BANDS = [
    (4, 13, BUN, lambda y: DOME[y]),
    (14, 15, LETTUCE, lambda y: 1),
    (17, 17, TOMATO, lambda y: 2),
    (18, 19, CHEESE, lambda y: 1),
    (20, 23, PATTY, lambda y: 2 if y in (20, 23) else 1),
    (24, 27, BUN, lambda y: {24: 1, 25: 1, 26: 2, 27: 4}[y]),
]
SEEDS = [(9, 7), (14, 6), (19, 7), (23, 9), (12, 10), (17, 9), (7, 10), (21, 11)]  # two wide
WAVES = [(x, 16) for x in range(1, SIZE - 1, 3)]  # the lettuce's lower edge, two wide
# A little shading from left to right gives the layers some roundness.
SHADE_LEFT, SHADE_RIGHT = 1.12, 0.88


def draw():
    image = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            image[y][x] = colour

    for top, bottom, colour, inset_for_row in BANDS:
        for y in range(top, bottom + 1):
            inset = inset_for_row(y)
            for x in range(inset, SIZE - inset):
                factor = SHADE_LEFT - (SHADE_LEFT - SHADE_RIGHT) * x / (SIZE - 1)
                put(x, y, shade(colour, factor))
    for x, y in SEEDS:
        put(x, y, SEED)
        put(x + 1, y, SEED)
    for x, y in WAVES:
        put(x, y, shade(LETTUCE, 0.9))
        put(x + 1, y, shade(LETTUCE, 0.9))
    # A dark outline around everything drawn.
    drawn = [[image[y][x][3] > 0 for x in range(SIZE)] for y in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if drawn[y][x]:
                continue
            near = any(0 <= x + dx < SIZE and 0 <= y + dy < SIZE and drawn[y + dy][x + dx]
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if near:
                image[y][x] = OUTLINE
    return image


def png(image):
    palette = []
    index = {}
    rows = b""
    for row in image:
        line = bytearray([0])
        for colour in row:
            if colour not in index:
                index[colour] = len(palette)
                palette.append(colour)
            line.append(index[colour])
        rows += bytes(line)
    assert len(palette) <= 256
    # Pad the palette to the full 256 colours.
    palette += [TRANSPARENT] * (256 - len(palette))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)
    plte = b"".join(bytes(c[:3]) for c in palette)
    trns = bytes(c[3] for c in palette)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", plte)
            + chunk(b"tRNS", trns) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def xpm(image):
    letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
    symbols = [a + b for a in letters for b in letters]
    colours = []
    for row in image:
        for colour in row:
            if colour not in colours:
                colours.append(colour)
    assert len(colours) <= len(symbols)
    lines = ['"%d %d %d 2",' % (SIZE, SIZE, len(colours))]
    for symbol, colour in zip(symbols, colours):
        value = "None" if colour[3] == 0 else "#%02X%02X%02X" % colour[:3]
        lines.append('"%s c %s",' % (symbol, value))
    for row in image:
        lines.append('"%s",' % "".join(symbols[colours.index(c)] for c in row))
    lines[-1] = lines[-1].rstrip(",")
    return ("/* XPM */\n/* The window icon, drawn by scripts/draw_icon.py. */\n"
            "static const char* const triangle_solver_icon[] = {\n" + "\n".join(lines) + "};\n")


def svg():
    """The same picture in vector form: each layer's outline runs through the middle of its
    rows' edges, so that it is smooth at every size, with the same colours, shading,
    seeds, waves and outline."""

    def colour(c):
        return "#%02X%02X%02X" % c[:3]

    def outline_of(top, bottom, inset_for_row):
        left = [(inset_for_row(y), y + 0.5) for y in range(top, bottom + 1)]
        right = [(SIZE - inset_for_row(y), y + 0.5) for y in range(bottom, top - 1, -1)]
        points = ([(inset_for_row(top), top)] + left + [(inset_for_row(bottom), bottom + 1),
                  (SIZE - inset_for_row(bottom), bottom + 1)] + right
                  + [(SIZE - inset_for_row(top), top)])
        return "M" + " L".join("%g,%g" % point for point in points) + " Z"

    gradients, shapes, silhouette = [], [], []
    for n, (top, bottom, fill, inset_for_row) in enumerate(BANDS):
        path = outline_of(top, bottom, inset_for_row)
        gradients.append(
            '<linearGradient id="g%d" x1="0" x2="%d" y1="0" y2="0" '
            'gradientUnits="userSpaceOnUse"><stop offset="0" stop-color="%s"/>'
            '<stop offset="1" stop-color="%s"/></linearGradient>'
            % (n, SIZE, colour(shade(fill, SHADE_LEFT)), colour(shade(fill, SHADE_RIGHT))))
        shapes.append('<path d="%s" fill="url(#g%d)"/>' % (path, n))
        silhouette.append('<path d="%s"/>' % path)
    for x, y in WAVES:
        shape = '<ellipse cx="%g" cy="%g" rx="1" ry="0.6"%s/>'
        shapes.append(shape % (x + 1, y + 0.2, ' fill="%s"' % colour(shade(LETTUCE, 0.9))))
        silhouette.append(shape % (x + 1, y + 0.2, ""))
    for x, y in SEEDS:
        shapes.append('<ellipse cx="%g" cy="%g" rx="1" ry="0.5" fill="%s"/>'
                      % (x + 1, y + 0.5, colour(SEED)))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<!-- The program\'s icon, drawn by scripts/draw_icon.py. -->\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<defs>%s</defs>\n'
            '<g fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round">%s</g>\n'
            '%s\n</svg>\n'
            % (SIZE, SIZE, SIZE, SIZE, "".join(gradients), colour(OUTLINE), colour(OUTLINE),
               "".join(silhouette), "\n".join(shapes)))


if __name__ == "__main__":
    image = draw()
    with open(sys.argv[1], "wb") as out:
        out.write(png(image))
    with open(sys.argv[2], "w") as out:
        out.write(xpm(image))
    if len(sys.argv) > 3:
        with open(sys.argv[3], "w") as out:
            out.write(svg())
