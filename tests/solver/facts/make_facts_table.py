#!/usr/bin/env python3
"""Writes facts_table.tsv: right triangles given by two facts (a value of a median or a
bisector with another element, or a relation: a ratio, a sum, a difference, a multiple) with
every triangle that fits them and its elements rounded to three decimals, worked out with
mpmath at 50 digits, apart from the program.

A row: name, the two facts, how many triangles fit, which one (0, the shorter a first), then
a, b, c, α (degrees), h, a₁, b₁, S, P, r, R, m_a, m_b, l_a, l_b, l_c as the window shows them,
three decimals with a decimal comma. A fact is "value E X" (the element E is X), or "ratio L
R p q", "sum L R s", "difference L R d", "multiple L R k". Numbers are written with a decimal
point, as typed in the program's region-free form."""

import math
import random

import mpmath
from mpmath import mp, mpf, sin, cos, pi, findroot

mp.dps = 50
random.seed(28)

NAMES = ["a", "b", "c", "α", "β", "h", "a₁", "b₁", "S", "P", "r", "R",
         "m_a", "m_b", "l_a", "l_b", "l_c"]
MIRROR = {"a": "b", "b": "a", "α": "β", "β": "α", "a₁": "b₁", "b₁": "a₁",
          "m_a": "m_b", "m_b": "m_a", "l_a": "l_b", "l_b": "l_a"}


def elements(a, b, m=mpmath):
    """Every element of the triangle with legs a and b, from first principles; m is mpmath,
    or math for the quick sampling of an equation's signs."""
    sqrt = m.sqrt
    c = sqrt(a * a + b * b)
    alpha = m.atan2(a, b) * 180 / m.pi
    e = {"a": a, "b": b, "c": c, "α": alpha, "β": 90 - alpha, "h": a * b / c,
         "a₁": a * a / c, "b₁": b * b / c, "S": a * b / 2, "P": a + b + c,
         "r": (a + b - c) / 2, "R": c / 2}
    # The median from A to the midpoint of BC: C at the origin, B = (a, 0), A = (0, b).
    e["m_a"] = sqrt((a / 2) ** 2 + b ** 2)
    e["m_b"] = sqrt(a ** 2 + (b / 2) ** 2)
    # The bisector from A meets BC at D with CD / DB = AC / AB = b / c.
    cd = a * b / (b + c)
    e["l_a"] = sqrt(b ** 2 + cd ** 2)
    ce = b * a / (a + c)
    e["l_b"] = sqrt(a ** 2 + ce ** 2)
    # The bisector of C meets AB at the point (t, t) of the line x/a + y/b = 1.
    t = a * b / (a + b)
    e["l_c"] = sqrt(2) * t
    return e


def fact_value(fact, e):
    kind = fact[0]
    if kind == "value":
        return e[fact[1]]
    left, right = e[fact[1]], e[fact[2]]
    if kind == "ratio":
        return left / right
    if kind == "multiple":
        return left / right
    if kind == "sum":
        return left + right
    return left - right


def typed(x, digits=12):
    return mp.nstr(x, digits, strip_zeros=True, min_fixed=-30, max_fixed=30)


def fact_text(fact, value):
    kind = fact[0]
    if kind == "value":
        return "value %s %s" % (fact[1], typed(value))
    if kind == "ratio":
        return "ratio %s %s %s %s" % (fact[1], fact[2], typed(value), "1")
    return "%s %s %s %s" % (kind, fact[1], fact[2], typed(value))


def degree(fact):
    shape = {"α", "β"}
    if fact[0] in ("ratio", "multiple"):
        return 0
    if fact[1] in shape:
        return 0
    return 2 if fact[1] == "S" else 1


def symmetric(fact):
    if fact[0] == "value":
        return MIRROR.get(fact[1], fact[1]) == fact[1]
    if fact[0] == "sum" and MIRROR.get(fact[1], fact[1]) == fact[2]:
        return True
    return MIRROR.get(fact[1], fact[1]) == fact[1] and MIRROR.get(fact[2], fact[2]) == fact[2]


