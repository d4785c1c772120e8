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


@ps(B, 27)
def _():
    return [x for x in range(2, 40) if 2 ** x - 2 ** (x - 2) == 3 * 2 ** 13][0]


@ps(B, 28)
def _():
    balls = 'R' * 4 + 'G' * 6
    sets = list(combinations(range(10), 3))
    return F(sum(1 for s in sets if sum(balls[i] == 'R' for i in s) == 2), len(sets))


@ps(B, 29)
def _():
    return min(b for b in range(0, 91) if 200 - (120 + 90 - b) >= 30)


ds(B, 30, [(x,) for x in ints(1, 20)], lambda x: x, lambda x: 3 ** x * 9 == 3 ** 7, lambda x: math.factorial(x) == 120)


@ps(B, 31)
def _():
    side = 12
    area = math.sqrt(3) / 4 * side ** 2
    r = area / (3 * side / 2)  # area = r * semiperimeter
    return math.pi * r * r


@ps(B, 32)
def _():
    numbers = [15] * 20  # any numbers with average 15 give the same result
    other = [5] * 10 + [25] * 10
    results = {F(sum(3 * v - 4 for v in ns), 20) for ns in (numbers, other)}
    assert len(results) == 1
    return results.pop()


ds(B, 33, [(n,) for n in ints(1, 300)], lambda n: n % 6 == 0, lambda n: n % 3 == 0, lambda n: n * n % 9 == 0)


@ps(B, 34)
def _():
    return sum(1 for n in range(-100, 101) if 100 < n * n < 1000)


ds(B, 35, [(a, b) for a in ints(0, 20) for b in ints(0, 20) if 8 * a + 12 * b == 100], lambda a, b: b,
   lambda a, b: a > b, lambda a, b: b > 2)


@ps(B, 36)
def _():
    return F(1000 * 45, 30) / 60


@ps(B, 37)
def _():
    x = (5 + math.sqrt(21)) / 2
    assert abs(x + 1 / x - 5) < 1e-12
    return x * x + 1 / (x * x)


@ps(B, 38)
def _():
    cost = F(2 * 6 + 1 * 9, 3)
    return cost * F(120, 100)


@ps(B, 39)
def _():
    return sum(1 for k in range(100, 1000) if k % 5 and k % 7)


@ps(B, 40)
def _():
    a = [a for a in range(2, 100, 2) if a * a + (a + 2) ** 2 == (a + 4) ** 2][0]
    return F(a * (a + 2), 2)


ds(B, 41, [(a, b) for a in ints(1, 20) for b in ints(1, 20) if b < 2 * a], lambda a, b: 2 * a + b,
   lambda a, b: sorted({a, b}) == [4, 6], lambda a, b: 2 * a > 10)


