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
    return DS(range(0, 41), lambda b: b, lambda b: F(15 * (40 - b) + 25 * b, 40) > 18, lambda b: 15 * (40 - b) + 25 * b == 760)


@check("KN", 68)
def _kn_68():
    return DS(product(range(0, 21), range(0, 21)), lambda c: sorted([3, 8, 12, c[0], c[1]])[2], lambda c: c[0] > 3, lambda c: c[1] > 3)


@check("KN", 69)
def _kn_69():
    G = [F(k, 5) for k in range(1, 101)]
    def perimeter(c):
        return round(c[0] + c[1] + sqrt(c[0] ** 2 + c[1] ** 2), 9)
    return DS(product(G, G), perimeter, lambda c: c[0] ** 2 + c[1] ** 2 == 169, lambda c: c[0] == 5 and c[0] * c[1] / 2 == 30)


@check("KN", 70)
def _kn_70():
    return DS(range(-300, 301), lambda k: k % 15 == 0, lambda k: (k * k) % 25 == 0, lambda k: (k + 6) % 3 == 0)


@check("KN", 71)
def _kn_71():
    return DS(product(range(1, 61), range(1, 61)), lambda c: c[0], lambda c: F(1, c[0]) + F(1, c[1]) == F(1, 6) and c[1] == 10, lambda c: F(1, c[1]) == F(3, 2) * F(1, c[0]))


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
    G = [F(k, 2) for k in range(-30, 31)]
    return DS(product(G, G), lambda c: c[0] + c[1], lambda c: c[0] ** 2 - c[1] ** 2 == 24, lambda c: c[0] - c[1] == 4)


@check("KN", 75)
def _kn_75():
    return next(x for x in [F(k, 3) for k in range(-60, 61)] if x + 2 * (x + 1) == 3 * 4)


@check("KN", 76)
def _kn_76():
    marbles = "R" * 5 + "B" * 7
    pairs = list(combinations(range(12), 2))
    return F(sum(1 for i, j in pairs if marbles[i] == marbles[j]), len(pairs))


@check("KN", 77)
def _kn_77():
    return next(n for n in range(3, 100) if (n - 2) * 180 == 1440)


@check("KN", 78)
def _kn_78():
    left = 1 - F(2, 6)
    return left / (F(1, 6) + F(1, 4))


@check("KN", 79)
def _kn_79():
    x = (5 + sqrt(21)) / 2
    assert abs(x + 1 / x - 5) < 1e-12
    return round(x ** 2 + 1 / x ** 2, 9)


@check("KN", 80)
def _kn_80():
    return sum(n for n in range(1, 101) if n % 3)


@check("KN", 81)
def _kn_81():
    cases = [(r, c) for r in range(100, 4001, 100) for c in range(100, 4001, 100) if r > c]
    return DS(cases, lambda x: F(x[0] - x[1], x[0]), lambda x: x[0] - x[1] == 500, lambda x: x[1] == 1500)


@check("KN", 82)
def _kn_82():
    return ((1 + F(25, 100)) * (1 - F(10, 100)) - 1) * 100


@check("KN", 83)
def _kn_83():
    return sum(1 for n in range(100, 1000) if sum(map(int, str(n))) == 5)


@check("KN", 84)
def _kn_84():
    price = 80 * (1 + F(50, 100)) * (1 - F(20, 100))
    return (price - 80) / 80 * 100


@check("KN", 85)
def _kn_85():
    return next(x for x in range(10, 100) if F(2 + 4 + 7 + 9 + x, 5) == sorted([2, 4, 7, 9, x])[2])


@check("KN", 86)
def _kn_86():
    return 120 / (F(60, 40) + F(60, 60))


@check("KN", 87)
def _kn_87():
    prime = lambda n: n > 1 and all(n % d for d in range(2, isqrt(n) + 1))
    return DS(range(1, 100), prime, lambda n: n % 2 == 1, lambda n: n < 20)


@check("KN", 88)
def _kn_88():
    return pow(2, 100, 7)


@check("KN", 89)
def _kn_89():
    slope = F(11 - 2, 4 - 1)
    return 2 - slope * 1


@check("KN", 90)
def _kn_90():
    cases = [(F(k, 2), t) for k in range(1, 41) for t in range(10, 180, 10)]
    r2 = lambda c: float(c[0]) ** 2 / (4 * sin(radians(c[1] / 2)) ** 2)
    return DS(cases, lambda c: round(r2(c), 6), lambda c: c[0] == 6, lambda c: c[1] == 90 and abs(r2(c) * sin(radians(c[1])) / 2 - 9) < 1e-9)


@check("KN", 91)
def _kn_91():
    xs = [F(k, 4) for k in range(-40, 41)]
    return DS(xs, lambda x: x, lambda x: abs(2 ** float(x + 1) - 32) < 1e-9, lambda x: abs(3 ** float(2 * x) - 81 ** 2) < 1e-6)


@check("KN", 92)
def _kn_92():
    return DS(product(range(0, 100), range(1, 100)), lambda c: c[0] + c[1], lambda c: 4 * c[0] == 3 * c[1], lambda c: c[1] - c[0] == 6)


@check("KN", 93)
def _kn_93():
    people = "M" * 5 + "W" * 4
    return sum(1 for c in combinations(range(9), 3) if any(people[i] == "W" for i in c))


@check("KN", 94)
def _kn_94():
    return DS(range(1, 200), lambda m: m % 2 == 0, lambda m: (m * m + 3) % 2 == 1, lambda m: (5 * m) % 2 == 0)


@check("KN", 95)
def _kn_95():
    return next(F(a, c) for a in range(1, 100) for b in range(1, 100) for c in range(1, 100) if 3 * a == 2 * b and 5 * b == 4 * c)


@check("KN", 96)
def _kn_96():
    return next(x for x in range(-7, 200) if x - 5 >= 0 and (x - 5) ** 2 == x + 7)


@check("KN", 97)
def _kn_97():
    edge = sqrt(150 / 6)
    return edge ** 3


@check("KN", 98)
def _kn_98():
    speeds = [F(k, 2) for k in range(1, 401)]
    return DS(speeds, lambda v: v, lambda v: 150 / v == F(5, 2), lambda v: 24 / v * 60 == 24)


@check("KN", 99)
def _kn_99():
    ks = [F(j, 2) for j in range(-20, 21)]
    return DS(ks, lambda k: k, lambda k: k * 2 + 3 == 11, lambda k: k * 0 + 3 == 3)


@check("KN", 100)
def _kn_100():
    population = 5000
    for year in range(3, 13, 3):
        population *= 2
    return population


@check("KN", 101)
def _kn_101():
    return DS(product(range(1, 121), range(1, 121)), lambda c: gcd(c[0], c[1]), lambda c: c[0] % 6 == 0, lambda c: c[1] % 10 == 0)


@check("KN", 102)
def _kn_102():
    return DS(product(range(-20, 21), range(-20, 21)), lambda c: (c[0] + c[1]) % 2 == 1, lambda c: (c[0] * c[1]) % 2 == 0, lambda c: c[0] % 2 == 1)


@check("KN", 103)
def _kn_103():
    G = [F(k, 2) for k in range(-20, 21)]
    return DS(product(G, G), lambda c: c[1], lambda c: c[1] == abs(c[0]), lambda c: c[1] ** 2 == 4 * c[1] - 4)
