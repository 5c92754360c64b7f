#!/usr/bin/env python3
"""Draws the program's icon, a hamburger, 32 x 32 in at most 256 colours: as a PNG for the
desktop's icon theme and as an XPM that the program compiles in for its window icon.

Run from the project root:
    python3 scripts/draw_icon.py window/icons/triangle-solver.png window/icons/triangle_solver_icon.xpm
"""
import struct
import sys
import zlib

SIZE = 32
TRANSPARENT = (0, 0, 0, 0)


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour[:3]) + (255,)


def draw():
    bun = (222, 150, 62, 255)
    lettuce = (88, 170, 46, 255)
    tomato = (214, 48, 40, 255)
    cheese = (250, 204, 52, 255)
    patty = (110, 62, 34, 255)
    seed = (252, 238, 196, 255)
    outline = (70, 40, 20, 255)
    image = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            image[y][x] = colour

    def band(top, bottom, colour, inset_for_row):
        for y in range(top, bottom + 1):
            inset = inset_for_row(y)
            for x in range(inset, SIZE - inset):
                # A little shading from left to right gives the layers some roundness.
                factor = 1.12 - 0.24 * x / (SIZE - 1)
                put(x, y, shade(colour, factor))

    # Top bun: a dome from row 4 to row 13.
    dome = {4: 10, 5: 7, 6: 5, 7: 4, 8: 3, 9: 2, 10: 2, 11: 1, 12: 1, 13: 1}
    band(4, 13, bun, lambda y: dome[y])
    for x, y in [(9, 7), (14, 6), (19, 7), (23, 9), (12, 10), (17, 9), (7, 10), (21, 11)]:
        put(x, y, seed)
        put(x + 1, y, seed)
    # Lettuce with a wavy lower edge.
    band(14, 15, lettuce, lambda y: 1)
    for x in range(1, SIZE - 1, 3):
        put(x, 16, shade(lettuce, 0.9))
        put(x + 1, 16, shade(lettuce, 0.9))
    # Tomato, cheese with drips, patty.
    band(17, 17, tomato, lambda y: 2)
    band(18, 19, cheese, lambda y: 1)
    for x in (5, 13, 22, 27):
        put(x, 20, cheese)
        put(x, 21, cheese)
    band(20, 23, patty, lambda y: 2 if y in (20, 23) else 1)
    # Bottom bun.
    band(24, 27, bun, lambda y: {24: 1, 25: 1, 26: 2, 27: 4}[y])
    # A dark outline around everything drawn.
    drawn = [[image[y][x][3] > 0 for x in range(SIZE)] for y in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if drawn[y][x]:
                continue
            near = any(0 <= x + dx < SIZE and 0 <= y + dy < SIZE and drawn[y + dy][x + dx]
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if near:
                image[y][x] = outline
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


if __name__ == "__main__":
    image = draw()
    with open(sys.argv[1], "wb") as out:
        out.write(png(image))
    with open(sys.argv[2], "w") as out:
        out.write(xpm(image))
