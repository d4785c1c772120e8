"""Checks of MHardQuantSet, questions 1 to 111: each recomputes its question from the stem's numbers."""
import itertools
import math
import statistics
from fractions import Fraction as F
from math import comb

from hard_quant_support import Table, divisor_count, divisors, fracs, grid, is_prime, is_square, mean, median, parts, sufficiency

TABLE = Table("MHardQuantSet")
ps, ds = TABLE.ps, TABLE.ds


def distinct_sets(total, count, low=1):
    """Every increasing tuple of count integers, each at least low, adding up to total."""
    if count == 0:
        if total == 0:
            yield ()
        return
    for first in range(low, total // count + 1):
        for rest in distinct_sets(total - first, count - 1, first + 1):
            yield (first,) + rest


@ds(1)
def _():
    cases = [(x, y) for x in range(1, 120) for y in range(1, 120)]
    return sufficiency(cases, lambda x, y: x + y, lambda x, y: x * y == x + y + 11, lambda x, y: x > y and is_prime(x - y))


@ds(2)
def _():
    cases = [(s,) for s in itertools.combinations_with_replacement(range(0, 17), 7) if sum(s) == 56]
    return sufficiency(cases, lambda s: s[3], lambda s: s[-1] - s[0] == 2, lambda s: sum(v * v for v in s) == 450)


@ps(3)
def _():
    orders = set(itertools.permutations('RRRRBBBGG'))
    def last(order, colour):
        return max(k for k, c in enumerate(order) if c == colour)
    good = sum(1 for o in orders if last(o, 'R') < last(o, 'B') and last(o, 'R') < last(o, 'G'))
    return F(good, len(orders))


@ps(4)
def _():
    return sum(int(c) for c in str(999999999 * 123456789))


@ds(5)
def _():
    cases = list(grid(range(1, 401), range(1, 401)))
    whole = lambda v: abs(v - round(v)) < 1e-9  # noqa: E731
    return sufficiency(cases, lambda a, b: whole(math.sqrt(a) + math.sqrt(b)),
                       lambda a, b: abs(math.sqrt(a) - math.sqrt(b) - 1) < 1e-12, lambda a, b: is_square(a * b))


@ds(6)
def _():
    # Triangles given by their sides BC = a, AC = b, AB = c on a grid of halves; 16 * area^2 by Heron.
    halves = [F(k, 2) for k in range(1, 25)]
    cases = []
    for a in halves:
        for b in halves:
            for c in halves:
                if a < b + c and b < a + c and c < a + b:
                    cases.append((a, b, c, (a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c)))
    return sufficiency(cases, lambda a, b, c, h: h > 16 * 144, lambda a, b, c, h: c == 6, lambda a, b, c, h: a + b == 10)


@ps(7)
def _():
    product = 1.0
    for base in range(2, 8):
        product *= math.log(base + 1) / math.log(base)  # the exponent that turns base into base + 1
    return product


@ps(8)
def _():
    # Ann rides x km in all and Ben 24 - x; the later arrival is least where the two times meet.
    def later(x):
        return max(x / 12 + (24 - x) / 4, (24 - x) / 12 + x / 6)
    best = min(fracs(0, 24, 12), key=later)
    # With one hand-over at kilometer best, the bicycle is waiting when Ben reaches it.
    assert best / 12 <= best / 6
    return later(best) * 60


@ps(9)
def _():
    return sum(1 for n in range(1, 10000) if sum(int(d) for d in str(n)) == 20)


@ps(10)
def _():
    from collections import Counter

    def possible(m):
        for low in itertools.combinations_with_replacement(range(1, m + 1), 3):
            rest = 140 - sum(low) - m
            for u1 in range(m, rest // 3 + 1):
                for u2 in range(u1, (rest - u1) // 2 + 1):
                    counts = Counter(low + (m, u1, u2, rest - u1 - u2))
                    top = max(counts.values())
                    if counts[4] == top and list(counts.values()).count(top) == 1:
                        return True
        return False

    return next(m for m in range(140 // 4, 0, -1) if possible(m))


@ps(11)
def _():
    for t in range(0, 41):
        for c in range(0, 41):
            a, b = 20 - t, 15 - t
            if min(a, b) < 0 or a + b + c != 30:
                continue
            french, spanish, german = 70 - a - b - t, 55 - a - c - t, 40 - b - c - t
            if min(french, spanish, german) >= 0 and french + spanish + german + a + b + c + t + 25 == 150:
                return spanish


@ds(12)
def _():
    cases = [(x,) for x in fracs(-12, 12, 4)]
    return sufficiency(cases, lambda x: x, lambda x: abs(abs(x - 3) - 2) == 1, lambda x: abs(x - 1) == 2 * x - 5)


@ds(13)
def _():
    cases = [(x, y) for x in range(1, 60) for y in range(1, 60)]
    return sufficiency(cases, lambda x, y: F(x, y) > F(3, 5), lambda x, y: y > 5 and F(x - 3, y - 5) > F(3, 5),
                       lambda x, y: F(x + 2, y + 1) > F(3, 5))


@ps(14)
def _():
    n = comb(40, 20)
    k = 0
    while n % 6 ** (k + 1) == 0:
        k += 1
    return k


@ps(15)
def _():
    ways = 0
    for k in range(2, 100):
        for a in range(1, 1000):
            if k * a + k * (k - 1) // 2 == 1000:
                ways += 1
    return ways


@ds(16)
def _():
    values = fracs(0, 30, 2)
    cases = [(x, y) for x in values for y in values if x > 0 and y > 0]
    def conc(x, y):
        return (F(20) * x + F(50) * y) / (x + y)
    def two_steps(c):
        once = (2 * c + 50) / 3
        return (2 * once + 20) / 3
    return sufficiency(cases, conc, lambda x, y: y == 6, lambda x, y: two_steps(conc(x, y)) == conc(x, y))


@ds(17)
def _():
    cases = [(a, p) for a in range(1, 60) for p in range(1, 60)]
    return sufficiency(cases, lambda a, p: p, lambda a, p: a > p,
                       lambda a, p: 35 * a + 55 * p == 1005 and 35 * a > 55 * p)


@ps(18)
def _():
    found = set()
    for a in fracs(1, 40, 2):
        for b in fracs(1, 40, 2):
            if a != b and a * b / (a + b) == 4 and a / 2 + b / 2 == 9:
                found.add(min(a, b))
    assert len(found) == 1
    return found.pop()


@ds(19)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, lambda n: (n**4 - 1) % 240 == 0, lambda n: n % 2 == 1, lambda n: n % 3 != 0 and n % 5 != 0)


@ds(20)
def _():
    values = range(-30, 41)
    cases = [(a, b, c) for a in values for b in values for c in values if a <= b <= c]

    def variance(a, b, c):
        m = F(a + b + c, 3)
        return ((a - m) ** 2 + (b - m) ** 2 + (c - m) ** 2) / 3

    return sufficiency(cases, lambda a, b, c: variance(a, b, c) > 25, lambda a, b, c: c - a == 20,
                       lambda a, b, c: a + b + c == 30 and b == 12)


@ds(21)
def _():
    cases = [(n,) for n in range(1, 500)]
    return sufficiency(cases, lambda n: n % 24, lambda n: n * n % 24 == 1, lambda n: n**3 % 6 == 5)


@ps(22)
def _():
    (x1, y1), (x2, y2), (qx, qy) = (-2, 5), (4, -1), (3, 6)
    # Reflect Q in the line through the two points: its foot on the line is the midpoint of Q and P.
    dx, dy = x2 - x1, y2 - y1
    t = F((qx - x1) * dx + (qy - y1) * dy, dx * dx + dy * dy)
    fx, fy = x1 + t * dx, y1 + t * dy
    px, py = 2 * fx - qx, 2 * fy - qy
    return abs(px * qy - py * qx) / 2


@ds(23)
def _():
    values = [v for v in fracs(-6, 6, 2) if v != 0]
    cases = [(x, y) for x in values for y in values]
    return sufficiency(cases, lambda x, y: x / y, lambda x, y: x * x + 4 * y * y <= 4 * x * y,
                       lambda x, y: abs(x - y) == abs(y))


@ps(24)
def _():
    return F(sum(1 for a, b, c in itertools.product(range(1, 7), repeat=3) if is_square(a * b * c)), 216)


@ds(25)
def _():
    cases = [(a, k) for k in range(1, 401) for a in range(-400, 101) if k * a + k * (k - 1) // 2 == 100]
    return sufficiency(cases, lambda a, k: k, lambda a, k: a < 0, lambda a, k: k < 30)


@ds(26)
def _():
    cases = [(x, y) for x in range(-12, 40) for y in range(-12, 40)]
    return sufficiency(cases, lambda x, y: x + y, lambda x, y: y % 2 == 0 and F(2) ** x + F(3) ** (y // 2) == 17,
                       lambda x, y: F(4) ** x - F(2) ** y == 48)


@ps(27)
def _():
    for tenths in range(1, 30001):
        t = F(tenths, 10)
        if (5 * t - 3 * t) % 300 == 0 and (7 * t - 3 * t) % 300 == 0:
            return t


@ds(28)
def _():
    def sq(u, v):
        return (u[0] - v[0]) ** 2 + (u[1] - v[1]) ** 2
    P, Q = (F(0), F(0)), (F(8), F(0))
    cases = []
    for x in fracs(-16, 16, 2):
        for y in fracs(-16, 16, 2):
            R = (x, y)
            a, b, c = sq(Q, R), sq(P, R), sq(P, Q)
            if y != 0 and max(a, b, c) * 2 == a + b + c:
                cases.append((R, a, b, c))
    return sufficiency(cases, lambda R, a, b, c: abs(R[1]) * 4, lambda R, a, b, c: R[0] == R[1],
                       lambda R, a, b, c: a == b or b == c or a == c)


@ps(29)
def _():
    return len({tuple(sorted((a, b, 72 // (a * b)))) for a in divisors(72) for b in divisors(72 // a)})


@ds(30)
def _():
    cases = [(a, b) for a in range(1, 200) for b in range(1, 200) if a > b]
    return sufficiency(cases, lambda a, b: a, lambda a, b: a * b == 7 * (a + b),
                       lambda a, b: a == 7 * b and (a + 4) % (b + 4) == 0)


@ds(31)
def _():
    cases = [(a, b) for a in range(1, 80) for b in range(1, 80)]
    return sufficiency(cases, lambda a, b: F(1, a) + F(1, b) > F(1, 3), lambda a, b: a + b < 12,
                       lambda a, b: a * a * b * b < 9 * a * a + 9 * b * b)


@ds(32)
def _():
    cases = [(u, r) for u in fracs(1, 100, 2) for r in fracs(1, 100, 2)]
    return sufficiency(cases, lambda u, r: 2 * u * r / (u + r) < 20, lambda u, r: u == 12, lambda u, r: r < 50)


@ds(33)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, divisor_count, lambda n: divisor_count(n * n) == 15, lambda n: n % 2 == 1)


@ds(34)
def _():
    # d >= 0: a negative constant would make later terms negative.
    cases = [(a, d) for a in range(1, 200) for d in range(0, 60)]
    return sufficiency(cases, lambda a, d: a, lambda a, d: 10 * a + 45 * d == 100, lambda a, d: (a + 2 * d) * (a + 4 * d) == 45)


@ps(35)
def _():
    for x in range(1, 200):
        for y in fracs(40, 100, 4):
            if F(40 * x + 10 * y, x + 10) == 45 and F(40 * x + 30 * y, x + 30) == 50:
                return float(y)


@ds(36)
def _():
    values = fracs(-6, 6, 8)
    cases = list(grid(values, values))
    return sufficiency(cases, lambda x, y: x > y, lambda x, y: 4 * x > y * y + 4, lambda x, y: x > y * y)


@ps(37)
def _():
    def value(n):
        return math.sqrt(n + 2 * math.sqrt(n - 1)) + math.sqrt(n - 2 * math.sqrt(n - 1))
    return sum(1 for n in range(1, 101) if abs(value(n) - round(value(n))) < 1e-9)


@ps(38)
def _():
    best = 0
    for t in range(0, 51):
        for ab in range(0, 61):
            for ac in range(0, 51):
                bc = 80 - 2 * t - ab - ac  # from the totals 100 people and 180 likes
                a, b, c = 70 - ab - ac - t, 60 - ab - bc - t, 50 - ac - bc - t
                if min(bc, a, b, c) >= 0:
                    best = max(best, a + b + c)
    return best


@ds(39)
def _():
    cases = [(r, b) for r in range(0, 40) for b in range(0, 40) if r + b >= 2]
    return sufficiency(cases, lambda r, b: F(r * (r - 1), (r + b) * (r + b - 1)) > F(1, 2),
                       lambda r, b: F(r, r + b) > F(7, 10), lambda r, b: b == 2)


@ds(40)
def _():
    # Two sides from A and the angle between them, in whole degrees (90 among them).
    sides = [6, 8, 10, 12, 15, 20]
    cases = [(b, c, t) for b in sides for c in sides for t in range(1, 180)]
    def area(b, c, t):
        return b * c * math.sin(math.radians(t)) / 2
    def third(b, c, t):
        return round(math.sqrt(b * b + c * c - 2 * b * c * math.cos(math.radians(t))), 6)
    return sufficiency(cases, third, lambda b, c, t: b == 8 and c == 15, lambda b, c, t: abs(area(b, c, t) - 60) < 1e-9)


@ps(41)
def _():
    return sum(1 for n in range(1, 101) if (4**n + 6**n + 9**n) % 7 == 0)


@ds(42)
def _():
    cases = [(n,) for n in range(1, 3000)]
    return sufficiency(cases, lambda n: n % 8, lambda n: n * n % 16 == 1, lambda n: n**3 % 8 == 7)


@ps(43)
def _():
    best = None
    for a4 in range(4, 15):
        a5 = 30 - a4
        for low in itertools.combinations(range(1, a4), 3):
            rest = 160 - sum(low) - a4 - a5
            for a6 in range(a5 + 1, rest):
                for a7 in range(a6 + 1, rest):
                    a8 = rest - a6 - a7
                    if a8 > a7 and (best is None or a8 < best):
                        best = a8
    return best


@ps(44)
def _():
    for volume in fracs(1, 60, 2):
        for inflow in fracs(0, 10, 4):
            if 3 * 6 == volume + 6 * inflow and 5 * 3 == volume + 3 * inflow:
                return volume / (8 - inflow)


@ds(45)
def _():
    cases = [(k,) for k in range(-300, 301)]
    return sufficiency(cases, lambda k: k % 2 == 1, lambda k: (k + 1) * (k + 3) * (k + 5) % 16 == 0, lambda k: (k**3 - k * k) % 4 != 0)


@ps(46)
def _():
    best = 0
    ax, ay, bx, by = -8, -6, 8, -6
    for k in range(200000):
        t = 2 * math.pi * k / 200000
        cx, cy = 10 * math.cos(t), 10 * math.sin(t)
        best = max(best, 16 + math.hypot(cx - ax, cy - ay) + math.hypot(cx - bx, cy - by))
    return best


@ps(47)
def _():
    good = 0
    for p in itertools.permutations(range(8)):
        if all(abs(p.index(2 * c) - p.index(2 * c + 1)) != 1 for c in range(4)):
            good += 1
    return F(good, math.factorial(8))


@ds(48)
def _():
    values = fracs(-6, 12, 2)
    cases = [(x, y, z) for x in values for y in values for z in values]
    return sufficiency(cases, lambda x, y, z: x + y + z, lambda x, y, z: 2 * x + 5 * y + 8 * z == 30 and 4 * x + 3 * y + 2 * z == 18,
                       lambda x, y, z: min(x, y, z) > 0 and x.denominator == y.denominator == z.denominator == 1 and x * y * z == 8)


@ps(49)
def _():
    from math import gcd
    total = sum(F(a, b) for b in range(2, 11) for a in range(1, b) if gcd(a, b) == 1)
    whole, rest = divmod(total, 1)
    return str(whole) if rest == 0 else '%d %s' % (whole, rest)


@ds(50)
def _():
    cases = [(s,) for s in itertools.combinations_with_replacement(range(1, 13), 5)]
    def variance(s):
        m = mean(s)
        return F(sum(v * v for v in s), 5) - m * m
    return sufficiency(cases, lambda s: mean(s), lambda s: sum(v * v for v in s) == 40 and variance(s) == 4,
                       lambda s: math.prod(s) == 6 and max(s) - min(s) == 5)


@ds(51)
def _():
    # A leg a and the hypotenuse c; the other leg is sqrt(c^2 - a^2).
    cases = [(a, c) for c in fracs(1, 20, 2) for a in fracs(1, 20, 2) if a < c]
    other = lambda a, c: math.sqrt(c * c - a * a)  # noqa: E731
    return sufficiency(cases, lambda a, c: round(float(a) * other(a, c) / 2, 9),
                       lambda a, c: abs((float(a) + other(a, c) - float(c)) / 2 - 2) < 1e-9, lambda a, c: c == F(13, 2) * 2)


@ds(52)
def _():
    cases = [(m, w) for m in range(0, 30) for w in range(0, 30) if m + w >= 3]
    return sufficiency(cases, lambda m, w: comb(m + w, 3) - comb(m, 3) - comb(w, 3), lambda m, w: m + w == 10,
                       lambda m, w: comb(m, 2) * w == comb(w, 2) * m)


@ps(53)
def _():
    n = math.factorial(10)
    def is_cube(d):
        r = round(d ** (1 / 3))
        return any((r + k) ** 3 == d for k in (-1, 0, 1))
    return sum(1 for d in range(1, n + 1) if n % d == 0 and (is_square(d) or is_cube(d)))


@ps(54)
def _():
    found = {(x, y) for x in fracs(-20, 20, 2) for y in fracs(-20, 20, 2) if x * x + 2 * y * y + 9 == 2 * x * y + 6 * y}
    assert len(found) == 1
    x, y = found.pop()
    return x ** int(y)


@ps(55)
def _():
    import random
    rng = random.Random(59)
    results = set()
    for _ in range(50):
        board = [F(1, k) for k in range(2, 11)]
        while len(board) > 1:
            rng.shuffle(board)
            a, b = board.pop(), board.pop()
            board.append(a + b + a * b)
        results.add(board[0])
    assert len(results) == 1
    return results.pop()


@ps(56)
def _():
    from collections import Counter
    count = 0
    # A range of 6 puts every number between the least, low, and low + 6.
    for low in range(-50, 50):
        for v in itertools.combinations_with_replacement(range(low, low + 7), 6):
            if v[0] != low or v[-1] != low + 6 or sum(v) != 36 or median(v) != 6:
                continue
            seen = Counter(v)
            top = max(seen.values())
            count += [k for k in seen if seen[k] == top] == [6]
    return count


@ps(57)
def _():
    # Positions in eighths of a meter, advanced in steps of an eighth of a second.
    pos, speed, slow_pos, slow_dir, slow_run, meetings, t = 0, 5, 0, 1, F(0), 0, 0
    while meetings < 3:
        t += 1
        pos = (pos + speed) % 3200
        slow_pos = (slow_pos + 3 * slow_dir) % 3200
        slow_run += F(3, 8)
        if pos == slow_pos:
            meetings += 1
            slow_dir = -slow_dir
    return slow_run


@ps(58)
def _():
    values = {"3^126 root 2": 3**63, "5^129 root 3": 5**43, "10^30": 10**30, "2^100": 2**100, "7^70 root 2": 7**35}
    assert 3**126 == (3**63) ** 2 and 5**129 == (5**43) ** 3 and 7**70 == (7**35) ** 2
    return float(max(values.values()))


@ps(59)
def _():
    return sum(1 for c in itertools.product(range(1, 6), repeat=4) if sum(c) == 12)


@ds(60)
def _():
    cases = [(a, b, D) for a in range(20, 70, 2) for b in fracs(30, 70, 5) for D in range(60, 241, 20)]
    speed = lambda a, b: 1 / (F(1, 3) / a + F(2, 3) / b)  # noqa: E731
    return sufficiency(cases, lambda a, b, D: speed(a, b), lambda a, b, D: a == 36 and b == F(6, 5) * speed(a, b),
                       lambda a, b, D: D / speed(a, b) == F(5, 2))


@ds(61)
def _():
    slopes = [math.tan(math.radians(d)) for d in range(-80, 81, 5)]
    cases = [(m, c) for m in slopes for c in [k / 4 for k in range(-40, 41)] + [-4 * m]]
    def meets(m, c):
        return abs(c) / math.sqrt(1 + m * m) <= 2 + 1e-9
    return sufficiency(cases, meets, lambda m, c: abs(4 * m + c) < 1e-9,
                       lambda m, c: abs(abs(m) - 1 / math.sqrt(3)) < 1e-9)


@ps(62)
def _():
    return sum(1 for n in range(1, 101) if math.gcd(n * n + 20, (n + 1) ** 2 + 20) > 1)


@ps(63)
def _():
    triples = list(itertools.combinations(range(1, 11), 3))
    return F(sum(1 for a, b, c in triples if a * b * c % 12 == 0), len(triples))


@ds(64)
def _():
    cases = [(x,) for x in fracs(-5, 5, 8)]
    return sufficiency(cases, lambda x: x > 1, lambda x: x * abs(x) > x, lambda x: x - abs(x - 2) > 0)


@ps(65)
def _():
    lengths = []
    for x in (-9, 9):
        for y in (-12, 12):
            assert x * x + y * y == 15 ** 2 and abs(14 * y) / 2 == 84
            lengths.append(math.sqrt((14 - x) ** 2 + y * y))
    return max(lengths)


@ds(66)
def _():
    # Sums of runs of 24 and of 8 consecutive positive integers, and every n up to the largest.
    sums24 = {24 * a + 276 for a in range(1, 200)}
    sums8 = {8 * a + 28 for a in range(1, 800)}
    cases = [(n,) for n in range(1, 5000)]
    return sufficiency(cases, lambda n: n % 24 == 0, lambda n: n in sums24, lambda n: n in sums8)


@ds(67)
def _():
    values = fracs(6, 14, 2)
    cases = [(s,) for s in itertools.combinations_with_replacement(values, 6) if sum(s) == 60]
    return sufficiency(cases, lambda s: sum((v - 10) ** 2 for v in s) / 6 < 4, lambda s: all(9 <= v <= 12 for v in s),
                       lambda s: sum(1 for v in s if v == 10) >= 4)


@ps(68)
def _():
    def days(first, second):
        done, day = F(0), 0
        while True:
            rate = first if day % 2 == 0 else second
            if done + rate >= 1:
                return day + (1 - done) / rate
            done += rate
            day += 1
    found = set()
    for b_days in range(2, 100):
        for a_days in range(2, 100):
            a, b = F(1, a_days), F(1, b_days)
            if days(a, b) == 13 and days(b, a) == F(27, 2):
                found.add(b_days)
    assert len(found) == 1
    return found.pop()


@ps(69)
def _():
    def product(x):
        return (x - 1) * (x - 2) * (x - 3) * (x - 4)
    lowest = min(product(k / 1000) for k in range(-5000, 10001))
    at_root = product((5 - math.sqrt(5)) / 2)
    assert abs(at_root + 1) < 1e-12 and lowest >= at_root - 1e-12
    return round(at_root, 9)


@ds(70)
def _():
    cases = [(k,) for k in range(1, 3000)]
    def terminates(k):
        d = 84 // math.gcd(k, 84)
        while d % 2 == 0:
            d //= 2
        while d % 5 == 0:
            d //= 5
        return d == 1
    return sufficiency(cases, terminates, lambda k: k * k % 63 == 0, lambda k: k**3 % 147 == 0)


@ps(71)
def _():
    return sum(1 for p in range(1, 30000) if (100 * p) % (100 + p) == 0)


@ds(72)
def _():
    cases = []
    for n in (10, 20, 30):
        for both in range(0, n + 1):
            for art_only in range(0, n + 1 - both):
                for music_only in range(0, n + 1 - both - art_only):
                    a, m = art_only + both, music_only + both
                    if a > 0 and m > 0:
                        cases.append((n, a, m, both))
    return sufficiency(cases, lambda n, a, m, both: F(both, n), lambda n, a, m, both: F(both, m) == F(both, a),
                       lambda n, a, m, both: 10 * a == 4 * n and 10 * (n - a - m + both) == 3 * n and a > m)


@ps(73)
def _():
    return math.gcd(2 ** 30 - 1, 2 ** 18 - 1)


@ds(74)
def _():
    cases = [(t, g, b) for t in range(0, 81) for g in range(0, 81) for b in range(0, min(t, g) + 1) if t + g - b <= 80]
    return sufficiency(cases, lambda t, g, b: b, lambda t, g, b: t + g - 2 * b == 20,
                       lambda t, g, b: t >= 70 and g >= 70 and b <= 60)


@ds(75)
def _():
    def holds(x):
        base, power = x * x - 5 * x + 5, x + 2
        if base == 0 and power <= 0:
            return False
        return F(base) ** power == 1
    cases = [(x,) for x in range(-40, 41)]
    return sufficiency(cases, lambda x: x, lambda x: holds(x), lambda x: x > 1)


@ps(76)
def _():
    roots = [x for x in fracs(1, 50, 4) if math.isclose(math.sqrt(3 * x + 1) - math.sqrt(x - 1), 2, abs_tol=1e-12)]
    return sum(roots)


@ds(77)
def _():
    # B = (0, h) above the line AC; A = (-p, 0) and C = (q, 0), with p and q of either sign.
    steps = [F(k, 5) for k in range(-60, 61, 2)]
    cases = [(h, p, q) for h in [F(k, 5) for k in range(2, 61, 2)] for p in steps for q in steps if p + q != 0]
    return sufficiency(cases, lambda h, p, q: h * abs(p + q) / 2, lambda h, p, q: p * p + h * h == 36 and q * q + h * h == 64,
                       lambda h, p, q: h == F(24, 5))


@ps(78)
def _():
    for n in range(1, 500):
        if any(F(5, 8) < F(k, n) < F(7, 11) for k in range(n + 1)):
            return n


@ps(79)
def _():
    found = []
    for p in range(1, 500):
        for q in range(1, 500):
            terms = [p, q]
            while len(terms) < 10:
                terms.append(terms[-1] + terms[-2])
            if terms[9] == 500:
                found.append(p)
    assert len(found) == 1
    return found[0]


@ps(80)
def _():
    from fractions import Fraction
    def most_points(k):
        # The greatest total that any k players can have: all the points of their own games, and a win in
        # every game against the others.
        return Fraction(k * (k - 1), 2) + k * (8 - k)
    reachable = max(k for k in range(0, 9) if most_points(k) >= 6 * k)
    # The bound is reached: three players beat everyone else and draw among themselves.
    points = {p: Fraction(0) for p in range(8)}
    for p, q in itertools.combinations(range(8), 2):
        if p < 3 and q < 3:
            points[p] += Fraction(1, 2)
            points[q] += Fraction(1, 2)
        elif p < 3:
            points[p] += 1
        else:
            points[p] += Fraction(1, 2)
            points[q] += Fraction(1, 2)
    assert sum(points.values()) == 28 and sum(1 for v in points.values() if v >= 6) == reachable
    return 8 - reachable


@ds(81)
def _():
    cases = [(x, y) for x in fracs(1, 40, 2) for y in fracs(1, 40, 2)]
    def together(x, y):
        return x * y / (x + y)
    return sufficiency(cases, lambda x, y: x, lambda x, y: together(x, y) == 6 and min(x, y) == 10,
                       lambda x, y: together(x, y) == 6 and x == y + 5)


@ds(82)
def _():
    cases = [(n,) for n in range(100, 1000)]
    def digits(n):
        return [int(c) for c in str(n)]
    return sufficiency(cases, lambda n: n, lambda n: n == 19 * sum(digits(n)) and n % 9 == 0,
                       lambda n: n % 57 == 0 and math.prod(digits(n)) == 7)


@ds(83)
def _():
    amounts = fracs(1, 60, 2)
    cases = [(m, w) for m in amounts for w in amounts if m + w > 10]
    return sufficiency(cases, lambda m, w: m / (m + w), lambda m, w: m + 10 == F(6, 10) * (m + w + 10),
                       lambda m, w: m * (1 - 10 / (m + w)) == F(2, 10) * (m + w))


@ds(84)
def _():
    cases = [(r, b) for r in range(1, 60) for b in range(1, 60)]
    def same(r, b):
        n = r + b
        return F(r * (r - 1) + b * (b - 1), n * (n - 1)) > F(1, 2)
    return sufficiency(cases, same, lambda r, b: r + b < 20, lambda r, b: r - b == 4)


@ps(85)
def _():
    value, k = 3 ** 64 - 1, 0
    while value % 2 == 0:
        value //= 2
        k += 1
    return k


@ds(86)
def _():
    halves = [F(k, 2) for k in range(1, 91)]
    cases = [(a, b, c) for a in halves for b in halves if b >= a for c in halves if c >= b and a * b <= 90]
    def faces(a, b, c):
        return sorted([a * b, b * c, a * c])
    return sufficiency(cases, lambda a, b, c: a * b * c, lambda a, b, c: faces(a, b, c) == [24, 30, 80],
                       lambda a, b, c: all(v.denominator == 1 for v in (a, b, c)) and 2 * (a * b + b * c + c * a) == 268)


@ps(87)
def _():
    return sum(1 for n in range(1000, 10000) if n % 2 == 0 and all(a < b for a, b in zip(str(n), str(n)[1:])))


@ds(88)
def _():
    cases = [(a, b, c, d, e) for a in range(1, 41) for b in range(a, 41) for c in range(b, 41) for d in range(c, 41)
             for e in [30 - a - b - c - d] if d <= e] + [(1, 2, 3, 4, 50), (2, 3, 9, 9, 30)]

    def single_mode(values, value):
        counts = {v: values.count(v) for v in values}
        top = max(counts.values())
        return counts.get(value) == top and list(counts.values()).count(top) == 1

    return sufficiency(cases, lambda *s: s[-1] - s[0], lambda *s: sum(s) == 30 and s[2] == 8, lambda *s: single_mode(list(s), 9))


@ds(89)
def _():
    cases = [(m, n) for m in range(1, 400) for n in range(1, 100)]
    return sufficiency(cases, lambda m, n: math.gcd(m, n), lambda m, n: m % 14 == 0,
                       lambda m, n: m == 4 * n + 6 and n % 2 == 0 and n % 3 != 0)


@ds(90)
def _():
    # Every real x other than 0 gives t = x + 1/x with |t| >= 2, and every such t comes from a real x.
    cases = [(t,) for t in fracs(-10, 10, 4) if abs(t) >= 2]
    return sufficiency(cases, lambda t: t, lambda t: (t * t - 2) ** 2 - 2 == 47 and t**3 - 3 * t > t,
                       lambda t: t**3 - 3 * t == 18)


@ds(91)
def _():
    def moment_fits(va, vb):
        # The only moment at which A can lead B by 100 km while both are driving.
        if va <= vb:
            return False
        t = F(100) / (va - vb)
        da, db = min(va * t, 300), min(vb * t, 300)
        return da - db == 100 and abs(300 - da - db) == 100
    speeds = fracs(1, 150, 2)
    cases = [(va, vb) for va in speeds for vb in speeds]
    return sufficiency(cases, lambda va, vb: va, lambda va, vb: va + vb == 100, moment_fits)


@ds(92)
def _():
    def first(a, b):
        # For positive a and b, sqrt(a) + sqrt(b) = sqrt(98) exactly when a + b + 2 sqrt(ab) = 98.
        root = math.isqrt(a * b)
        return root * root == a * b and a + b + 2 * root == 98
    cases = [(a, b) for a in range(1, 200) for b in range(1, 200)]
    return sufficiency(cases, lambda a, b: a, first, lambda a, b: a % 25 == 0)


@ps(93)
def _():
    return F(sum(1 for n in range(1, 101) if not is_square(n**n)), 100)


@ds(94)
def _():
    # A at angle 0 on the circle; B and C at angles built from the chords 6, 8 and 10 and a grid.
    a6, a8 = 2 * math.asin(0.6), 2 * math.asin(0.8)
    angles = {math.pi, a6, -a6, a8, -a8, a6 + a8, a6 - a8, -a6 + a8, -a6 - a8, math.pi + a6, math.pi - a6}
    angles |= {2 * math.pi * k / 72 for k in range(1, 72)}
    def point(t):
        return 5 * math.cos(t), 5 * math.sin(t)
    def dist(s, t):
        (x1, y1), (x2, y2) = point(s), point(t)
        return math.hypot(x1 - x2, y1 - y2)
    def near(u, v):
        return abs(u - v) < 1e-9
    cases = [(b, c) for b in angles for c in angles if not near(dist(b, c), 0) and not near(dist(0, b), 0) and not near(dist(0, c), 0)]
    def area(b, c):
        (x1, y1), (x2, y2), (x3, y3) = point(0), point(b), point(c)
        return round(abs((x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1)) / 2, 9)
    return sufficiency(cases, area, lambda b, c: near(dist(0, b), 10) and near(dist(0, c), 6),
                       lambda b, c: near(dist(0, c), 6) and near(dist(b, c), 8))


@ds(95)
def _():
    values = fracs(1, 12, 4)
    cases = [(x, y) for x in values for y in values]
    return sufficiency(cases, lambda x, y: x / y, lambda x, y: x**3 - 2 * x * x * y == x * y * y - 2 * y**3,
                       lambda x, y: x**3 + x * y * y == 10 * y**3)


@ds(96)
def _():
    cases = [(b, c, d) for c in range(1, 101) for d in range(1, 101) for b in range(0, min(c, d) + 1) if c + d - b <= 100]
    return sufficiency(cases, lambda b, c, d: b,
                       lambda b, c, d: 7 * b == 3 * c and 8 * b == 5 * d and 100 - (c + d - b) < 50,
                       lambda b, c, d: c == 70 and d == 48 and 5 * (100 - (c + d - b)) == 2 * b)


@ps(97)
def _():
    best = 0
    for low in itertools.combinations_with_replacement(range(1, 11), 3):
        for a5 in range(10, 60):
            for a6 in range(a5, 60):
                a7 = 84 - sum(low) - 10 - a5 - a6
                if a7 < a6:
                    break
                v = low + (10, a5, a6, a7)
                counts = {x: v.count(x) for x in v}
                top = max(counts.values())
                if [x for x in counts if counts[x] == top] == [14]:
                    best = max(best, a7)
    return best


@ds(98)
def _():
    cases = [(s,) for s in distinct_sets(40, 5)]
    return sufficiency(cases, lambda s: s[-1], lambda s: s[2] == 9, lambda s: s[-1] - s[0] == 14)


@ds(99)
def _():
    cases = [(a, c) for a in range(1, 80) for c in range(1, a)]
    return sufficiency(cases, lambda a, c: a > 12, lambda a, c: 3 * a + 5 * c == 71, lambda a, c: a < 3 * c)


@ds(100)
def _():
    cases = [(x, y) for x in range(1, 80) for y in range(1, 80)]
    return sufficiency(cases, lambda x, y: 2**x > 3**y, lambda x, y: 5 * x >= 8 * y, lambda x, y: x - y >= 3)


@ds(101)
def _():
    cases = [(v, c, d) for v in fracs(1, 30, 2) for c in fracs(1, 10, 2) if c < v for d in range(1, 61)]
    def meets_at(v, c, d):
        out = F(d) / (v + c)            # hours from A to B
        back = (d - c * out) / v         # the gap to the ball closes at (v - c) + c = v
        return c * (out + back)
    return sufficiency(cases, lambda v, c, d: c, lambda v, c, d: v == 10 and F(d) / (v + c) + F(d) / (v - c) == 5,
                       lambda v, c, d: F(d) / (v + c) == 2 and meets_at(v, c, d) == 8)


@ps(102)
def _():
    juice, water = F(9), F(0)  # jar A
    b_juice, b_water = F(0), F(9)  # jar B
    for _ in range(5):
        part_j, part_w = juice / 3, water / 3  # 3 of A's 9 liters
        juice, water, b_juice, b_water = juice - part_j, water - part_w, b_juice + part_j, b_water + part_w
        part_j, part_w = b_juice / 4, b_water / 4  # 3 of B's 12 liters
        juice, water, b_juice, b_water = juice + part_j, water + part_w, b_juice - part_j, b_water - part_w
        assert juice + water == 9 and b_juice == water
    return juice / 9


@ps(103)
def _():
    h = math.sqrt(9 * 16)
    a, b = math.hypot(16, h), math.hypot(9, h)  # the legs along the x- and y-axis
    c = a + b - math.hypot(a, b)
    r = c / 2
    return math.hypot(a / 2 - r, b / 2 - r)


@ds(104)
def _():
    cases = [(x,) for x in fracs(-6, 6, 8)]
    def radical_sum(x):
        return x >= 0 and 2 - x >= 0 and abs(math.sqrt(x) + math.sqrt(2 - x) - 2) < 1e-12
    return sufficiency(cases, lambda x: x, lambda x: x**4 - 2 * x**3 + 2 * x * x - 2 * x + 1 == 0, radical_sum)


@ps(105)
def _():
    # The probability of k rolls of 2 or 4 and then a 6, summed over k (the rest is below 3^-60).
    return float(sum(F(2, 6) ** k * F(1, 6) for k in range(60)))


@ds(106)
def _():
    def divisor_product(n):
        product = 1
        for d in divisors(n):
            product *= d
        return product
    cases = [(n,) for n in range(1, 3000)]
    def no_odd_prime(n):
        while n % 2 == 0:
            n //= 2
        return n == 1
    return sufficiency(cases, lambda n: n % 8 == 0, lambda n: divisor_product(n) == n * n, no_odd_prime)


@ps(107)
def _():
    best = 0
    for a in range(2, 10):
        for b in range(a + 1, 50):
            for c in range(b + 1, 200):
                rest = 1 - F(1, a) - F(1, b) - F(1, c)
                if rest > 0 and rest.numerator == 1 and rest.denominator > c:
                    best = max(best, rest.denominator)
    return best


@ps(108)
def _():
    best = 0
    for low in itertools.combinations(range(1, 15), 4):
        if sum(low) != 24:
            continue
        for a6 in range(16, 60):
            for a7 in range(a6 + 1, 70):
                for a8 in range(a7 + 1, 120):
                    a9 = 180 - sum(low) - 15 - a6 - a7 - a8
                    if a9 > a8:
                        best = max(best, a8)
        break
    return best


@ps(109)
def _():
    return len(str(2**100) + str(5**100))


@ps(110)
def _():
    orders = set(itertools.permutations("BANANA"))
    return sum(1 for o in orders if all(o[k] != o[k + 1] for k in range(5)))


@ds(111)
def _():
    cases = [(n,) for n in range(101, 200)]
    return sufficiency(cases, lambda n: n, lambda n: n % 6 == 0 and n % 15 == 0, lambda n: divisor_count(n) == 12)