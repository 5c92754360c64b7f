#!/usr/bin/env python3
"""Writes accuracy_table.tsv: school-like inputs of every variant with the texts a careful
person would write for them, worked out apart from the program.

Each row is a genuine right triangle whose given pair is typed with 2 to 4 decimals. The
triangle is then solved again from the texts as typed, in 50-digit decimal arithmetic, and
each shown quantity rounded half up at the third decimal. The last column is how far the
closest of the two computed values lies from a rounding tie, so that a row the program gets
wrong can be told from one that sits on a knife's edge.

Usage: tests/solver/accuracy/make_table.py > tests/solver/accuracy/accuracy_table.tsv
"""

import random
from decimal import ROUND_HALF_UP, Decimal, getcontext

getcontext().prec = 50
ROWS_PER_VARIANT = 300
THOUSANDTH = Decimal("0.001")


def typed(value, decimals):
    """The text a user types for a value, to the given number of decimals."""
    return str(Decimal(value).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP))


def shown(value):
    return str(value.quantize(THOUSANDTH, rounding=ROUND_HALF_UP))


def tie_distance(value):
    """Distance of the exact value from the nearest point halfway between thousandths."""
    scaled = value * 1000
    fraction = scaled - scaled.to_integral_value(rounding="ROUND_FLOOR")
    return abs(fraction - Decimal("0.5")) / 1000


def solve(variant, x, y):
    """The exact row (a, c, P, S) of a variant from its given pair, or None when no right
    triangle has these values. The leg shown is the given one in variants 1, 2 and 6, the
    longer one in variant 3 and the shorter one in variants 4 and 5."""
    if x <= 0 or y <= 0:
        return None
    if variant == 1:
        a, c = x, y
        if not 0 < a < c:
            return None
        b = (c * c - a * a).sqrt()
        return a, c, a + b + c, a * b / 2
    if variant == 2:
        a, S = x, y
        b = 2 * S / a
        c = (a * a + b * b).sqrt()
        return a, c, a + b + c, S
    if variant == 3:
        c, S = x, y
        difference = c * c - 4 * S  # (longer - shorter)²
        if difference < 0:
            return None
        s = (c * c + 4 * S).sqrt()
        return (s + difference.sqrt()) / 2, c, s + c, S
    if variant == 4:
        c, P = x, y
        s = P - c
        S = (s * s - c * c) / 4
        difference = c * c - 4 * S
        if S <= 0 or difference < 0:
            return None
        return (s - difference.sqrt()) / 2, c, P, S
    if variant == 5:
        P, S = x, y
        s = (P * P + 4 * S) / (2 * P)
        difference = s * s - 8 * S
        if difference < 0 or s >= P:
            return None
        return (s - difference.sqrt()) / 2, P - s, P, S
    if variant == 6:
        a, P = x, y
        if not 0 < 2 * a < P:
            return None
        b = (P * P - 2 * P * a) / (2 * P - 2 * a)
        return a, P - a - b, P, a * b / 2
    raise ValueError(variant)


def given_pair(variant, a, b):
    """The two quantities a variant is given, for the triangle with legs a and b."""
    c = (a * a + b * b).sqrt()
    P, S = a + b + c, a * b / 2
    return {1: (a, c), 2: (a, S), 3: (c, S), 4: (c, P), 5: (P, S), 6: (a, P)}[variant]


# Columns (a, c, P, S) that each variant computes; the other two are typed.
COMPUTED = {1: (2, 3), 2: (1, 2), 3: (0, 2), 4: (0, 3), 5: (0, 1), 6: (1, 3)}


def main():
    generator = random.Random(20261208)
    print("row\tvariant\tfirst\tsecond\ta\tc\tP\tS\ttie_distance")
    row = 0
    for variant in range(1, 7):
        made = 0
        while made < ROWS_PER_VARIANT:
            scale = Decimal(10) ** generator.randint(-1, 4)
            a = Decimal(generator.uniform(0.5, 10)) * scale
            b = a * Decimal(generator.uniform(0.2, 5))
            first, second = given_pair(variant, a, b)
            texts = (typed(first, generator.randint(2, 4)), typed(second, generator.randint(2, 4)))
            exact = solve(variant, Decimal(texts[0]), Decimal(texts[1]))
            if exact is None:
                continue
            row += 1
            made += 1
            margin = min(tie_distance(exact[j]) for j in COMPUTED[variant])
            print("\t".join([str(row), str(variant), *texts, *(shown(v) for v in exact),
                             f"{margin:.3E}"]))


if __name__ == "__main__":
    main()