def triangles(f1, v1, f2, v2):
    """Every (a, b) with the two facts, by the angle α in (0°; 90°) of the triangle whose
    hypotenuse is 1, then its size from a fact of a length or the area."""
    def unit(x, m=mpmath):
        return elements(m.sin(x), m.cos(x), m)

    d1, d2 = degree(f1), degree(f2)

    def equation(x, m=mpmath):
        sqrt = m.sqrt
        w1, w2 = (v1, v2) if m is mpmath else (float(v1), float(v2))
        e = unit(x, m)
        g1, g2 = fact_value(f1, e), fact_value(f2, e)
        if d1 == 0:
            return g1 - w1
        if d2 == 0:
            return g2 - w2
        r1 = sqrt(g1) if d1 == 2 else g1
        r2 = sqrt(g2) if d2 == 2 else g2
        return r1 * (sqrt(w2) if d2 == 2 else w2) - r2 * (sqrt(w1) if d1 == 2 else w1)

    both = symmetric(f1) and symmetric(f2)
    end = math.pi / 4 if both else math.pi / 2
    n = 3000
    points = [end * i / n for i in range(1, n + (1 if both else 0))]
    values = [equation(x, math) for x in points]
    roots = []
    for i in range(1, len(points)):
        if values[i - 1] == 0:
            roots.append(points[i - 1])
        elif values[i - 1] * values[i] < 0:
            roots.append(findroot(lambda x: equation(x), (mpf(points[i - 1]), mpf(points[i])),
                                  solver="anderson"))
    sized, value = (f1, v1) if d1 > 0 else (f2, v2)
    found = []
    for x in roots:
        g = fact_value(sized, unit(x))
        c = mpmath.sqrt(value / g) if degree(sized) == 2 else value / g
        found.append((c * sin(x), c * cos(x)))
    found.sort()
    return found


def rounded(x):
    text = "%.3f" % float(mp.nint(x * 1000) / 1000)
    return text.replace(".", ",")


def random_legs():
    while True:
        a = mpf(random.randint(500, 90000)) / 1000
        b = mpf(random.randint(500, 90000)) / 1000
        if abs(a - b) > mpf("0.05") * max(a, b) and max(a, b) / min(a, b) < 12:
            return a, b


KINDS = []
for cevian in ("m_a", "m_b", "l_a", "l_b", "l_c"):
    for other in ("a", "b", "c", "α", "h", "S", "P"):
        KINDS.append(("%s_with_%s" % (cevian, other), ("value", cevian), ("value", other)))
KINDS += [
    ("m_a_with_l_c", ("value", "m_a"), ("value", "l_c")),
    ("l_a_with_r", ("value", "l_a"), ("value", "r")),
    ("ratio_of_legs_with_c", ("ratio", "a", "b"), ("value", "c")),
    ("ratio_c_a_with_S", ("ratio", "c", "a"), ("value", "S")),
    ("ratio_of_projections_with_h", ("ratio", "a₁", "b₁"), ("value", "h")),
    ("ratio_h_a_with_c", ("ratio", "h", "a"), ("value", "c")),
    ("ratio_m_a_b_with_P", ("ratio", "m_a", "b"), ("value", "P")),
    ("sum_of_legs_with_c", ("sum", "a", "b"), ("value", "c")),
    ("sum_c_a_with_b", ("sum", "c", "a"), ("value", "b")),
    ("sum_of_legs_with_α", ("sum", "a", "b"), ("value", "α")),
    ("difference_c_a_with_b", ("difference", "c", "a"), ("value", "b")),
    ("difference_b_a_with_c", ("difference", "b", "a"), ("value", "c")),
    ("difference_b_a_with_h", ("difference", "b", "a"), ("value", "h")),
    ("multiple_b_a_with_S", ("multiple", "b", "a"), ("value", "S")),
    ("angle_difference_with_a", ("difference", "α", "β"), ("value", "a")),
    ("angle_ratio_with_c", ("ratio", "α", "β"), ("value", "c")),
    ("two_differences", ("difference", "c", "a"), ("difference", "c", "b")),
    ("ratio_and_sum", ("ratio", "a", "b"), ("sum", "a", "b")),
    ("sum_and_l_c", ("sum", "a", "b"), ("value", "l_c")),
    ("difference_and_m_a", ("difference", "b", "a"), ("value", "m_a")),
]

rows = []
for name, f1, f2 in KINDS:
    for n in range(20):
        a, b = random_legs()
        e = elements(a, b)
        v1 = mpf(typed(fact_value(f1, e)))
        v2 = mpf(typed(fact_value(f2, e)))
        found = triangles(f1, v1, f2, v2)
        assert found, (name, n)
        for which, (x, y) in enumerate(found):
            t = elements(x, y)
            rows.append("\t".join(["%s_%d_%d" % (name, n, which), fact_text(f1, v1),
                                   fact_text(f2, v2), str(len(found)), str(which)] +
                                  [rounded(t[k]) for k in NAMES if k != "β"]))

with open("facts_table.tsv", "w", encoding="utf-8") as out:
    out.write("# Written by make_facts_table.py; do not edit.\n")
    out.write("\n".join(rows) + "\n")
print(len(rows), "rows")
