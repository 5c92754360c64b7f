#!/usr/bin/env python3
"""Writes element_table.tsv: right triangles given by any two of their twelve elements, as
a person would type the two values, and the whole triangle each pair gives, or "refused"
where no right triangle has the values. Worked out apart from the program.

The elements, in the order of the columns: a and b the legs, c the hypotenuse, alpha and
beta the angles opposite a and b in degrees, h the height to the hypotenuse, a1 = a²/c and
b1 = b²/c the projections of the legs on the hypotenuse, S the area, P the perimeter,
r = ab/(a + b + c) and R = c/2 the radii of the inscribed and the circumscribed circle.
Of the 66 pairs, alpha with beta and c with R say only the shape or only the size and have
no rows. The 14 other pairs of two of c, h, S, P, r, R fix the triangle only up to
swapping the legs: their rows have a <= b. The remaining 50 pairs fix it wholly.

Rows that give a triangle (the twelve value columns are numbers):
  - textbook triangles, every pair of them: 3-4-5, 6-8-10 and 4-3-5 (that one only where
    the pair tells the legs apart), c = 10 with alpha = 30, a1 = 9 with b1 = 16;
  - isosceles triangles exactly on a bound that typed values can meet (h = c/2,
    S = c²/4, S = h², h = R, S = R²): the isosceles triangle;
  - for every pair, triangles of every shape and size: isosceles, nearly isosceles,
    ordinary and thin (leg ratio up to 1:1000), legs from 0.05 to 1e5. The pair's two
    exact values are typed rounded half up to 2, 3 or 4 decimals (never 4 decimals
    ending in 5, which would put a given value on a rounding tie; never fewer than two
    significant digits). The triangle is then solved again from the texts as typed.
    Typed values that fit no right triangle (rounding an isosceles pair can push it just
    past its bound) are left out: values that close to the bound are taken as the
    isosceles triangle, which is no exact solution of the typed pair. So are rows with
    a value exactly on a rounding tie (R = c/2 for c = 2.345), where the row could not
    tell a right answer from a wrong one. Typed values just inside an isosceles bound
    stay: their triangle is the exact one, with legs a little apart.

Rows that are refused (all twelve value columns "refused", tie_distance "-"): for every
pair with a bound, values past it by more than a thousandth of the bound's value and by
more than 0.002, and still past it with each value moved by 0.001 towards it (so never
within typing of an isosceles bound); and for every bound reached only as the triangle
flattens or grows without end (a < c, a1 < a, h < a, r < a/2, r < h/2, P > 2c,
alpha < 90, ...), values exactly on it.

How the triangle is solved again: in 50-digit arithmetic (mpmath) from the definitions
of the elements in terms of the legs alone. The pair's scale-free combination (the angle,
or y^(1/dy) / x^(1/dx) where dx and dy are 1 for a length and 2 for the area) depends on
the leg ratio only; it is found by a bracketed root search over ln(a/b), after a check
(made on every run) that it is monotonic there (on ln(a/b) <= 0 for the pairs that do not
tell the legs apart), so the solution is unique. Its bounds, found numerically on every
run, must be the bounds listed in BOUNDS. The scale follows from one given value. The
result is checked against Newton's method on the two equations in the two legs, started
from the triangle the values were typed from, wherever that converges (near the isosceles
triangle of a pair that does not tell the legs apart the equations are nearly singular),
and the residuals of both given values must be below 1e-40.

Each of the twelve values is shown rounded half up at the third decimal (angles in
degrees). The last column is how far the closest of the twelve exact values lies from a
rounding tie (a value ending in 5 at the fourth decimal), so that a row the program gets
wrong can be told from one that sits on a knife's edge.

Columns: first second first_text second_text a b c alpha beta h a1 b1 S P r R
tie_distance, first before second in the element order.

Usage: tests/solver/elements/make_element_table.py > tests/solver/elements/element_table.tsv
"""

import itertools
import math
import random
import sys
from decimal import ROUND_HALF_UP, Decimal

