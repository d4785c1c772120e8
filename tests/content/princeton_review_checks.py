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
    best = {0: 1}
    for total in range(1, 21):
        best[total] = max(part * best[total - part] for part in range(1, total + 1))
    return best[20]


@check("PR", 32)
def _pr_32():
    return (sqrt(11 + 6 * sqrt(2)) + sqrt(11 - 6 * sqrt(2))) ** 2


@check("PR", 33)
def _pr_33():
    return next(n + 4 for n in range(-99, 100, 2) if n + (n + 2) + (n + 4) == 87)


@check("PR", 34)
def _pr_34():
    # the first roll is 6, or the first k rolls are 2 or 4 and then a 6 comes
    return float(sum(F(1, 3) ** k * F(1, 6) for k in range(0, 80)))


@check("PR", 35)
def _pr_35():
    n = next(n for n in range(1, 100) if 84 * n + 100 == 86 * (n + 1))
    return next(x for x in range(0, 200) if F(84 * n - 72 + x, n) == 88)


@check("PR", 36)
def _pr_36():
    return sqrt(12 ** 2 + 5 ** 2)


@check("PR", 37)
def _pr_37():
    return sum(str(n).count('7') for n in range(1, 1000))


@check("PR", 38)
def _pr_38():
    return F(sum(1 for t in product(range(1, 7), repeat=3) if t[0] * t[1] * t[2] % 12 == 0), 216)


@check("PR", 39)
def _pr_39():
    return sum(1 for n in range(100, 201) if n % 7 == 0)


@check("PR", 40)
def _pr_40():
    for start in range(1, 1000):
        stock, ok = F(start), True
        for _ in range(4):
            sold = stock / 2 + 2
            if sold > stock or sold.denominator != 1:
                ok = False
                break
            stock -= sold
        if ok and stock == 0:
            return start


@check("PR", 41)
def _pr_41():
    total = 0
    for m in range(1, 21, 2):
        chain, x = [], m
        while x <= 20:
            chain.append(x)
            x *= 2
        total += max(len(s) for r in range(len(chain) + 1) for s in combinations(chain, r)
                     if all(2 * a not in s for a in s))
    # Every pair (a, 2a) lies in one chain, so the chains can be chosen from independently; and a set of
    # that size exists.
    example = {1, 4, 16, 3, 12, 5, 20, 7, 9, 11, 13, 15, 17, 19}
    assert len(example) == total and all(2 * a not in example for a in example)
    return total


@check("PR", 42)
def _pr_42():
    r = next(r for r in [F(k, 2) for k in range(1, 100)] if r * r == 49)
    return 2 * pi * r


@check("PR", 43)
def _pr_43():
    best = 0
    for m in range(4, 71):
        for low in combinations(range(1, m), 3):
            # three different integers above m can make any sum from (m+1)+(m+2)+(m+3) upward
            if 70 - m - sum(low) >= 3 * m + 6:
                best = max(best, m)
                break
    return best


@check("PR", 44)
def _pr_44():
    return sum(1 for s in range(1, 25) if (s + 24) % s == 0)


@check("PR", 45)
def _pr_45():
    return 36 / (1 + F(20, 60))


@check("PR", 46)
def _pr_46():
    primes = [p for p in range(2, 22) if all(p % d for d in range(2, p))]
    ks = {p * q for p in primes for q in primes if p + q == 21}
    assert len(ks) == 1, ks
    return ks.pop()


@check("PR", 47)
def _pr_47():
    return sum(1 for n in range(1, 1000) if n % 4 == 1 and n % 5 == 2 and n % 7 == 3)


@check("PR", 48)
def _pr_48():
    hyp = sqrt(9 ** 2 + 12 ** 2)
    return 2 * (9 * 12 / 2) / hyp


@check("PR", 49)
def _pr_49():
    count = 0
    for x in range(1, 40):
        a, b, c = sorted((7, 10, x))
        if a + b > c and c * c > a * a + b * b:
            count += 1
    return count


@check("PR", 50)
def _pr_50():
    return sum(1 for a in range(1, 21) for b in range(a + 1, 21) for c in range(b + 1, 21) if a + b + c == 20)


@check("PR", 51)
def _pr_51():
    f = lambda x: 2 * x + 3
    g = lambda x: x * x
    return f(g(3)) - g(f(1))


