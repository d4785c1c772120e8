# Independent computations for the numeric questions of the Princeton Review, Knewton and Kaplan
# sets. A problem-solving check computes the answer from the numbers in the stem; a data-sufficiency
# check gives the possible cases, the question and each statement as predicates, so that the checker
# finds a counterexample pair for each statement that is not sufficient and confirms agreement for
# each that is.
from fractions import Fraction as F
from itertools import product, combinations, permutations
from math import comb, perm, factorial, gcd, sqrt, pi, isqrt, lcm

CHECKS = {}


class DS:
    def __init__(self, cases, question, s1, s2):
        self.cases, self.question, self.s1, self.s2 = list(cases), question, s1, s2


def check(set_name, number):
    def register(f):
        CHECKS[(set_name, number)] = f
        return f
    return register


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