import mpmath
from mpmath import mp, mpf

mp.dps = 50
SEED = 9122026
RANDOM_ROWS_PER_PAIR = 32  # isosceles, nearly isosceles, ordinary, thin: see SHAPES
SHAPES = ("isosceles",) * 4 + ("near",) * 5 + ("ordinary",) * 15 + ("thin",) * 8
REFUSED_PER_BOUND = 6
ON_FLAT_BOUND_PER_BOUND = 2
LOG_RATIO_LIMIT = mpf(23)  # ln(a/b) searched in [-23, 23]: legs up to 1e10 apart
RESIDUAL_LIMIT = mpf("1e-40")

ELEMENTS = ("a", "b", "c", "alpha", "beta", "h", "a1", "b1", "S", "P", "r", "R")
ANGLES = ("alpha", "beta")
SYMMETRIC = ("c", "h", "S", "P", "r", "R")  # the same for both legs
DEGREE = {name: 0 if name in ANGLES else 2 if name == "S" else 1 for name in ELEMENTS}
DEPENDENT = {("alpha", "beta"), ("c", "R")}
PAIRS = [pair for pair in itertools.combinations(ELEMENTS, 2) if pair not in DEPENDENT]

SQRT2 = mpmath.sqrt(2)
# Each bound: (limited, other, sense, k, flat): limited < k·other^p (sense "<") or
# limited > k·other^p (">"), p = degree(limited) / degree(other) (0 for an angle's 90°).
# A flat bound is approached only as the triangle flattens or grows without end and is
# never met; the others are met by the isosceles triangle, and are written "<=" / ">=".
BOUNDS = [
    ("a", "c", "<", 1, True), ("b", "c", "<", 1, True),
    ("a1", "c", "<", 1, True), ("b1", "c", "<", 1, True),
    ("a1", "a", "<", 1, True), ("b1", "b", "<", 1, True),
    ("h", "a", "<", 1, True), ("h", "b", "<", 1, True),
    ("a", "R", "<", 2, True), ("b", "R", "<", 2, True),
    ("a1", "R", "<", 2, True), ("b1", "R", "<", 2, True),
    ("r", "a", "<", mpf(1) / 2, True), ("r", "b", "<", mpf(1) / 2, True),
    ("r", "h", "<", mpf(1) / 2, True),
    ("P", "a", ">", 2, True), ("P", "b", ">", 2, True),
    ("P", "a1", ">", 2, True), ("P", "b1", ">", 2, True),
    ("P", "c", ">", 2, True), ("P", "R", ">", 4, True),
] + [(angle, other, "<", 90, True) for angle in ANGLES
     for other in ELEMENTS if other not in ANGLES] + [
    ("S", "c", "<=", mpf(1) / 4, False),
    ("P", "c", "<=", 1 + SQRT2, False),
    ("S", "P", "<=", (3 - 2 * SQRT2) / 4, False),
    ("h", "c", "<=", mpf(1) / 2, False),
    ("r", "c", "<=", (SQRT2 - 1) / 2, False),
    ("S", "h", ">=", 1, False),
    ("h", "P", "<=", (SQRT2 - 1) / 2, False),
    ("r", "h", ">=", SQRT2 - 1, False),
    ("h", "R", "<=", 1, False),
    ("S", "r", ">=", 3 + 2 * SQRT2, False),
    ("S", "R", "<=", 1, False),
    ("r", "P", "<=", (3 - 2 * SQRT2) / 2, False),
    ("P", "R", "<=", 2 * (1 + SQRT2), False),
    ("r", "R", "<=", SQRT2 - 1, False),
]


def pair_of(x, y):
    """The pair in the element order."""
    return (x, y) if ELEMENTS.index(x) < ELEMENTS.index(y) else (y, x)


def is_symmetric(pair):
    return pair[0] in SYMMETRIC and pair[1] in SYMMETRIC


def bounds_of(pair):
    return [bound for bound in BOUNDS if pair_of(bound[0], bound[1]) == pair]


