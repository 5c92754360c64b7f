#!/usr/bin/env python3
"""Writes typed_table.tsv: texts a student types into a field of the window of any two
elements, in the Bulgarian region (decimal comma, digit groups by a no-break space), each with
the number it stands for as sympy works it out from a hand translation, written in the
canonical form of make_exact_table.py, and its value to 17 digits.

A decimal of three or more decimals stands for a rounded value and has no exact form
("none"); a text that is no number in any accepted form is "refused".

Usage: tests/solver/typed/make_typed_table.py > tests/solver/typed/typed_table.tsv
"""

import os
import sys

import sympy
from sympy import Rational, sqrt

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "exact"))
from make_exact_table import NoValue, TooLong, terms_of, write  # noqa: E402

R = Rational
# (name, text as typed, its value by hand; None where it must be refused, and for a decimal of
# three or more decimals the pair ("decimal", value))
ROWS = [
    ("integer", "12", R(12)),
    ("decimal_comma", "12,5", R(25, 2)),
    ("decimal_period", "7.25", R(29, 4)),
    ("three_decimals_no_form", "3,464", ("decimal", R(3464, 1000))),
    ("trailing_zero_counts_as_two", "3,460", R(346, 100)),
    ("fraction", "3/5", R(3, 5)),
    ("improper_fraction", "7/2", R(7, 2)),
    ("fraction_of_decimals", "1,5/2", R(3, 4)),
    ("root", "√3", sqrt(3)),
    ("root_multiple", "2√3", 2 * sqrt(3)),
    ("root_over_two", "√3/2", sqrt(3) / 2),
    ("multiple_over_two", "3√2/2", 3 * sqrt(2) / 2),
    ("square_factor_taken_out", "√12", 2 * sqrt(3)),
    ("root_in_denominator", "2/√3", 2 / sqrt(3)),
    ("sum_with_root", "3 + √3", 3 + sqrt(3)),
    ("difference_unicode_minus", "2√3 − 2", 2 * sqrt(3) - 2),
    ("difference_hyphen", "2√3-2", 2 * sqrt(3) - 2),
    ("sqrt_word", "sqrt(3)", sqrt(3)),
    ("sqrt_word_multiple", "2sqrt(3)", 2 * sqrt(3)),
    ("sqrt_word_star", "2*sqrt(3)", 2 * sqrt(3)),
    ("sqrt_of_twelve_word", "sqrt(12)", 2 * sqrt(3)),
    ("middle_dot", "2·√3", 2 * sqrt(3)),
    ("root_of_fraction", "√(3/4)", sqrt(3) / 2),
    ("root_of_decimal", "√0,25", R(1, 2)),
    ("blanks_around", "  5√3  ", 5 * sqrt(3)),
    ("bracketed_sum_over", "(1 + √5)/2", (1 + sqrt(5)) / 2),
    ("perfect_square_root", "√49", R(7)),
    ("shown_form_pasted", "5√3 ≈ 8,660", 5 * sqrt(3)),
    ("shown_fraction_pasted", "60/13 ≈ 4,615", R(60, 13)),
    ("shown_sum_pasted", "15 + 5√3 ≈ 23,660", 15 + 5 * sqrt(3)),
    ("grouped_integer", "1 234", R(1234)),
    ("negative_is_a_number", "−2√3", -2 * sqrt(3)),
    ("pasted_decimal_disagrees", "5√3 ≈ 9,000", None),
    ("root_sign_alone", "√", None),
    ("two_numbers", "2 3", None),
    ("three_terms", "√2 + √3 + 1", None),
    ("division_by_zero", "1/0", None),
    ("root_of_negative", "√(−3)", None),
    ("not_denesting", "√(2 + √2)", None),
    ("unclosed_bracket", "sqrt(3", None),
    ("letters", "2x", None),
    ("operator_at_end", "2√3 +", None),
    ("two_operators", "3 */ 5", None),
]


def row(name, text, value):
    if value is None:
        return [name, text, "refused", ""]
    if isinstance(value, tuple):
        return [name, text, "none", str(sympy.N(value[1], 17))]
    try:
        written = write(terms_of(value), "bulgarian")
    except (NoValue, TooLong):
        written = "none"
    return [name, text, written, str(sympy.N(value, 17))]


def main():
    print("name\ttext\tbulgarian\tvalue")
    for name, text, value in ROWS:
        print("\t".join(row(name, text, value)))


if __name__ == "__main__":
    main()
