"""What the checks of the hard quantitative set share: a table of checks keyed by question number,
and the sufficiency test of a data-sufficiency question over a finite set of cases."""
import itertools
import math
from fractions import Fraction as F  # noqa: F401  (used by the check tables)


class Table:
    """The checks of one builder, keyed by question number. A problem-solving check returns the
    value of the right answer (a number, or the text of the option when the options are not
    numbers); a data-sufficiency check returns the letter that its cases give."""

    def __init__(self, builder):
        self.builder = builder
        self.checks = {}

    def _add(self, kind, number):
        def register(check):
            if number in self.checks:
                raise ValueError(f"{self.builder}: two checks for question {number}")
            self.checks[number] = (kind, check)
            return check
        return register

    def ps(self, number):
        return self._add(1, number)

    def ds(self, number):
        return self._add(2, number)


class Insufficient(Exception):
    pass


def sufficiency(cases, ask, first, second):
    """The data-sufficiency letter over every case of a finite domain. Each case is a tuple handed
    to ask, first and second. A statement (or both together) is sufficient when every case that
    satisfies it gives one answer; otherwise two of its cases with different answers are the
    counterexample pair. Every statement must be satisfiable, and so must both together; and the
    cases themselves must give more than one answer, or the stem would answer the question alone."""
    seen = {1: {}, 2: {}, 12: {}}
    answers = set()
    for case in cases:
        one, two = bool(first(*case)), bool(second(*case))
        if len(answers) < 2:
            answers.add(ask(*case))
        if not (one or two):
            continue
        answer = ask(*case)
        for key, holds in ((1, one), (2, two), (12, one and two)):
            if holds and answer not in seen[key] and len(seen[key]) < 2:
                seen[key][answer] = case
    if len(answers) < 2:
        raise Insufficient("every case gives the same answer: the stem alone answers the question")
    for key, found in seen.items():
        if not found:
            raise Insufficient(f"no case satisfies statement(s) {key}")
    alone1, alone2, both = (len(seen[k]) == 1 for k in (1, 2, 12))
    if alone1 and alone2:
        return "D"
    if alone1:
        return "A"
    if alone2:
        return "B"
    return "C" if both else "E"


def grid(*ranges):
    """Every combination of the values of the given ranges, as tuples."""
    return itertools.product(*ranges)


def fracs(lo, hi, den):
    """The fractions from lo to hi in steps of 1/den."""
    return [F(k, den) for k in range(lo * den, hi * den + 1)]


def is_square(n):
    return n >= 0 and math.isqrt(n) ** 2 == n


def is_prime(n):
    return n > 1 and all(n % p for p in range(2, math.isqrt(n) + 1))


def divisor_count(n):
    """The number of positive divisors of n, from its prime factorization (fast for large n)."""
    total, p = 1, 2
    while p * p <= n:
        e = 0
        while n % p == 0:
            n //= p
            e += 1
        total *= e + 1
        p += 1
    return total * (2 if n > 1 else 1)


def divisors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


def median(values):
    v = sorted(values)
    k = len(v)
    return v[k // 2] if k % 2 else F(v[k // 2 - 1] + v[k // 2], 2)


def mean(values):
    return F(sum(values), len(values))


def parts(total, count, low, strict):
    """Every non-decreasing (or increasing, when strict) tuple of count integers from low up."""
    if count == 1:
        if total >= low:
            yield (total,)
        return
    for first in range(low, total // count + 1):
        for rest in parts(total - first, count - 1, first + 1 if strict else first, strict):
            yield (first,) + rest