def element(name, a, b):
    """One element of the right triangle with legs a and b, from its definition."""
    if name == "a":
        return a
    if name == "b":
        return b
    if name == "alpha":
        return mpmath.degrees(mpmath.atan2(a, b))
    if name == "beta":
        return mpmath.degrees(mpmath.atan2(b, a))
    if name == "S":
        return a * b / 2
    c = mpmath.sqrt(a * a + b * b)
    return {"c": c, "h": a * b / c, "a1": a * a / c, "b1": b * b / c, "P": a + b + c,
            "r": a * b / (a + b + c), "R": c / 2}[name]


def all_elements(a, b):
    return [element(name, a, b) for name in ELEMENTS]


def scale_free(pair, x, y):
    """The pair's combination that depends only on the shape: the angle, if one is."""
    first, second = pair
    if first in ANGLES:
        return x
    if second in ANGLES:
        return y
    return mpmath.root(y, DEGREE[second]) / mpmath.root(x, DEGREE[first])


def shape_value(pair, t):
    """The scale-free combination for the legs e^t and 1."""
    a, b = mpmath.exp(t), mpf(1)
    return scale_free(pair, element(pair[0], a, b), element(pair[1], a, b))


def legs_from_shape(pair, t, x, y):
    """The legs of the triangle of shape t (ln(a/b)) with the pair's given values."""
    name, value = (pair[1], y) if pair[0] in ANGLES else (pair[0], x)
    unit = element(name, mpmath.exp(t), mpf(1))
    scale = mpmath.root(value / unit, DEGREE[name])
    return scale * mpmath.exp(t), scale


def search_range(pair):
    return (-LOG_RATIO_LIMIT, mpf(0) if is_symmetric(pair) else LOG_RATIO_LIMIT)


def solve(pair, x, y):
    """The legs (a, b) of the right triangle with the pair's values x and y, a <= b where
    the pair does not tell the legs apart, or None where no triangle (in the range
    searched) has them."""
    if x <= 0 or y <= 0:
        return None
    target = scale_free(pair, x, y)
    low, high = search_range(pair)
    f_low = shape_value(pair, low) - target
    f_high = shape_value(pair, high) - target
    if is_symmetric(pair) and abs(f_high) <= RESIDUAL_LIMIT * target:
        t = high  # on the bound the isosceles triangle meets
    elif f_low * f_high > 0:
        return None
    else:
        t = bracketed_root(lambda u: shape_value(pair, u) - target, low, f_low, high, f_high)
    a, b = legs_from_shape(pair, t, x, y)
    if residual(pair, a, b, x, y) > RESIDUAL_LIMIT:
        raise AssertionError(f"{pair} {x} {y}: residual {residual(pair, a, b, x, y)}")
    return a, b


def bracketed_root(f, x0, f0, x1, f1):
    """The root of f between x0 and x1, where f has opposite signs: the Illinois method,
    with a halving step wherever it has not halved the bracket in three steps."""
    width = abs(x1 - x0)
    for step in range(1, 1000):
        if abs(x1 - x0) < mpf(10) ** (5 - mp.dps) or f1 == 0:
            return x1
        if step % 3 == 0 and abs(x1 - x0) > width / 2:
            x2 = (x0 + x1) / 2
        else:
            x2 = x1 - f1 * (x1 - x0) / (f1 - f0)
        if step % 3 == 0:
            width = abs(x1 - x0)
        f2 = f(x2)
        if (f2 < 0) != (f1 < 0):
            x0, f0 = x1, f1
        else:
            f0 /= 2
        x1, f1 = x2, f2
    raise AssertionError("no convergence")


def residual(pair, a, b, x, y):
    return max(abs(element(pair[0], a, b) / x - 1), abs(element(pair[1], a, b) / y - 1))


