#!/usr/bin/env python3
"""Writes cevian_bounds.tsv: for every pair of a median or bisector with a length, the area
or another median or bisector, the range the median or bisector can take when the other is
10, worked out with mpmath at 50 digits apart from the program, and a value just inside and
just outside each end of it.

Over the shapes of the right triangle (the angle x at A from 0 to 90°, or to 45° where both
elements are their own mirror images), the scale-free quantity q(x) = cevian / other^(1/d)
(d = 2 for the area, 1 otherwise) has a least and a greatest value: at an interior point,
found as a zero of q', the triangle there reaches it ("reached" 1); at an end of the
interval, the flat triangle only approaches it (0), and where q grows without end or falls
to 0 that way there is no bound. The bound is q·10^(1/d).

A row: name, the other element, its value, the median or bisector, low or high, reached,
the bound (17 digits), a value inside (the bound moved in by a thousandth of itself) and
one outside (moved out by a thousandth of itself and a hundredth more, beyond the typing
rule's half a thousandth)."""

from mpmath import mp, mpf, sin, cos, sqrt, pi, diff, findroot

mp.dps = 50

CEVIANS = ["m_a", "m_b", "l_a", "l_b", "l_c"]
OTHERS = ["a", "b", "c", "h", "a₁", "b₁", "S", "P", "r", "R"]
SYMMETRIC = {"c", "h", "S", "P", "r", "R", "l_c"}
GIVEN = mpf(10)


def elements(x):
    """The triangle with hypotenuse 1 and angle x (radians) at A: a = sin x, b = cos x."""
    a, b, c = sin(x), cos(x), mpf(1)
    e = {"a": a, "b": b, "c": c, "h": a * b, "a₁": a * a, "b₁": b * b, "S": a * b / 2,
         "P": a + b + c, "r": (a + b - c) / 2, "R": c / 2}
    # Medians: from A to the midpoint of BC (= a), from B to the midpoint of CA (= b).
    e["m_a"] = sqrt(b ** 2 + (a / 2) ** 2)
    e["m_b"] = sqrt(a ** 2 + (b / 2) ** 2)
    # Bisector from A meets BC at D with CD = a·b/(b + c); from B likewise.
    e["l_a"] = sqrt(b ** 2 + (a * b / (b + c)) ** 2)
    e["l_b"] = sqrt(a ** 2 + (a * b / (a + c)) ** 2)
    # Bisector of C: the point (t, t) on the hypotenuse, t = a·b/(a + b).
    e["l_c"] = sqrt(2) * a * b / (a + b)
    return e


def q_of(other, cevian):
    d = 2 if other == "S" else 1

    def q(x):
        e = elements(x)
        return e[cevian] / (sqrt(e[other]) if d == 2 else e[other])
    return q, d


def ends(other, cevian):
    q, d = q_of(other, cevian)
    symmetric = other in SYMMETRIC and cevian in SYMMETRIC
    end = pi / 4 if symmetric else pi / 2
    n = 2000
    xs = [end * i / n for i in range(1, n + (1 if symmetric else 0))]
    values = [q(x) for x in xs]
    found = []
    for sign, name in ((1, "low"), (-1, "high")):
        i = min(range(len(xs)), key=lambda k: sign * values[k])
        if 0 < i < len(xs) - 1:
            x = findroot(lambda t: diff(q, t), xs[i])
            found.append((name, 1, q(x)))
        elif i == len(xs) - 1 and symmetric:
            found.append((name, 1, q(end)))
        else:
            tiny = mpf(10) ** -30
            limit = q(tiny) if i == 0 else q(pi / 2 - tiny)
            if mpf(10) ** -12 < limit < mpf(10) ** 12:
                found.append((name, 0, limit))
    scale = sqrt(GIVEN) if d == 2 else GIVEN
    return [(name, reached, v * scale) for name, reached, v in found]


def number(x, digits=17):
    return mp.nstr(x, digits, strip_zeros=False, min_fixed=-30, max_fixed=30)


rows = []
pairs = [(o, c) for c in CEVIANS for o in OTHERS]
pairs += [(CEVIANS[i], CEVIANS[j]) for i in range(5) for j in range(5) if i != j]
for other, cevian in pairs:
    for name, reached, bound in ends(other, cevian):
        inward = -1 if name == "high" else 1
        inside = bound * (1 + inward * mpf("0.001"))
        outside = bound * (1 - inward * mpf("0.001")) - inward * mpf("0.01")
        rows.append("\t".join(["%s_with_%s_%s" % (cevian, other, name), other, number(GIVEN, 3),
                               cevian, name, str(reached), number(bound), number(inside, 12),
                               number(outside, 12)]))

with open("cevian_bounds.tsv", "w", encoding="utf-8") as out:
    out.write("# Written by make_cevian_bounds.py; do not edit.\n")
    out.write("\n".join(rows) + "\n")
print(len(rows), "rows")
