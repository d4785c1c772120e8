from check_manhattan import ps, ds, grid, ints, F, product
B = "OR"
import math
from itertools import combinations, permutations


@ps(B, 1)
def _():
    return sum(1 for x in range(1, 100) for y in range(1, 100) if x * x - y * y == 45)


@ps(B, 2)
def _():
    return sum(1 for d in range(1, 721) if 720 % d == 0 and d % 12 == 0)


@ps(B, 3)
def _():
    return [d for d in range(1, 1000) if F(d, 40) + F(d, 60) == 5][0]


@ps(B, 4)
def _():
    return sum(range(51, 100, 2))


ds(B, 5, [(x, y) for x in grid(-2, 6, F(1, 2)) for y in grid(-2, 6, F(1, 2))], lambda x, y: x * y > x + y,
   lambda x, y: x > 2, lambda x, y: y > 0)
ds(B, 6, [(n,) for n in ints(1, 400)], lambda n: (n ** 3 - n) % 4 == 0, lambda n: n % 2 == 1,
   lambda n: (n * n + 3) % 4 == 0)


@ps(B, 7)
def _():
    return F(sum(1 for x in range(1, 101) if (x * x + 3 * x) % 4 == 0), 100)


ds(B, 8, [(a, b) for a in range(0, 1001, 50) for b in range(0, 31)], lambda a, b: a + 100 * b,
   lambda a, b: a + 20 * b == 600, lambda a, b: a + 60 * b == 1000)


@ps(B, 9)
def _():
    # B's rate on a grid, A's half as much again; together 1,500 in 6 hours.
    b = [b for b in grid(1, 500, F(1, 2)) if 6 * (b + F(3, 2) * b) == 1500][0]
    return 1200 / (F(3, 2) * b)


ds(B, 10, list(product(grid(-4, 4, F(1, 2)), repeat=2)), lambda x, y: x * x > y * y,
   lambda x, y: x > y, lambda x, y: x > 0)


@ps(B, 11)
def _():
    return pow(2, 51, 9)


def isprime(k):
    return k > 1 and all(k % d for d in range(2, math.isqrt(k) + 1))


ds(B, 12, [(k,) for k in ints(-50, 500)], lambda k: k, lambda k: k * k - 6 * k + 9 == 0,
   lambda k: isprime(k) and isprime(k + 2) and isprime(k + 4))
ds(B, 13, [(a, n) for a in ints(-20, 20) for n in ints(1, 24)], lambda a, n: sum(range(a, a + n)) % 2 == 0,
   lambda a, n: n == 4, lambda a, n: n % 4 == 0)


@ps(B, 14)
def _():
    return max(s[4] for s in combinations(range(1, 60), 5) if sum(s) == 50 and s[2] == 12)


ds(B, 15, list(product(grid(F(1, 2), 30, F(1, 2)), repeat=2)), lambda t, b: t,
   lambda t, b: 1 / t + 1 / b == F(1, 4), lambda t, b: b == t + 6)


@ps(B, 16)
def _():
    p = F(1, 10)
    q = F(1, 6) - p
    return (1 - 2 * p) / (p + q)


@ps(B, 17)
def _():
    return sum(1 for n in range(1000, 10000) if n % 2 == 0 and len(set(str(n))) == 4)


ds(B, 18, [(cx, cy) for cx in ints(-8, 8) for cy in ints(-8, 8) if cy != 0], lambda cx, cy: F(abs(6 * cy), 2),
   lambda cx, cy: cy == 4, lambda cx, cy: abs(cy) == 4)
ds(B, 19, list(product(ints(1, 30), repeat=2)), lambda x, y: x, lambda x, y: x * y == 12, lambda x, y: x - y == 1)
ds(B, 20, list(product(grid(0, 25, F(1, 2)), repeat=2)), lambda x, y: sorted([3, 8, 11, x, y])[2],
   lambda x, y: x + y == 30, lambda x, y: x > 11 and y > 11)


@ps(B, 21)
def _():
    return sum(x for x in grid(-50, 50, F(1, 4)) if abs(x + 3) + abs(x - 5) == 10)


@ps(B, 22)
def _():
    k = [k for k in range(1, 100) if F(3 * k + 12, 5 * k) == F(9, 10)][0]
    return 5 * k


ds(B, 23, list(product(ints(-10, 20), repeat=3)), lambda a, b, c: a + b + c,
   lambda a, b, c: a + 2 * b + 3 * c == 20, lambda a, b, c: 3 * a + 2 * b + c == 12)


@ps(B, 24)
def _():
    change = (F(75, 100) * F(140, 100) - 1) * 100
    return 'no change' if change == 0 else ('an increase of %s%%' % change if change > 0 else 'a decrease of %s%%' % -change)


@ps(B, 25)
def _():
    a = [a for a in range(-100, 100) if F(sum(range(a, a + 11)), 11) == 20][0]
    return F(sum(range(a + 6, a + 11)), 5)


@ps(B, 26)
def _():
    return [n for n in range(1, 10000) if all(n % d == 1 for d in (2, 3, 4, 5, 6)) and n % 7 == 0][0]