def newton_check(pair, x, y, start, solution):
    """Newton's method on the two equations in the legs from the start triangle: whether
    it agrees with the solution (True), finds nothing (None: near the isosceles triangle
    the equations are nearly singular), or disagrees (False)."""
    def equations(a, b):
        return [element(pair[0], a, b) / x - 1, element(pair[1], a, b) / y - 1]

    try:
        a, b = mpmath.findroot(equations, start, tol=mpf(10) ** (-2 * mp.dps + 20),
                               maxsteps=60)
    except (ValueError, ZeroDivisionError):
        return None
    if a <= 0 or b <= 0 or residual(pair, a, b, x, y) > RESIDUAL_LIMIT:
        return None
    if is_symmetric(pair) and a > b:
        a, b = b, a
    return max(abs(a / solution[0] - 1), abs(b / solution[1] - 1)) < mpf(10) ** -20


# Bounds and uniqueness, found numerically.

def check_pairs():
    """Checks, over a grid of shapes, that each pair's scale-free combination is monotonic
    (on the half ln(a/b) <= 0 for the pairs that do not tell the legs apart) and that its
    range is exactly what the pair's BOUNDS say."""
    saved = mp.dps
    mp.dps = 30
    grid = [mpf(i) / 10 for i in range(-230, 231)]
    for pair in PAIRS:
        bounds = bounds_of(pair)
        symmetric = is_symmetric(pair)
        values = [shape_value(pair, t) for t in grid]
        if symmetric:
            for i, value in enumerate(values):
                assert abs(value / values[-1 - i] - 1) < mpf(10) ** -20, pair
            values = values[:231]
        steps = [v2 - v1 for v1, v2 in zip(values, values[1:])]
        assert all(s > 0 for s in steps) or all(s < 0 for s in steps), f"{pair} not monotonic"
        if pair[0] in ANGLES or pair[1] in ANGLES:
            assert [b[:5] for b in bounds] == [(pair[0] if pair[0] in ANGLES else pair[1],
                                                pair[1] if pair[0] in ANGLES else pair[0],
                                                "<", 90, True)], pair
            continue
        # The range of limited / other^p for each bound's orientation, or of y / x^p.
        first, second = pair
        for limited, other, sense, k, flat in bounds or [(second, first, None, None, None)]:
            p = mpf(DEGREE[limited]) / DEGREE[other]
            ratios = []
            for t in grid:
                a, b = mpmath.exp(t), mpf(1)
                ratios.append(element(limited, a, b) / element(other, a, b) ** p)
            ends = (ratios[0], ratios[-1])
            middle = ratios[230]
            if sense is None:
                assert min(ends) < mpf("1e-6") and max(ends) > mpf("1e6"), (pair, ends)
                continue
            extreme = max(ratios) if sense in "<=" else min(ratios)
            other_extreme = min(ratios) if sense in "<=" else max(ratios)
            assert abs(extreme / k - 1) < mpf("1e-6"), (pair, limited, other, extreme, k)
            if flat:
                assert all((r < k) if sense == "<" else (r > k) for r in ratios), pair
                assert abs(middle / k - 1) > mpf("1e-3"), pair  # not met by the isosceles
            else:
                assert abs(middle / k - 1) < mpf("1e-25"), (pair, middle, k)
            # The other side of the range: another listed bound, or 0, or without end.
            others = [bd for bd in bounds if bd[:2] == (limited, other) and bd[2] != sense]
            if others:
                assert abs(other_extreme / others[0][3] - 1) < mpf("1e-6"), pair
            elif sense in "<=":
                assert other_extreme < mpf("1e-6"), (pair, limited, other_extreme)
            else:
                assert other_extreme > mpf("1e6"), (pair, limited, other_extreme)
        # A pair with one bound in each orientation would be listed twice: no such pair.
        assert len({bd[:2] for bd in bounds}) <= 1, pair
    mp.dps = saved


# Texts and rounding.

def decimal_of(value):
    return Decimal(mpmath.nstr(value, 45, min_fixed=-mpmath.inf, max_fixed=mpmath.inf))


def typed(value, decimals):
    return str(decimal_of(value).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP))


def shown(value):
    return str(decimal_of(value).quantize(Decimal("0.001"), rounding=ROUND_HALF_UP))


