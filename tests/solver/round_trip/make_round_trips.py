#!/usr/bin/env python3
"""Writes round_trips.tsv: right triangles of every shape, their shown values typed back
into every variant that takes them, and for each quantity of the row the range that the
exact triangle takes while each typed value moves by up to half a thousandth.

The shown values are the exact triangle's quantities rounded half up at the third
decimal, as the program writes them. Typed back, they lie within half a thousandth of the
values behind them, so the row the program gives must lie, quantity by quantity, within
the range the exact formulas take over that neighbourhood of the typed pair. Where a
point of the neighbourhood lies past the isosceles boundary (the legs' difference would be
the root of a negative number), its row is the isosceles right triangle of its hypotenuse
(variants 3 and 4) or perimeter (variant 5), the other value as it is: the triangle that
typed values within rounding of that boundary belong to. Worked out in 50-digit decimal
arithmetic, apart from the program.

Usage: tests/solver/round_trip/make_round_trips.py > tests/solver/round_trip/round_trips.tsv
"""

import random
from decimal import ROUND_HALF_UP, Decimal, getcontext

getcontext().prec = 50
SEED = 14122026
TRIANGLES = 320
THOUSANDTH = Decimal("0.001")
HALF = Decimal("0.0005")
ZERO = Decimal(0)
SMALL_TRIANGLES = 160  # after the others, with legs from 0.05
GRID = 6  # steps across the neighbourhood in each direction
SQRT2 = Decimal(2).sqrt()


def shown(value):
    return value.quantize(THOUSANDTH, rounding=ROUND_HALF_UP)


def root(x):
    return max(x, ZERO).sqrt()


def isosceles_of_hypotenuse(c):
    """The legs, perimeter and area of the isosceles right triangle with hypotenuse c."""
    leg = c / SQRT2
    return leg, c + 2 * leg, leg * leg / 2


def isosceles_of_perimeter(P):
    """The legs and hypotenuse of the isosceles right triangle with perimeter P."""
    leg = P / (2 + SQRT2)
    return leg, leg * SQRT2


def row(variant, x, y):
    """The exact row (a, c, P, S) of a variant from its given pair, past the isosceles
    boundary the isosceles triangle of its hypotenuse or perimeter; None outside every
    variant's domain."""
    if x <= 0 or y <= 0:
        return None
    if variant == 1:
        a, c = x, y
        if a >= c:
            return None
        b = root(c * c - a * a)
        return a, c, a + b + c, a * b / 2
    if variant == 2:
        a, S = x, y
        b = 2 * S / a
        return a, (a * a + b * b).sqrt(), a + b + (a * a + b * b).sqrt(), S
    if variant == 3:
        c, S = x, y
        if c * c - 4 * S < 0:
            leg, P, _ = isosceles_of_hypotenuse(c)
            return leg, c, P, S
        s = (c * c + 4 * S).sqrt()
        a = (s + root(c * c - 4 * S)) / 2
        b = root(c * c - a * a)
        return a, c, a + b + c, S
    if variant == 4:
        c, P = x, y
        if P <= 2 * c:
            return None
        if 2 * c * c - (P - c) * (P - c) < 0:
            leg, _, S = isosceles_of_hypotenuse(c)
            return leg, c, P, S
        S = P * (P - 2 * c) / 4
        b = ((P - c) + root((P - c) * (P - c) - 8 * S)) / 2
        return 2 * S / b, c, P, S
    if variant == 5:
        P, S = x, y
        s = (P * P + 4 * S) / (2 * P)
        if s * s - 8 * S < 0:
            leg, c = isosceles_of_perimeter(P)
            return leg, c, P, S
        b = (s + root(s * s - 8 * S)) / 2
        a = 2 * S / b
        if P - a - b <= 0:
            return None
        return a, P - a - b, P, S
    a, P = x, y
    if P <= 2 * a:
        return None
    b = (P * P - 2 * P * a) / (2 * P - 2 * a)
    c = P - a - b
    return a, c, P, a * b / 2


def boundary_points(variant, x, y):
    """Where the isosceles triangle crosses the edges of the neighbourhood: there the
    clamped formulas turn, so their extremes can lie there."""
    k = (3 - 2 * Decimal(2).sqrt()) / 4
    points = []
    for dx in (-HALF, HALF):
        X = x + dx
        if variant == 3:
            points.append((X, X * X / 4))  # S = c²/4
        elif variant == 4:
            points.append((X, X * (1 + Decimal(2).sqrt())))  # P = (1 + √2)·c
        elif variant == 5:
            points.append((X, k * X * X))  # S = (3 − 2√2)·P²/4
    for dy in (-HALF, HALF):
        Y = y + dy
        if variant == 3:
            points.append((2 * Y.sqrt(), Y))
        elif variant == 4:
            points.append((Y / (1 + Decimal(2).sqrt()), Y))
        elif variant == 5:
            points.append(((Y / k).sqrt(), Y))
    return [(X, Y) for X, Y in points if abs(X - x) <= HALF and abs(Y - y) <= HALF]


def ranges(variant, x, y):
    points = [(x + HALF * i / GRID, y + HALF * j / GRID)
              for i in range(-GRID, GRID + 1) for j in range(-GRID, GRID + 1)]
    points += boundary_points(variant, x, y)
    rows = [r for r in (row(variant, X, Y) for X, Y in points) if r is not None]
    return [(min(r[j] for r in rows), max(r[j] for r in rows)) for j in range(4)]


def legs(random_source, shape, small):
    lowest, highest = (0.05, 0.5) if small else (0.5, 2000)
    short = Decimal(random_source.uniform(lowest, highest)).quantize(Decimal("1e-12"))
    if shape == "isosceles":
        ratio = Decimal(1)
    elif shape == "nearly-isosceles":
        ratio = 1 + Decimal(random_source.uniform(0, 0.002)).quantize(Decimal("1e-12"))
    elif shape == "ordinary":
        ratio = Decimal(random_source.uniform(1, 4)).quantize(Decimal("1e-12"))
    else:  # thin
        ratio = Decimal(random_source.uniform(4, 20)).quantize(Decimal("1e-12"))
    return short, short * ratio


def main():
    random_source = random.Random(SEED)
    shapes = ["isosceles", "nearly-isosceles", "ordinary", "thin"]
    print("row\tvariant\tshape\tfirst\tsecond\t"
          "a_low\ta_high\tc_low\tc_high\tP_low\tP_high\tS_low\tS_high")
    n = 0
    for i in range(TRIANGLES + SMALL_TRIANGLES):
        shape = shapes[i % len(shapes)]
        short, long = legs(random_source, shape, small=i >= TRIANGLES)
        c = (short * short + long * long).sqrt()
        shown_short, shown_long = shown(short), shown(long)
        shown_c, shown_P, shown_S = shown(c), shown(short + long + c), shown(short * long / 2)
        typed = []
        for leg in (shown_short, shown_long):
            typed += [(1, leg, shown_c), (2, leg, shown_S), (6, leg, shown_P)]
        typed += [(3, shown_c, shown_S), (4, shown_c, shown_P), (5, shown_P, shown_S)]
        for variant, x, y in typed:
            n += 1
            bounds = ranges(variant, x, y)
            cells = [f"{low:.15E}\t{high:.15E}" for low, high in bounds]
            print(f"{n}\t{variant}\t{shape}\t{x}\t{y}\t" + "\t".join(cells))


if __name__ == "__main__":
    main()
