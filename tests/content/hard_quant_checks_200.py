"""Checks of MHardQuantSet200, questions 112 to 311: each recomputes its question from the stem's numbers."""
import itertools
import math
from fractions import Fraction as F
from math import comb

from hard_quant_support import Table, divisors, fracs, grid, is_prime, is_square, mean, median, sufficiency

TABLE = Table("MHardQuantSet200")
ps, ds = TABLE.ps, TABLE.ds


@ds(112)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, lambda n: n % 12 == 0, lambda n: n * n % 72 == 0, lambda n: n**3 % 48 == 0)


@ps(113)
def _():
    return F(1, 2) ** -3 * round(8 ** (2 / 3)) * F(1, round(16**0.75))


@ds(114)
def _():
    cases = [(n,) for n in range(3, 60)]
    return sufficiency(cases, lambda n: comb(n, 3), lambda n: comb(n, 2) == 36, lambda n: 7 < n < 11)


@ps(115)
def _():
    minutes = (14 * 60 + 45) - (8 * 60 + 10)
    charge = F(3) + F(3, 2) * -(-(max(minutes - 60, 0)) // 30)
    return min(charge, 20)


@ds(116)
def _():
    hours = fracs(1, 20, 2)
    cases = list(grid(hours, hours))
    return sufficiency(cases, lambda a, b: 1 / (1 / a + 1 / b), lambda a, b: a - b == 8, lambda a, b: 3 / a + 3 / b == 1)


@ds(117)
def _():
    values = fracs(-8, 8, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda x, y: x * y, lambda x, y: x + y == 7, lambda x, y: x * x + y * y == 25)


@ds(118)
def _():
    r = range(-12, 13)
    cases = [(x, y, z) for x in r for y in r for z in r if x < y < z]
    return sufficiency(cases, lambda x, y, z: y > mean([x, y, z]), lambda x, y, z: x + y + z == 0,
                       lambda x, y, z: z - y > y - x)


@ds(119)
def _():
    cases = list(grid(range(0, 80), range(0, 80)))
    return sufficiency(cases, lambda chickens, cows: cows,
                       lambda h, c: h + c == 50 and 2 * h + 4 * c == 140, lambda h, c: h == c + 10)


@ps(120)
def _():
    x = F(0)
    while (F(15, 100) * (40 - x) + x) / 40 < F(32, 100):
        x += F(1, 10)
    return x


@ds(121)
def _():
    # Students studying exactly one, two and three subjects, and the subject totals they allow.
    cases = [(e1, e2, 40 - e1 - e2) for e1 in range(41) for e2 in range(41 - e1)]
    return sufficiency(cases, lambda e1, e2, e3: e3, lambda e1, e2, e3: e1 + 2 * e2 + 3 * e3 == 25 + 20 + 19,
                       lambda e1, e2, e3: e2 == 16)


@ds(122)
def _():
    p = fracs(0, 1, 20)
    cases = list(grid(p, p))
    return sufficiency(cases, lambda a, b: a + b - a * b, lambda a, b: a == F(2, 5),
                       lambda a, b: a * b == F(1, 5) and b == F(1, 2))


@ds(123)
def _():
    cases = list(grid(fracs(1, 40, 4), [F(1, 2), F(2, 3), 1, F(3, 2), 2, 3]))
    term = lambda a, r, n: a * r ** (n - 1)  # noqa: E731
    return sufficiency(cases, lambda a, r: term(a, r, 5), lambda a, r: term(a, r, 3) * term(a, r, 7) == 144,
                       lambda a, r: term(a, r, 1) * term(a, r, 9) == 144)


@ds(124)
def _():
    cases = [(a, b) for a in range(1, 40) for b in range(1, 40) if math.gcd(a, b) == 1]
    return sufficiency(cases, lambda a, b: F(a, b), lambda a, b: F(a + 1, b + 1) == F(1, 2), lambda a, b: a + b < 10)


@ps(125)
def _():
    t = F(0)
    while 70 * max(t - 2, 0) - 50 * t < 20:
        t += F(1, 4)
    return t


@ds(126)
def _():
    # Convex kites ABCD with AB = BC = p, CD = DA = q and diagonal AC = d.
    def area(p, q, d):
        return round(d / 2 * (math.sqrt(p * p - d * d / 4) + math.sqrt(q * q - d * d / 4)), 9)

    cases = [(p, q, d) for p in range(1, 10) for q in range(1, 10) for d in range(1, 2 * min(p, q))]
    return sufficiency(cases, area, lambda p, q, d: p == 5, lambda p, q, d: q == 5)


@ps(127)
def _():
    return sum(1 for x in range(-100, 101) if abs(x - 3) + abs(x + 2) < 11)


@ps(128)
def _():
    return sum(1 / (math.sqrt(n + 1) + math.sqrt(n)) for n in range(1, 100))


@ps(129)
def _():
    (ax, ay), (bx, by) = (-2, 1), (6, 7)
    px, py = ax + F(1, 4) * (bx - ax), ay + F(1, 4) * (by - ay)
    return math.hypot(px, py)


def parts(total, count, low, strict):
    """Every non-decreasing (or increasing, when strict) tuple of count integers from low up."""
    if count == 1:
        if total >= low:
            yield (total,)
        return
    for first in range(low, total // count + 1):
        for rest in parts(total - first, count - 1, first + 1 if strict else first, strict):
            yield (first,) + rest


@ds(130)
def _():
    cases = [(p,) for p in parts(95, 10, 1, True)]
    return sufficiency(cases, lambda p: p[-1], lambda p: all(b - a == 1 for a, b in zip(p, p[1:])),
                       lambda p: len(set(p)) == 10)


def clubs(a, b):
    return a * a - a * b + b * b


@ds(131)
def _():
    values = fracs(-12, 12, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, clubs, lambda x, y: x - y == 3, lambda x, y: x * y == 10)


@ps(132)
def _():
    return next(n for n in range(1, 10**6) if round((1260 * n) ** (1 / 3)) ** 3 == 1260 * n)


@ds(133)
def _():
    cases = [(x,) for x in fracs(-10, 10, 8)]
    return sufficiency(cases, lambda x: x > 0, lambda x: x * x > 4, lambda x: x**3 < 8 * x)


@ds(134)
def _():
    cases = [(n,) for n in range(1, 500)]
    return sufficiency(cases, lambda n: n % 5, lambda n: (n + 12) % 5 == 0, lambda n: 2 * n % 5 == 1)


@ps(135)
def _():
    people = "M" * 5 + "W" * 4
    teams = list(itertools.combinations(range(9), 4))
    return F(sum(1 for t in teams if sum(people[k] == "W" for k in t) > 2), len(teams))


@ps(136)
def _():
    return next(g for g in range(37) if 72 * (36 - g) + 84 * g == 79 * 36)


@ps(137)
def _():
    r = round((54 / 2) ** (1 / 3))
    assert math.isclose(math.pi * r * r * 2 * r, 54 * math.pi)
    return 2 * math.pi * r * r + 2 * math.pi * r * (2 * r)


@ps(138)
def _():
    return sum(1 for n in range(100, 1000) if str(n)[0] > str(n)[1] > str(n)[2])


@ds(139)
def _():
    # Jack's and Jill's speeds in meters per second, and Jill's head start.
    speeds = fracs(1, 10, 5)
    cases = list(grid(speeds, speeds, [0, 50, 100]))
    where = lambda jack, jill, start: 1000 - min(1000, start + jill * 1000 / jack)  # noqa: E731
    return sufficiency(cases, where, lambda jack, jill, start: jack == 5,
                       lambda jack, jill, start: jill == F(4, 5) * jack and start == 100)


@ps(140)
def _():
    return sum(1 for x in range(1, 200) for y in range(1, 200) if F(1, x) + F(1, y) == F(1, 4))


@ds(141)
def _():
    values = fracs(-7, 7, 4)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda a, b: a * a + b * b < 25, lambda a, b: abs(a) < 4, lambda a, b: abs(b) < 3)


@ps(142)
def _():
    value = F(10000)
    for rate in (F(10, 100), F(10, 100), F(10, 100), F(-20, 100)):
        value *= 1 + rate
    return value


@ds(143)
def _():
    cases = [(list(range(a, a + 14, 2)),) for a in range(-40, 60, 2)]
    return sufficiency(cases, lambda q: q[-1], lambda q: sum(q) == 70, lambda q: q[3] % 5 == 0)


@ds(144)
def _():
    cases = [(n,) for n in range(2, 30)]
    return sufficiency(cases, lambda n: F(comb(n, 2), 2**n), lambda n: 1 - F(1, 2**n) > F(9, 10),
                       lambda n: F(n, 2**n) <= F(1, 4))


@ds(145)
def _():
    cases = [(p, q) for p in range(1, 179) for q in range(1, 180 - p)]
    side = lambda angle: math.sin(math.radians(angle))  # noqa: E731  (sides are proportional to sines)
    return sufficiency(cases, lambda p, q: side(180 - p - q) > side(p), lambda p, q: 180 - p - q > p,
                       lambda p, q: (q, p) == (80, 45))
