"""Checks of MHardQuantSet200, questions 112 to 311: each recomputes its question from the stem's numbers.
The 200 checks stay in one table, as their questions stay in one data file, so that a question and
its check are found by the same number in the same place."""
import datetime
import itertools
import math
import statistics
from fractions import Fraction as F
from math import comb

from hard_quant_support import Table, divisor_count, divisors, fracs, grid, is_prime, is_square, mean, median, parts, sufficiency

TABLE = Table("MHardQuantSet200")
ps, ds = TABLE.ps, TABLE.ds


def bounded_parts(total, count, low, high):
    """Every non-decreasing tuple of count integers from low to high adding up to total."""
    if count == 1:
        if low <= total <= high:
            yield (total,)
        return
    for first in range(low, min(high, total // count) + 1):
        for rest in bounded_parts(total - first, count - 1, first, high):
            yield (first,) + rest


@ds(112)
def _():
    cases = [(n,) for n in range(1, 2000)]
    return sufficiency(cases, lambda n: n % 16, lambda n: n % 8 == 3 and n * n % 32 == 9, lambda n: n**3 % 16 == 11)


@ps(113)
def _():
    return sum(1 for n in range(1, 200) if F(n * n - 5 * n + 5) ** (n + 1) == 1)


@ds(114)
def _():
    cases = [(n,) for n in range(2, 60)]
    return sufficiency(cases, lambda n: n * (n - 1), lambda n: comb(n, 3) == 4 * comb(n, 2), lambda n: comb(n, 5) > comb(n, 4))


@ps(115)
def _():
    revenue = F(1800) / (F(8, 10) * F(14, 10) - 1)
    change = revenue * (F(8, 10) * F(125, 100) * F(14, 10) * F(75, 100) - 1)
    return "$%d more" % change if change > 0 else ("The same" if change == 0 else "$%d less" % -change)


@ds(116)
def _():
    values = fracs(1, 40, 2)
    cases = list(grid(values, values))  # hours taken by A alone and by B alone
    def together(a, b):
        return 1 / (1 / a + 1 / b)
    return sufficiency(cases, together, lambda a, b: a - together(a, b) == 9,
                       lambda a, b: a - together(a, b) == 9 and b - together(a, b) == 4)


@ds(117)
def _():
    cases = []
    for x in fracs(-3, 3, 20):
        x = float(x)
        if x * x <= 5:
            cases += [(x, math.sqrt(5 - x * x)), (x, -math.sqrt(5 - x * x))]
        rest = 7 - x**3
        cases.append((x, math.copysign(abs(rest) ** (1 / 3), rest)))
    return sufficiency(cases, lambda x, y: round(x**4 + y**4, 6), lambda x, y: abs(x * x + y * y - 5) < 1e-9,
                       lambda x, y: abs(x**3 + y**3 - 7) < 1e-9)


@ds(118)
def _():
    r = [k for k in range(-40, 41) if k != 0]
    cases = [(F(x), F(y), F(z)) for x in r for y in r for z in r if x < y < z]
    return sufficiency(cases, lambda x, y, z: y > mean([x, y, z]), lambda x, y, z: y * y == x * z,
                       lambda x, y, z: x * y * z > 0 and y * y <= x * z)


@ds(119)
def _():
    cases = [(F(k, 11),) for k in range(1, 660)]  # minutes past 3, in elevenths of a minute
    def angle(m):
        a = abs((90 + m / 2) - 6 * m) % 360
        return min(a, 360 - a)
    return sufficiency(cases, lambda m: m, lambda m: angle(m) == 90, lambda m: m > 30)


@ps(120)
def _():
    a = {'coffee': F(100), 'milk': F(0)}
    b = {'coffee': F(0), 'milk': F(100)}
    def pour(src, dst, amount):
        total = src['coffee'] + src['milk']
        for kind in ('coffee', 'milk'):
            moved = src[kind] * amount / total
            src[kind] -= moved
            dst[kind] += moved
    pour(a, b, 20)
    pour(b, a, 30)
    pour(a, b, 5)
    return a['coffee'] - b['milk']


@ds(121)
def _():
    # The seven regions of the diagram: all three, the three pairs only, and the three subjects only.
    # Physics has 30 or 28 students, so that cases where (1) fails are there too.
    cases = []
    for three, pc, pb, cb in itertools.product(range(0, 21), repeat=4):
        for physics in (30, 28):
            p = physics - pc - pb - three
            c = 25 - pc - cb - three
            b = 20 - pb - cb - three
            if min(p, c, b) >= 0 and p + c + b + pc + pb + cb + three == 50:
                cases.append((physics, p + c + b, three))
    return sufficiency(cases, lambda physics, one, three: three, lambda physics, one, three: physics == 30,
                       lambda physics, one, three: one == 35)


@ds(122)
def _():
    cases = [(r, n) for n in range(2, 120) for r in range(0, n + 1)]
    return sufficiency(cases, lambda r, n: F(r * (r - 1), n * (n - 1)) > F(1, 2), lambda r, n: F(r, n) > F(2, 3),
                       lambda r, n: F(r, n) >= F(3, 4) and n >= 5)


@ds(123)
def _():
    values = [v for v in fracs(0, 8, 8) if v > 0]
    cases = [(a, q) for a in values for q in [F(1, 2), F(1), F(2), F(3), F(1, 3), F(3, 2)]]
    def term(a, q, k):
        return a * q ** (k - 1)
    return sufficiency(cases, lambda a, q: term(a, q, 5), lambda a, q: term(a, q, 1) * term(a, q, 9) == 16,
                       lambda a, q: term(a, q, 4) + term(a, q, 6) == 10 and term(a, q, 5) + term(a, q, 7) == 20)


@ds(124)
def _():
    r = [k for k in range(-30, 31) if k != 0]
    cases = [(a, b) for a in r for b in r]
    return sufficiency(cases, lambda a, b: F(a, b), lambda a, b: F(a, b) + F(b, a) == F(5, 2),
                       lambda a, b: b != -1 and F(a + 1, b + 1) > F(a, b))


@ps(125)
def _():
    points = set()
    for k in range(1, 46):
        t = F(k, 15)  # the k-th meeting: together they have covered k laps
        assert (9 * t + 6 * t) == k
        points.add((9 * t) % 1)
    return len(points)


@ds(126)
def _():
    # Three families of quadrilaterals: rhombuses (a side and an angle), quadrilaterals with
    # perpendicular diagonals (the four distances from the diagonals' crossing point to the vertices),
    # and rectangles that are not squares (whose diagonals are not perpendicular).
    cases = [("rhombus", side, angle) for side in range(1, 13) for angle in range(10, 171, 10)]
    cases += [("orthodiagonal", p, q, r, s) for p in range(1, 9) for q in range(1, 9) for r in range(1, 9) for s in range(1, 9)]
    cases += [("rectangle", a, b) for a in range(1, 13) for b in range(1, 13) if a != b]

    def sides(kind, *v):
        if kind == "rhombus":
            return [v[0]] * 4
        if kind == "orthodiagonal":
            p, q, r, s = v
            return [math.hypot(p, r), math.hypot(r, q), math.hypot(q, s), math.hypot(s, p)]
        return [v[0], v[1], v[0], v[1]]

    def area(kind, *v):
        if kind == "rhombus":
            return round(v[0] ** 2 * math.sin(math.radians(v[1])), 9)
        if kind == "orthodiagonal":
            return round((v[0] + v[1]) * (v[2] + v[3]) / 2, 9)
        return v[0] * v[1]

    return sufficiency(cases, area, lambda kind, *v: all(abs(x - 10) < 1e-9 for x in sides(kind, *v)),
                       lambda kind, *v: kind != "rectangle")


@ps(127)
def _():
    return sum(1 for x in range(-100, 101) if abs(x - 2) + abs(x + 3) + abs(x - 6) < 15)


@ps(128)
def _():
    s2 = math.sqrt(2)
    inner = math.sqrt(2 + s2)
    return s2 * inner * math.sqrt(2 + inner) * math.sqrt(2 - inner)


@ps(129)
def _():
    return sum(1 for x in range(1, 12) for y in range(1, 9) if 3 * x + 4 * y < 36)


@ds(130)
def _():
    cases = [(s,) for s in itertools.combinations_with_replacement(range(8, 26), 6)]
    cases = [(s + (98 - sum(s),),) for (s,) in cases if 98 - sum(s) >= s[-1]]
    return sufficiency(cases, lambda s: s[-1], lambda s: len(set(s)) == 7 and sum(s[-3:]) == 48, lambda s: s[0] == 11)


@ds(131)
def _():
    def club(a, b):
        return a * b + a + b
    cases = [(x,) for x in fracs(-10, 10, 6)]
    return sufficiency(cases, lambda x: x, lambda x: club(club(club(x, x), x), x) == 15, lambda x: club(x, 5) < 0)


@ps(132)
def _():
    def is_cube(v):
        r = round(v ** (1 / 3))
        return any((r + k) ** 3 == v for k in (-1, 0, 1))
    return sum(1 for n in range(1, 10000) if is_square(2 * n) and is_cube(3 * n))


@ds(133)
def _():
    cases = [(x,) for x in fracs(-10, 10, 4)]
    return sufficiency(cases, lambda x: x > 2, lambda x: abs(x - 1) + abs(x - 3) > 2, lambda x: x * x > 2 * abs(x))


@ds(134)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, lambda n: n % 7, lambda n: 3 * n % 7 == 2, lambda n: n**3 % 7 == 6 and n * n % 7 == 2)


@ps(135)
def _():
    people = [(couple, k) for couple in range(6) for k in range(2)]
    groups = list(itertools.combinations(people, 4))
    return F(sum(1 for g in groups if len({p[0] for p in g}) == 4), len(groups))


@ps(136)
def _():
    best = None
    for n in range(3, 200):
        low, high = 90 * n - 92 * (n - 1), 90 * n - 89 * (n - 1)
        if not 0 <= low <= high <= 100:
            continue
        rest = 90 * n - low - high  # the other n - 2 scores, each a whole number from low to high
        if low * (n - 2) <= rest <= high * (n - 2):
            best = low if best is None else min(best, low)
    return best


@ps(137)
def _():
    r = 8 / 4
    return math.dist((r, r, r), (4, 4, 4)) - r


@ps(138)
def _():
    return sum(1 for n in range(1, 10000) if all(a > b for a, b in zip(str(n), str(n)[1:])))


@ds(139)
def _():
    speeds = [F(k, 4) for k in range(4, 41)]
    cases = [(a, b, c) for a in speeds for b in speeds + [a * F(81, 100)] if b < a for c in (a * F(9, 10), a * F(7, 10))]
    def margin(x, y):
        return 1000 - 1000 * y / x
    return sufficiency(cases, lambda a, b, c: margin(a, b), lambda a, b, c: 1000 / a == 200,
                       lambda a, b, c: margin(a, c) == 100 and margin(c, b) == 100)


@ps(140)
def _():
    return sum(1 for x in range(-100, 101) for y in range(-100, 101) if x and y and F(1, x) + F(1, y) == F(1, 6))


@ds(141)
def _():
    values = fracs(-12, 12, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda a, b: a * a + (b - 4) ** 2 < (a - 6) ** 2 + b * b, lambda a, b: a < 1, lambda a, b: b > -1)


@ps(142)
def _():
    found = set()
    for c in range(1, 101):
        for b in range(1, 101):
            if F(12, 10) * c + F(9, 10) * b == F(105, 100) * (c + b):
                end = F(12, 10) * F(9, 10) * c + F(9, 10) * F(13, 10) * b
                found.add((end / (c + b) - 1) * 100)
    assert len(found) == 1, found
    change = found.pop()
    return "An increase of %s%%" % (str(float(change)).rstrip('0').rstrip('.'))


@ds(143)
def _():
    # Lists built from their gaps: every gap pattern with gaps 0 to 3, and every strictly increasing gap pattern up to 9.
    patterns = list(itertools.product(range(0, 4), repeat=6)) + list(itertools.combinations(range(1, 10), 6))
    cases = [(tuple(itertools.accumulate((0,) + g)),) for g in patterns]
    def gaps(s):
        return [b - a for a, b in zip(s, s[1:])]
    return sufficiency(cases, lambda s: mean(s) > s[3], lambda s: all(g > 0 for g in gaps(s)) and all(u < v for u, v in zip(gaps(s), gaps(s)[1:])),
                       lambda s: s[-1] > 2 * s[3])


@ds(144)
def _():
    cases = [(r, b) for r in range(0, 40) for b in range(0, 40) if r + b >= 2]
    def two(r, b, x, y):
        return F(x * y, (r + b) * (r + b - 1))
    return sufficiency(cases, lambda r, b: 2 * two(r, b, r, b), lambda r, b: F(r, r + b) == F(1, 2),
                       lambda r, b: two(r, b, r, r - 1) < F(1, 5))


@ds(145)
def _():
    # C = (x, y) with A = (0, 0) and B = (8, 0), on a grid of halves above the line AB.
    points = [(F(i, 2), F(j, 2)) for i in range(-20, 37) for j in range(1, 25)]
    def angles(x, y):
        a, b, c = math.dist((x, y), (8, 0)), math.dist((x, y), (0, 0)), 8.0
        ang_a = math.degrees(math.acos((b * b + c * c - a * a) / (2 * b * c)))
        ang_b = math.degrees(math.acos((a * a + c * c - b * b) / (2 * a * c)))
        return ang_a, ang_b, 180 - ang_a - ang_b, a, b
    cases = [(x, y) for x, y in points]
    # The triangle of (1) has angles 180/7, 360/7 and 720/7; place C exactly for it too.
    ang_a, ang_b = math.radians(360 / 7), math.radians(180 / 7)
    t = 8 * math.sin(ang_b) / math.sin(math.pi - ang_a - ang_b)
    cases.append((t * math.cos(ang_a), t * math.sin(ang_a)))
    def seventh(x, y):
        A, B, C, _, _ = angles(x, y)
        return abs(C - 2 * A) < 1e-6 and abs(A - 2 * B) < 1e-6
    return sufficiency(cases, lambda x, y: 8 > max(angles(x, y)[3], angles(x, y)[4]) + 1e-12, seventh,
                       lambda x, y: math.dist((x, y), (4, 0)) < 4)


@ps(146)
def _():
    n = 2**24 - 1
    return sum(1 for p in range(2, 5000) if is_prime(p) and n % p == 0)


@ds(147)
def _():
    cases = [(k,) for k in range(1, 200)]
    return sufficiency(cases, lambda k: is_prime(k), lambda k: (math.factorial(k) + 1) % k == 0,
                       lambda k: is_prime(k + 2) and is_prime(k + 4))


@ds(148)
def _():
    cases = [(n,) for n in range(3, 200)]
    # A convex polygon's angles can be any positive values under 180 adding up to (n - 2) * 180, so all
    # of them can stay under 100 exactly when the average angle does.
    return sufficiency(cases, lambda n: n, lambda n: is_prime(n * (n - 3) // 2),
                       lambda n: F((n - 2) * 180, n) < 100)


@ds(149)
def _():
    values = fracs(1, 40, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda a, b: a > 6, lambda a, b: 1 / a + 1 / b == F(1, 4), lambda a, b: b > 6)


@ps(150)
def _():
    times = set()
    for a in range(1, 2000):
        for b in range(a + 1, 5000):
            if 1000 * (b - a) == 30 * a * b and 1000 % (a + b) == 0:
                times.add(F(1000, a))
    assert len(times) == 1, times
    return times.pop()


@ds(151)
def _():
    cases = []
    for low in itertools.combinations(range(4, 16), 3):
        for m in range(low[-1] + 1, 24):
            for high in itertools.combinations(range(m + 1, 40), 2):
                top = 140 - sum(low) - m - sum(high)
                if top > high[-1]:
                    cases.append(low + (m,) + high + (top,))
    cases = [(c,) for c in cases]
    return sufficiency(cases, lambda s: mean(s[4:]), lambda s: sum(s[:3]) == 36, lambda s: sum(s[:4]) == 56 and sum(s[3:]) == 104)


@ds(152)
def _():
    values = [v for v in fracs(0, 12, 4) if v > 0]
    cases = list(grid(values, values))
    def conc(x, y):
        return (F(3, 10) * x + F(6, 10) * y) / (x + y)
    return sufficiency(cases, conc, lambda x, y: (F(3, 10) * F(3, 2) * x + F(6, 10) * y) / (F(3, 2) * x + y) == F(4, 10),
                       lambda x, y: (F(3, 10) * x + F(6, 10) * 2 * y) / (x + 2 * y) == F(48, 100))


@ds(153)
def _():
    cases = [(d, v, w, c) for d in (10, 20, 30, 40, 45) for v in range(3, 16) for w in range(3, 16) for c in range(0, 3)]
    return sufficiency(cases, lambda d, v, w, c: F(d, v + w), lambda d, v, w, c: d == 30 and sorted((v, w)) == [8, 12],
                       lambda d, v, w, c: c == 2 and v + c == 10 and w - c == 10)


@ps(154)
def _():
    rolls = list(itertools.product(range(1, 7), repeat=3))
    return F(sum(1 for a, b, c in rolls if is_square(a * b * c)), len(rolls))


@ps(155)
def _():
    return sum(1 for n in range(1, 101) if n * (n + 1) // 2 % 10 == 0)


@ps(156)
def _():
    found = set()
    for a in range(101):            # chess only
        for both in range(101 - a):
            for c in range(101 - a - both):  # bridge only
                n = 100 - a - both - c
                if a + both and both + c and F(both, a + both) == F(2, 7) and F(both, both + c) == F(3, 8) and c > n:
                    found.add(n)
    assert len(found) == 1, found
    return found.pop()


@ps(157)
def _():
    return sum(1 for x in range(-20, 21) for y in range(-20, 21) if x * x + y * y < 2 * abs(x) + 2 * abs(y) + 10)


@ps(158)
def _():
    values = [x for x in fracs(-50, 100, 4) if mean([5, 9, 13, x]) == median([5, 9, 13, x])]
    return sum(values)


@ds(159)
def _():
    slopes = fracs(-10, 10, 4)
    cases = [(m,) for m in slopes]  # the line y - 3 = m(x - 2); vertical lines have no equal intercepts and miss the quadrant
    def intercepts(m):
        return (2 - F(3) / m if m != 0 else None), 3 - 2 * m
    def third_quadrant(m):
        return m > 0 or (m < 0 and 3 - 2 * m < 0)
    return sufficiency(cases, lambda m: m, lambda m: m != 0 and intercepts(m)[0] == intercepts(m)[1], third_quadrant)


@ps(160)
def _():
    n = math.factorial(12)
    count = 0
    for a, b, c, d, e in itertools.product(range(11), range(6), range(3), range(2), range(2)):
        v = 2**a * 3**b * 5**c * 7**d * 11**e
        assert n % v == 0
        if v % 10 == 0 and v % 100 != 0:
            count += 1
    assert divisor_count(n) == 11 * 6 * 3 * 2 * 2
    return count


@ps(161)
def _():
    first = [(x, 0) for x in range(8)]
    second = [(x, 1) for x in range(5)]
    points = first + second
    count = 0
    for four in itertools.combinations(points, 4):
        if all(len({p[1] for p in three}) > 1 for three in itertools.combinations(four, 3)):
            count += 1
    return count


@ds(162)
def _():
    cases = [(c, t, b, 60 - c - t - b) for c in range(61) for t in range(61 - c) for b in range(61 - c - t)]
    return sufficiency(cases, lambda c, t, b, n: n, lambda c, t, b, n: c + b > 0 and 60 * b == (c + b) * (t + b),
                       lambda c, t, b, n: c == 12 and t == 18)


@ds(163)
def _():
    low, high = -1.0, 0.0  # the negative root of x^2 = 2^x, by halving
    for _ in range(200):
        mid = (low + high) / 2
        low, high = (mid, high) if mid * mid - 2 ** mid > 0 else (low, mid)
    cases = [(float(x),) for x in fracs(-6, 8, 8)] + [(low,)]
    return sufficiency(cases, lambda x: round(x, 6), lambda x: abs(x * x - 2 ** x) < 1e-9,
                       lambda x: abs(3 ** x + 4 ** x - 5 ** x) < 1e-9)


@ps(164)
def _():
    steps = 143 * 11 * 60  # a grid of positions that holds every fraction with denominator 143 or 11
    count = 0
    for m in range(steps):
        h = F(m, steps)
        swapped_possible = (144 * h - h).denominator == 1
        same_direction = (12 * h - h).denominator == 1
        count += swapped_possible and not same_direction
    return count


@ds(165)
def _():
    cases = [(x,) for x in [F(k, 4) for k in range(69, 124)] + [F(5, 1) * 5]]
    def area(x):
        s = (7 + 24 + x) / 2
        return math.sqrt(max(0, float(s * (s - 7) * (s - 24) * (s - x))))
    return sufficiency(cases, lambda x: x, lambda x: x * x == 49 + 576, lambda x: abs(area(x) - 84) < 1e-9)


@ds(166)
def _():
    cases = [(n,) for n in range(1, 3001)]
    return sufficiency(cases, lambda n: n % 10, lambda n: (n * n // 10) % 2 == 1, lambda n: n * n % 10 == n % 10)


@ds(167)
def _():
    cases = [(x,) for x in fracs(-3, 3, 60)]
    return sufficiency(cases, lambda x: x > F(1, 3), lambda x: 9 * x**3 + 3 * x > 3 * x**2 + 1,
                       lambda x: 9 * x**3 + 1 > 3 * x**2 + 3 * x)


@ps(168)
def _():
    return max(x * y for x in range(1, 30) for y in range(1, 51) if 7 * x + 4 * y == 200)


@ds(169)
def _():
    cases = [(r, b, g) for r in range(0, 41) for b in range(0, 41) for g in range(0, 41) if r + b + g == 40 and min(r, b, g) > 0]
    return sufficiency(cases, lambda r, b, g: max(r, b, g) + 1, lambda r, b, g: r > b > g, lambda r, b, g: g >= 10)


@ps(170)
def _():
    s = math.sqrt(180)  # l + w, from (l + w)^2 = 100 + 2 * 40
    d = math.sqrt(20)   # l - w
    l, w = (s + d) / 2, (s - d) / 2
    assert math.isclose(l * l + w * w, 100) and math.isclose(l * w, 40)
    return round(((l + w) / 2) ** 2 - l * w, 9)


@ds(171)
def _():
    cases = [(n,) for n in range(1, 41)]
    return sufficiency(cases, lambda n: n, lambda n: is_square(math.factorial(n) + 1),
                       lambda n: is_square(math.factorial(n) + 12))


@ds(172)
def _():
    def terms(p, q):
        t = [p, q]
        while len(t) < 10:
            t.append(t[-1] + t[-2])
        return t
    cases = [(p, q) for p in fracs(-10, 30, 2) for q in fracs(-10, 30, 2)]
    return sufficiency(cases, lambda p, q: terms(p, q)[6], lambda p, q: terms(p, q)[4] + terms(p, q)[8] == 228,
                       lambda p, q: p > 0 and q > 0 and p.denominator == 1 and q.denominator == 1 and terms(p, q)[8] == 199)


@ds(173)
def _():
    cases = [(a, b) for a in range(1, 200) for b in range(1, 200)]
    return sufficiency(cases, lambda a, b: a, lambda a, b: F(40 * b + 30, b + 1) == 40 - F(1, 2),
                       lambda a, b: F(30 * a + 40 * b, a + b) == F(3475, 100))


@ds(174)
def _():
    edges = fracs(1, 12, 2)
    cases = list(grid(edges, edges, edges))
    return sufficiency(cases, lambda a, b, c: a * a + b * b + c * c, lambda a, b, c: a * b == 12 and b * c == 20,
                       lambda a, b, c: a + b + c == 12)


@ps(175)
def _():
    tosses = list(itertools.product("HT", repeat=6))
    return F(sum(1 for t in tosses if "HH" in "".join(t)), len(tosses))


@ds(176)
def _():
    cases = [(x,) for x in fracs(0, 6, 16)[1:]]
    return sufficiency(cases, lambda x: x ** (1 / 3) > math.sqrt(x) + 1e-12, lambda x: x**4 < math.sqrt(x) - 1e-12,
                       lambda x: math.sqrt(x) + 1 / math.sqrt(x) > 2 + 1e-12)


@ds(177)
def _():
    cases = [(n,) for n in range(3, 200)]
    return sufficiency(cases, lambda n: F(2, n), lambda n: n > 5, lambda n: F(comb(n - 2, 2), comb(n, 2)) == F(28, 45))


@ps(178)
def _():
    t = 2 ** (1 / 3)
    x = t * t + t + 1
    return (1 + 1 / x) ** 3


@ds(179)
def _():
    cases = [(x,) for x in fracs(-10, 10, 8)]
    def two(x):
        return x >= 1 and abs(math.sqrt(x + 7) - math.sqrt(x - 1) - 2) < 1e-12
    return sufficiency(cases, lambda x: x, lambda x: abs(x) + abs(x - 2) + abs(x - 6) == 6, two)


@ps(180)
def _():
    def profit(p):
        units = 1500 - 20 * p
        cost = 36 if units >= 400 else 40
        return (p - cost) * units
    prices = [F(c, 100) for c in range(4000, 7501)]
    best = max(prices, key=profit)
    assert sum(1 for p in prices if profit(p) == profit(best)) == 1
    return best


@ps(181)
def _():
    return sum(int(c) for c in str(10**25 - 25))


@ps(182)
def _():
    for x in range(-10, 11):
        for y in range(-10, 11):
            for z in range(-10, 11):
                if F(6) ** x * F(15) ** y * F(10) ** z == F(135, 10000):
                    return x + y + z


@ps(183)
def _():
    ways = 0
    for owners in itertools.product(range(3), repeat=8):
        if all(owners.count(s) >= 2 for s in range(3)):
            ways += 1
    return ways


@ps(184)
def _():
    found = set()
    for n in range(3, 200):
        for s in fracs(1, 100, 2):
            if (n + 3) * (s - 5) == n * s + 30 and (n - 2) * (s + 5) == n * s - 20:
                found.add(n * s)
    assert len(found) == 1, found
    return found.pop()


@ps(185)
def _():
    best = None
    steps = [F(k, 12) for k in range(0, 8 * 12 + 1)]
    for a in steps:
        for b in steps:
            if a / 10 + b / 15 >= 1:
                pay = 30 * math.ceil(a) + 18 * math.ceil(b)
                best = pay if best is None else min(best, pay)
    return best


@ps(186)
def _():
    base = [F(4), F(8), F(10), F(12), F(16)]  # any list with mean 10 and variance 16 gives the same ranking
    assert mean(base) == 10 and statistics.pvariance(base) == 16
    changes = {
        "multiplying every number of the list by 1.25": [x * F(5, 4) for x in base],
        "adding the number 19 to the list": base + [F(19)],
        "adding the two numbers 4 and 16 to the list": base + [F(4), F(16)],
        "adding the three numbers 3, 10 and 17 to the list": base + [F(3), F(10), F(17)],
        "adding the two numbers 10 and 20 to the list": base + [F(10), F(20)],
    }
    by_population = max(changes, key=lambda k: statistics.pvariance(changes[k]))
    by_sample = max(changes, key=lambda k: statistics.variance(changes[k]))
    assert by_population == by_sample
    return by_population


@ps(187)
def _():
    good = total = 0
    for reds in itertools.combinations(range(10), 5):
        lead, ok = 0, True
        for position in range(10):
            lead += 1 if position in reds else -1
            ok = ok and lead >= 0
        good += ok
        total += 1
    return F(good, total)


@ps(188)
def _():
    terms = [F(2), F(3)]
    while len(terms) < 100:
        terms.append(terms[-1] / terms[-2])
    product, count = F(1), 0
    for t in terms:
        product *= t
        count += product.denominator == 1
    return count


@ps(189)
def _():
    product = (1 + F(1, 3)) * (1 + F(1, 9)) * (1 + F(1, 81)) * (1 + F(1, 6561))
    return product.numerator - product.denominator


@ps(190)
def _():
    t = F(1)
    distance = 60 * t
    done, used = 50 * t / 2, t / 2
    done, used = done + distance / 4, used + (distance / 4) / 75
    speed = (distance - done) / (t - used)
    return '%d %s' % (speed // 1, speed - speed // 1)


@ps(191)
def _():
    A, B, C = (F(0), F(8)), (F(-6), F(0)), (F(6), F(0))
    slope_ac = (C[1] - A[1]) / (C[0] - A[0])
    hy = B[1] + (-1 / slope_ac) * (0 - B[0])  # the altitude from B at x = 0, on the altitude from A
    return A[1] - hy


@ps(192)
def _():
    return sum(1 for x in range(-20, 21) for y in range(-20, 21) if x * x + y * y == 325)


@ds(193)
def _():
    cases = [(x, y) for x in range(-60, 61) for y in range(-60, 61)]
    return sufficiency(cases, lambda x, y: x, lambda x, y: x * y == 2 * x + 2 * y + 14, lambda x, y: x - 2 * y == 3)


@ds(194)
def _():
    cases = [(k,) for k in fracs(0, 6, 8)[1:]]
    def area(k):
        return (4 + 3 / k) * (3 + 4 * k) / 2
    return sufficiency(cases, area, lambda k: 4 + 3 / k == 2 * (3 + 4 * k), lambda k: area(k) < 30)


@ps(195)
def _():
    return sum(1 for x in range(-1000, 1001) if abs(x * x - 10) + abs(x * x - 2) == 8)


@ds(196)
def _():
    cases = [(n,) for n in range(1, 201)]
    return sufficiency(cases, lambda n: (3**n + 7**n) % 10, lambda n: (3**n * 7**n) % 10 == 1,
                       lambda n: 7**n % 10 == 3**n % 10)


@ps(197)
def _():
    # a_n = p + q*sqrt(3), kept exact: multiplying by 2*sqrt(3) sends p + q*sqrt(3) to 6q + 2p*sqrt(3).
    before, now = (2, 0), (0, 2)
    count = 0
    for n in range(1, 21):
        p, q = now
        x = math.sqrt(3) + math.sqrt(2)
        assert math.isclose(p + q * math.sqrt(3), x**n + x**-n, rel_tol=1e-9)
        count += q == 0
        before, now = now, (6 * q - before[0], 2 * p - before[1])
    return count


@ps(198)
def _():
    best = 0
    for g in range(1, 2001):
        if 2000 % g == 0 and 2000 // g >= 15:
            best = g
    return best


@ds(199)
def _():
    cases = list(bounded_parts(30, 6, 1, 30))
    return sufficiency(cases, lambda *l: max(l) - min(l), lambda *l: median(list(l)) == 4 and 12 in l,
                       lambda *l: all(v in (3, 4, 12) for v in l))


@ps(200)
def _():
    year = next(y for y in range(2001, 2100) if datetime.date(y, 1, 1).weekday() == 6 and y % 4 != 0)
    months = [datetime.date(year, m, 13).strftime("%B") for m in range(1, 13) if datetime.date(year, m, 13).weekday() == 4]
    return " and ".join(months) if len(months) <= 2 else ", ".join(months[:-1]) + " and " + months[-1]


@ps(201)
def _():
    found = set()
    for x in fracs(0, 20, 10):
        if 0 < x and 2 * x <= 40:
            milk = 40 * (1 - x / 40) * (1 - 2 * x / 40)
            if milk / (40 - milk) == F(7, 18):
                found.add(x)
    assert len(found) == 1, found
    return found.pop()


@ps(202)
def _():
    e = next(F(k, 600) for k in range(0, 301) if F(1, 10) * F(1, 2) + F(4, 10) * F(k, 600) + F(1, 4) * (F(1, 2) - F(k, 600)) == F(1, 5))
    return F(4, 10) * e / F(1, 5)


@ps(203)
def _():
    choices = list(itertools.combinations(range(1, 11), 3))
    good = sum(1 for a, b, c in choices if b - a == c - b)
    return F(good, len(choices))


@ps(204)
def _():
    return sum(1 for n in range(1, 101) if (n**3 - n) % 24 == 0)


@ps(205)
def _():
    x = next(F(k, 2) for k in range(1, 50) if (7 + F(k, 2)) ** 2 + (24 - F(k, 2)) ** 2 == 625)
    start = (F(7, 2), F(24, 2))
    end = ((7 + x) / 2, (24 - x) / 2)
    return math.sqrt((end[0] - start[0]) ** 2 + (end[1] - start[1]) ** 2)


@ps(206)
def _():
    people = ["Tom", "B1", "B2", "B3", "G1", "G2", "G3"]
    count = 0
    for seats in itertools.permutations(people):
        girls = [p.startswith("G") for p in seats]
        if not any(girls[k] and girls[k + 1] for k in range(6)) and seats[0] != "Tom" and seats[-1] != "Tom":
            count += 1
    return count


@ps(207)
def _():
    found = set()
    for p in fracs(-200, 200, 4):
        if 36 - 4 * p < 0 or p == 0:
            continue  # the roots of t^2 - 6t + p are not real, or one of them is 0
        squares = 36 - 2 * p
        if squares * squares - 2 * p * p == 386:
            found.add(squares / (p * p))
    assert len(found) == 1, found
    return found.pop()


@ds(208)
def _():
    cases = [(l, w) for l in range(1, 61) for w in range(1, 61)]
    return sufficiency(cases, lambda l, w: l * w, lambda l, w: 2 * (l + w) + 16 == 72 and l * l + w * w == 392,
                       lambda l, w: (l + 4) * (w + 4) - l * w == 128 and l * w > 195)


@ds(209)
def _():
    times = [t for t in fracs(1, 40, 2)]
    cases = [(a, b) for a in times for b in times]
    return sufficiency(cases, lambda a, b: a, lambda a, b: 1 / a + 1 / b == F(1, 4) and 6 in (a, b),
                       lambda a, b: 1 / a + 1 / b == F(1, 4) and a - b == 6)


@ps(210)
def _():
    best = None
    for a in range(6, 360):
        for b in range(a + 1, 360):
            least = sum(range(1, 6)) + a + b + sum(range(b + 1, b + 6))
            if least <= 360:  # the points left over go to the highest score
                m = F(a + b, 2)
                best = m if best is None or m > best else best
    return best


@ps(211)
def _():
    return (10**198 // 9801) % 10


@ds(212)
def _():
    cases = [(list(range(a, a + n)),) for a in range(-30, 30) for n in range(1, 40)]
    return sufficiency(cases, lambda s: F(sum(1 for v in s if v % 2 == 0), len(s)) > F(1, 2),
                       lambda s: sum(s) % 2 == 1, lambda s: len(s) == 9)


@ps(213)
def _():
    out = {u for u in range(1, 101) for v in range(u + 1, 101) if F(2 * u * v, u + v) == 48}
    return len(out)


@ps(214)
def _():
    return (3**2023 + 5**2023) % 16


@ps(215)
def _():
    steps = 4000
    lo, hi = -3, 5
    width = F(hi - lo, steps)
    # The vertical extent at x is linear on each piece between the corners, so the midpoint rule on a
    # grid that contains every corner is exact.
    total = F(0)
    for k in range(steps):
        x = lo + (k + F(1, 2)) * width
        total += max(F(0), (5 - abs(x)) - abs(x - 2)) * width
    return total


@ps(216)
def _():
    value = F(1, 2)
    for k in range(3, 11):
        value = (value + F(1, k)) / (1 + value * F(1, k))
    return value


@ps(217)
def _():
    seats = range(7)
    good = total = 0
    for a, b, c in itertools.permutations(seats, 3):
        total += 1
        near = lambda x, y: (x - y) % 7 in (1, 6)
        good += not (near(a, b) or near(a, c) or near(b, c))
    return F(good, total)


@ps(218)
def _():
    slower = set()
    for a in fracs(1, 60, 2):
        for b in fracs(1, 60, 2):
            if 1 / a + 1 / b == F(1, 6) and b / a + a / b == F(13, 6):
                slower.add(max(a, b))
    assert len(slower) == 1, slower
    return slower.pop()


@ds(219)
def _():
    def largest_prime(n):
        best, p = 1, 2
        while p * p <= n:
            while n % p == 0:
                best, n = p, n // p
            p += 1
        return max(best, n) if n > 1 else best
    big = 2**24 - 1
    odd_divisors = [d for d in range(1, 4097) if big % d == 0] + [big // d for d in range(1, 4097) if big % d == 0]
    cases = [(n,) for n in sorted(set(odd_divisors + list(range(2, 5000)))) if n > 1]
    return sufficiency(cases, largest_prime, lambda n: n == 4**6 - 1, lambda n: n % 2 == 1 and big % n == 0)


@ps(220)
def _():
    return sum(1 for n in range(1, 200) if len(divisors(n)) == 6)


@ps(221)
def _():
    # Clip triangle ACE by each side of triangle BDF (both convex) and measure what is left.
    verts = [(2 * math.cos(math.radians(60 * k)), 2 * math.sin(math.radians(60 * k))) for k in range(6)]
    region, clipper = verts[0::2], verts[1::2]

    def side(p, a, b):
        return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])

    for a, b in zip(clipper, clipper[1:] + clipper[:1]):
        kept = []
        for p, q in zip(region, region[1:] + region[:1]):
            sp, sq = side(p, a, b), side(q, a, b)
            if sp >= 0:
                kept.append(p)
            if sp * sq < 0:
                t = sp / (sp - sq)
                kept.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
        region = kept
    return abs(sum(p[0] * q[1] - q[0] * p[1] for p, q in zip(region, region[1:] + region[:1]))) / 2


@ds(222)
def _():
    cases = [(x, y, 30 - x - y) for x in range(-80, 81) for y in range(-80, 81)]
    return sufficiency(cases, lambda x, y, z: median([x, y, z]), lambda x, y, z: x * y * z == 1000,
                       lambda x, y, z: x * x + y * y + z * z == 300)


@ps(223)
def _():
    best = None
    for low in itertools.combinations_with_replacement(range(1, 11), 3):
        for mid in itertools.combinations_with_replacement(range(10, 60), 2):
            top = 84 - sum(low) - 10 - sum(mid)
            if top < mid[-1]:
                continue
            values = low + (10,) + mid + (top,)
            if max(values.count(v) for v in values) <= 2:
                best = top if best is None else min(best, top)
    return best


@ds(224)
def _():
    speeds = range(1, 41)
    cases = [(a, b, t) for a in speeds for b in speeds for t in (F(3), F(4), F(6), F(8))]
    def distance(a, b, t):
        return (a + b) * t
    return sufficiency(cases, distance, lambda a, b, t: b * t == 4 * a and a * t == 9 * b, lambda a, b, t: a - b == 5)


@ds(225)
def _():
    cases = [(r, g) for r in range(0, 40) for g in range(0, 40) if r + g >= 2]
    return sufficiency(cases, lambda r, g: F(r, r + g) > F(1, 2), lambda r, g: r == g + 4,
                       lambda r, g: F(r * (r - 1), (r + g) * (r + g - 1)) > F(1, 4))


@ds(226)
def _():
    values = fracs(1, 20, 2)
    cases = [(a, b) for a in values for b in values if a != b and 2 * a > b]  # sides a, a, b
    def least_angle(a, b):
        apex = math.degrees(math.acos(float((2 * a * a - b * b) / (2 * a * a))))
        return min(apex, (180 - apex) / 2)
    return sufficiency(cases, lambda a, b: 2 * a + b, lambda a, b: {a, b} == {5, 8}, lambda a, b: least_angle(a, b) < 40)


@ps(227)
def _():
    best = min(fracs(-10, 20, 100), key=lambda x: math.hypot(float(x) - 1, 1) + math.hypot(float(x) - 7, 5))
    return best


@ps(228)
def _():
    found = {c for a in range(1, 21) for b in range(1, 21) for c in range(1, 21)
             if a + b + c == 20 and 4 * a + 6 * b + 9 * c == 130 and b > a + c}
    assert len(found) == 1, found
    return found.pop()


@ds(229)
def _():
    cases = [(x,) for x in range(1, 200)]
    return sufficiency(cases, lambda x: (2**x + 1) % 9 == 0, lambda x: (2**x + 1) % 3 == 0 and (2**x - 1) % 7 == 0,
                       lambda x: is_prime(x) and (2**x + 1) % 3 == 0)


@ps(230)
def _():
    options = {"(x + y)/2": lambda x, y: (x + y) / 2, "sqrt(xy)": lambda x, y: math.sqrt(x * y),
               "xy/(x + y)": lambda x, y: x * y / (x + y), "(x + y)/(2xy)": lambda x, y: (x + y) / (2 * x * y),
               "2xy/(x + y)": lambda x, y: 2 * x * y / (x + y)}
    right = set(options)
    for k in (0.3, 2.0, 7.0, 100.0):
        x, y, z = math.log(k, 4), math.log(k, 9), math.log(k, 6)
        right = {name for name in right if math.isclose(options[name](x, y), z, rel_tol=1e-9)}
    assert len(right) == 1, right
    return right.pop()


@ps(231)
def _():
    terms = set(range(2, 10000, 7))
    return sum(1 for k in range(1, 100) if k * k in terms)


@ps(232)
def _():
    distances = set()
    for level in range(0, 25):
        for up in range(0, 25):  # uphill on the way out, downhill on the way back
            for down in range(0, 10):  # downhill on the way out, uphill on the way back
                hours = F(2 * level, 6) + F(up, 4) + F(up, 12) + F(down, 12) + F(down, 4)
                if hours == 15 - 8 - 1:
                    distances.add(level + up + down)
    assert len(distances) == 1, distances
    return distances.pop()


@ps(233)
def _():
    return len({F(k, 120).denominator for k in range(1, 120)})


@ds(234)
def _():
    firsts = [F(k, 2) for k in range(-12, 13) if k != 0]
    ratios = [F(k, 2) for k in range(-8, 9) if k != 0]
    cases = [(a, r) for a in firsts for r in ratios]
    def product_of_seven(a, r):
        p = F(1)
        for k in range(7):
            p *= a * r ** k
        return p
    return sufficiency(cases, lambda a, r: a * r ** 3, lambda a, r: a == 3 and a * (1 + r + r * r) == 21,
                       lambda a, r: product_of_seven(a, r) == 2 ** 21 * 3 ** 7)


@ds(235)
def _():
    slopes = [m for m in fracs(-6, 6, 4) if m != 0]
    cases = [(m, b) for m in slopes for b in fracs(-10, 10, 2)]
    def third_quadrant(m, b):
        # a point of the line with both coordinates negative, looked for far left and just left of the axis
        return any(x < 0 and m * x + b < 0 for x in (F(-10**6), F(-1, 10**6)))
    return sufficiency(cases, third_quadrant, lambda m, b: (-b / m) * b > 0, lambda m, b: 3 == 2 * m + b)


@ps(236)
def _():
    inside = 0
    for a, b, c in itertools.combinations(range(12), 3):
        points = [(math.cos(math.pi * k / 6), math.sin(math.pi * k / 6)) for k in (a, b, c)]
        def side(p, q):
            return (q[0] - p[0]) * (0 - p[1]) - (q[1] - p[1]) * (0 - p[0])
        signs = [side(points[i], points[(i + 1) % 3]) for i in range(3)]
        inside += all(s > 1e-9 for s in signs) or all(s < -1e-9 for s in signs)
    return inside


@ps(237)
def _():
    value = (math.sqrt(3) + math.sqrt(2)) ** 2 / (math.sqrt(3) - math.sqrt(2))
    return math.floor(value)


@ds(238)
def _():
    values = [v for v in fracs(-8, 8, 2) if v != 0]
    cases = [(x, y) for x in values for y in values if x + y != 0]
    return sufficiency(cases, lambda x, y: (x - y) / (x + y), lambda x, y: x * x + 2 * y * y == 3 * x * y and x != y,
                       lambda x, y: x / y - y / x == F(3, 2) and x * y > 0)


@ps(239)
def _():
    best = 0
    for ab in range(0, 41):
        for ac in range(0, 31):
            for bc in range(0, 31):
                a, b, c = 50 - ab - ac, 40 - ab - bc, 30 - ac - bc
                if min(a, b, c) >= 0:
                    readers = a + b + c + ab + ac + bc
                    if readers <= 100:
                        best = max(best, 100 - readers)
    return best


@ds(240)
def _():
    values = fracs(0, 12, 12)[1:]
    cases = list(grid(values, values))
    return sufficiency(cases, lambda p, n: 3 * p + 2 * n > 14, lambda p, n: 4 * p + 3 * n == 19, lambda p, n: 2 * p + n < 10)


@ds(241)
def _():
    old = (3, 7, 11, 15)
    cases = [(x,) for x in fracs(-10, 30, 4)]
    def letter(spread):
        return sufficiency(cases, lambda x: spread(old + (x,)) > spread(old), lambda x: 4 <= x <= 14, lambda x: 3 <= x <= 15)
    population, sample = letter(statistics.pvariance), letter(statistics.variance)
    assert population == sample, (population, sample)
    return population


@ds(242)
def _():
    cases = [(n, k) for n in range(1, 40) for k in range(0, n + 1)]
    return sufficiency(cases, lambda n, k: comb(n, k), lambda n, k: n == 10,
                       lambda n, k: comb(n, k) == comb(n, k + 2) and comb(n, k + 1) == 252)


@ds(243)
def _():
    cases = [(n,) for n in range(1, 2000)]
    return sufficiency(cases, lambda n: n % 21, lambda n: n * n % 7 == 4 and n**3 % 7 == 1, lambda n: pow(4, n, 9) == 1)


@ps(244)
def _():
    found = [(360 // (n - 3)) for n in range(4, 361) if 360 % n == 0 and 360 % (n - 3) == 0
             and 5 < 360 // (n - 3) - 360 // n < 10]
    assert len(found) == 1, found
    return found[0]


@ps(245)
def _():
    for a in range(1, 10):
        for b in range(a, 10):
            for c in range(b, 10):
                if 2 * (a * b + b * c + c * a) == 94 and a * a + b * b + c * c == 50:
                    return a * b * c


@ds(246)
def _():
    halves = [F(k, 2) for k in range(1, 21)]
    cases = [(r,) for r in halves]
    def chords_fit(r):
        d1, d2 = r * r - 9, r * r - 16  # squared distances of the chords of lengths 6 and 8
        if d2 < 0:
            return False
        a, b = math.sqrt(d1), math.sqrt(d2)
        return math.isclose(a + b, 7) or math.isclose(abs(a - b), 7)
    return sufficiency(cases, lambda r: r * r, chords_fit, lambda r: 2 * r * r == 50)


@ds(247)
def _():
    # Left-handed women, right-handed women, left-handed men; the rest are right-handed men.
    cases = [(lw, rw, lm) for lw in range(51) for rw in range(51 - lw) for lm in range(51 - lw - rw)]
    return sufficiency(cases, lambda lw, rw, lm: lw, lambda lw, rw, lm: lw + rw == 20 and rw > lw,
                       lambda lw, rw, lm: lw + lm == 12 and lm > lw)


@ds(248)
def _():
    cases = [(a, b) for a in range(1, 151) for b in range(a + 1, 301)]
    def when(a, b):
        return F(b, b - a)  # hours after noon
    def first(a, b):
        t = when(a, b)
        return a == 50 and b < 100 and t.denominator == 1 and t < 6
    return sufficiency(cases, when, first, lambda a, b: b - a == 25)


@ps(249)
def _():
    tosses = list(itertools.product((0, 1), repeat=5))
    return F(sum(1 for t in tosses if sum(t[:3]) > sum(t[3:])), len(tosses))


@ds(250)
def _():
    cases = [(float(x),) for x in fracs(-10, 10, 8)] + [(-1 + math.sqrt(17),), (-1 - math.sqrt(17),), (3.0,)]
    def one(x):
        return x >= 3 and abs((x * x + 2 * x - 16) * math.sqrt(x - 3)) < 1e-9
    def two(x):
        return x >= 3 and abs(math.sqrt(x + 5) + math.sqrt(x - 3) - math.sqrt(2 * x + 4)) < 1e-9
    return sufficiency(cases, lambda x: round(x, 9), one, two)


@ps(251)
def _():
    def twos(n):
        count, power = 0, 2
        while power <= n:
            count += n // power
            power *= 2
        return count
    n = 1
    while math.factorial(n) % 2**100:
        n += 1
    assert twos(n) >= 100 > twos(n - 1)
    return n


@ps(252)
def _():
    return sum(1 for x in range(1, 31) if mean([2, 5, 9, 14, x]) > median([2, 5, 9, 14, x]))


@ps(253)
def _():
    digits, pages = 0, 0
    while digits < 2989:
        pages += 1
        digits += len(str(pages))
    assert digits == 2989
    return sum(1 for n in range(1, pages + 1) if '7' in str(n))


@ds(254)
def _():
    times = sorted(set(fracs(1, 40, 2)))
    cases = [(a, b) for a in times for b in times]
    joint = lambda a, b: 1 / (1 / a + 1 / b)
    return sufficiency(cases, joint, lambda a, b: a == 12 and b.denominator == 1 and b < 12,
                       lambda a, b: joint(a, b).denominator == 1 and joint(a, b) > 3)


@ps(255)
def _():
    return min(abs(x - 1) + abs(x - 4) + abs(x - 9) + abs(2 * x - 16) for x in fracs(-10, 30, 4))


@ps(256)
def _():
    def right_area(k):
        # The part of the triangle with x >= k, for 2 <= k <= 8, where the top edge is y = 8 - x.
        return (8 - k) ** 2 / 2
    lo, hi = 2.0, 8.0
    for _ in range(200):
        mid = (lo + hi) / 2
        if right_area(mid) > 12:
            lo = mid
        else:
            hi = mid
    return lo


@ds(257)
def _():
    lists = [s for s in itertools.combinations(range(1, 21), 5) if sum(s) == 20]
    cases = [(s,) for s in lists]
    return sufficiency(cases, lambda s: s[2], lambda s: s[4] == 10, lambda s: s[4] > 3 * s[2])


@ps(258)
def _():
    return sum(1 for n in range(5001, 10000) if n % 2 == 0 and len(set(str(n))) == 4)


@ps(259)
def _():
    for estate in range(1000, 1000001, 100):
        left, shares, k = F(estate), [], 1
        while left > 0 and k < 50:
            share = k * 1000 + (left - k * 1000) / 10
            if share > left:
                break
            shares.append(share)
            left -= share
            k += 1
        if left == 0 and len(shares) >= 2 and len(set(shares)) == 1:
            return shares[0]


@ds(260)
def _():
    cases = [(x, y) for x in range(-20, 21) for y in range(-20, 21)]
    return sufficiency(cases, lambda x, y: x + y, lambda x, y: x * x + y * y == 65, lambda x, y: (x**3 + y**3) % 11 == 0)


@ds(261)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, divisor_count, lambda n: divisor_count(n * n) == 15 and n % 6 == 0, lambda n: n % 12 == 0)


@ds(262)
def _():
    values = fracs(-8, 8, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda x, y: x + y, lambda x, y: (x + y) ** 2 == 4 * (x + y) + 12,
                       lambda x, y: (x + y) ** 3 == 4 * (x + y) ** 2 + 12 * (x + y) and x < 0 and y < 0)


@ps(263)
def _():
    from decimal import Decimal, getcontext
    getcontext().prec = 60
    x = (Decimal(7).sqrt() + Decimal(5).sqrt()) / (Decimal(7).sqrt() - Decimal(5).sqrt())
    return int(x**3)


@ps(264)
def _():
    # a and b are the roots of t^2 - S t + P = 0 with P = ab; search S and P and confirm with the roots.
    for p in range(-1000, 1001):
        if p == 0:
            continue
        s = F(p, 4)
        if s * s - 2 * p != F(5, 72) * p * p:
            continue
        d = s * s - 4 * p
        if d >= 0:
            a, b = (float(s) + math.sqrt(d)) / 2, (float(s) - math.sqrt(d)) / 2
            assert math.isclose(1 / a + 1 / b, 1 / 4) and math.isclose(1 / a**2 + 1 / b**2, 5 / 72)
            return s


@ds(265)
def _():
    values = fracs(-6, 6, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda x, y: x * x + y * y < (x - 4) ** 2 + (y - 2) ** 2, lambda x, y: x * x + y * y == 5,
                       lambda x, y: x * y == 2 and y > x)


@ps(266)
def _():
    return sum(1 for n in range(1, 101) if (n * n + n + 1) % 7 == 0 and (n * n + n + 1) % 49 != 0)


@ds(267)
def _():
    cases = [(s, p) for s in range(1, 101) for p in range(51, 100)]
    return sufficiency(cases, lambda s, p: p, lambda s, p: p == 7 * s + 17 and 4 <= 9 * s - p <= 6,
                       lambda s, p: p % 13 == 3 and p % 5 == 4)


@ps(268)
def _():
    low, high = 0.0, 5.0
    for _ in range(100):
        r = (low + high) / 2
        if math.hypot(5 - r, 5 - r) > 5 + r:
            low = r
        else:
            high = r
    return low


@ds(269)
def _():
    cases = [(p,) for p in parts(50, 5, -10, True)]
    return sufficiency(cases, lambda p: p[2], lambda p: p[0] + p[4] == p[1] + p[3], lambda p: p[4] - p[0] == 20)


@ds(270)
def _():
    def both(n, parity):
        count = n // 2 if parity == 0 else n - n // 2
        return F(comb(count, 2), comb(n, 2))

    def odd_sum(n):
        return F((n // 2) * (n - n // 2), comb(n, 2))

    cases = [(n,) for n in range(2, 200)]
    return sufficiency(cases, lambda n: both(n, 0), lambda n: n > 10,
                       lambda n: odd_sum(n) == F(8, 15) and both(n, 1) < F(1, 4))


@ds(271)
def _():
    cases = [(k,) for k in range(1, 400)]
    return sufficiency(cases, lambda k: is_square(k * k + 48), lambda k: k > 11, lambda k: k % 2 == 1)


@ds(272)
def _():
    cases = list(grid(range(100, 3001, 100), range(25, 601, 25), range(25, 601, 25)))
    cases = [(l, a, b) for l, a, b in cases if a > b]
    return sufficiency(cases, lambda l, a, b: l, lambda l, a, b: F(l, a + b) == 4 and F(l, a - b) == 12,
                       lambda l, a, b: b == 100)


@ds(273)
def _():
    cases = [(n,) for n in range(-200, 201)]
    return sufficiency(cases, lambda n: n % 4 == 0, lambda n: n**3 % 32 == 0, lambda n: (n * n + 16) % 32 == 0)


@ds(274)
def _():
    cases = [(t, h) for t in fracs(-20, 20, 4) for h in range(1, 9)]  # C = (t, h), A = (0, 0), B = (10, 0)
    def right(t, h):
        ab, ac, bc = 100, t * t + h * h, (t - 10) ** 2 + h * h
        return ab + ac == bc or ab + bc == ac or ac + bc == ab
    return sufficiency(cases, right, lambda t, h: h == 5, lambda t, h: t * t + h * h == 125)


@ps(275)
def _():
    rolls = list(itertools.product(range(1, 7), repeat=4))
    return F(sum(1 for r in rolls if max(r) == 2 * min(r)), len(rolls))


@ps(276)
def _():
    for e in fracs(0, 1, 200):
        if F(2, 3) * F(16, 10) + F(1, 3) * F(16, 10) * (1 - e) == F(14, 10):
            return float(e * 100)


@ds(277)
def _():
    def orders(r, b):
        # Red books are 0 .. r - 1 and blue books r .. r + b - 1, all different.
        return sum(1 for p in itertools.permutations(range(r + b)) if all(not (x < r and y < r) for x, y in zip(p, p[1:])))
    cases = [(r, b) for r in range(0, 8) for b in range(0, 8) if 0 < r + b <= 7]
    return sufficiency(cases, orders, lambda r, b: r + b == 7, lambda r, b: r == 3)


@ds(278)
def _():
    cases = [(k,) for k in range(1, 200)]
    def term(n):
        return F(1, n * (n + 2))
    return sufficiency(cases, lambda k: sum(term(n) for n in range(1, k + 1)),
                       lambda k: term(k) < F(1, 60) and (k == 1 or term(k - 1) > F(1, 60)),
                       lambda k: sum(term(n) for n in range(1, k + 1)) < F(3, 4))


@ps(279)
def _():
    found = set()
    for last in (F(k, 100) for k in range(1, 1001)):  # the last worker's hours
        gap = (4 * last - last) / 9  # equal intervals between the ten starts
        times = [last + gap * k for k in range(10)]
        if sum(times) == 80:
            found.add(times[-1])
    assert len(found) == 1, found
    return found.pop()


@ds(280)
def _():
    cases = [(w, wd, md) for w in range(0, 101) for wd in range(0, w + 1) for md in range(0, 101 - w)]
    def shares(w, wd, md):
        return w > 0 and 100 - w > 0 and F(wd, w) == F(3, 7) and F(md, 100 - w) == F(4, 9) and 100 - w > w
    return sufficiency(cases, lambda w, wd, md: w - wd, lambda w, wd, md: w == 28 and wd + md == 44, shares)


@ps(281)
def _():
    return (pow(3, 2026, 100) + pow(7, 2026, 100)) % 100


@ps(282)
def _():
    square = 2 * 4 * 4
    r2 = 8
    assert math.isclose(4 / math.sqrt(2), math.sqrt(r2))  # the circle touches the sides
    return square - math.pi * r2


@ds(283)
def _():
    cases = [(x,) for x in fracs(-10, 10, 8)]
    return sufficiency(cases, lambda x: x, lambda x: abs(3 ** abs(float(x)) + 3 ** abs(float(x) - 4) - 18) < 1e-9,
                       lambda x: abs(9 ** float(x) - 8 * 3 ** float(x) - 9) < 1e-9)


@ds(284)
def _():
    cases = [(c, m) for c in range(1, 100) for m in range(1, 121)]
    def first(c, m):
        return 10 <= c <= 99 and 10 <= m <= 99 and m == int(str(c)[::-1]) and m - c == 27
    return sufficiency(cases, lambda c, m: c, first, lambda c, m: (c + m) % 11 == 0 and c + m < 100)


@ds(285)
def _():
    cases = [(s,) for s in parts(50, 5, 1, True)]
    return sufficiency(cases, lambda s: s[-1], lambda s: s[0] * s[1] * s[2] * s[3] == 30,
                       lambda s: s[2] == 3 and s[4] > 2 * s[3])


@ps(286)
def _():
    means = set()
    for k in range(26):
        values = [F(7)] * k + [F(2)] * (25 - k)
        m = sum(values) / 25
        if sum((v - m) ** 2 for v in values) / 25 == 4:
            means.add(m)
    assert len(means) == 2, means
    return sum(means)


@ps(287)
def _():
    return sum(1 for x in range(-100, 101) for y in range(-100, 101) if x * x - y * y == 60)


@ds(288)
def _():
    values = fracs(1, 30, 2)
    cases = [(r, l) for r in values for l in values if l > r]
    def volume(r, l):
        return round(math.pi * float(r) ** 2 * math.sqrt(float(l * l - r * r)) / 3, 6)
    return sufficiency(cases, volume, lambda r, l: r == F(216, 360) * l, lambda r, l: r * r + r * l == 96)


@ds(289)
def _():
    cases = [(x,) for x in fracs(-4, 4, 20)]
    return sufficiency(cases, lambda x: 3.0 ** float(x) > 2.0 ** float(x) + 1,
                       lambda x: 9.0 ** float(x) > 3.0 ** float(x) + 2, lambda x: 4.0 ** float(x) > 2.0 ** float(x) + 2)


@ds(290)
def _():
    values = fracs(-8, 8, 2)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda a, b: a * a + b * b < 25, lambda a, b: abs(a) + abs(b) < 7, lambda a, b: abs(a) < 4)


@ds(291)
def _():
    times = sorted(set(fracs(1, 30, 5)) | {F(n) for n in range(1, 131)})
    cases = [(a, b) for a in times for b in times]
    together = lambda a, b: 1 / a + 1 / b == F(5, 24)
    return sufficiency(cases, lambda a, b: a, lambda a, b: a - b == 4 and together(a, b),
                       lambda a, b: a.denominator == 1 and b.denominator == 1 and b < a < 2 * b and together(a, b))


@ps(292)
def _():
    return max(x * y * z for x, y, z in itertools.combinations(range(-10, 11), 3) if x + y + z == 6)


@ps(293)
def _():
    values = set()
    for b in range(0, 46):
        tea_only, coffee_only, neither = 50 - b, 45 - b, 80 - (95 - b)
        if min(tea_only, coffee_only) >= 0 and neither >= 10:
            values.add(F(b, 45) - F(b, 50))
    shown = [F(1, 25), F(1, 20), F(1, 18), F(11, 180), F(1, 9)]
    possible = [v for v in shown if v in values]
    assert len(possible) == 1, possible
    return possible[0]


@ds(294)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, lambda n: n % 6, lambda n: n % 2 == 1 and (n * n + n) % 6 == 2, lambda n: n * n % 6 == 1)


@ps(295)
def _():
    low, high = 0.0, 10.0  # the walkway's width, by halving until its area is the pool's
    for _ in range(200):
        mid = (low + high) / 2
        low, high = (mid, high) if (10 + 2 * mid) * (20 + 2 * mid) - 200 < 200 else (low, mid)
    return round(2 * ((10 + 2 * low) + (20 + 2 * low)), 9)


@ps(296)
def _():
    found = []
    for x in fracs(0, 20, 10):
        if 0 < x < 10:
            alcohol = 20 - x
            alcohol = alcohol - x * alcohol / 20 + x
            if alcohol / 20 == F(84, 100):
                found.append(x)
    assert len(found) == 1, found
    return found[0]


@ps(297)
def _():
    best = None
    for k in range(0, 1001):
        t = F(k, 100)
        x = t * t + 1
        root = F(math.isqrt((t * t).numerator), math.isqrt((t * t).denominator))  # sqrt(x - 1) = t exactly
        first, second = x + 3 - 4 * root, x + 8 - 6 * root
        if first >= 0 and second >= 0 and abs(math.sqrt(first) + math.sqrt(second) - 1) < 1e-12:
            best = x if best is None else max(best, x)
    return best


@ps(298)
def _():
    fifth = set()
    for r in range(-20, 21):
        if r == -1:
            continue
        a = F(12, 1 + r)
        if sum(a * F(r) ** k for k in range(6)) == 1092:
            fifth.add(a * F(r) ** 4)
    return sum(fifth)


@ds(299)
def _():
    values = fracs(0, 100, 2)
    cases = [(a, b) for a in values for b in values]
    return sufficiency(cases, lambda a, b: b, lambda a, b: (a + 2 * b) / 3 == 60, lambda a, b: (2 * a + b) / 3 >= 80)


@ds(300)
def _():
    values = fracs(0, 1, 40)
    cases = [(p, q) for p in values for q in values]
    exactly_one = lambda p, q: p + q - 2 * p * q
    return sufficiency(cases, exactly_one, lambda p, q: p + q - p * q == F(3, 4),
                       lambda p, q: p == q and exactly_one(p, q) >= F(1, 2))


@ds(301)
def _():
    cases = list(grid(range(-10, 11), range(-10, 11)))
    return sufficiency(cases, lambda x, y: x > y, lambda x, y: abs(x) > abs(y), lambda x, y: x + y > -2)


@ps(302)
def _():
    def pairings(people):
        if not people:
            yield []
            return
        first = people[0]
        for k in range(1, len(people)):
            rest = people[1:k] + people[k + 1:]
            for p in pairings(rest):
                yield [(first, people[k])] + p
    return sum(1 for p in pairings(list(range(10))) if not any(set(pair) <= {0, 1, 2} for pair in p))


@ps(303)
def _():
    moving, standing = F(45, 60), 1 - F(45, 60)  # hours in one old hour, stops included
    return 45 / (45 / (60 * F(6, 5)) + standing * F(2, 3))


@ps(304)
def _():
    found = set()
    for k in range(1, 200000):
        m = k / 100000
        for c in (2 * math.sqrt(1 + m * m), -2 * math.sqrt(1 + m * m)):  # y = mx + c at distance 2 from O
            if abs(abs(6 * m + c) / math.sqrt(1 + m * m) - 1) < 1e-4 and 0 < -c / m < 6:
                found.add(round(m, 3))
    assert len(found) == 1, found
    m = found.pop()
    return min([1 / math.sqrt(35), 1 / 3, math.sqrt(2) / 4, 0.5, math.sqrt(3) / 3], key=lambda v: abs(v - m))


@ds(305)
def _():
    values = fracs(-20, 20, 2)
    cases = []
    for a, b in grid(values, values):
        for r2 in {a * a + b * b, (a - 8) ** 2 + (b - 1) ** 2, F(1), F(100)}:
            cases.append((a, b, r2))
    return sufficiency(cases, lambda a, b, r2: math.pi * r2 > 70,
                       lambda a, b, r2: (a - 8) ** 2 + (b - 1) ** 2 == r2 and (a - 5) ** 2 + (b - 10) ** 2 == r2,
                       lambda a, b, r2: a * a == r2 and b * b == r2 and (a - 8) ** 2 + (b - 1) ** 2 == r2)


@ps(306)
def _():
    import random
    rng = random.Random(7)
    ratios = set()
    for _ in range(20):
        values = [F(rng.randint(-50, 50)) for _ in range(9)]
        if len(set(values)) == 1:
            continue
        current = values
        for _ in range(2):
            total = sum(current)
            current = [(total - x) / 8 for x in current]
        ratios.add(statistics.pvariance(current) / statistics.pvariance(values))
    assert ratios == {F(1, 4096)}, ratios
    return F(16) * F(1, 64)  # the standard deviation scales by the square root of the variance's ratio


@ds(307)
def _():
    cases = [(n,) for n in range(1, 200)]
    return sufficiency(cases, lambda n: n, lambda n: 20 * n - 32 + 34 == 19 * (n + 1), lambda n: 20 * n % 68 == 0)


@ds(308)
def _():
    cases = [(r, b) for r in range(1, 120) for b in range(1, 120)]
    with_repl = lambda r, b: F(2 * r * b, (r + b) ** 2)
    without = lambda r, b: F(2 * r * b, (r + b) * (r + b - 1))
    return sufficiency(cases, lambda r, b: r + b, lambda r, b: with_repl(r, b) == F(3, 8),
                       lambda r, b: without(r, b) - with_repl(r, b) == F(1, 40))


@ds(309)
def _():
    cases = [(v, d) for v in range(11, 101) for d in range(1, 401)]
    return sufficiency(cases, lambda v, d: d, lambda v, d: F(d, v) - F(d, v) / F(12, 10) == F(1, 2),
                       lambda v, d: F(d, 2) / (v - 10) + F(d, 2) / (v + 10) - F(d, v) == F(1, 5))


@ds(310)
def _():
    cases = [(x,) for x in fracs(-10, 10, 6)]
    floor = lambda t: math.floor(t)  # noqa: E731
    return sufficiency(cases, lambda x: floor(x) + floor(-x), lambda x: x.denominator != 1,
                       lambda x: (2 * x).denominator == 1 and (2 * x) % 2 == 1)


@ds(311)
def _():
    def diagonal_is_integer(A):
        d2 = 100 - 2 * A
        return d2.denominator == 1 and is_square(int(d2))
    def sides_above_one(A):
        return 5 - math.sqrt(float(25 - A)) > 1
    cases = [(A,) for A in fracs(0, 25, 4) if A > 0]
    return sufficiency(cases, lambda A: A, diagonal_is_integer, sides_above_one)
