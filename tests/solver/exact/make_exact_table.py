#!/usr/bin/env python3
"""Writes exact_table.tsv: expressions on typed numbers, each with its exact value as sympy
works it out, written in the canonical form of solver/exact/exact_text.h in two regions.

An expression is postfix: numbers as typed, + - * / neg sqrt, sin cos tg of an angle in
degrees and asin acos atg giving one. After every operation the value must be a sum of at
most two terms q*sqrt(n), sympy's own square-free radicands and rationalised denominators,
with every integer below 2**127, and a square root of a rational must leave no part above
10**15 that trial division to 10**5 cannot settle; otherwise the row's value is "none". A
form with an integer of more than four digits is "long"; an integer or a decimal of at most three
decimals alone may have up to fifteen. Only 15, 22.5, 30, 45, 60, 67.5
and 75 degrees are special angles.

Usage: tests/solver/exact/make_exact_table.py > tests/solver/exact/exact_table.tsv
"""

import math
import random

import sympy
from sympy import Rational, S

LONGEST = 4
LONGEST_PLAIN = 15
LIMIT = 2**127
TRIAL_BOUND = 10**5
SPECIAL = {Rational(d) for d in ("15", "22.5", "30", "45", "60", "67.5", "75")}
REGIONS = {"period": (".", ","), "bulgarian": (",", "\u00a0")}


class NoValue(Exception):
    pass


class TooLong(Exception):
    pass


def terms_of(value):
    """{radicand: coefficient} of a canonical value, or NoValue."""
    value = sympy.expand(sympy.radsimp(sympy.sqrtdenest(value)))
    terms = {}
    for key, q in value.as_coefficients_dict().items():
        if key == 1:
            n = 1
        elif key.is_Pow and key.exp == S.Half and key.base.is_Integer and key.base > 1:
            n = int(key.base)
        else:
            raise NoValue
        if not q.is_Rational:
            raise NoValue
        terms[n] = terms.get(n, 0) + q
    terms = {n: q for n, q in terms.items() if q != 0}
    if len(terms) > 2 or any(max(abs(q.p), q.q, n) >= LIMIT for n, q in terms.items()):
        raise NoValue
    return terms


def settled(n):
    """Whether trial division to the bound and a square test decide n's square part."""
    rest = math.prod(p**k for p, k in sympy.factorint(n).items() if p > TRIAL_BOUND)
    return rest < 10**15 or math.isqrt(rest) ** 2 == rest


def special(angle):
    if angle not in SPECIAL:
        raise NoValue
    return angle * sympy.pi / 180


def angle_of(inverse, value):
    angle = sympy.simplify(inverse(value) * 180 / sympy.pi)
    if angle not in SPECIAL:
        raise NoValue
    return angle


def evaluate(postfix):
    stack = []
    for token in postfix.split():
        if token in ("+", "-", "*", "/"):
            y, x = stack.pop(), stack.pop()
            if token == "/" and y == 0:
                raise NoValue
            value = {"+": x + y, "-": x - y, "*": x * y, "/": x / y}[token]
        elif token == "sqrt":
            x = stack.pop()
            if x.is_Rational and not (x >= 0 and settled(x.p) and settled(x.q)):
                raise NoValue
            value = sympy.sqrt(x)
        elif token in ("neg", "sin", "cos", "tg"):
            x = stack.pop()
            value = -x if token == "neg" else getattr(sympy, token.replace("tg", "tan"))(special(x))
        elif token in ("asin", "acos", "atg"):
            value = angle_of(getattr(sympy, token.replace("atg", "atan")), stack.pop())
        else:
            value = Rational(repr(float(token)))  # the shortest text of the typed double
            assert value == Rational(token), token
        terms = terms_of(value)
        stack.append(sum((q * sympy.sqrt(n) for n, q in terms.items()), S.Zero))
    (result,) = stack
    return terms_of(result)


