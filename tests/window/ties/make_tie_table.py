#!/usr/bin/env python3
"""Writes tie_table.tsv: given pairs of the six variants for which some shown value is
exactly a half thousandth, with the text a person rounding by hand writes for it.

The exact values come from the right triangle's identities in fractions, apart from the
program's formulas: a + b = P - c, ab = 2S, (a - b)^2 = c^2 - 4S, h = 2S/c, r = 2S/P,
R = c/2. A value is a tie where 2000 times it is an odd integer; its text is the value
rounded half up to three decimals (Python's decimal). The column `double` says what the
double the formulas give would show if rounded alone: those formulas, in their order, are
evaluated in Python's floats (IEEE doubles, each operation rounded once, as in the program)
and the double read to fifteen digits and rounded half up. Rows whose `double` differs from
`expected` are the ones where the double lies on the other side of the tie.

Columns: window ("main": the four fields and the whole triangle's lines of a row of the
main window; "elements": the window of any two elements), variant (1 to 6, the pair given),
first, second (the given values as typed, with a period), quantity, expected, double.

Run: python3 make_tie_table.py > tie_table.tsv
"""

from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction
from math import isqrt, sqrt
import itertools

THOUSANDTH = Decimal("0.001")


def exact_sqrt(x):
    """The square root of a nonnegative fraction where it is a fraction, else None."""
    if x < 0:
        return None
    n, d = isqrt(x.numerator), isqrt(x.denominator)
    if n * n == x.numerator and d * d == x.denominator:
        return Fraction(n, d)
    return None


def by_hand(x):
    return str((Decimal(x.numerator) / Decimal(x.denominator)).quantize(THOUSANDTH, ROUND_HALF_UP))


def of_double(x):
    return str(Decimal("%.14e" % x).quantize(THOUSANDTH, ROUND_HALF_UP))


def is_tie(x):
    return x is not None and x > 0 and (2000 * x).denominator == 1 and (2000 * x).numerator % 2 == 1


def exact_values(variant, x, y):
    """Every value of the triangle that is rational, by the identities; None for the others
    and for pairs that fit no triangle or only nearly an isosceles one."""
    a = b = c = P = S = None
    if variant == 1:
        a, c = x, y
        if not a < c:
            return None
        b = exact_sqrt(c * c - a * a)
        if b is not None:
            P, S = a + b + c, a * b / 2
    elif variant == 2:
        a, S = x, y
        b = 2 * S / a
        c = exact_sqrt(a * a + b * b)
        if c is not None:
            P = a + b + c
    elif variant in (3, 4, 5):
        if variant == 3:
            c, S = x, y
            legs = exact_sqrt(c * c + 4 * S)
            P = c + legs if legs is not None else None
        elif variant == 4:
            c, P = x, y
            if not P > 2 * c:
                return None
            S = P * (P - 2 * c) / 4
        else:
            P, S = x, y
            c = P - (P * P + 4 * S) / (2 * P)
        gap = c * c - 4 * S  # (a - b)^2: away from the isosceles triangle, and positive
        if not gap > c * c / 100:
            return None
        d = exact_sqrt(gap)
        if d is not None and P is not None:
            a, b = (P - c - d) / 2, (P - c + d) / 2
            if variant == 3:
                a, b = b, a  # the variant finds the longer leg first, as its a
    elif variant == 6:
        a, P = x, y
        if not P > 2 * a:
            return None
        b = (P * P - 2 * P * a) / (2 * P - 2 * a)
        c, S = P - a - b, a * b / 2
    values = {"a": a, "b": b, "c": c, "P": P, "S": S}
    values["h"] = 2 * S / c if S is not None and c is not None else None
    values["r"] = 2 * S / P if S is not None and P is not None else None
    values["R"] = c / 2 if c is not None else None
    values["a₁"] = a * a / c if a is not None and c is not None else None
    values["b₁"] = b * b / c if b is not None and c is not None else None
    return values