def tie_distance(value):
    scaled = decimal_of(value) * 1000
    fraction = scaled - scaled.to_integral_value(rounding="ROUND_FLOOR")
    return abs(fraction - Decimal("0.5")) / 1000


def user_text(value, generator):
    """The text a user types for an exact value: 2 to 4 decimals, at least two
    significant digits, not a tie at the third decimal; None if there is no such text."""
    for decimals in range(generator.randint(2, 4), 5):
        text = typed(value, decimals)
        if decimals == 4 and text.endswith("5"):
            text = typed(value, 3)
        if Decimal(text) >= Decimal(10).scaleb(-(len(text) - text.index(".") - 1)):
            return text
    return None


def solved_row(pair, texts, solution=None):
    if solution is None:
        solution = solve(pair, mpf(texts[0]), mpf(texts[1]))
    values = all_elements(*solution)
    margin = min(tie_distance(v) for v in values)
    return [*pair, *texts, *(shown(v) for v in values), f"{margin:.3E}"]


def refused_in_order(pair, texts):
    """The refused row of two texts keyed by element, written in the pair's order."""
    texts = [texts[pair[0]], texts[pair[1]]]
    assert solve(pair, mpf(texts[0]), mpf(texts[1])) is None, (pair, texts)
    return refused_row(pair, texts)


def refused_row(pair, texts):
    return [*pair, *texts, *(["refused"] * 12), "-"]


# The rows.

STATS = {"newton agrees": 0, "newton no root": 0, "left out: no triangle": 0,
         "left out: text": 0, "left out: tie": 0}


def checked_solution(pair, texts, start):
    x, y = mpf(texts[0]), mpf(texts[1])
    solution = solve(pair, x, y)
    if solution is None:
        return None
    agreement = newton_check(pair, x, y, start, solution)
    if agreement is False:
        raise AssertionError(f"{pair} {texts}: Newton's method finds another triangle")
    STATS["newton agrees" if agreement else "newton no root"] += 1
    return solution


def textbook_rows():
    rows = []
    triangles = [(3, 4), (6, 8), (4, 3)]
    for legs in triangles:
        a, b = mpf(legs[0]), mpf(legs[1])
        for pair in PAIRS:
            if legs[0] > legs[1] and is_symmetric(pair):
                continue
            texts = []
            for name in pair:
                value = element(name, a, b)
                text = (typed(value, 2) if name in ANGLES
                        else format(decimal_of(value).normalize(), "f"))
                texts.append(text)
            solution = checked_solution(pair, texts, (a, b))
            rows.append(solved_row(pair, texts, solution))
    for pair, texts, start in ((("c", "alpha"), ["10", "30"], (5, 8.66)),
                               (("a1", "b1"), ["9", "16"], (15, 20))):
        rows.append(solved_row(pair, texts, checked_solution(pair, texts, start)))
    return rows


def isosceles_bound_rows():
    """Values exactly on a bound the isosceles triangle meets, where decimals can be."""
    rows = []
    cases = [(("c", "h"), "7.30", "3.65"), (("c", "h"), "0.25", "0.125"),
             (("c", "S"), "3.2", "2.56"), (("c", "S"), "150.5", "5662.5625"),
             (("h", "S"), "2.5", "6.25"), (("h", "S"), "0.07", "0.0049"),
             (("h", "R"), "1.234", "1.234"), (("h", "R"), "4321.5", "4321.5"),
             (("S", "R"), "2.25", "1.5"), (("S", "R"), "98.01", "9.9")]
    for pair, first, second in cases:
        solution = solve(pair, mpf(first), mpf(second))
        assert abs(solution[0] / solution[1] - 1) < mpf("1e-40"), pair
        rows.append(solved_row(pair, [first, second], solution))
    return rows


