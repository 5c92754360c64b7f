#!/usr/bin/env python3
"""Writes slender_table.tsv: the elements of slender right triangles (legs 1 : 20 to 1 : 50,
either way round) as the window shows them, three decimals, worked out with mpmath at 50
digits apart from the program. Every pair of a median or bisector with another element,
typed back as shown, must give a triangle.

A row: name, then a, b, c, α, β, h, a₁, b₁, S, P, r, R, sin α, cos α, tg α, cotg α, sin β,
cos β, tg β, cotg β, m_a, m_b, l_a, l_b, l_c with a decimal point."""

from mpmath import mp, mpf, sqrt, atan2, pi, nint

mp.dps = 50

LEGS = [(1, 20), (20, 1), (1, 35), (3, 100), (1, 50), (50, 1), (2, 37)]


def elements(a, b):
    c = sqrt(a * a + b * b)
    alpha = atan2(a, b) * 180 / pi
    sa, ca = a / c, b / c
    return [a, b, c, alpha, 90 - alpha, a * b / c, a * a / c, b * b / c, a * b / 2, a + b + c,
            (a + b - c) / 2, c / 2, sa, ca, a / b, b / a, ca, sa, b / a, a / b,
            # m_a, m_b: to the midpoints of a and b.
            sqrt(b ** 2 + (a / 2) ** 2), sqrt(a ** 2 + (b / 2) ** 2),
            # l_a, l_b: the bisectors meet the opposite legs at a·b/(b + c), a·b/(a + c).
            sqrt(b ** 2 + (a * b / (b + c)) ** 2), sqrt(a ** 2 + (a * b / (a + c)) ** 2),
            # l_c: the diagonal of the square of side a·b/(a + b).
            sqrt(2) * a * b / (a + b)]


rows = []
for a, b in LEGS:
    shown = ["%.3f" % float(nint(x * 1000) / 1000) for x in elements(mpf(a), mpf(b))]
    rows.append("\t".join(["legs_%d_%d" % (a, b)] + shown))

with open("slender_table.tsv", "w", encoding="utf-8") as out:
    out.write("# Written by make_slender_table.py; do not edit.\n")
    out.write("\n".join(rows) + "\n")
print(len(rows), "rows")