@check("PR", 52)
def _pr_52():
    exactly_two = set()
    g = 3  # all three sports
    for d in range(0, 26):          # soccer and basketball only
        for e in range(0, 26):      # soccer and tennis only
            for f in range(0, 21):  # basketball and tennis only
                a, b, c = 25 - d - e - g, 20 - d - f - g, 15 - e - f - g
                if min(a, b, c) >= 0 and a + b + c + d + e + f + g == 35:
                    exactly_two.add(d + e + f)
    assert len(exactly_two) == 1, exactly_two
    return exactly_two.pop()


@check("PR", 53)
def _pr_53():
    return sum(n for n in range(10, 100) if n % 7 == 2 and n % 3 == 1)


@check("PR", 54)
def _pr_54():
    return next(y for y in range(0, 141) if F(40, 100) * (140 - y) == F(30, 100) * y)


@check("PR", 55)
def _pr_55():
    # Sum many short pieces of the helix: angle 2*pi*4*t, height 10*t, radius 1.5/(2*pi).
    r = 1.5 / (2 * pi)
    n = 200000
    length = 0.0
    prev = (r, 0.0, 0.0)
    for k in range(1, n + 1):
        t = k / n
        point = (r * cos(2 * pi * 4 * t), r * sin(2 * pi * 4 * t), 10 * t)
        length += sqrt(sum((a - b) ** 2 for a, b in zip(point, prev)))
        prev = point
    return length


@check("PR", 56)
def _pr_56():
    return sum(1 for p in set(permutations('TATTOO')) if all(a != b for a, b in zip(p, p[1:])))


@check("PR", 57)
def _pr_57():
    return ((1 + F(25, 100)) * (1 - F(20, 100)) - 1) * 100


@check("PR", 58)
def _pr_58():
    values = [(1 + 1 / a) * (1 + 1 / (1 - a)) for a in (F(k, 1000) for k in range(1, 1000))]
    assert min(values) == 9
    return min(values)


@check("PR", 59)
def _pr_59():
    distance = sqrt(10 ** 2 - 8 ** 2)
    return sqrt(12 ** 2 + distance ** 2) - 10


@check("PR", 60)
def _pr_60():
    return next(4 * s for s in range(1, 100) if 4 * s + 20 == 2 * (s + 20))


@check("PR", 61)
def _pr_61():
    return sum(1 for n in range(-1000, 1001) if n != 3 and (n * n - 2 * n + 7) % (n - 3) == 0)


@check("PR", 62)
def _pr_62():
    return next(h for h in [F(k, 2) for k in range(0, 40)] if 40 * 18 + 6 * 27 + 36 * h == 1116)


@check("PR", 63)
def _pr_63():
    return sum(1 for x in range(-100, 100) if abs(2 * x - 5) <= 7)


@check("PR", 64)
def _pr_64():
    prime = lambda n: n > 1 and all(n % d for d in range(2, isqrt(n) + 1))
    return DS(range(0, 100), lambda x: x, lambda x: 50 < x < 70, lambda x: prime(x) and 60 < x < 70 and x % 10 == 1)


@check("PR", 65)
def _pr_65():
    cases = [(a, b) for a in range(1, 200) for b in range(1, 200) if 6 * (a + b) == a * b]
    return DS(cases, lambda c: c[0], lambda c: isqrt(c[0] + c[1]) ** 2 == c[0] + c[1],
              lambda c: c[1] > 1 and all(c[1] % d for d in range(2, c[1])))


@check("PR", 66)
def _pr_66():
    cases = [(x, y) for x in range(1, 200) for y in range(x, 200)]
    return DS(cases, lambda c: 2 * (c[0] + c[1]), lambda c: abs(c[0] * c[1] - 2 * (c[0] + c[1])) == 1,
              lambda c: c[0] * c[1] == 2 * (c[0] + c[1]) + 1)


@check("PR", 67)
def _pr_67():
    return DS(product(range(1, 80), range(1, 80)), lambda c: F(c[0], c[0] + c[1]), lambda c: 3 * c[0] == c[1], lambda c: c[1] == 36)


@check("PR", 68)
def _pr_68():
    return DS(range(1, 301), lambda n: n % 15, lambda n: n * n % 15 == 4, lambda n: n % 5 == 2)