@ps(B, 42)
def _():
    return sum(1 for k in range(10, 100) if k // 10 + k % 10 == 11)


@ps(B, 43)
def _():
    a = [a / 100 for a in range(1, 1000) if abs((a / 100) ** 2 + (12 / (a / 100)) ** 2 - 40) < 1e-9][0]
    return a + 12 / a


ds(B, 44, list(product(ints(-6, 6), repeat=2)), lambda x, y: (x + y) % 2 == 0,
   lambda x, y: x * y % 2 == 0, lambda x, y: x % 2 == 1)


def lists():
    """(count, sum, largest) of lists that exist: count numbers, none above the largest, one equal to it."""
    for k in ints(1, 10):
        for s in range(-20, 121, 5):
            for m in range(5, 41, 5):
                if (k == 1 and s == m) or (k > 1 and s <= k * m):
                    yield (k, s, m)


ds(B, 45, list(lists()), lambda k, s, m: F(s, k), lambda k, s, m: s == 60, lambda k, s, m: m == 20)


@ps(B, 46)
def _():
    speed = F(240, 12)
    return (360 + 240) / speed


@ps(B, 47)
def _():
    return F('0.49') * 102 / F('9.8')


ds(B, 48, list(product(ints(-10, 10), repeat=2)), lambda x, y: x + y,
   lambda x, y: x * x + y * y == 25, lambda x, y: (x + y) ** 2 == 49 and x + y > 0)


@ps(B, 49)
def _():
    men, women = F(60, 100), F(40, 100)
    return women * F(40, 100) / (men * F(25, 100) + women * F(40, 100))


@ps(B, 50)
def _():
    n = [n for n in range(3, 50) if (n - 2) * 180 == 1440][0]
    return sum(1 for i, j in combinations(range(n), 2) if (j - i) % n not in (1, n - 1))


@ps(B, 51)
def _():
    value = F(10000)
    for _half in range(2):
        value *= 1 + F(10, 100) / 2
    return value


@ps(B, 52)
def _():
    def pairings(people):
        if not people:
            return 1
        first, rest = people[0], people[1:]
        return sum(pairings(rest[:i] + rest[i + 1:]) for i in range(len(rest)))
    return pairings(list(range(6)))


@ps(B, 53)
def _():
    return sum(F(1, d) for d in range(1, 29) if 28 % d == 0)


@ps(B, 54)
def _():
    return sum(1 for x in range(1, 100) for y in range(1, 100) if 3 * x + 7 * y == 100)


@ps(B, 55)
def _():
    return [m for m in range(0, 1000) if 3 * 55 < 3 * 40 + F(m, 4)][0]


@ps(B, 56)
def _():
    return [g for g in range(0, 31) if 72 * (30 - g) + 80 * g == F('76.8') * 30][0]


ds(B, 57, list(product(ints(-12, 12), repeat=2)), lambda a, b: a * b % 6 == 0,
   lambda a, b: a % 6 == 0, lambda a, b: (a + b) % 6 == 0)


@ps(B, 58)
def _():
    # The angle from the hour hand to the minute hand grows by 11/2 degrees a minute.
    count = 0
    for k in range(0, 20):
        for target in (90, 270):
            t = F(360 * k + target, 1) / F(11, 2)
            if 0 < t < 720:
                count += 1
    return count


ds(B, 59, [(float(x),) for x in grid(-5, 5, F(1, 2))], lambda x: x,
   lambda x: close(5 ** (2 * x), 625), lambda x: close(x * x, 4))


@ps(B, 60)
def _():
    results = set()
    for b in (F(12), F(1), F(-5)):
        a, c = F(2, 3) * b, F(5, 4) * b
        results.add((a + b) / (b + c))
    assert len(results) == 1
    return results.pop()


@ps(B, 61)
def _():
    rolls = list(product(range(1, 7), repeat=3))
    return F(sum(1 for r in rolls if sum(r) == 5), len(rolls))


ds(B, 62, [(r, t) for t in ints(2, 20) for r in ints(0, t)], lambda r, t: F(r * (r - 1), t * (t - 1)),
   lambda r, t: t == 10, lambda r, t: r == 4)


@ps(B, 63)
def _():
    return math.sqrt(3 ** 2 + 4 ** 2 + 12 ** 2)


@ps(B, 64)
def _():
    return sum(k for k in range(101, 200) if k % 7 == 0)


@ps(B, 65)
def _():
    fits = [v for v in (-5, -3, 2, F(3, 2), 3) if (v - 2) * (v + 3) < 0]
    assert len(fits) == 1
    return fits[0]


def close(a, b):
    return abs(a - b) < 1e-9


ds(B, 66, [(n,) for n in ints(1, 500)], lambda n: n % 4,
   lambda n: any((2 * k + 1) ** 2 == n for k in range(0, 12)), lambda n: n % 12 == 9)


@ps(B, 67)
def _():
    return [p for p in range(1, 200) if p * F(80, 100) * F(108, 100) == F('64.80')][0]


ds(B, 68, [(math.sqrt(m),) for m in ints(1, 50)] + [(h / 2,) for h in ints(1, 40)],
   lambda k: close(k, round(k)), lambda k: close(k * k, round(k * k)),
   lambda k: close(math.sqrt(k), round(math.sqrt(k))))


@ps(B, 69)
def _():
    a, d = [(a, d) for a in range(-50, 50) for d in range(-20, 20) if a + 3 * d == 14 and a + 8 * d == 34][0]
    return a + 19 * d


ds(B, 70, [(float(l), float(w)) for l in grid(1, 15, F(1, 2)) for w in grid(1, 15, F(1, 2))]
   + [(t / 10, math.sqrt(100 - (t / 10) ** 2)) for t in range(5, 100)] + [(math.sqrt(50), math.sqrt(50))],
   lambda l, w: l * w > 50 + 1e-9, lambda l, w: close(2 * (l + w), 28) and (l == 6 or w == 6),
   lambda l, w: close(l * l + w * w, 100))


@ps(B, 71)
def _():
    return len(set(permutations('LEVEL')))


@ps(B, 72)
def _():
    # The square's vertices on the circle of radius 5, at right angles.
    corners = [(5 * math.cos(a * math.pi / 2), 5 * math.sin(a * math.pi / 2)) for a in range(4)]
    return math.dist(corners[0], corners[1]) ** 2


@ps(B, 73)
def _():
    simple = 5000 * F(4, 100) * 3
    compound = 5000 * (1 + F(4, 100)) ** 3 - 5000
    return compound - simple


@ps(B, 74)
def _():
    return max(x / y - y / x for x in grid(3, 6, F(1, 4)) for y in grid(2, 4, F(1, 4)))


@ps(B, 75)
def _():
    return sum(1 for k in range(1, 200) if math.isqrt(k) ** 2 == k or round(k ** (1 / 3)) ** 3 == k)


@ps(B, 76)
def _():
    return [h for h in range(0, 100) if 20 * min(h, 40) + 30 * max(0, h - 40) == 1160][0]


@ps(B, 77)
def _():
    slope = F(-3 - 5, 6 - 2)
    return [x for x in grid(-20, 20, F(1, 4)) if 5 + slope * (x - 2) == 0][0]