def write(terms, region):
    point, group = REGIONS[region]
    ((n0, q0),) = terms.items() if len(terms) == 1 else ((2, None),)
    plain = not terms or (n0 == 1 and 1000 % q0.q == 0)
    longest = LONGEST_PLAIN if plain else LONGEST

    def integer(m):
        m = int(m)
        digits = str(m)
        if len(digits) > longest:
            raise TooLong
        return f"{m:,}".replace(",", group) if plain else digits

    def product(c, n):
        if n == 1:
            return integer(c)
        radicand = integer(n)
        if group in radicand:
            radicand = f"({radicand})"
        return (integer(c) if c != 1 else "") + "√" + radicand

    sign = lambda q: "−" if q < 0 else ""
    if not terms:
        return "0"
    if len(terms) == 1:
        ((n, q),) = terms.items()
        if n > 1:
            return sign(q) + product(abs(q.p), n) + ("" if q.q == 1 else "/" + integer(q.q))
        if q.q == 1:
            return sign(q) + integer(abs(q.p))
        for decimals in (1, 2, 3):
            if 10**decimals % q.q == 0:
                whole, fraction = divmod(abs(q.p) * 10**decimals // q.q, 10**decimals)
                return sign(q) + integer(whole) + point + str(fraction).zfill(decimals)
        return sign(q) + integer(abs(q.p)) + "/" + integer(q.q)
    common = math.lcm(*(q.q for q in terms.values()))
    # The positive term first, then the rational one, then the smaller radicand.
    numerators = ((q * common, n) for n, q in terms.items())
    (a, n), (b, m) = sorted(numerators, key=lambda t: (bool(t[0] < 0), t[1]))
    text = sign(a) + product(abs(a), n) + (" − " if b < 0 else " + ") + product(abs(b), m)
    return text if common == 1 else f"({text})/{integer(common)}"


def expected(postfix):
    try:
        terms = evaluate(postfix)
    except NoValue:
        return ["none", "none", ""]
    value = sum((q * sympy.sqrt(n) for n, q in terms.items()), S.Zero)
    try:
        texts = [write(terms, region) for region in REGIONS]
    except TooLong:
        texts = ["long", "long"]
    return texts + [str(sympy.N(value, 17))]


# Each simplification, each limit and each special angle at least once.
NAMED = [
    ("integer", "4"),
    ("typed_decimal_is_exact", "12.5"),
    ("tenth_is_exact", "0.1 0.2 +"),
    ("three_decimals_as_decimal", "0.125 neg"),
    ("four_decimals_as_fraction", "0.0625"),
    ("thirds_as_fraction", "10 3 /"),
    ("grouped_integer", "1234.5 2 *"),
    ("nine_digits_still_written", "123456789"),
    ("zero", "3 3 -"),
    ("square_root_of_a_square", "5 5 * 3 3 * - sqrt"),
    ("square_free_radicand", "10 10 * 5 5 * - sqrt"),
    ("negative_root_term", "18 sqrt neg"),
    ("root_over_integer", "0.75 sqrt 5 *"),
    ("root_of_a_fraction", "2 3 / sqrt"),
    ("root_in_denominator_rationalised", "6 3 sqrt /"),
    ("like_terms_collected", "12 sqrt 3 sqrt +"),
    ("like_terms_cancel", "8 sqrt 2 sqrt 2 * -"),
    ("conjugate_of_rational_and_root", "1 1 2 sqrt + /"),
    ("conjugate_of_two_roots", "1 3 sqrt 2 sqrt + /"),
    ("sum_over_common_denominator", "2.5 3 sqrt +"),
    ("two_roots_multiplied", "3 sqrt 2 sqrt + 3 sqrt 2 sqrt + *"),
    ("denested_variant_3", "50 4 46 sqrt * - sqrt"),
    ("denested_from_formula", "10 10 * 10 10 * 10 10 * * 16 21 21 * * - sqrt - 2 / sqrt"),
    ("denested_issue_example", "10 10 * 10 10 * 10 10 * * 16 20 20 * * - sqrt + 2 / sqrt"),
    ("denested_with_plus", "5 2 6 sqrt * + sqrt"),
    ("denested_with_fraction", "2 3 sqrt + 2 / sqrt"),
    ("not_denestable", "2 2 sqrt + sqrt"),
    ("root_of_two_roots", "2 sqrt 3 sqrt + sqrt"),
    ("fourth_root", "2 sqrt sqrt"),
    ("three_terms", "2 sqrt 3 sqrt + 5 sqrt +"),
    ("four_terms_back_to_two", "1 2 sqrt + 1 2 sqrt - *"),
    ("negative_radicand", "3 5 - sqrt"),
    ("negative_sum_radicand", "1 2 sqrt - sqrt"),
    ("division_by_zero", "1 2 2 - /"),
    ("ten_digits_alone_written", "123456789 10 *"),
    ("ten_digit_decimal_alone_written", "1234567890.5"),
    ("long_integer", "123456789012345 100 *"),
    ("long_denominator", "1 12347 /"),
    ("long_numerator", "12347 7 /"),
    ("four_digit_radicand", "1234 sqrt"),
    ("long_radicand", "12345 sqrt"),
    ("overflow_product", "1e30 1e30 *"),
    ("overflow_in_between", "1e20 1e20 * 1e20 /"),
    ("overflow_denominators", "1 1e20 3 + / 1 1e20 7 + / +"),
    ("tiny_typed_number", "1e-40"),
    ("unsettled_radicand", "100000007 100000037 * sqrt"),
    ("settled_square_of_large_prime", "100000007 100000007 * sqrt"),
    ("settled_prime_times_square", "100000007 4 * sqrt"),
    ("sin_15", "15 sin"),
    ("cos_15", "15 cos"),
    ("tg_15", "15 tg"),
    ("sin_22.5_nested", "22.5 sin"),
    ("tg_22.5", "22.5 tg"),
    ("sin_30", "30 sin"),
    ("cos_30", "30 cos"),
    ("tg_30", "30 tg"),
    ("sin_45", "45 sin"),
    ("tg_45", "45 tg"),
    ("sin_60", "60 sin"),
    ("tg_60", "60 tg"),
    ("cos_67.5_nested", "67.5 cos"),
    ("tg_67.5", "67.5 tg"),
    ("sin_75", "75 sin"),
    ("tg_75", "75 tg"),
    ("sin_18_not_special", "18 sin"),
    ("atg_of_one_over_root_3", "1 3 sqrt / atg"),
    ("atg_of_2_minus_root_3", "2 3 sqrt - atg"),
    ("atg_of_legs_1_and_1", "1.5 1.5 / atg"),
    ("atg_of_root_2_minus_1", "2 sqrt 1 - atg"),
    ("atg_not_special", "3 4 / atg"),
    ("asin_of_half", "5 10 / asin"),
    ("asin_of_sin_15", "6 sqrt 2 sqrt - 4 / asin"),
    ("asin_of_sin_18_not_special", "5 sqrt 1 - 4 / asin"),
    ("acos_of_root_3_over_2", "3 sqrt 2 / acos"),
    ("acos_of_half_is_60", "0.5 acos"),
]


def typed(rng, low, high):
    """A value in [low, high] as a student types it: an integer or one or two decimals."""
    decimals = rng.choice((0, 0, 1, 2))
    value = round(rng.uniform(low, high), decimals)
    return str(int(value)) if decimals == 0 else str(value)


def random_rows(rng, count):
    """The triangle's formulas on random typed values that fit a right triangle."""
    forms = [
        ("leg", "{c} {c} * {a} {a} * - sqrt"),
        ("hypotenuse", "{a} {a} * {b} {b} * + sqrt"),
        ("variant_3_leg", "{c} {c} * {c} {c} * {c} {c} * * 16 {s} {s} * * - sqrt - 2 / sqrt"),
        ("variant_4_leg", "{p} {c} - 2 {c} {c} * * {p} {c} - {p} {c} - * - sqrt + 2 /"),
        ("height", "{a} {b} * {a} {a} * {b} {b} * + sqrt /"),
        ("inradius", "{a} {b} + {a} {a} * {b} {b} * + sqrt - 2 /"),
        ("tangent_angle", "{a} {b} / atg"),
        ("tangent_30", "{a} {a} 3 sqrt * / atg"),
        ("tangent_60", "{a} 3 sqrt * {a} / atg"),
        ("tangent_15", "{a} 2 3 sqrt - * {a} / atg"),
    ]
    rows = []
    while len(rows) < count:
        name, form = forms[len(rows) % len(forms)]
        c = typed(rng, 2, 40)
        values = {
            "c": c,
            "a": typed(rng, 1, float(c) * 0.95),
            "b": typed(rng, 1, 40),
            "s": typed(rng, 1, float(c) ** 2 / 4),
            "p": typed(rng, 2.02 * float(c), 2.41 * float(c)),
        }
        rows.append((f"random_{len(rows) + 1:02}_{name}", form.format(**values)))
    return rows


def main():
    rng = random.Random(22)
    print("name\tpostfix\tperiod\tbulgarian\tvalue")
    for name, postfix in NAMED + random_rows(rng, 56):
        print("\t".join([name, postfix] + expected(postfix)))


if __name__ == "__main__":
    main()
