# Computed checks of the numeric questions of the Kaplan set, by question number.
from fractions import Fraction as F
from itertools import product, combinations, permutations
from math import comb, perm, factorial, gcd, sqrt, pi, isqrt, lcm, sin, cos, radians

from princeton_knewton_kaplan_support import DS, check


@check("KA", 7)
def _ka_7():
    G = [F(k, 2) for k in range(1, 41)]
    return DS(product(G, G), lambda c: c[0] * c[1], lambda c: 2 * (c[0] + c[1]) == 28, lambda c: c[0] == 8 and c[0] ** 2 + c[1] ** 2 == 100)


@check("KA", 8)
def _ka_8():
    return DS(range(1, 500), lambda n: n % 6 == 0, lambda n: n % 4 == 0, lambda n: n % 10 == 0)


@check("KA", 9)
def _ka_9():
    return DS([F(k, 4) for k in range(-200, 201)], lambda x: x, lambda x: 3 * x + 7 == 22, lambda x: x * x == 25 and x > 0)


@check("KA", 10)
def _ka_10():
    return F(3, 2) * 7


@check("KA", 11)
def _ka_11():
    return F(9, 2) * 12 / 48 * 60


@check("KA", 12)
def _ka_12():
    return pow(7, 43, 10)


@check("KA", 13)
def _ka_13():
    d = 2 * (-1) - 3 * 1
    x = F(19 * (-1) - 3 * 2, d)
    y = F(2 * 2 - 1 * 19, d)
    return x + y


@check("KA", 14)
def _ka_14():
    side = 2.0
    return (sqrt(2) * side / 2) ** 2 / (side / 2) ** 2


@check("KA", 22)
def _ka_22():
    sols = [(x, y) for y in range(1, 200) for x in range(1, 200) if 4 * x == 3 * y and y - x == 5]
    return sols[0][0] + sols[0][1]


@check("KA", 23)
def _ka_23():
    return sum(1 for n in range(1, 100) if (n % 3 == 0) != (n % 5 == 0))


@check("KA", 24)
def _ka_24():
    G = [F(k, 2) for k in range(-20, 21)]
    return DS(product(G, G), lambda c: c[0] + c[1], lambda c: 2 * c[0] - c[1] == 4, lambda c: 4 * c[0] - 2 * c[1] == 8)


@check("KA", 25)
def _ka_25():
    cases = [(a, b) for a in range(1, 179) for b in range(1, 180 - a)]
    return DS(cases, lambda c: 180 - c[0] - c[1], lambda c: c == (50, 70), lambda c: 2 * (180 - c[0] - c[1]) == c[0] + c[1])


@check("KA", 26)
def _ka_26():
    return DS(range(1, 600), lambda n: n % 12, lambda n: n % 4 == 3, lambda n: n % 3 == 2)


@check("KA", 27)
def _ka_27():
    return DS(product(range(0, 100), range(0, 100)), lambda c: c[1], lambda c: 3 * c[0] == 2 * c[1] and c[1] > 0, lambda c: c[0] + c[1] == 45 and c[0] == 18)


@check("KA", 28)
def _ka_28():
    xs = [F(k, 6) for k in range(1, 200)]
    return DS(xs, lambda x: x.denominator == 1, lambda x: (2 * x).denominator == 1, lambda x: (x / 3).denominator == 1)


@check("KA", 29)
def _ka_29():
    return DS([F(k, 4) for k in range(-80, 81)], lambda x: x, lambda x: x * x - 5 * x + 6 == 0, lambda x: x * x - 4 * x + 4 == 0)


@check("KA", 30)
def _ka_30():
    radii = [F(k, 2) for k in range(1, 60)]
    return DS(radii, lambda r: r * r, lambda r: 2 * r == 10, lambda r: 2 * r >= 8)


@check("KA", 31)
def _ka_31():
    cases = [(d, v) for d in range(10, 301, 10) for v in range(10, 101, 5)]
    return DS(cases, lambda c: F(c[0], c[1]), lambda c: c == (150, 60), lambda c: F(14, 10) * F(c[0], c[1]) == F(7, 2))


@check("KA", 32)
def _ka_32():
    return DS(range(-50, 51), lambda k: k % 2 == 1, lambda k: k * (k + 1) % 2 == 0, lambda k: (k * k - k) % 2 == 0)


@check("KA", 33)
def _ka_33():
    return DS(product(range(0, 200), range(0, 200)), lambda c: c[0], lambda c: c[0] + c[1] == 120, lambda c: 8 * c[0] + 5 * c[1] == 780)


@check("KA", 34)
def _ka_34():
    cases = [(p, q, 180 - p - q) for p in range(1, 179) for q in range(1, 180 - p)]
    # Angles at P, Q and R. PQ = QR means the angles opposite them, at R and at P, are equal.
    return DS(cases, lambda c: c[0] == c[1] == c[2], lambda c: c[0] == c[1] == c[2], lambda c: c[2] == c[0])


@check("KA", 35)
def _ka_35():
    G = [F(k, 2) for k in range(1, 41)]
    return DS(product(G, G), lambda c: c[0] / c[1], lambda c: 3 * c[0] == 5 * c[1], lambda c: (c[0] + c[1]) / c[1] == F(8, 3))


@check("KA", 36)
def _ka_36():
    return DS(range(10, 100), lambda n: n, lambda n: n // 10 == 2 * (n % 10), lambda n: 50 < n < 70)


@check("KA", 37)
def _ka_37():
    return next(x for x in [F(k, 4) for k in range(0, 1000)] if (F(20, 100) * 300 + x) / (300 + x) == F(25, 100))


@check("KA", 38)
def _ka_38():
    side = 36 / 4
    return sqrt(side ** 2 + side ** 2)


@check("KA", 39)
def _ka_39():
    f = lambda x: x * x - 3 * x
    d = lambda a: f(a + 1) - f(a)
    slope, const = d(1) - d(0), d(0)
    assert all(d(a) == slope * a + const for a in range(-20, 20))
    sign = "+" if const >= 0 else "\u2212"
    return f"{slope}a {sign} {abs(const)}"


@check("KA", 40)
def _ka_40():
    return sum(1 for d in range(1, 361) if 360 % d == 0)


@check("KA", 41)
def _ka_41():
    return 400 / (F(300, 5) + F(300, 3)) * 60


@check("KA", 42)
def _ka_42():
    from math import dist
    return dist((-2, 3), (4, -5))


@check("KA", 43)
def _ka_43():
    return max(x for x in range(-100, 100) if 5 - 2 * x >= -7)


@check("KA", 44)
def _ka_44():
    start = next(s for s in range(-100, 100, 2) if sum(range(s, s + 10, 2)) == 5 * 36)
    return start + 8


@check("KA", 45)
def _ka_45():
    return 100 * (1 + F(20, 100)) * (1 - F(25, 100))