@check("PR", 69)
def _pr_69():
    primes = [n for n in range(2, 400) if all(n % d for d in range(2, isqrt(n) + 1))]
    isprime = lambda n: n > 1 and all(n % d for d in range(2, isqrt(n) + 1))
    return DS(product(primes, primes), lambda c: c[0], lambda c: isprime(c[0] ** 2 + c[1] ** 2),
              lambda c: c[0] ** 2 - 2 * c[1] ** 2 == 1)


@check("PR", 70)
def _pr_70():
    return DS(range(1, 400), lambda n: n % 4 == 0, lambda n: n % 2 == 0 and (n // 2) % 2 == 0, lambda n: (n * n) % 16 == 0)


@check("PR", 71)
def _pr_71():
    def exps(n):
        out, p = [], 2
        while n > 1:
            if n % p == 0:
                e = 0
                while n % p == 0:
                    n //= p
                    e += 1
                out.append(e)
            p += 1
        return out
    def divisors(es, k=1):
        r = 1
        for e in es:
            r *= k * e + 1
        return r
    cases = [exps(n) for n in range(1, 1500)]
    return DS(cases, lambda es: divisors(es), lambda es: divisors(es, 2) == 9, lambda es: divisors(es, 3) == 16)


@check("PR", 72)
def _pr_72():
    cases = [(x, y) for x in range(1, 80) for y in range(1, 80)]
    return DS(cases, lambda c: c[0] + c[1], lambda c: c[0] ** 3 - c[1] ** 3 == 56,
              lambda c: 2 ** c[0] - 2 ** c[1] == 12)


@check("PR", 73)
def _pr_73():
    G = [k for k in range(-3, 4) if k]
    return DS(product(G, G, G), lambda c: c[0] * c[1] * c[2] > 0, lambda c: c[0] * c[1] > 0, lambda c: c[1] * c[2] < 0)


@check("PR", 74)
def _pr_74():
    cases = [(a, b, isqrt(a * a + b * b)) for a in range(1, 400) for b in range(a, 400)
             if isqrt(a * a + b * b) ** 2 == a * a + b * b]
    return DS(cases, lambda c: F(c[0] * c[1], 2), lambda c: sum(c) == 132, lambda c: 11 in c[:2])


@check("PR", 75)
def _pr_75():
    isprime = lambda m: m > 1 and all(m % d for d in range(2, isqrt(m) + 1))
    return DS(range(2, 600), lambda n: n % 3 == 0, lambda n: isprime(n * n + 2), lambda n: isprime(n * n + 4))


@check("PR", 76)
def _pr_76():
    return DS([F(j, 4) for j in range(-80, 81)], lambda k: k, lambda k: 3 * k - 4 == 2 * k + 1, lambda k: k * k - 10 * k + 25 == 0)


@check("PR", 77)
def _pr_77():
    root_is = lambda inside, rhs: rhs >= 0 and inside >= 0 and rhs * rhs == inside
    return DS([F(k, 4) for k in range(-40, 161)], lambda x: x, lambda x: root_is(x + 3, x - 3),
              lambda x: root_is(4 * x + 1, x - 1))


@check("PR", 78)
def _pr_78():
    cases = []
    for radius in (F(13, 2), F(7), F(8)):
        for ab, bc in ((5, 12), (6, 12), (5, 10)):
            for sign_a in (1, -1):
                for sign_c in (1, -1):
                    # B = (0, 0), center (0, radius): a point at distance d from B has y = d^2 / (2 * radius).
                    ya, yc = F(ab * ab) / (2 * radius), F(bc * bc) / (2 * radius)
                    xa, xc = sign_a * sqrt(ab * ab - ya * ya), sign_c * sqrt(bc * bc - yc * yc)
                    area = round(abs(xa * float(yc) - xc * float(ya)) / 2, 6)
                    cases.append((ab, bc, radius, sign_a, sign_c, area))
    return DS(cases, lambda c: c[5], lambda c: c[0] == 5 and c[1] == 12, lambda c: c[2] == F(13, 2))


@check("PR", 79)
def _pr_79():
    G = [F(k, 4) for k in range(-40, 41)]
    return DS(product(G, G), lambda c: c[0] * c[1], lambda c: c[0] ** 2 + c[1] ** 2 == 2 * c[0] * c[1] + 16,
              lambda c: c[0] ** 2 - c[1] ** 2 == 20)


@check("PR", 80)
def _pr_80():
    cases = [10 * a + b for a in range(1, 10) for b in range(1, 10)]
    rev = lambda n: 10 * (n % 10) + n // 10
    return DS(cases, lambda n: n, lambda n: n == 5 * rev(n) - 9, lambda n: n - (n // 10) * (n % 10) == 73)


@check("PR", 81)
def _pr_81():
    grid = [F(k, 4) for k in range(-16, 17)]
    return DS(product(grid, grid), lambda c: c[0] > c[1], lambda c: c[0] ** 2 > c[0] * c[1],
              lambda c: c[0] ** 2 + c[1] ** 2 < 2 * c[0] * c[1] + c[0] - c[1])


@check("PR", 82)
def _pr_82():
    G = [F(k, 4) for k in range(1, 41)]
    return DS(product(G, G), lambda c: 3 * c[0] + 2 * c[1], lambda c: c[0] + c[1] == 5, lambda c: c[1] == c[0] + 1)


@check("PR", 83)
def _pr_83():
    ndiv = lambda n: sum(1 for k in range(1, n + 1) if n % k == 0)
    return DS(range(1, 400), lambda n: n, lambda n: n == 4 * ndiv(n), lambda n: n % 6 == 0 and n < 100 and ndiv(n) % 2 == 1)


@check("PR", 84)
def _pr_84():
    def isprime(n):
        if n < 2:
            return False
        for q in (2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37):
            if n % q == 0:
                return n == q
        d, s = n - 1, 0
        while d % 2 == 0:
            d, s = d // 2, s + 1
        for a in (2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37):
            x = pow(a, d, n)
            if x in (1, n - 1):
                continue
            for _ in range(s - 1):
                x = x * x % n
                if x == n - 1:
                    break
            else:
                return False
        return True
    return DS(range(1, 120), lambda p: isprime(p), lambda p: isprime(p + 2) and isprime(p + 4), lambda p: isprime(2 ** p - 1))


@check("PR", 85)
def _pr_85():
    return DS(product(range(10, 101), range(10, 101)), lambda c: F(c[1] - c[0], c[0]), lambda c: c == (40, 50), lambda c: c[1] - c[0] == 10)


@check("PR", 86)
def _pr_86():
    cases = [(x, y) for x in range(1, 50) for y in range(1, 50)]
    return DS(cases, lambda c: c[0] + c[1], lambda c: c[0] * c[1] == 24, lambda c: lcm(c[0], c[1]) == 12)


@check("PR", 87)
def _pr_87():
    return DS(range(-50, 51), lambda m: m > 10, lambda m: m * m > 10 * m, lambda m: m**3 > 100 * m)


@check("PR", 88)
def _pr_88():
    # A case is (number of books, total spent); with every book at least $8, the total is at least 8 per book.
    cases = [(n, t) for n in range(1, 31) for t in range(1, 241)]
    return DS(cases, lambda c: c[0], lambda c: c[1] == 60, lambda c: c[1] >= 8 * c[0])


@check("PR", 89)
def _pr_89():
    cases = [(r, b) for r in range(0, 60) for b in range(0, 60) if r + b > 0]
    def raised(r, b):
        return b >= 6 and r + b - 6 > 0 and F(r, r + b - 6) - F(r, r + b) == F(1, 10)
    def both_blue(r, b):
        return r + b == 30 and F(b * (b - 1), 30 * 29) == F(51, 145)
    return DS(cases, lambda c: c[1], lambda c: c[0] == 12 and raised(*c), lambda c: both_blue(*c))


@check("PR", 90)
def _pr_90():
    cases = [(x, y) for x in range(1, 60) for y in range(1, 60)]
    return DS(cases, lambda c: c[0], lambda c: c[0] ** 2 + c[1] ** 2 == 2 * c[0] + 2 * c[1] + 83, lambda c: c[0] > c[1])


@check("PR", 91)
def _pr_91():
    rev = lambda n: 10 * (n % 10) + n // 10
    return DS(range(10, 100), lambda n: n, lambda n: n // 10 + n % 10 == 11, lambda n: n - rev(n) == 27)


@check("PR", 95)
def _pr_95():
    G = [F(k, 4) for k in range(-20, 21)]
    return DS(G, lambda x: x * x > x, lambda x: x**3 > x, lambda x: 2 * x > x * x)


@check("PR", 96)
def _pr_96():
    cases = [(x, y) for x in range(1, 70) for y in range(1, 70)]
    return DS(cases, lambda c: c[0] + c[1], lambda c: c[0] ** c[1] == 64, lambda c: c[1] ** c[0] == 36)


@check("PR", 97)
def _pr_97():
    roots = set()
    for t in range(-10, 11):
        if t * t + t - 2 == 0:
            # x^2 - 4x + (2 - t) = 0
            disc = 16 - 4 * (2 - t)
            if disc >= 0:
                for sign in (1, -1):
                    roots.add(round((4 + sign * sqrt(disc)) / 2, 12))
    for x in roots:
        u = x * x - 4 * x + 2
        assert abs(u * u + u - 2) < 1e-9
    return sum(roots)


@check("PR", 98)
def _pr_98():
    count = 0
    for x, y, z in product(range(10), repeat=3):
        painted = sum(1 for c in (x, y, z) if c in (0, 9))
        if painted >= 2:
            count += 1
    return count


@check("PR", 99)
def _pr_99():
    return sqrt(12 ** 2 - 4 ** 2)


@check("PR", 102)
def _pr_102():
    return sum(1 for n in range(1, 50) if sum(1 for d in range(1, n + 1) if n % d == 0) == 6)


@check("PR", 103)
def _pr_103():
    x = next(x for x in [k / 1000 for k in range(1, 5000)] if abs(x - (1 + 1 / (1 + 1 / (1 + 1 / x)))) < 2e-3)
    exact = (1 + sqrt(5)) / 2
    assert abs(exact - (1 + 1 / (1 + 1 / (1 + 1 / exact)))) < 1e-12 and abs(x - exact) < 2e-3
    return exact


@check("PR", 104)
def _pr_104():
    return DS([F(k, 2) for k in range(-30, 31)], lambda n: n, lambda n: n - 7 == 2 * n - 10, lambda n: n * n == 9)


@check("PR", 105)
def _pr_105():
    x = 12 / F(5, 100)
    return F(2, 100) * x


@check("PR", 106)
def _pr_106():
    cases = [(n, c) for n in range(1, 80) for c in range(0, n + 1)]
    return DS(cases, lambda x: F(x[1], x[0]), lambda x: F(x[1] + 6, x[0] + 6) == F(1, 2),
              lambda x: F(x[1] + 6, x[0] + 6) == F(1, 2) and x[1] >= 6 and 4 * (x[1] - 6) == x[0] - 6)


@check("PR", 157)
def _pr_157():
    G = range(-20, 21)
    cases = []
    for k in G:
        disc = k * k - 48
        if disc >= 0:
            root = sqrt(disc)
            cases.append((k, (-k + root) / 2, (-k - root) / 2))
    close = lambda a, b: abs(a - b) < 1e-9  # noqa: E731
    return DS(cases, lambda c: c[0],
              lambda c: all(close(v, round(v)) for v in c[1:]) and (close(c[1], 3 * c[2]) or close(c[2], 3 * c[1])),
              lambda c: close(abs(c[1] - c[2]), 4) and c[1] + c[2] > 0)


@check("PR", 158)
def _pr_158():
    products = {k * (k + 1) * (k + 2) for k in range(1, 20)}
    return DS(range(1, 2000), lambda n: n % 6 == 0, lambda n: n in products, lambda n: n % 3 == 0)


@check("PR", 159)
def _pr_159():
    best = max(sqrt(10) * cos(radians(k / 100)) + 3 * sqrt(10) * sin(radians(k / 100)) for k in range(0, 36000))
    assert best <= 10 + 1e-9 and 1 ** 2 + 3 ** 2 == 10 and 1 + 3 * 3 == 10
    return 10


@check("PR", 160)
def _pr_160():
    for p, m, n in product(range(1, 13), repeat=3):
        if p + m + n == 12 and 3 * p + 5 * m + 7 * n == 50 and p % 2 == 1:
            return n


@check("PR", 161)
def _pr_161():
    cases = [(f, s, b) for f in range(0, 51) for s in range(0, 51) for b in range(0, min(f, s) + 1) if f + s - b <= 50]
    return DS(cases, lambda c: c[2], lambda c: c[0] == 30 and c[0] - c[2] == 2 * (c[1] - c[2]), lambda c: 50 - (c[0] + c[1] - c[2]) == 10)


@check("PR", 162)
def _pr_162():
    girls = F(60, 100) * 200
    boys = 200 - girls
    return F(25, 100) * girls + F(40, 100) * boys


@check("PR", 163)
def _pr_163():
    f = factorial(30)
    k = 0
    while f % 12 ** (k + 1) == 0:
        k += 1
    return k


@check("PR", 164)
def _pr_164():
    # Sides in halves of a unit: 2s, 2b and 2h are whole numbers up to 80 with s^2 = b^2 + h^2.
    cases = []
    for s2 in range(1, 81):
        for b2 in range(1, s2):
            h2 = isqrt(s2 * s2 - b2 * b2)
            if h2 * h2 == s2 * s2 - b2 * b2:
                cases.append((F(s2, 2), F(b2, 2), F(h2, 2)))
    return DS(cases, lambda c: c[1] * c[2], lambda c: 2 * c[0] + 2 * c[1] == 32, lambda c: c[2] == 8)


@check("PR", 165)
def _pr_165():
    def clip(poly, a, b, c):
        # keeps the part of the polygon where a*x + b*y <= c
        out = []
        for i in range(len(poly)):
            p, q = poly[i], poly[(i + 1) % len(poly)]
            fp, fq = a * p[0] + b * p[1] - c, a * q[0] + b * q[1] - c
            if fp <= 0:
                out.append(p)
            if fp * fq < 0:
                t = fp / (fp - fq)
                out.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
        return out

    def area(poly):
        return abs(sum(poly[i][0] * poly[(i + 1) % len(poly)][1] - poly[(i + 1) % len(poly)][0] * poly[i][1]
                       for i in range(len(poly)))) / 2

    hexagon = [(2 * cos(radians(60 * k)), 2 * sin(radians(60 * k))) for k in range(6)]
    region = list(hexagon)
    for vx, vy in hexagon:
        # closer to (0, 0) than to (vx, vy): 2 * (vx * x + vy * y) <= vx^2 + vy^2
        region = clip(region, 2 * vx, 2 * vy, vx * vx + vy * vy)
    return area(region) / area(hexagon)


@check("PR", 166)
def _pr_166():
    return DS(product(range(-15, 16), range(-15, 16)), lambda c: (c[0] + c[1]) % 2 == 0, lambda c: (c[0] - c[1]) % 2 == 0, lambda c: (c[0] * c[1]) % 2 == 0)


@check("PR", 177)
def _pr_177():
    G = [F(k) for k in range(10, 130, 10)]
    cases = [(d1, d2, v1, v2) for d1 in G for d2 in G for v1 in G for v2 in G]
    average = lambda c: (c[0] + c[1]) / (c[0] / c[2] + c[1] / c[3])  # noqa: E731
    return DS(cases, average, lambda c: c[0] == c[1] and c[3] == 3 * c[2], lambda c: c[0] / c[2] - c[1] / c[3] == 2)


@check("PR", 178)
def _pr_178():
    return DS([F(j, 8) for j in range(-40, 41)], lambda k: k > 0, lambda k: k ** 3 < k, lambda k: k > -1)


@check("PR", 179)
def _pr_179():
    return F(10 * 7 - 16, 9)


@check("PR", 180)
def _pr_180():
    # A at the origin, B = (10, 0), C = (x, y) with |AC| = 6 and |AM| = |B + C|/2 = 4:
    # (10 + x)^2 + y^2 = 64 and x^2 + y^2 = 36 give 100 + 20x = 28.
    x = F(28 - 100, 20)
    y = sqrt(36 - x * x)
    assert abs(sqrt(((10 + x) / 2) ** 2 + (y / 2) ** 2) - 4) < 1e-12
    return round(10 * y / 2, 9)


@check("PR", 181)
def _pr_181():
    return DS(range(-100, 101), lambda m: m, lambda m: m % 4 == 0 and 20 < m < 36, lambda m: m % 7 == 0)
