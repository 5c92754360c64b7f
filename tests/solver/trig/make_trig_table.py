#!/usr/bin/env python3
"""Writes trig_table.tsv: a trigonometric value of an acute angle, typed as a student types it
from the book, with a length, the area or the perimeter, and the legs a, b and the hypotenuse
c that sympy finds for them: exactly, in the canonical form of make_exact_table.py, and to 17
digits. The Bulgarian region throughout (decimal comma).

sympy takes sin α and cos α from the value (sin β = cos α, tg β = cotg α), writes every element
as c times a function of them, and solves the given one for c. A value typed with three or
more decimals stands for a rounded one and has no exact forms ("none"). A pair the program
must refuse names the reason instead of the legs.

Usage: tests/solver/trig/make_trig_table.py > tests/solver/trig/trig_table.tsv
"""

import os
import sys

import sympy
from sympy import Rational, sqrt, symbols

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "exact"))
from make_exact_table import NoValue, TooLong, terms_of, write  # noqa: E402

R = Rational
# (name, trigonometric element, its text, its value by hand, other element, its text, its
# value by hand); a value typed with three decimals as ("decimal", value).
SOLVED = [
    ("sin_alpha_fraction_with_c", "sin α", "5/13", R(5, 13), "c", "26", R(26)),
    ("cos_alpha_decimal_with_a", "cos α", "0,6", R(3, 5), "a", "8", R(8)),
    ("sin_alpha_root_with_c", "sin α", "√3/2", sqrt(3) / 2, "c", "10", R(10)),
    ("cos_alpha_fraction_with_b", "cos α", "12/13", R(12, 13), "b", "24", R(24)),
    ("tg_alpha_decimal_with_b", "tg α", "0,75", R(3, 4), "b", "8", R(8)),
    ("cotg_alpha_with_area", "cotg α", "24/7", R(24, 7), "S", "84", R(84)),
    ("tg_beta_with_height", "tg β", "7/24", R(7, 24), "h", "6,72", R(672, 100)),
    ("sin_beta_with_perimeter", "sin β", "0,6", R(3, 5), "P", "24", R(24)),
    ("cos_beta_with_inradius", "cos β", "5/13", R(5, 13), "r", "4", R(4)),
    ("cotg_beta_root_with_projection_a", "cotg β", "√3/3", sqrt(3) / 3, "a₁", "2", R(2)),
    ("sin_alpha_half_with_projection_b", "sin α", "1/2", R(1, 2), "b₁", "9", R(9)),
    ("tg_alpha_root_with_circumradius", "tg α", "√3", sqrt(3), "R", "5", R(5)),
    ("tg_alpha_sqrt_word_with_root_leg", "tg α", "sqrt(3)/3", sqrt(3) / 3, "a", "√3", sqrt(3)),
    ("cos_alpha_root_with_root_perimeter", "cos α", "√2/2", sqrt(2) / 2, "P", "2 + √2",
     2 + sqrt(2)),
    ("sin_beta_fraction_with_leg_a", "sin β", "12/13", R(12, 13), "a", "5", R(5)),
    ("sin_alpha_three_decimals_no_forms", "sin α", "0,385", ("decimal", R(385, 1000)), "c",
     "13", R(13)),
]

# (name, first element, its text, second element, its text, the reason)
REFUSED = [
    ("sin_and_cos_agree_within_typing", "sin α", "0,385", "cos α", "0,923", "OnlyTheShape"),
    ("sin_alpha_and_cos_beta_one_fact", "sin α", "5/13", "cos β", "5/13", "OnlyTheShape"),
    ("tg_and_alpha_agree", "tg α", "1", "α", "45", "OnlyTheShape"),
    ("sin_and_cos_contradict", "sin α", "0,6", "cos α", "0,5", "ShapeContradicts"),
    ("tg_and_alpha_contradict", "tg α", "1", "α", "30", "ShapeContradicts"),
    ("cotg_beta_and_tg_beta_contradict", "cotg β", "2", "tg β", "2", "ShapeContradicts"),
    ("sin_one_is_no_acute_angle", "sin α", "1", "c", "5", "Bound"),
    ("cos_beyond_one", "cos β", "1,2", "a", "3", "Bound"),
    ("tg_zero", "tg α", "0", "c", "5", "NotPositive"),
]


def sine_and_cosine(element, value):
    """sin α and cos α from a value of α or β."""
    sine = {
        "sin α": value,
        "cos α": sqrt(1 - value**2),
        "tg α": value / sqrt(1 + value**2),
        "cotg α": 1 / sqrt(1 + value**2),
    }
    swapped = {"sin β": "cos α", "cos β": "sin α", "tg β": "cotg α", "cotg β": "tg α"}
    if element in swapped:
        return sine_and_cosine(swapped[element], value)
    s = sympy.radsimp(sine[element])
    return s, sympy.radsimp(sqrt(1 - s**2))


def legs(trig, trig_value, other, other_value):
    s, k = sine_and_cosine(trig, trig_value)
    c = symbols("c", positive=True)
    of_c = {
        "a": c * s,
        "b": c * k,
        "c": c,
        "h": c * s * k,
        "a₁": c * s**2,
        "b₁": c * k**2,
        "S": c**2 * s * k / 2,
        "P": c * (1 + s + k),
        "r": c * (s + k - 1) / 2,
        "R": c / 2,
    }
    (hypotenuse,) = sympy.solve(sympy.Eq(of_c[other], other_value), c)
    return [sympy.nsimplify(sympy.radsimp(x)) if x.is_algebraic else x
            for x in (hypotenuse * s, hypotenuse * k, hypotenuse)]


def written(value, exact):
    if not exact:
        return "none"
    try:
        return write(terms_of(value), "bulgarian")
    except (NoValue, TooLong):
        return "none"


def main():
    print("name\ttrig\ttrig_text\tother\tother_text\texpected\ta\tb\tc\ta_value\tb_value\t"
          "c_value")
    for name, trig, trig_text, trig_value, other, other_text, other_value in SOLVED:
        exact = not isinstance(trig_value, tuple)
        value = trig_value if exact else trig_value[1]
        a, b, c = legs(trig, value, other, other_value)
        texts = [written(sympy.simplify(x), exact) for x in (a, b, c)]
        values = [str(sympy.N(x, 17)) for x in (a, b, c)]
        print("\t".join([name, trig, trig_text, other, other_text, "solved"] + texts + values))
    for name, first, first_text, second, second_text, reason in REFUSED:
        print("\t".join([name, first, first_text, second, second_text, reason] + [""] * 6))


if __name__ == "__main__":
    main()
