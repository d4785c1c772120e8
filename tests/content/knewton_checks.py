# Computed checks of the numeric questions of the Knewton set, by question number.
from fractions import Fraction as F
from itertools import product, combinations, permutations
from math import comb, perm, factorial, gcd, sqrt, pi, isqrt, lcm, sin, cos, radians

from princeton_knewton_kaplan_support import DS, check


@check("KN", 65)
def _kn_65():
    G = [F(k, 2) for k in range(1, 41)]
    return DS(product(G, G), lambda c: c[0] / (c[0] + c[1]), lambda c: c[1] == 4 * c[0], lambda c: c[0] / c[1] == F(1, 4))


@check("KN", 66)
def _kn_66():
    G = [F(k, 2) for k in range(-12, 13)]
    return DS(product(G, G), lambda c: c[0] * c[1] > 0, lambda c: c[0] + c[1] > 0, lambda c: c[0] - c[1] > 0)


@check("KN", 67)
def _kn_67():
    cases = [(n, d) for n in range(2, 30) for d in range(0, n * (n - 1) // 2 + 1)]
    M = lambda c: c[0] * (c[0] - 1) // 2
    return DS(cases, lambda c: c[1], lambda c: M(c) - c[1] == 10, lambda c: 3 * M(c) - c[1] == 40)


@check("KN", 68)
def _kn_68():
    AB, rad = 12, radians
    cases = []
    for deg in range(10, 171, 10):
        c = cos(rad(deg))
        bcs = [k / 2 for k in range(1, 61)]
        disc = (2 * AB * c) ** 2 - 4 * (AB * AB - 64)   # BC^2 - 2 AB c BC + AB^2 - 64 = 0
        if disc >= 0:
            bcs += [r for r in ((2 * AB * c + sqrt(disc)) / 2, (2 * AB * c - sqrt(disc)) / 2) if r > 0]
        cases += [(deg, bc) for bc in bcs]
    AC = lambda t: sqrt(AB * AB + t[1] ** 2 - 2 * AB * t[1] * cos(rad(t[0])))
    return DS(cases, lambda t: round(AB * t[1] * sin(rad(t[0])) / 2, 6), lambda t: t[0] == 30,
              lambda t: abs(AC(t) - 8) < 1e-9)


@check("KN", 69)
def _kn_69():
    def twos(n):
        t, p = 0, 2
        while p <= n:
            t, p = t + n // p, p * 2
        return t
    return DS(range(1, 200), lambda n: n, lambda n: twos(n) == 15, lambda n: 10 < n < 30 and twos(n) >= n - 1)


@check("KN", 70)
def _kn_70():
    def divs(n):
        return [d for d in range(1, n + 1) if n % d == 0]
    def odd_even(n):
        ds = divs(n)
        odd = sum(1 for d in ds if d % 2)
        return odd, len(ds) - odd
    return DS(range(1, 600), lambda n: isqrt(n) ** 2 == n, lambda n: odd_even(n)[0] % 2 == 1,
              lambda n: odd_even(n)[1] == 2 * odd_even(n)[0])


@check("KN", 71)
def _kn_71():
    return DS(range(1, 1001), lambda n: n % 10, lambda n: n ** 5 % 10 == 7, lambda n: n * n % 10 == 9)


@check("KN", 72)
def _kn_72():
    xs = [F(k, 2) for k in range(-20, 21)]
    return DS(xs, lambda x: round(2 ** float(x), 9), lambda x: abs(4 ** float(x) - 64) < 1e-9, lambda x: x * x == 9)


@check("KN", 73)
def _kn_73():
    G = [F(k, 2) for k in range(-12, 13) if k != 0]
    return DS(product(G, G), lambda c: c[0] > c[1], lambda c: c[0] ** 2 > c[1] ** 2, lambda c: 1 / c[0] > 1 / c[1])


@check("KN", 74)
def _kn_74():
    cases = list(combinations(range(1, 41), 5))
    return DS(cases, lambda s: s[2], lambda s: sum(s) == 50, lambda s: s[4] - s[0] == 6)


@check("KN", 75)
def _kn_75():
    return next(x for x in [F(k, 3) for k in range(-60, 61)] if x + 2 * (x + 1) == 3 * 4)


@check("KN", 76)
def _kn_76():
    orders = [set(c) for c in combinations(range(8), 3)]  # positions of the blue marbles
    good = sum(1 for blue in orders if max(blue) < max(set(range(8)) - blue))
    return F(good, len(orders))


@check("KN", 77)
def _kn_77():
    return sum(1 for n in range(3, 10000) if (180 * n - 360) % n == 0)


@check("KN", 78)
def _kn_78():
    dots = [(x, y) for x in range(4) for y in range(4)]
    return sum(1 for a, b, c in combinations(dots, 3)
               if (b[0] - a[0]) * (c[1] - a[1]) != (b[1] - a[1]) * (c[0] - a[0]))


@check("KN", 79)
def _kn_79():
    x = 2 + sqrt(3)
    assert abs(x + 1 / x - 4) < 1e-12
    return round(x ** 2 + 1 / x ** 2, 9)


@check("KN", 80)
def _kn_80():
    return sum(n for n in range(1, 101) if n % 3)


@check("KN", 81)
def _kn_81():
    from functools import lru_cache
    @lru_cache(maxsize=None)
    def finals(board):
        # Every number that can be left at the end, by trying every sequence of steps.
        if len(board) == 1:
            return frozenset(board)
        out = set()
        for i in range(len(board)):
            for j in range(i + 1, len(board)):
                rest = board[:i] + board[i + 1:j] + board[j + 1:]
                out |= finals(tuple(sorted(rest + (abs(board[i] - board[j]),))))
        return frozenset(out)
    odd = lambda n: frozenset(x % 2 == 1 for x in finals(tuple(range(1, n + 1))))
    return DS(range(2, 10), odd, lambda n: n % 2 == 1, lambda n: (n + 1) % 4 != 0)


@check("KN", 82)
def _kn_82():
    return ((1 + F(25, 100)) * (1 - F(10, 100)) - 1) * 100


@check("KN", 83)
def _kn_83():
    return sum(1 for n in range(100, 1000) if sum(int(c) for c in str(n)) == 12 and any(int(c) % 2 == 0 for c in str(n)))


@check("KN", 84)
def _kn_84():
    return next(p for p in range(1, 1000) if F(p, 1) / F(125, 100) + F(p, 1) / F(75, 100) - 2 * p == 12)


@check("KN", 85)
def _kn_85():
    count = 0
    for x in range(1, 200):
        values = sorted([2, 4, 9, 15, x])
        if values[2] > F(sum(values), 5):
            count += 1
    return count


@check("KN", 86)
def _kn_86():
    return 120 / (F(60, 40) + F(60, 60))


@check("KN", 87)
def _kn_87():
    counts = range(1, 5)
    pays = (40, 41, 80, 81)
    cases = [(cw, cm, p) for cw in product(counts, repeat=2) for cm in product(counts, repeat=2)
             for p in product(pays, repeat=4)]
    def higher(c):
        (wx, wy), (mx, my), (pwx, pwy, pmx, pmy) = c
        return (wx * pwx + wy * pwy) * (mx + my) > (mx * pmx + my * pmy) * (wx + wy)
    def each_division(c):
        p = c[2]
        return p[0] > p[2] and p[1] > p[3]
    return DS(cases, higher, each_division, lambda c: c[0][0] > c[0][1] and c[1][0] > c[1][1])


@check("KN", 88)
def _kn_88():
    return sum(k ** 5 for k in range(1, 13)) % 11


@check("KN", 89)
def _kn_89():
    slope = F(11 - 2, 4 - 1)
    return 2 - slope * 1


@check("KN", 90)
def _kn_90():
    radii = [F(k, 2) for k in range(1, 41)]
    angles = [15, 30, 45, 60, 90, 120]
    cases = [(r, a) for r in radii for a in angles]  # a is the central angle AOB in degrees
    return DS(cases, lambda c: c[0] ** 2,
              lambda c: abs(float(c[0]) * radians(c[1]) - 3 * pi) < 1e-9,
              lambda c: c[1] / 2 == 45 and abs(2 * float(c[0]) * sin(radians(c[1] / 2)) - 6 * sqrt(2)) < 1e-9)


@check("KN", 91)
def _kn_91():
    cases = list(product(range(1, 41), repeat=2))
    return DS(cases, lambda c: c[0], lambda c: 3 * c[0] + 5 * c[1] == 16, lambda c: c[0] * c[1] == c[0] + c[1])


@check("KN", 92)
def _kn_92():
    G = [F(k, 2) for k in range(-20, 21)]
    cases = list(product(G, repeat=2))
    return DS(cases, lambda c: c[0] * c[1], lambda c: (c[0] + c[1]) ** 2 == 16, lambda c: (c[0] - c[1]) ** 2 == 4)


@check("KN", 93)
def _kn_93():
    people = ["Abel", "Boyd", "M3", "M4", "M5", "W1", "W2", "W3", "W4"]
    count = 0
    for group in combinations(people, 4):
        men = sum(1 for p in group if not p.startswith("W"))
        if 0 < men < 4 and not ("Abel" in group and "Boyd" in group):
            count += 1
    return count


@check("KN", 94)
def _kn_94():
    return DS(range(1, 301), lambda m: m % 2 == 0, lambda m: (m ** 3 + m * m + m + 1) % 2 == 0,
              lambda m: (3 ** m + 5 ** m) % 8 == 0)


@check("KN", 95)
def _kn_95():
    def count(n):
        d = [int(c) for c in str(n)]
        return (d[0] < d[1] < d[2]) or (d[0] > d[1] > d[2])

    return sum(1 for n in range(100, 1000) if count(n))


@check("KN", 96)
def _kn_96():
    roots = [x for x in [F(k, 4) for k in range(12, 400)] if abs(sqrt(2 * x + 1) - sqrt(x - 3) - 2) < 1e-12]
    return sum(roots)


@check("KN", 97)
def _kn_97():
    return sum(1 for a in range(1, 50) for b in range(a, 100) for c in range(b, 500) if a * b * c == 2 * (a * b + b * c + c * a))


@check("KN", 98)
def _kn_98():
    speeds = [F(k, 2) for k in range(1, 401)]
    return DS(speeds, lambda v: v, lambda v: 150 / v == F(5, 2), lambda v: 24 / v * 60 == 24)


@check("KN", 99)
def _kn_99():
    ks = [F(j, 4) for j in range(-40, 41)]
    area = lambda k: F(1, 2) * 3 * abs(F(3) / k) if k else None
    return DS(ks, lambda k: k, lambda k: k * 4 + 3 == 2 * 4 - 1, lambda k: area(k) == F(9, 2))


@check("KN", 100)
def _kn_100():
    years_from_then = next(t for t in range(0, 100) if 2 ** F(t, 3) == 16)
    return years_from_then - 3


@check("KN", 101)
def _kn_101():
    cases = [(a, b) for a in range(1, 433) for b in range(1, 433) if a * b <= 432 * 3]
    return DS(cases, lambda c: gcd(c[0], c[1]), lambda c: c[0] % 6 == 0 and c[1] % 6 == 0, lambda c: c[0] * c[1] == 432)


@check("KN", 102)
def _kn_102():
    return DS(product(range(-20, 21), range(-20, 21)), lambda c: (c[0] + c[1]) % 2 == 1, lambda c: (c[0] * c[1]) % 2 == 0, lambda c: c[0] % 2 == 1)


@check("KN", 103)
def _kn_103():
    G = [F(k, 8) for k in range(1, 400)]
    return DS(G, lambda x: x, lambda x: x + 18 / x == 9, lambda x: x + 9 / x <= 6)
