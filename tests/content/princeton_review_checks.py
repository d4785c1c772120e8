# Computed checks of the numeric questions of the Princeton Review set, by question number.
from fractions import Fraction as F
from itertools import product, combinations, permutations
from math import comb, perm, factorial, gcd, sqrt, pi, isqrt, lcm, sin, cos, radians

from princeton_knewton_kaplan_support import DS, check


@check("PR", 30)
def _pr_30():
    return (2 ** 10 + 2 ** 10) / 2 ** 8


@check("PR", 31)
def _pr_31():
    return next(x for x in range(-100, 100) if 2 * x + 9 == 4 * x - 3)


@check("PR", 32)
def _pr_32():
    return sqrt(50) + sqrt(18) - sqrt(8)


@check("PR", 33)
def _pr_33():
    return next(n + 4 for n in range(-99, 100, 2) if n + (n + 2) + (n + 4) == 87)


@check("PR", 34)
def _pr_34():
    return 5 * (F(36, 10) / F(2, 10))


@check("PR", 35)
def _pr_35():
    return next(s for s in range(0, 101) if F(4 * 85 + s, 5) == 87)


@check("PR", 36)
def _pr_36():
    return sqrt(12 ** 2 + 5 ** 2)


@check("PR", 37)
def _pr_37():
    return 68 / (1 - F(15, 100))


@check("PR", 38)
def _pr_38():
    return F(sum(1 for a in range(1, 7) for b in range(1, 7) if a + b == 8), 36)


@check("PR", 39)
def _pr_39():
    return sum(1 for n in range(100, 201) if n % 7 == 0)


@check("PR", 40)
def _pr_40():
    balance = F(2000)
    for year in range(2):
        balance *= 1 + F(5, 100)
    return balance - 2000


@check("PR", 41)
def _pr_41():
    return F(12 + 2 * 3, 3)


@check("PR", 42)
def _pr_42():
    r = next(r for r in [F(k, 2) for k in range(1, 100)] if r * r == 49)
    return 2 * pi * r