def random_legs(generator, shape):
    if shape == "isosceles":
        ratio = 1.0
    elif shape == "near":
        ratio = 1 + 10 ** generator.uniform(-4, -2)
    elif shape == "ordinary":
        ratio = generator.uniform(1.05, 10)
    else:
        ratio = 10 ** generator.uniform(1, 3)
    shorter = 10 ** generator.uniform(math.log10(0.05), math.log10(1e5 / ratio))
    shorter = mpf(f"{shorter:.6g}")  # a leg with a few digits, as a problem would set
    longer = shorter * mpf(ratio)
    return (shorter, longer) if generator.random() < 0.5 else (longer, shorter)


def random_rows(generator, pair):
    rows = []
    for shape in SHAPES:
        while True:
            a, b = random_legs(generator, shape)
            texts = [user_text(element(name, a, b), generator) for name in pair]
            if None in texts:
                STATS["left out: text"] += 1
                continue
            solution = checked_solution(pair, texts, (a, b))
            if solution is None:
                STATS["left out: no triangle"] += 1
                continue
            row = solved_row(pair, texts, solution)
            if Decimal(row[-1]) == 0:  # a value exactly on a tie, as c/2 for c = 2.345
                STATS["left out: tie"] += 1
                continue
            rows.append(row)
            break
    return rows


def refused_rows(generator, pair):
    """Values past each of the pair's bounds, and on each flat one."""
    rows = []
    for limited, other, sense, k, flat in bounds_of(pair):
        p = mpf(DEGREE[limited]) / DEGREE[other]
        made = 0
        while made < REFUSED_PER_BOUND:
            if other in ANGLES:
                raise AssertionError(pair)
            other_value = mpf(10) ** generator.uniform(-1, 4.5)
            other_text = user_text(other_value, generator)
            bound = k * mpf(other_text) ** p
            margin = mpf(10) ** generator.uniform(-2.5, -0.3)
            if limited in ANGLES:
                limited_value = bound * (1 + margin / 2)
            elif sense in "<=":
                limited_value = bound * (1 + 3 * margin)
            else:
                limited_value = bound * (1 - margin)
            limited_text = user_text(limited_value, generator)
            if limited_text is None:
                continue
            distance = abs(mpf(limited_text) - bound)
            beyond = mpf(limited_text) > bound if sense in "<=" else mpf(limited_text) < bound
            if not beyond or distance <= bound / 1000 or distance <= mpf("0.002"):
                continue
            # Still past the bound with each value moved by a thousandth towards it.
            nudge = mpf("0.001") * (1 if sense in "<=" else -1)
            if (k * (mpf(other_text) + nudge) ** p - (mpf(limited_text) - nudge)) * nudge >= 0:
                continue
            rows.append(refused_in_order(pair, {limited: limited_text, other: other_text}))
            made += 1
        if flat:
            made = 0
            while made < ON_FLAT_BOUND_PER_BOUND:
                other_text = typed(mpf(10) ** generator.uniform(-1, 4), 2)
                limited_text = str(Decimal(k if isinstance(k, int) else str(k))
                                   * Decimal(other_text) ** int(p)
                                   if p else Decimal(k))
                if Decimal(other_text) <= 0 or len(limited_text.partition(".")[2]) > 4:
                    continue
                rows.append(refused_in_order(pair, {limited: limited_text, other: other_text}))
                made += 1
    return rows


def main():
    check_pairs()
    generator = random.Random(SEED)
    header = ["first", "second", "first_text", "second_text", *ELEMENTS, "tie_distance"]
    rows = textbook_rows() + isosceles_bound_rows()
    for pair in PAIRS:
        rows += random_rows(generator, pair)
    solved = len(rows)
    for pair in PAIRS:
        rows += refused_rows(generator, pair)
    order = {pair: i for i, pair in enumerate(PAIRS)}
    rows.sort(key=lambda row: (order[(row[0], row[1])], row[4] == "refused"))
    print("\t".join(header))
    for row in rows:
        print("\t".join(row))
    print(f"{solved} solved rows, {len(rows) - solved} refused rows; {STATS}", file=sys.stderr)


if __name__ == "__main__":
    main()
