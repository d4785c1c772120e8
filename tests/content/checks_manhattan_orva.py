from check_manhattan import ps, ds, grid, ints, F, product
B = "OR"
import math
from itertools import combinations, permutations


@ps(B, 1)
def _():
    return sum(1 for x in range(1, 200) for y in range(1, 200) if F(2, x) + F(3, y) == 1)


@ps(B, 2)
def _():
    return sum(1 for a in range(1, 361) for b in range(1, 361) if math.gcd(a, b) == 6 and a * b // math.gcd(a, b) == 360)


@ps(B, 3)
def _():
    found = set()
    for d in range(121, 1000):
        for v in range(1, 200):
            # Both conditions multiplied through by the denominators: time at the usual speed minus
            # the time at 6/5 of it is 1 hour; minus 120/v + (d - 120)/(5v/4) is 2/3 hour.
            if 6 * d - 5 * d == 6 * v and 15 * d - (15 * 120 + 12 * (d - 120)) == 10 * v:
                found.add(d)
    assert len(found) == 1, found
    return found.pop()


@ps(B, 4)
def _():
    return sum(n for n in range(1, 301) if n % 4 and n % 6)


ds(B, 5, [(n, w) for n in ints(0, 200) for w in ints(0, 200)], lambda n, w: w,
   lambda n, w: 5 * (w + 12) == 2 * (n + w + 12), lambda n, w: n >= 18 and 5 * w == 2 * (n - 18 + w))
ds(B, 6, [(x, y) for x in grid(F(1, 4), 12, F(1, 4)) for y in grid(F(1, 4), 12, F(1, 4))], lambda x, y: x + y > 4,
   lambda x, y: x * y > 4, lambda x, y: 1 / x + 1 / y < 1)


@ps(B, 7)
def _():
    return F(sum(1 for n in range(1, 121) if (n * n + n + 1) % 7 == 0), 120)


ds(B, 8, [(a, b) for a in range(0, 1001, 50) for b in range(0, 31)], lambda a, b: a + 100 * b,
   lambda a, b: a + 20 * b == 600, lambda a, b: a + 60 * b == 1000)


@ps(B, 9)
def _():
    b = next(b for b in range(1, 1000) if F(5, 2) * b * 6 == 1500)
    a = F(3, 2) * b
    return (2000 - 10 * a) / b


ds(B, 10, [(R, C, r, c) for R in range(10, 101, 10) for C in range(10, 101, 10) for r in range(-90, 91, 10) for c in range(-90, 91, 10)],
   lambda R, C, r, c: R * r > C * c, lambda R, C, r, c: r > c, lambda R, C, r, c: R > C)


@ps(B, 11)
def _():
    return sum(2 ** k for k in range(0, 51)) % 9


def isprime(k):
    return k > 1 and all(k % d for d in range(2, math.isqrt(k) + 1))


ds(B, 12, [(k,) for k in ints(1, 500)], lambda k: k, lambda k: math.isqrt(k * k + 5 * k) ** 2 == k * k + 5 * k,
   lambda k: math.prod(k * next(e for e in range(1, 10) if k % p ** (e + 1)) + 1
                       for p in range(2, k + 1) if k % p == 0 and isprime(p)) == 9)
ds(B, 13, [(a, n) for a in ints(1, 120) for n in ints(2, 60)], lambda a, n: n,
   lambda a, n: sum(range(a, a + n)) == 96,
   lambda a, n: F(sum(range(a, a + n)), n) == 32 and all(k % 5 for k in range(a, a + n)))


@ps(B, 14)
def _():
    best = 0
    for low in combinations(range(1, 10), 3):
        a7 = low[0] + 18
        for a5 in range(11, a7):
            a6 = 84 - sum(low) - 10 - a5 - a7
            if a5 < a6 < a7:
                best = max(best, a6)
    return best


ds(B, 15, list(product(grid(F(1, 2), 30, F(1, 2)), repeat=2)), lambda t, b: t,
   lambda t, b: 1 / t + 1 / b == F(1, 4), lambda t, b: b == t + 6)


@ps(B, 16)
def _():
    for t in grid(F(1, 2), 20, F(1, 2)):
        for a in grid(1, 100):
            b = a * t / 8
            if b * t == 2 * a and (a + b) * t == 360:
                return a


@ps(B, 17)
def _():
    return sum(1 for n in range(1000, 10000) if n % 5 == 0 and len(set(str(n))) == 4)


ds(B, 18, [(cx, cy) for cx in ints(-8, 8) for cy in ints(-8, 8) if cy != 0], lambda cx, cy: F(abs(6 * cy), 2),
   lambda cx, cy: cy == 4, lambda cx, cy: abs(cy) == 4)
ds(B, 19, [(a, b, math.isqrt(a * a + b * b)) for a in ints(1, 200) for b in ints(a, 200) if math.isqrt(a * a + b * b) ** 2 == a * a + b * b],
   lambda a, b, c: a + b + c, lambda a, b, c: c == b + 1, lambda a, b, c: a * b == 2 * (a + b + c))
ds(B, 20, [(x,) for x in grid(-10, 10, F(1, 8))], lambda x: abs(x - 2) < abs(x + 4), lambda x: x * x > 1,
   lambda x: x**3 + x + 2 > 0)


@ps(B, 21)
def _():
    return sum(x for x in grid(-20, 30, F(1, 12)) if abs(x - 1) + abs(x - 3) + abs(x - 8) == 13)


@ps(B, 22)
def _():
    added = set()
    for red in range(1, 200):
        for blue in range(1, 200):
            for green in range(1, 200):
                if 100 < red + blue + green < 200 and 5 * red == 3 * blue and 7 * red == 3 * green:
                    for new_red in range(red + 1, 400):
                        if 6 * new_red == 5 * blue and (7 * blue) % 6 == 0 and 7 * blue // 6 < green:
                            added.add(new_red - red)
    assert len(added) == 1, added
    return added.pop()


ds(B, 23, [(a, 144 - a) for a in ints(1, 143)] + [(a, b) for a in ints(1, 420) if 420 % a == 0 for b in ints(1, 420) if 420 % b == 0],
   lambda a, b: math.gcd(a, b), lambda a, b: a + b == 144,
   lambda a, b: a * b // math.gcd(a, b) == 420)


@ps(B, 24)
def _():
    found = set()
    for a in range(1, 60):
        for b in range(1, 60):
            if F(8, 10) * F(125, 100) * a + F(125, 100) * F(8, 10) * b == a + b and F(8, 10) * a + F(125, 100) * b == F(105, 100) * (a + b):
                found.add(F(100 * b, a))
    assert len(found) == 1, found
    return found.pop()


@ps(B, 25)
def _():
    values = [x for x in range(-99, 200, 2)]
    for k in range(len(values) - 10):
        run = values[k:k + 11]
        if sum(run) == 11 * 41:
            threes = [v for v in run if v % 3 == 0]
            return F(sum(threes), len(threes))


@ps(B, 26)
def _():
    return sum(1 for n in range(1001, 5000) if n % 5 == 2 and n % 7 == 3 and n % 9 == 4)


@ps(B, 27)
def _():
    return [x for x in range(2, 40) if 2 ** x - 2 ** (x - 2) == 3 * 2 ** 13][0]


@ps(B, 28)
def _():
    # Every set of 4 places for the red balls among the 10 draws is equally likely.
    places = list(combinations(range(10), 4))
    return F(sum(1 for reds in places if reds[1] == 2), len(places))


@ps(B, 29)
def _():
    best = 0
    for g in range(0, 41):
        for e in range(0, 41 - g):
            for f in range(0, 41 - g - e):
                for d in range(0, 51 - g - f):
                    a, b, c = 60 - d - e - g, 50 - d - f - g, 40 - e - f - g
                    if min(a, b, c) >= 0 and a + b + c + d + e + f + g <= 90:
                        best = max(best, a + b + c)
    return best


ds(B, 30, [(x,) for x in ints(1, 20)], lambda x: x, lambda x: 3 ** x * 9 == 3 ** 7, lambda x: math.factorial(x) == 120)


@ps(B, 31)
def _():
    lengths = set()
    for w in (4.5, 5.0, 6.0, 6.5):
        # A = (0, 0), B = (w, 0), C = (w, h), D = (0, h); P = (x, y) with PA = 3 and PB = 4.
        x = (9 - 16 + w * w) / (2 * w)
        y = math.sqrt(9 - x * x)
        h = y + math.sqrt(25 - (w - x) ** 2)
        assert 0 < x < w and 0 < y < h
        lengths.add(round(math.hypot(x, h - y), 9))
    assert len(lengths) == 1, lengths
    return lengths.pop()


@ps(B, 32)
def _():
    found = set()
    for a, b, c in product(range(1, 41), repeat=3):
        if F(50 * a + 60 * b, a + b) == 56 and F(60 * b + 80 * c, b + c) == F(145, 2):
            found.add(F(50 * a + 60 * b + 80 * c, a + b + c))
    assert len(found) == 1, found
    return found.pop()


ds(B, 33, [(n,) for n in ints(1, 300)], lambda n: n % 6 == 0, lambda n: (n * n + n) % 6 == 0, lambda n: n * n % 9 == 0)


@ps(B, 34)
def _():
    return sum(1 for n in range(-100, 101) if 50 < n * n - n < 500)


ds(B, 35, [(a, b) for a in ints(0, 20) for b in ints(0, 20) if 6 * a + 10 * b == 100], lambda a, b: b,
   lambda a, b: a >= 1 and b >= 1 and a + b < 15, lambda a, b: b > a)


@ps(B, 36)
def _():
    count = 0
    for h in range(6, 19):  # departure hour of the bus from Q
        # Positions as fractions of the road from P: noon bus (t - 12)/5, bus from Q 1 - (t - h)/5.
        t = F(17 + h, 2)
        if 12 < t < 17 and h < t < h + 5:
            count += 1
    return count


@ps(B, 37)
def _():
    x = (5 + math.sqrt(21)) / 2
    assert abs(x + 1 / x - 5) < 1e-12
    return x * x + 1 / (x * x)


@ps(B, 38)
def _():
    # Right angle at the origin, legs on the axes to (8, 0) and (0, 6); hypotenuse 6x + 8y = 48.
    # The square's top side joins (p, 0) and (0, 3p/4) on the line 6x + 8y = 6p: its length is 10p/8, and its
    # distance from the hypotenuse is (48 - 6p)/10.  Search p for the two to be equal.
    for num in range(1, 8 * 370):
        p = F(num, 370)
        if F(10, 8) * p == (48 - 6 * p) / 10:
            s = F(10, 8) * p
            # The square's two lower vertices, the feet of the perpendiculars from (p, 0) and (0, 3p/4), lie
            # on the hypotenuse between its ends.
            for x0, y0 in ((p, F(0)), (F(0), 3 * p / 4)):
                t = (48 - 6 * x0 - 8 * y0) / 100
                fx, fy = x0 + 6 * t, y0 + 8 * t
                assert 0 <= fx <= 8 and 0 <= fy <= 6
            return s


@ps(B, 39)
def _():
    return sum(1 for n in range(100, 1000) if n % 4 and n % 6 and n % 10)


@ps(B, 40)
def _():
    found = set()
    for c in range(1, 60):
        for a in [F(k, 4) for k in range(1, 240)]:
            b = 60 - c - a
            if b > 0 and a * a + b * b == c * c and a * b == 12 * c:
                found.add(c)
    assert len(found) == 1, found
    return found.pop()


ds(B, 41, [(leg, base) for leg in ints(1, 20) for base in ints(1, 20) if base < 2 * leg], lambda leg, base: 2 * leg + base,
   lambda leg, base: {leg, base} == {5, 9}, lambda leg, base: max(leg, base) ** 2 > sum(sorted([leg, leg, base])[:2][k] ** 2 for k in range(2)))


@ps(B, 42)
def _():
    return sum(1 for k in range(10, 100) if k // 10 + k % 10 == 11)


@ps(B, 43)
def _():
    values = set()
    for k in range(-19, 20):
        a = k / 10
        for sign in (1, -1):
            b = (-a + sign * math.sqrt(12 - 3 * a * a)) / 2
            c = -a - b
            assert abs(a * a + b * b + c * c - 6) < 1e-9
            values.add(round(a ** 4 + b ** 4 + c ** 4, 9))
    assert len(values) == 1, values
    return values.pop()


ds(B, 44, list(product(ints(-6, 6), repeat=2)), lambda x, y: (x + y) % 2 == 0,
   lambda x, y: (x * x + x * y + y * y) % 2 == 1, lambda x, y: x * x * y % 2 == 0)


def lists():
    """(count, sum, largest) of lists that exist: count numbers, none above the largest, one equal to it."""
    for k in ints(1, 10):
        for s in range(-20, 121, 5):
            for m in range(5, 41, 5):
                if (k == 1 and s == m) or (k > 1 and s <= k * m):
                    yield (k, s, m)


ds(B, 45, [(s, n) for s in ints(0, 200) for n in ints(1, 20)], lambda s, n: F(s, n), lambda s, n: s == 60, lambda s, n: 2 * s == 120)


@ps(B, 46)
def _():
    return sum(1 for p in permutations('12345') if p.index('1') < p.index('2') < p.index('3'))


@ps(B, 47)
def _():
    divs = [d for d in range(1, 3601) if 3600 % d == 0]
    def power(d, k):
        r = round(d ** (1 / k))
        return any((r + e) ** k == d for e in (-1, 0, 1))
    return sum(1 for d in divs if not power(d, 2) and not power(d, 3))


ds(B, 48, list(product(grid(-8, 8, F(1, 2)), repeat=2)), lambda x, y: x + y,
   lambda x, y: x * x + y * y == 25 and x * y == 12, lambda x, y: x**3 + y**3 == 91 and x * y == 12)


@ps(B, 49)
def _():
    men, women = F(60, 100), F(40, 100)
    return women * F(40, 100) / (men * F(25, 100) + women * F(40, 100))


@ps(B, 50)
def _():
    pts = [(math.cos(2 * math.pi * k / 12), math.sin(2 * math.pi * k / 12)) for k in range(12)]

    def side(p, q):
        # sign of the cross product (q - p) x (O - p)
        return (q[0] - p[0]) * (-p[1]) - (q[1] - p[1]) * (-p[0])

    count = 0
    for i, j, k in combinations(range(12), 3):
        s = [side(pts[i], pts[j]), side(pts[j], pts[k]), side(pts[k], pts[i])]
        if all(v > 1e-9 for v in s) or all(v < -1e-9 for v in s):
            count += 1
    return count


@ps(B, 51)
def _():
    best_bad = 0
    for r in range(0, 11):
        for b in range(0, 9):
            for g in range(0, 7):
                if sum(1 for n in (r, b, g) if n >= 2) < 2:
                    best_bad = max(best_bad, r + b + g)
    return best_bad + 1


@ps(B, 52)
def _():
    players = range(8)
    count = 0
    for team in combinations(players, 4):
        if 0 not in team:
            continue  # the team holding player 0 names the split once
        other = [p for p in players if p not in team]
        count += len(team) * len(other)
    return count


@ps(B, 53)
def _():
    return sum(F(1, d) for d in range(1, 29) if 28 % d == 0)


@ps(B, 54)
def _():
    return sum(1 for x in range(1, 21) for y in range(1, 21) for z in range(1, 21) if x + 2 * y + 3 * z == 20)


@ps(B, 55)
def _():
    return [m for m in range(0, 1000) if 3 * 55 < 3 * 40 + F(m, 4)][0]


@ps(B, 56)
def _():
    best = 0
    for k in range(0, 26):
        # k students at 49 and the rest at 100 give the largest total with k scores below 50.
        if 49 * k + 100 * (25 - k) >= 2000:
            best = k
    # Nine is reached with whole scores from 0 to 100.
    scores = [49] * 9 + [100] * 15 + [59]
    assert len(scores) == 25 and sum(scores) == 2000 and sum(1 for s in scores if s < 50) == best
    return best


ds(B, 57, list(product(ints(1, 40), repeat=2)), lambda a, b: a * b % 6 == 0,
   lambda a, b: a * a * b % 12 == 0 and b % 2 == 1, lambda a, b: (a + b) % 3 == 0)


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


ds(B, 59, [(x,) for x in grid(-6, 6, F(1, 2))], lambda x: x,
   lambda x: close(4.0 ** float(x) - 2.0 ** float(x + 1), 8), lambda x: x * x - x == 2)


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


ds(B, 62, [(r, t) for t in ints(2, 60) for r in ints(0, t)], lambda r, t: F(r * (r - 1), t * (t - 1)),
   lambda r, t: F(2 * r * (t - r), t * (t - 1)) == F(7, 15), lambda r, t: t == 10 and r > t - r)


@ps(B, 63)
def _():
    a, b, c = 3, 4, 12
    return min(math.sqrt((p + q) ** 2 + r ** 2) for p, q, r in permutations((a, b, c)))


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


ds(B, 66, [(n,) for n in ints(1, 3000)], lambda n: n % 8,
   lambda n: math.isqrt(n) ** 2 == n and math.isqrt(n) % 2 == 1, lambda n: any(n - 1 == 2 * m * (2 * m + 2) for m in range(-40, 40)))


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
   lambda l, w: l * w > 50 + 1e-9, lambda l, w: close(2 * (l + w), 28),
   lambda l, w: close(l * l + w * w, 100))


@ps(B, 71)
def _():
    return len(set(permutations('LEVEL')))


@ps(B, 72)
def _():
    h = 5 / math.sqrt(2)
    lo, hi = 0.0, 5.0
    for _ in range(200):
        s = (lo + hi) / 2
        if (h + s) ** 2 + (s / 2) ** 2 < 25:
            lo = s
        else:
            hi = s
    return lo * lo


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
    def power(n, k):
        r = round(n ** (1 / k))
        return any((r + d) ** k == n for d in (-1, 0, 1))

    return sum(1 for n in range(1, 1001) if not (power(n, 2) or power(n, 3) or power(n, 5)))


@ps(B, 76)
def _():
    return [h for h in range(0, 100) if 20 * min(h, 40) + 30 * max(0, h - 40) == 1160][0]


@ps(B, 77)
def _():
    slope = F(-3 - 5, 6 - 2)
    return [x for x in grid(-20, 20, F(1, 4)) if 5 + slope * (x - 2) == 0][0]