@check("PR", 43)
def _pr_43():
    xs = [3, 7, 7, 9, 14]
    return F(sum(xs), len(xs)) - sorted(xs)[len(xs) // 2]


@check("PR", 44)
def _pr_44():
    return next(c + d for c in range(1, 200) for d in range(1, 200) if 3 * c == 5 * d and c - d == 24)


@check("PR", 45)
def _pr_45():
    return 36 / (1 + F(20, 60))


@check("PR", 46)
def _pr_46():
    roots = [x for x in range(-100, 101) if x * x - 9 * x + 20 == 0]
    assert len(roots) == 2
    return sum(x * x for x in roots)


@check("PR", 47)
def _pr_47():
    return next(n for n in range(1, 1000) if all(n % d == 0 for d in (2, 3, 4, 5, 6)))


@check("PR", 48)
def _pr_48():
    hyp = sqrt(9 ** 2 + 12 ** 2)
    return 2 * (9 * 12 / 2) / hyp


@check("PR", 49)
def _pr_49():
    acid = F(30, 100) * 12
    return next(w for w in [F(k, 2) for k in range(0, 100)] if acid / (12 + w) == F(20, 100))


@check("PR", 50)
def _pr_50():
    t = F(60 * 1, 80 - 60)
    clock = 10 + t
    hour, minutes = int(clock), int((clock - int(clock)) * 60)
    return f"{hour - 12 if hour > 12 else hour}:{minutes:02d} {'p.m.' if hour >= 12 else 'a.m.'}"


@check("PR", 51)
def _pr_51():
    f = lambda x: 2 * x + 3
    g = lambda x: x * x
    return f(g(3)) - g(f(1))


@check("PR", 52)
def _pr_52():
    soccer = set(range(18))
    basketball = set(range(13, 25))
    assert len(soccer & basketball) == 5
    return 30 - len(soccer | basketball)


@check("PR", 53)
def _pr_53():
    return sum(range(2, 41, 2))


@check("PR", 54)
def _pr_54():
    return next(y for y in range(0, 141) if F(40, 100) * (140 - y) == F(30, 100) * y)


@check("PR", 55)
def _pr_55():
    return pi * 3 ** 2 * 8


@check("PR", 56)
def _pr_56():
    return len(set(permutations("LEVEL")))


@check("PR", 57)
def _pr_57():
    return ((1 + F(25, 100)) * (1 - F(20, 100)) - 1) * 100


@check("PR", 58)
def _pr_58():
    G = [F(k, 4) for k in range(1, 200)]
    return next(x + y for x in G for y in G if x * y == 12 and x / y == 3)


@check("PR", 59)
def _pr_59():
    side = 48 / 4
    return (side + 2) ** 2 - side ** 2


@check("PR", 60)
def _pr_60():
    return next(4 * s for s in range(1, 100) if 4 * s + 20 == 2 * (s + 20))


@check("PR", 61)
def _pr_61():
    n = 4 ** 6 - 1
    return max(p for p in range(2, n + 1) if n % p == 0 and all(p % d for d in range(2, isqrt(p) + 1)))


@check("PR", 62)
def _pr_62():
    hours, rate = 46, 18
    return min(hours, 40) * rate + max(hours - 40, 0) * F(3, 2) * rate


@check("PR", 63)
def _pr_63():
    return sum(1 for x in range(-100, 100) if abs(2 * x - 5) <= 7)


@check("PR", 64)
def _pr_64():
    prime = lambda n: n > 1 and all(n % d for d in range(2, isqrt(n) + 1))
    return DS(range(0, 100), lambda x: x, lambda x: 50 < x < 70, lambda x: prime(x) and 60 < x < 70 and x % 10 == 1)


@check("PR", 65)
def _pr_65():
    return DS([F(k, 4) for k in range(-40, 41)], lambda x: x, lambda x: x * x == 4, lambda x: x ** 3 == 8)


@check("PR", 66)
def _pr_66():
    sides = [F(k, 2) for k in range(1, 61)]
    return DS(sides, lambda s: 4 * s, lambda s: s * s < 50, lambda s: abs(float(s) * sqrt(2) - 6 * sqrt(2)) < 1e-9)


@check("PR", 67)
def _pr_67():
    return DS(product(range(1, 80), range(1, 80)), lambda c: F(c[0], c[0] + c[1]), lambda c: 3 * c[0] == c[1], lambda c: c[1] == 36)


@check("PR", 68)
def _pr_68():
    G = range(-20, 31)
    return DS(product(G, G, G), lambda c: F(sum(c), 3), lambda c: c[0] + c[1] == 14, lambda c: c[1] + c[2] == 20)


@check("PR", 69)
def _pr_69():
    return DS(product(range(0, 100), range(0, 100)), lambda c: c[0], lambda c: c[0] == c[1] + 4, lambda c: 2 * (c[0] - 5) == c[0] + 7)


@check("PR", 70)
def _pr_70():
    return DS(range(1, 400), lambda n: n % 4 == 0, lambda n: n % 2 == 0 and (n // 2) % 2 == 0, lambda n: (n * n) % 16 == 0)


@check("PR", 71)
def _pr_71():
    G = [F(k, 2) for k in range(-40, 41)]
    return DS(product(G, G), lambda c: c[0] - c[1], lambda c: c[0] + c[1] == 10, lambda c: c[0] ** 2 - c[1] ** 2 == 30)


@check("PR", 72)
def _pr_72():
    legs_squared = [F(k, 2) for k in range(1, 301)]
    return DS(legs_squared, lambda l2: l2 / 2, lambda l2: 2 * l2 == 10 ** 2, lambda l2: l2 == 5 ** 2 * 2)


@check("PR", 73)
def _pr_73():
    G = [k for k in range(-3, 4) if k]
    return DS(product(G, G, G), lambda c: c[0] * c[1] * c[2] > 0, lambda c: c[0] * c[1] > 0, lambda c: c[1] * c[2] < 0)


@check("PR", 74)
def _pr_74():
    return DS(product(range(0, 200), range(0, 200)), lambda c: c[0] + c[1], lambda c: c[0] + c[1] > 0 and 10 * c[1] == 3 * (c[0] + c[1]), lambda c: c == (84, 36))


@check("PR", 75)
def _pr_75():
    return DS(range(-100, 101), lambda x: x % 2 == 0, lambda x: (3 * x + 1) % 2 == 1, lambda x: (x * x + x) % 2 == 0)


@check("PR", 76)
def _pr_76():
    return DS([F(j, 4) for j in range(-80, 81)], lambda k: k, lambda k: 3 * k - 4 == 2 * k + 1, lambda k: k * k - 10 * k + 25 == 0)


@check("PR", 77)
def _pr_77():
    radii = [F(k, 2) for k in range(1, 41)]
    return DS(radii, lambda r: (2 * r) ** 2, lambda r: r * r == 25, lambda r: 2 * r == 10)


@check("PR", 78)
def _pr_78():
    from itertools import combinations_with_replacement
    return DS(combinations_with_replacement(range(0, 16), 5), lambda c: c[2], lambda c: sum(c) == 50, lambda c: c[4] == 14)


@check("PR", 79)
def _pr_79():
    G = [k for k in range(-6, 7) if k]
    return DS(product(G, G, G), lambda c: F(c[0], c[1]), lambda c: c[0] == 2 * c[2], lambda c: c[1] == 3 * c[2])


@check("PR", 80)
def _pr_80():
    return DS(range(1, 300), lambda n: n % 5, lambda n: (n + 1) % 5 == 0, lambda n: (n - 9) % 5 == 0)


@check("PR", 81)
def _pr_81():
    G = [F(k, 2) for k in range(-12, 13)]
    return DS(product(G, G), lambda c: c[0] > c[1], lambda c: c[0] + c[1] > 0, lambda c: c[0] - c[1] == 3)


@check("PR", 82)
def _pr_82():
    G = [F(k, 4) for k in range(1, 41)]
    return DS(product(G, G), lambda c: 3 * c[0] + 2 * c[1], lambda c: c[0] + c[1] == 5, lambda c: c[1] == c[0] + 1)


@check("PR", 83)
def _pr_83():
    return DS(range(1, 30), lambda n: n, lambda n: factorial(n) == 120, lambda n: 2 ** n == 32)


@check("PR", 84)
def _pr_84():
    prime = lambda n: n > 1 and all(n % d for d in range(2, isqrt(n) + 1))
    return DS(range(1, 100), prime, lambda p: p % 2 == 1, lambda p: p * p == 49)


@check("PR", 85)
def _pr_85():
    return DS(product(range(10, 101), range(10, 101)), lambda c: F(c[1] - c[0], c[0]), lambda c: c == (40, 50), lambda c: c[1] - c[0] == 10)


@check("PR", 86)
def _pr_86():
    G = [F(k, 2) for k in range(-20, 21)]
    return DS(product(G, G), lambda c: c[0] * c[1], lambda c: c[1] != 0 and c[0] / c[1] == 2, lambda c: c[0] - 2 * c[1] == 0)


@check("PR", 87)
def _pr_87():
    return DS(range(-50, 51), lambda m: m > 10, lambda m: m * m > 100, lambda m: m % 2 == 0)


@check("PR", 88)
def _pr_88():
    # A case is (number of books, total spent); with every book at least $8, the total is at least 8 per book.
    cases = [(n, t) for n in range(1, 31) for t in range(1, 241)]
    return DS(cases, lambda c: c[0], lambda c: c[1] == 60, lambda c: c[1] >= 8 * c[0])


@check("PR", 89)
def _pr_89():
    return DS(product(range(0, 60), range(0, 60)), lambda c: c[1], lambda c: c[0] + c[1] == 30 and c[0] == 12, lambda c: c[0] == 12 and 2 * c[1] == 3 * c[0])


@check("PR", 90)
def _pr_90():
    G = [F(k, 2) for k in range(-10, 11)]
    return DS([c for c in product(G, G) if c[1] != 0], lambda c: c[0] / c[1] > 1, lambda c: c[0] > c[1], lambda c: c[0] != 0 and c[1] != 0)


@check("PR", 91)
def _pr_91():
    rev = lambda n: 10 * (n % 10) + n // 10
    return DS(range(10, 100), lambda n: n, lambda n: n // 10 + n % 10 == 11, lambda n: n - rev(n) == 27)


@check("PR", 95)
def _pr_95():
    G = [F(k, 4) for k in range(-20, 21)]
    return DS(G, lambda x: x * x > x, lambda x: x > 1, lambda x: x > 0)


@check("PR", 96)
def _pr_96():
    return DS(product(range(1, 25), range(1, 25)), lambda c: 1 / (F(1, c[0]) + F(1, c[1])), lambda c: c[0] == 6, lambda c: c[1] == 3)


@check("PR", 97)
def _pr_97():
    return next(x for x in range(-50, 50) if x != 3 and F(x * x - 9, x - 3) == 11)


@check("PR", 98)
def _pr_98():
    return (4 // 2) * (6 // 2) * (8 // 2)


@check("PR", 99)
def _pr_99():
    return sqrt(12 ** 2 - 4 ** 2)


@check("PR", 102)
def _pr_102():
    return sum(1 for n in range(1, 50) if sum(1 for d in range(1, n + 1) if n % d == 0) == 3)


@check("PR", 103)
def _pr_103():
    return 1 / (F(1, 2) + F(1, 3))


@check("PR", 104)
def _pr_104():
    return DS([F(k, 2) for k in range(-30, 31)], lambda n: n, lambda n: n - 7 == 2 * n - 10, lambda n: n * n == 9)


@check("PR", 105)
def _pr_105():
    x = 12 / F(5, 100)
    return F(2, 100) * x


@check("PR", 106)
def _pr_106():
    return DS(product(range(0, 101), range(1, 101)), lambda c: F(c[0], c[1]), lambda c: c[0] == 12 and c[0] <= c[1], lambda c: c[0] <= c[1] and F(c[0], c[1]) == F(40, 100))


@check("PR", 157)
def _pr_157():
    G = [F(k, 2) for k in range(-20, 21)]
    return DS(product(G, G), lambda c: c[0] + 2 * c[1], lambda c: c[0] + c[1] == 5, lambda c: 3 * c[0] + 6 * c[1] == 21)


@check("PR", 158)
def _pr_158():
    products = {k * (k + 1) * (k + 2) for k in range(1, 20)}
    return DS(range(1, 2000), lambda n: n % 6 == 0, lambda n: n in products, lambda n: n % 3 == 0)


@check("PR", 159)
def _pr_159():
    roots = [x for x in [F(k, 2) for k in range(-40, 41)] if 2 * x * x - 7 * x + 3 == 0]
    assert len(roots) == 2
    return sum(roots)


@check("PR", 160)
def _pr_160():
    return F(27, 3) * 2


@check("PR", 161)
def _pr_161():
    cases = [(f, s, b) for f in range(51) for s in range(51) for b in range(min(f, s) + 1) if f + s - b <= 50]
    return DS(cases, lambda c: c[2], lambda c: c[0] == 30 and c[1] == 25, lambda c: 50 - (c[0] + c[1] - c[2]) == 10)


@check("PR", 162)
def _pr_162():
    girls = F(60, 100) * 200
    boys = 200 - girls
    return F(25, 100) * girls + F(40, 100) * boys


@check("PR", 163)
def _pr_163():
    return next(n for n in range(1, 1000) if isqrt(84 * n) ** 2 == 84 * n)


@check("PR", 164)
def _pr_164():
    cases = [(a, c, t) for a in range(1, 21) for c in range(1, 21) for t in (30, 60, 90, 120, 150)]
    area = lambda x: round(x[0] * x[1] * sin(radians(x[2])) / 2, 9)
    return DS(cases, area, lambda x: x[0] == 10 and x[1] == 10, lambda x: x[2] == 90)


@check("PR", 165)
def _pr_165():
    # Shoelace formula over the six vertices at distance 2 from the center.
    pts = [(2 * cos(radians(60 * k)), 2 * sin(radians(60 * k))) for k in range(6)]
    return abs(sum(pts[i][0] * pts[(i + 1) % 6][1] - pts[(i + 1) % 6][0] * pts[i][1] for i in range(6))) / 2


@check("PR", 166)
def _pr_166():
    return DS(product(range(-15, 16), range(-15, 16)), lambda c: (c[0] + c[1]) % 2 == 0, lambda c: (c[0] - c[1]) % 2 == 0, lambda c: (c[0] * c[1]) % 2 == 0)


@check("PR", 177)
def _pr_177():
    cases = product((30, 60, 90), (30, 45, 60), (30, 60, 120), (30, 60, 90))
    average = lambda c: (c[0] + c[2]) / (F(c[0], c[1]) + F(c[2], c[3]))
    return DS(cases, average, lambda c: c[0] == 60 and c[1] == 30, lambda c: c[3] == 60)


@check("PR", 178)
def _pr_178():
    return DS([F(j, 8) for j in range(-40, 41)], lambda k: k > 0, lambda k: k ** 3 < k, lambda k: k > -1)


@check("PR", 179)
def _pr_179():
    return F(10 * 7 - 16, 9)


@check("PR", 180)
def _pr_180():
    return next(w * 2 * w for w in [F(k, 2) for k in range(1, 100)] if 2 * (w + 2 * w) == 30)


@check("PR", 181)
def _pr_181():
    return DS(range(-100, 101), lambda m: m, lambda m: m % 4 == 0 and 20 < m < 36, lambda m: m % 7 == 0)