def doubles(variant, x, y):
    """The formulas of the variants and of the rest of the triangle in the program's order."""
    if variant == 1:
        a, c = x, y
        b = sqrt(c * c - a * a)
        P, S = (a + b) + c, (a * b) / 2.0
    elif variant == 2:
        a, S = x, y
        b = (2.0 * S) / a
        c = sqrt(a * a + b * b)
        P = (a + b) + c
    elif variant == 3:
        c, S = x, y
        s = sqrt(c * c + 4.0 * S)
        t = sqrt(s * s - 8.0 * S)
        a = (s + t) / 2.0
        b = sqrt(c * c - a * a)
        P = (a + b) + c
    elif variant == 4:
        c, P = x, y
        r = (P - 2.0 * c) / 2.0
        S = (P * r) / 2.0
        t = sqrt((P - c) * (P - c) - 8.0 * S)
        b = ((P - c) + t) / 2.0
        a = (2.0 * S) / b
    elif variant == 5:
        P, S = x, y
        s = (P * P + 4.0 * S) / (2.0 * P)
        t = sqrt(s * s - 8.0 * S)
        b = (s + t) / 2.0
        a = (2.0 * S) / b
        c = P - (a + b)
    else:
        a, P = x, y
        b = (P * P - (2.0 * P) * a) / (2.0 * P - 2.0 * a)
        c = (P - a) - b
        S = (a * b) / 2.0
    return {"a": a, "b": b, "c": c, "P": P, "S": S, "h": (a * b) / c,
            "r": (a * b) / ((a + b) + c), "R": c / 2.0, "a₁": (a * a) / c, "b₁": (b * b) / c}


# What each window shows of a row: the main window its four fields and, of the whole
# triangle's lines, the other leg, the height and the radii; the window of any two elements
# every length and the area.
SHOWN = {
    "main": ["a", "c", "P", "S", "b", "h", "r", "R"],
    "elements": ["a", "b", "c", "S", "P", "h", "a₁", "b₁", "r", "R"],
}
GIVEN = {1: ("a", "c"), 2: ("a", "S"), 3: ("c", "S"), 4: ("c", "P"), 5: ("P", "S"), 6: ("a", "P")}


def typed_values():
    """Values as a student types them: whole numbers, and up to three decimals."""
    values = set()
    for n in range(1, 41):
        values.add(Decimal(n))
    for n in range(1, 200, 3):
        values.add(Decimal(n) / 10)
    for n in range(1, 600, 7):
        values.add(Decimal(n) / 100)
    for n in range(1001, 30000, 313):
        values.add(Decimal(n) / 1000)
    values.add(Decimal("20.307"))
    return sorted(values)


def swapped(variant, values, shorter_is_b):
    """In the window of any two elements a is always the shorter leg where the pair does not
    name a leg (c with S, c with P, P with S)."""
    if variant in (3, 4, 5) and shorter_is_b:
        values = dict(values)
        values["a"], values["b"] = values["b"], values["a"]
        values["a₁"], values["b₁"] = values["b₁"], values["a₁"]
    return values


# The example a user meets first: c = 10 and P = 20,307 give r = (P − 2c)/2 = 0,1535, whose
# double lies just below the half.
EXAMPLES = [("main", 4, "10", "20.307", "r"), ("elements", 4, "10", "20.307", "r")]


def main():
    found = {}  # every tie, by window, variant, quantity and whether the double changes it
    typed = typed_values()
    for variant in range(1, 7):
        for x, y in itertools.product(typed, typed):
            exact = exact_values(variant, Fraction(x), Fraction(y))
            if exact is None:
                continue
            if not all(v is None or v > 0 for v in exact.values()):
                continue
            try:
                double = doubles(variant, float(x), float(y))
            except ValueError:
                continue
            for window in ("main", "elements"):
                e, d = exact, double
                if window == "elements":
                    e = swapped(variant, exact, double["a"] > double["b"])
                    d = swapped(variant, double, double["a"] > double["b"])
                for quantity in SHOWN[window]:
                    if quantity in GIVEN[variant]:
                        continue
                    value = e.get(quantity)
                    if not is_tie(value):
                        continue
                    expected, shown = by_hand(value), of_double(d[quantity])
                    if abs(Decimal(shown) - Decimal(expected)) > THOUSANDTH:
                        continue  # the double off by more than its rounding: none here
                    row = (window, variant, str(x), str(y), quantity, expected, shown)
                    key = (window, variant, quantity, expected == shown)
                    if row[:5] in EXAMPLES:
                        key = row[:5]
                    found.setdefault(key, row)
    print("window\tvariant\tfirst\tsecond\tquantity\texpected\tdouble")
    for key in sorted(found, key=str):
        print("\t".join(str(part) for part in found[key]))


if __name__ == "__main__":
    main()
