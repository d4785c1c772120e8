#!/usr/bin/env python3
"""Recomputes the numbers of the quant flashcards (resources/flashcards/quant.json).

Each card has a checker below that works its problem out in Python and confirms that the card
states the same results: `says(text, value)` finds the text on the card and compares the last
number in it with the value computed here, to the precision the card prints; `answer(choice)`
confirms that the letter the back names is the letter of that choice; `holds(fact, what)` checks
a rule the card states. Every card must have a checker that confirms something, so a card added
without one fails, and every number on a card's face must appear in its checker (or be declared
unneeded with `ignores`), so that the checker works out the problem the face sets.

    check_quant_cards.py [quant.json]
"""

import inspect
import itertools
import json
import math
import re
import statistics
import sys
from fractions import Fraction as F
from pathlib import Path

DEFAULT = Path(__file__).resolve().parents[2] / "resources" / "flashcards" / "quant.json"
NUMBER = re.compile(r"-?\d+(?:\.\d+)?(?:/\d+)?")
ENTITIES = {"&minus;": "-", "&times;": "*", "&divide;": "/", "&asymp;": "~", "&radic;": "r", "&pi;": "p"}

CHECKERS = {}


def card(identifier):
    def register(checker):
        CHECKERS[identifier] = checker
        return checker

    return register


def plain(text):
    """The card's text with the entities that stand for signs replaced and thousands separators
    and tags removed, so that "&minus;1,024" reads as -1024."""
    for entity, sign in ENTITIES.items():
        text = text.replace(entity, sign)
    text = re.sub(r"<[^>]+>", " ", text)
    return re.sub(r"(?<=\d),(?=\d{3})", "", text)


def read_number(token):
    if "/" in token:
        top, bottom = token.split("/")
        return F(int(top), int(bottom)), 0
    decimals = len(token.split(".")[1]) if "." in token else 0
    return F(token), decimals


class Card:
    def __init__(self, row):
        self.row = row
        self.id = row["id"]
        self.text = " ".join(row["face"] + row.get("choices", []) + row["back"])
        self.back = " ".join(row["back"])
        self.failures = []
        self.confirmed = 0
        self.ignored = set()

    def fail(self, message):
        self.failures.append(f"card {self.id}: {message}")

    def says(self, text, value):
        """The card holds `text`, and the last number in it equals `value`: exactly for whole
        numbers and fractions, to half a unit of the last printed digit for decimals."""
        if text not in self.text:
            self.fail(f"does not say {text!r}")
            return
        numbers = NUMBER.findall(plain(text))
        if not numbers:
            self.fail(f"{text!r} holds no number")
            return
        printed, decimals = read_number(numbers[-1])
        exact = isinstance(value, (int, F))
        tolerance = F(0) if exact and decimals == 0 else F(1, 2 * 10**decimals) if decimals else F(1, 10**9)
        if abs(F(value) - printed) > tolerance:
            self.fail(f"{text!r} states {numbers[-1]}, but it works out as {float(value):g}")
        else:
            self.confirmed += 1

    def answer(self, choice):
        """The back names as the answer the letter of the choice `choice`."""
        choices = self.row.get("choices", [])
        if choice not in choices:
            self.fail(f"has no choice {choice!r}")
            return
        letter = "ABCDEFGH"[choices.index(choice)]
        named = re.findall(r"answer ([A-H])\b", self.back)
        if named != [letter]:
            self.fail(f"the answer is {letter} ({choice}), the back names {named or 'none'}")
        else:
            self.confirmed += 1

    def ignores(self, number, why):
        """A number of the face that the problem does not need, with the reason."""
        self.ignored.add(str(number))

    def holds(self, fact, what):
        if not fact:
            self.fail(f"does not hold: {what}")
        else:
            self.confirmed += 1


def solutions(predicate, low=-20, high=20, step=F(1, 4)):
    """The values from low to high, in steps, that satisfy the predicate."""
    count = int((high - low) / step)
    return [low + k * step for k in range(count + 1) if predicate(low + k * step)]


def divisors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


def is_prime(n):
    return n > 1 and all(n % d for d in range(2, math.isqrt(n) + 1))


@card(1)
def _(c):
    c.says("15% of 20 = 0.15 &times; 20 = 3", F(15, 100) * 20)


@card(2)
def _(c):
    up, down = 1 + F(20, 100), 1 - F(20, 100)
    c.says("1.20 &times; 0.80 = 0.96", up * down)
    c.says("ends 4% lower", (1 - up * down) * 100)


@card(3)
def _(c):
    c.says("10 &divide; 40 = 25%", F(50 - 40, 40) * 100)
    c.says("&minus;10 &divide; 50 = 20%", F(50 - 40, 50) * 100)


@card(4)
def _(c):
    c.holds(all((a + b) % 2 == 0 for a in range(1, 21, 2) for b in range(1, 21, 2)), "odd + odd is even")
    c.holds(all((a + b) % 2 == 1 for a in range(0, 20, 2) for b in range(1, 21, 2)), "even + odd is odd")
    c.holds(all((a * b) % 2 == 1 for a in range(1, 21, 2) for b in range(1, 21, 2)), "odd x odd is odd")
    c.holds(all((a * b) % 2 == 0 for a in range(1, 21, 2) for b in range(0, 20, 2)), "odd x even is even")


@card(5)
def _(c):
    c.says("7 + 3 + 1 + 6 = 17", 7 + 3 + 1 + 6)
    c.says("16 = 4 &times; 4", 16 // 4)
    c.holds(7316 % 3 != 0 and 7316 % 4 == 0, "7,316 is divisible by 4 and not by 3")
    digit_sum = lambda n: sum(map(int, str(n)))
    for d in (3, 9):
        c.holds(all((n % d == 0) == (digit_sum(n) % d == 0) for n in range(1, 3000)), f"the rule for {d}")
    c.holds(all((n % 4 == 0) == (n % 100 % 4 == 0) for n in range(1, 3000)), "the rule for 4")


@card(6)
def _(c):
    c.holds(2**3 * 3**2 == 72, "72 = 2^3 x 3^2")
    c.says("(3 + 1)(2 + 1) = 12", len(divisors(72)))
    c.says("They are 1, 2, 3, 4, 6, 8, 9, 12, 18, 24, 36 and 72", max(divisors(72)))
    c.holds(", ".join(map(str, divisors(72)[:-1])) + " and 72" in c.text, "lists every divisor of 72")


@card(7)
def _(c):
    c.holds([pow(7, k, 10) for k in range(1, 5)] == [7, 9, 3, 1], "the cycle 7, 9, 3, 1")
    c.says("7<sup>3</sup> = 343", 7**3)
    c.says("The units digit is 3", pow(7, 23, 10))


@card(8)
def _(c):
    found = solutions(lambda x: abs(x - 3) == 5)
    c.holds(found == [-2, 8], "|x - 3| = 5 at -2 and 8")
    c.says("x = 8 or x = &minus;2", min(found))
    inside = solutions(lambda x: abs(2 * x + 1) < 7)
    c.says("so &minus;4 &lt; x &lt; 3", max(inside) + F(1, 4))
    c.holds(min(inside) - F(1, 4) == -4, "|2x + 1| < 7 starts at -4")


@card(9)
def _(c):
    c.says("60 &minus; 20 + 1 = 41", len(range(20, 61)))
    c.says("(20 + 60) &divide; 2 = 40", F(20 + 60, 2))
    c.says("Sum = 41 &times; 40 = 1,640", sum(range(20, 61)))


@card(10)
def _(c):
    sixth = 6 * 13 - 5 * 12
    c.says("5 &times; 12 = 60", 5 * 12)
    c.says("6 &times; 13 = 78", 6 * 13)
    c.says("78 &minus; 60 = 18", sixth)
    c.answer(str(sixth))


@card(11)
def _(c):
    c.says("1/3 + 1/6 = 1/2", F(1, 3) + F(1, 6))
    c.says("Time = 1 &divide; (1/2) = 2", 1 / (F(1, 3) + F(1, 6)))


@card(12)
def _(c):
    rolls = list(itertools.product(range(1, 7), repeat=2))
    sevens = [r for r in rolls if sum(r) == 7]
    c.says("6 &times; 6 = 36", len(rolls))
    c.says("(6,1): 6", len(sevens))
    c.says("6/36 = 1/6", F(len(sevens), len(rolls)))


@card(13)
def _(c):
    c.says("(7 &times; 6 &times; 5) &divide; (3 &times; 2 &times; 1) = 210", 7 * 6 * 5)
    c.says("210 &divide; 6 = 35", math.comb(7, 3))


@card(14)
def _(c):
    left = (1 - F(25, 100)) * (1 - F(10, 100))
    c.says("0.75 &times; 0.90 = 0.675", left)
    c.says("100% &minus; 67.5% = 32.5%", (1 - left) * 100)


@card(15)
def _(c):
    part = F(40, 3 + 5)
    c.says("3 + 5 = 8", 3 + 5)
    c.says("40 &divide; 8 = 5", part)
    c.says("Girls: 5 &times; 5 = 25", 5 * part)
    c.says("boys: 3 &times; 5 = 15", 3 * part)


@card(16)
def _(c):
    b = math.lcm(3, 4)
    c.says("the least common multiple of 3 and 4 is 12", b)
    c.says("a : b = 2 : 3 = 8", F(2, 3) * b)
    c.says("b : c = 4 : 5 = 12 : 15", F(5, 4) * b)
    c.says("a : b : c = 8 : 12 : 15", F(5, 4) * b)


@card(17)
def _(c):
    average = F(240, F(120, 60) + F(120, 40))
    c.says("120 &divide; 60 = 2", F(120, 60))
    c.says("120 &divide; 40 = 3", F(120, 40))
    c.says("240 &divide; 5 = 48", average)
    c.answer(f"{average} km/h")


@card(18)
def _(c):
    hours = F(300, 70 + 80)
    c.says("70 + 80 = 150", 70 + 80)
    c.says("300 &divide; 150 = 2", hours)
    c.says("the first has gone 140", 70 * hours)
    c.says("the second 160", 80 * hours)


@card(19)
def _(c):
    ben = F(1, 6) - F(1, 10)
    c.says("1/6 &minus; 1/10 = 5/30 &minus; 3/30 = 2/30 = 1/15", ben)
    c.says("Ben alone takes 15", 1 / ben)


@card(20)
def _(c):
    litres = (F(20, 100) * 10 - F(10, 100) * 10) / (F(40, 100) - F(20, 100))
    c.says("x = 5", litres)
    c.says("1 + 2 = 3", F(10, 100) * 10 + F(40, 100) * litres)
    c.says("in 15 litres is 20", (F(10, 100) * 10 + F(40, 100) * litres) / (10 + litres) * 100)


@card(21)
def _(c):
    cheap = 20 * F(10 - 7, 10 - 6)
    c.says("7 &minus; 6 = 1", 1)
    c.says("10 &minus; 7 = 3", 3)
    c.says("Cheap: 20 &times; 3/4 = 15", cheap)
    c.says("dear: 20 &times; 1/4 = 5", 20 - cheap)
    c.says("15 &times; 6 + 5 &times; 10 = 140", cheap * 6 + (20 - cheap) * 10)
    c.says("20 &times; 7 = 140", 20 * 7)


@card(22)
def _(c):
    total = 20 * 70 + 30 * 80
    c.says("= 1,400 + 2,400 = 3,800", total)
    c.says("3,800 &divide; 50 = 76", F(total, 50))
    c.answer(str(F(total, 50)))


@card(23)
def _(c):
    c.says("(4 + 7) &divide; 2 = 5.5", statistics.median([3, 9, 1, 7, 4, 12]))
    c.says("its middle value, 4", statistics.median([3, 9, 1, 7, 4]))


@card(24)
def _(c):
    values = [2, 5, 5, 7, 8, 8, 8, 11]
    c.says("the most frequent value): 8", statistics.mode(values))
    c.says("11 &minus; 2 = 9", max(values) - min(values))
    c.says("(7 + 8) &divide; 2 = 7.5", statistics.median(values))
    c.says("Mean: 54", sum(values))
    c.says("54 &divide; 8 = 6.75", F(sum(values), len(values)))


@card(25)
def _(c):
    base = statistics.pstdev([1, 3, 5])
    c.says("&radic;(8/3) &asymp; 1.63", base)
    c.says("6, 8, 10 has the same", 10)
    c.holds(abs(statistics.pstdev([6, 8, 10]) - base) < 1e-12, "adding 5 keeps the deviation")
    c.says("3, 9, 15 has &radic;24 &asymp; 4.90", statistics.pstdev([3, 9, 15]))
    c.holds(abs(statistics.pstdev([3, 9, 15]) - 3 * base) < 1e-12, "tripling triples the deviation")


@card(26)
def _(c):
    c.says("&radic;(2/3) &asymp; 0.82", statistics.pstdev([4, 5, 6]))
    c.says("&radic;(32/3) &asymp; 3.27", statistics.pstdev([1, 5, 9]))


@card(27)
def _(c):
    c.holds(all((3 * n) % 7 == 5 for n in range(4, 200, 7)), "3n leaves 5 whenever n leaves 4")
    c.says("12 = 7 + 5", 12 - 7)
    c.says("The remainder is 5", (3 * 4) % 7)
    c.says("33 = 4 &times; 7 + 5", (3 * 11) % 7)


@card(28)
def _(c):
    c.holds([pow(2, k, 3) for k in range(1, 5)] == [2, 1, 2, 1], "remainders alternate 2, 1")
    c.says("the remainder is 1", pow(2, 100, 3))


@card(29)
def _(c):
    c.holds(2**2 * 3 * 7 == 84 and 2**3 * 3 * 5 == 120, "the factorisations")
    c.says("2<sup>2</sup> &times; 3 = 12", math.gcd(84, 120))
    c.says("2<sup>3</sup> &times; 3 &times; 5 &times; 7 = 840", math.lcm(84, 120))
    c.says("12 &times; 840 = 10,080", 84 * 120)


@card(30)
def _(c):
    multiples = [n for n in range(50 + 1, 200) if n % 6 == 0]
    c.says("54 = 6 &times; 9", multiples[0] // 6)
    c.says("198 = 6 &times; 33", multiples[-1] // 6)
    c.says("33 &minus; 9 + 1 = 25", len(multiples))
    c.says("(198 &minus; 54) &divide; 6 + 1 = 25", len(multiples))


@card(31)
def _(c):
    smallest = next(n for n in itertools.count(1) if len(divisors(n)) == 6)
    c.says("2<sup>5</sup> = 32", 2**5)
    c.says("2<sup>2</sup> &times; 3 = 12", smallest)
    c.says("divisors are 1, 2, 3, 4, 6 and 12", max(divisors(smallest)))
    c.holds("1, 2, 3, 4, 6 and 12" == ", ".join(map(str, divisors(12)[:-1])) + " and 12", "divisors of 12")


@card(32)
def _(c):
    primes = [n for n in range(50) if is_prime(n)]
    c.holds(", ".join(map(str, primes)) in c.text, "lists the primes below 50")
    c.says("There are 15", len(primes))
    c.says("91 = 7 &times; 13", 91 // 7)
    c.holds(not is_prime(91), "91 is not prime")


@card(33)
def _(c):
    c.holds(0 % 2 == 0, "0 is even")
    c.says("1 has one", len(divisors(1)))
    c.holds(all(len(divisors(p)) == 2 for p in (2, 3, 5, 7)), "primes have two divisors")


@card(34)
def _(c):
    c.says("2<sup>4</sup> = 16", F(2**3 * 2**5, 2**4))
    c.says("3<sup>6</sup> = 729", (3**2) ** 3)
    c.says("8 + 32 = 40", 2**3 + 2**5)


@card(35)
def _(c):
    c.says("8<sup>&minus;2/3</sup> = 1/4", F(1, round(8 ** (2 / 3))))
    c.holds(abs(8 ** (-2 / 3) - 0.25) < 1e-12, "8^(-2/3) is 1/4")
    c.says("which is 3", round(27 ** (1 / 3)))
    c.says("16<sup>3/4</sup> = 8", round(16**0.75))


@card(36)
def _(c):
    c.holds(36 * 2 == 72 and 9 * 2 == 18, "72 = 36 x 2 and 18 = 9 x 2")
    c.says("9&radic;2 &asymp; 12.73", math.sqrt(72) + math.sqrt(18))
    c.holds(abs(math.sqrt(72) + math.sqrt(18) - 9 * math.sqrt(2)) < 1e-12, "the sum is 9 root 2")
    c.says("&radic;9 + &radic;16 = 7", math.sqrt(9) + math.sqrt(16))
    c.says("&radic;25 = 5", math.sqrt(25))


@card(37)
def _(c):
    c.says("5 &minus; 3 = 2", 5 - 3)
    c.says("&asymp; 1.984", 1 / (math.sqrt(5) - math.sqrt(3)))
    c.holds(abs(1 / (math.sqrt(5) - math.sqrt(3)) - (math.sqrt(5) + math.sqrt(3)) / 2) < 1e-12, "the conjugate")


@card(38)
def _(c):
    c.says("= 10,404", 102**2)
    c.says("= 9,996", 98 * 102)
    c.holds(100**2 + 2 * 100 * 2 + 2**2 == 102**2 and 100**2 - 2**2 == 98 * 102, "the identities")


@card(39)
def _(c):
    roots = solutions(lambda x: x * x - 5 * x - 14 == 0)
    c.holds(roots == [-2, 7], "the roots are -2 and 7")
    c.says("x = 7 or x = &minus;2", min(roots))
    c.says("add up to 5", sum(roots))
    c.says("multiply to &minus;14", roots[0] * roots[1])


@card(40)
def _(c):
    y = F(12 - 2, 2 + 3)
    x = y + 1
    c.says("5y = 10", 5 * y)
    c.says("y = 2", y)
    c.says("x = 2 + 1 = 3", x)
    c.says("2 &times; 3 + 3 &times; 2 = 12", 2 * x + 3 * y)
    c.holds(x - y == 1, "x - y = 1")


@card(41)
def _(c):
    c.holds(solutions(lambda x: -3 * x + 4 > 13) == solutions(lambda x: x < -3), "-3x + 4 > 13 means x < -3")
    c.says("&minus;3x &gt; 9", 13 - 4)
    c.says("12 + 4 = 16", -3 * -4 + 4)


@card(42)
def _(c):
    xs, ys = (-2, 3), (-1, 4)
    products = [x * y for x in xs for y in ys]
    c.says("&minus;2 &minus; 4 = &minus;6", min(xs) - max(ys))
    c.says("3 &minus; (&minus;1) = 4", max(xs) - min(ys))
    c.says("(&minus;2)(&minus;1) = 2", products[0])
    c.says("(&minus;2)(4) = &minus;8", min(products))
    c.says("3(&minus;1) = &minus;3", products[2])
    c.says("3 &times; 4 = 12", max(products))


@card(43)
def _(c):
    found = solutions(lambda x: abs(x) + abs(x - 4) == 6)
    c.holds(found == [-1, 5], "the solutions are -1 and 5")
    c.says("so x = 5", max(found))
    c.says("so x = &minus;1", min(found))


@card(44)
def _(c):
    terms = [7 + (11 - 7) * k for k in range(20)]
    c.holds(terms[:3] == [7, 11, 15], "the sequence starts 7, 11, 15")
    c.says("a<sub>20</sub> = 7 + 19 &times; 4 = 83", terms[-1])
    c.says("20 &times; (7 + 83) &divide; 2 = 900", sum(terms))


@card(45)
def _(c):
    terms = [3 * (6 // 3) ** k for k in range(8)]
    c.holds(terms[:3] == [3, 6, 12], "the sequence starts 3, 6, 12")
    c.says("a<sub>8</sub> = 3 &times; 2<sup>7</sup> = 384", terms[-1])
    c.says("3 &times; (256 &minus; 1) = 765", sum(terms))


@card(46)
def _(c):
    terms = [3]
    while len(terms) < 5:
        terms.append(2 * terms[-1] - 1)
    c.says("a<sub>2</sub> = 2 &times; 3 &minus; 1 = 5", terms[1])
    c.says("a<sub>3</sub> = 9", terms[2])
    c.says("a<sub>4</sub> = 17", terms[3])
    c.says("2 &times; 17 &minus; 1 = 33", terms[4])
    c.answer(str(terms[4]))
    c.holds(all(t == 2 ** (n + 1) + 1 for n, t in enumerate(terms)), "a(n) = 2^n + 1")


@card(47)
def _(c):
    c.says("99x = 36", 36)
    c.says("x = 36/99 = 4/11", F(36, 99))
    c.holds(f"{4 / 11:.6f}".startswith("0.363636"), "4/11 = 0.3636...")


@card(48)
def _(c):
    c.says("it terminates: 0.175", F(7, 40))
    c.says("9/75 = 3/25", F(9, 75))
    c.says("so it terminates: 0.12", F(9, 75))
    c.holds(f"{5 / 12:.6f}".startswith("0.41666"), "5/12 = 0.41666...")
    c.holds(2**3 * 5 == 40 and 2**2 * 3 == 12, "the denominators")


@card(49)
def _(c):
    for fraction, decimal, percent in [
        ("1/8", "0.125", "12.5%"),
        ("3/8", "0.375", "37.5%"),
        ("5/8", "0.625", "62.5%"),
    ]:
        value = F(fraction)
        c.says(f"{fraction} = {decimal}", value)
        c.says(f"{fraction} = {decimal} = {percent}", value * 100)
    c.says("1/6 = 0.1666... &asymp; 16.7", F(100, 6))
    c.says("1/12 = 0.08333... &asymp; 8.3", F(100, 12))


@card(50)
def _(c):
    for n in range(11, 15 + 1):
        c.says(f"{n}<sup>2</sup> = {n * n}", n * n)
    c.says("&radic;2 &asymp; 1.414", math.sqrt(2))
    c.says("&radic;3 &asymp; 1.732", math.sqrt(3))
    c.says("&radic;5 &asymp; 2.236", math.sqrt(5))


@card(51)
def _(c):
    twos = ", ".join(f"{2**k:,}" for k in range(1, 11))
    threes = ", ".join(f"{3**k:,}" for k in range(1, 6 + 1))
    c.holds(twos in c.text, "the powers of 2")
    c.holds(threes in c.text, "the powers of 3")
    c.says("2<sup>10</sup> = 1,024", 2**10)


@card(52)
def _(c):
    odd = [n for n in range(13, 98 + 1) if n % 2]
    c.says("the last is 97", odd[-1])
    c.says("(97 &minus; 13) &divide; 2 + 1 = 43", len(odd))
    c.says("(13 + 97) &divide; 2 = 43 &times; 55", F(odd[0] + odd[-1], 2))
    c.says("= 2,365", sum(odd))


@card(53)
def _(c):
    c.holds(all(k * (k + 1) * (k + 2) % 6 == 0 for k in range(-60, 60)), "three consecutive: divisible by 6")
    c.holds(all(math.prod(range(k, k + 5)) % math.factorial(5) == 0 for k in range(-60, 60)), "n consecutive: n!")
    c.says("18 + 19 + 20 + 21 + 22 = 5 &times; 20 = 100", sum(range(18, 23)))


@card(54)
def _(c):
    expressions = {
        "xy": lambda x, y: x * y,
        "x + 2y": lambda x, y: x + 2 * y,
        "x<sup>2</sup> + y": lambda x, y: x * x + y,
        "3x": lambda x, y: 3 * x,
        "y &minus; y": lambda x, y: y - y,
    }
    pairs = [(x, y) for x in range(-10, 11, 2) for y in range(-9, 10, 2)]
    odd = [name for name, f in expressions.items() if all(f(x, y) % 2 for x, y in pairs)]
    c.holds(len(odd) == 1, "exactly one choice is always odd")
    c.says("xy = 6", 2 * 3)
    c.says("x + 2y = 8", 2 + 2 * 3)
    c.says("3x = 6", 3 * 2)
    c.says("y &minus; y = 0", 0)
    c.says("4 + 3 = 7", 2 * 2 + 3)
    c.answer(odd[0])


@card(55)
def _(c):
    for a, b, h in [(3, 4, 5), (5, 12, 13), (8, 15, 17), (7, 24, 25)]:
        c.holds(a * a + b * b == h * h, f"{a}, {b}, {h} is a right triangle")
        c.holds(f"{a}, {b}, {h}" in c.text, f"lists {a}, {b}, {h}")
    c.says("3 &times; 5 = 15", math.hypot(9, 12))
    c.says("81 + 144 = 225", 9**2 + 12**2)


@card(57)
def _(c):
    c.says("10 &divide; 2 = 5", 10 * math.sin(math.radians(30)))
    c.says("5&radic;3 &asymp; 8.66", 10 * math.sin(math.radians(60)))
    c.holds(abs(math.hypot(1, 1) - math.sqrt(2)) < 1e-12, "45-45-90 is 1 : 1 : root 2")


@card(58)
def _(c):
    area = math.sqrt(3) / 4 * 36
    c.says("9&radic;3 &asymp; 15.59", area)
    c.holds(abs(area - 6 * (6 * math.sqrt(3) / 2) / 2) < 1e-12, "half base times height")


@card(59)
def _(c):
    lengths = [x for x in range(1, 30) if x < 5 + 9 and 9 < x + 5 and 5 < x + 9]
    c.says("9 &minus; 5 &lt; x &lt; 9 + 5, so 4 &lt; x &lt; 14", max(lengths) + 1)
    c.says("that is 9", len(lengths))
    c.answer(str(len(lengths)))


@card(60)
def _(c):
    c.says("(3/2)<sup>2</sup> = 9/4", F(3, 2) ** 2)
    c.says("20 &times; 9/4 = 45", 20 * F(3, 2) ** 2)


@card(61)
def _(c):
    r = F(10, 2)
    c.says("r = 5", r)
    c.says("25&pi; &asymp; 78.5", math.pi * r * r)


@card(62)
def _(c):
    share = F(60, 360)
    c.says("60 &divide; 360 = 1/6", share)
    c.says("2&pi; &asymp; 6.28", float(share) * 2 * math.pi * 6)
    c.says("6&pi; &asymp; 18.85", float(share) * math.pi * 36)


@card(63)
def _(c):
    c.says("100&deg; &divide; 2 = 50", F(100, 2))
    c.says("180&deg; &divide; 2 = 90", F(180, 2))


@card(64)
def _(c):
    side = 10 / math.sqrt(2)
    c.holds(abs(side - 5 * math.sqrt(2)) < 1e-12, "the side is 5 root 2")
    c.says("100 &divide; 2 = 50", round(side * side, 9))
    c.says("25&pi; &minus; 50 &asymp; 28.54", math.pi * 25 - 50)


@card(65)
def _(c):
    c.says("Volume = 3 &times; 4 &times; 12 = 144", 3 * 4 * 12)
    c.says("2(12 + 36 + 48) = 192", 2 * (3 * 4 + 3 * 12 + 4 * 12))
    c.says("&radic;169 = 13", math.sqrt(9 + 16 + 144))


@card(66)
def _(c):
    c.says("90&pi; &asymp; 282.7", math.pi * 9 * 10)
    c.says("2&pi;r<sup>2</sup> = 18", 2 * 9)
    c.says("2&pi;rh = 60", 2 * 3 * 10)
    c.says("78&pi; &asymp; 245.0", 2 * math.pi * 9 + 2 * math.pi * 3 * 10)


@card(67)
def _(c):
    c.says("2<sup>2</sup> = 4", 6 * 6**2 // (6 * 3**2))
    c.says("2<sup>3</sup> = 8", 6**3 // 3**3)
    c.says("surface 54", 6 * 3**2)
    c.says("surface 54 to 216", 6 * 6**2)
    c.says("volume 27", 3**3)
    c.says("volume 27 to 216", 6**3)


@card(68)
def _(c):
    c.says("180&deg; &minus; 65&deg; = 115", 180 - 65)


@card(69)
def _(c):
    c.says("Hexagon: 4 &times; 180&deg; = 720", (6 - 2) * 180)
    c.says("6 &times; 180&deg; &divide; 8 = 135", F((8 - 2) * 180, 8))
    c.says("360&deg; &divide; 8 = 45", F(360, 8))
    c.says("180&deg; &minus; 45&deg; = 135", 180 - F(360, 8))


@card(70)
def _(c):
    m = F(11 - 3, 6 - 2)
    b = 3 - m * 2
    c.says("8 &divide; 4 = 2", m)
    c.says("so b = &minus;1", b)
    c.says("2 &times; 6 &minus; 1 = 11", m * 6 + b)


@card(80)
def _(c):
    c.says("&radic;(36 + 64) = &radic;100 = 10", math.dist((-1, 2), (5, 10)))
    c.says("with legs 6 and 8", 10 - 2)
    c.says("= (2, 6)", F(2 + 10, 2))
    c.holds("= (2, 6)" in c.text and F(-1 + 5, 2) == 2, "the midpoint's x is 2")


@card(81)
def _(c):
    m = -1 / F(2)
    b = 1 - m * 4
    c.ignores(5, "the given line's intercept does not change the slope")
    c.says("the new slope is &minus;1/2", m)
    c.holds(m * 2 == -1, "perpendicular slopes multiply to -1")
    c.says("y = &minus;x/2 + 3", b)
    c.says("&minus;4/2 + 3 = 1", m * 4 + b)


@card(82)
def _(c):
    x, y = F(24, 3), F(24, 4)
    c.says("so 3x = 24 and x = 8", x)
    c.says("so 4y = 24 and y = 6", y)
    c.says("Area = 8 &times; 6 &divide; 2 = 24", x * y / 2)
    c.says("&radic;(64 + 36) = 10", math.hypot(x, y))


@card(83)
def _(c):
    f = lambda x: x * x - 6 * x + 5
    c.says("6 &divide; 2 = 3", F(6, 2))
    c.says("y = 9 &minus; 18 + 5 = &minus;4", f(3))
    roots = solutions(lambda x: f(x) == 0)
    c.holds(roots == [1, 5], "the roots are 1 and 5")
    c.says("at x = 1", roots[0])
    c.says("at x = 5, 2", roots[1] - 3)


@card(84)
def _(c):
    c.says("= 17,576", 26**3)
    c.says("&times; 100 = 1,757,600", 26**3 * 10**2)
    c.says("26 &times; 25 &times; 24 &times; 100 = 1,560,000", math.perm(26, 3) * 100)


@card(85)
def _(c):
    c.says("5! = 120", math.factorial(5))
    c.says("120 &divide; (2! &times; 2!) = 30", len(set(itertools.permutations("LEVEL"))))


@card(86)
def _(c):
    orders = list(itertools.permutations(range(6)))
    together = sum(1 for o in orders if abs(o.index(0) - o.index(1)) == 1)
    c.says("5! = 120", math.factorial(5))
    c.says("within the pair: 240", together)
    c.says("6! = 720", len(orders))
    c.says("720 &minus; 240 = 480", len(orders) - together)


@card(87)
def _(c):
    c.says("C(5, 2) = 10", math.comb(5, 2))
    c.says("C(4, 2) = 6", math.comb(4, 2))
    c.says("10 &times; 6 = 60", math.comb(5, 2) * math.comb(4, 2))


@card(88)
def _(c):
    people = ["m"] * 6 + ["w"] * 4
    groups = list(itertools.combinations(range(10), 3))
    with_woman = sum(1 for g in groups if any(people[i] == "w" for i in g))
    c.says("C(10, 3) = 120", len(groups))
    c.says("C(6, 3) = 20", math.comb(6, 3))
    c.says("120 &minus; 20 = 100", with_woman)
    c.answer(str(with_woman))


@card(89)
def _(c):
    tosses = list(itertools.product("HT", repeat=4))
    two = sum(1 for t in tosses if t.count("H") == 2)
    c.says("2<sup>4</sup> = 16", len(tosses))
    c.says("C(4, 2) = 6", two)
    c.says("6/16 = 3/8", F(two, len(tosses)))


@card(90)
def _(c):
    none = F(5, 6) ** 3
    c.says("(5/6)<sup>3</sup> = 125/216", none)
    c.says("1 &minus; 125/216 = 91/216", 1 - none)
    c.says("91/216 &asymp; 0.42", 1 - none)


@card(91)
def _(c):
    c.says("5/8 &times; 4/7 = 20/56", F(5, 5 + 3) * F(4, 7))
    c.says("20/56 = 5/14", F(5, 8) * F(4, 7))
    c.says("C(5, 2) &divide; C(8, 2) = 10/28", F(math.comb(5, 2), math.comb(8, 2)))
    c.says("10/28 = 5/14", F(math.comb(5, 2), math.comb(8, 2)))


@card(93)
def _(c):
    a, b = F(5, 10), F(4, 10)
    c.says("0.5 &times; 0.4 = 0.2", a * b)
    c.says("0.5 + 0.4 &minus; 0.2 = 0.7", a + b - a * b)
    c.says("1 &minus; 0.5 &times; 0.6 = 0.7", 1 - (1 - a) * (1 - b))


@card(95)
def _(c):
    c.says("Neither = 50 &minus; 45", 30 + 25 - 10)
    c.says("50 &minus; 45 = 5", 50 - (30 + 25 - 10))


@card(98)
def _(c):
    abroad = F(60, 100) * 200
    admitted = F(30, 100) * abroad + F(50, 100) * (200 - abroad)
    c.says("0.6 &times; 200 = 120", abroad)
    c.says("0.3 &times; 120 = 36", F(30, 100) * abroad)
    c.says("200 &minus; 120 = 80", 200 - abroad)
    c.says("0.5 &times; 80 = 40", F(50, 100) * (200 - abroad))
    c.says("36 + 40 = 76", admitted)
    c.answer(str(admitted))


@card(99)
def _(c):
    c.says("1,000 + 2 &times; 100 = $1,200", 1000 + 2 * F(10, 100) * 1000)
    c.says("1.1<sup>2</sup> = 1,000 &times; 1.21", F(11, 10) ** 2)
    c.says("1.21 = $1,210", 1000 * F(11, 10) ** 2)


@card(105)
def _(c):
    factor = F(102, 100) ** 4
    c.says("8% &divide; 4 = 2", F(8, 4))
    c.says("1.02<sup>4</sup> = 5,000 &times; 1.08243216", factor)
    c.says("&asymp; $5,412.16", 5000 * factor)
    c.says("about 8.24", (factor - 1) * 100)


@card(106)
def _(c):
    marked = 80 * (1 + F(25, 100))
    sold = marked * F(90, 100)
    c.says("80 &times; 1.25 = $100", marked)
    c.says("100 &times; 0.90 = $90", sold)
    c.says("90 &minus; 80 = $10", sold - 80)
    c.says("10 &divide; 80 = 12.5", (sold - 80) / 80 * 100)


@card(107)
def _(c):
    b_share = 1 / F(125, 100)
    c.says("1.25 = 0.8", b_share)
    c.says("B is 20", (1 - b_share) * 100)
    c.says("25 &divide; 125 = 20", F(25, 125) * 100)
    c.answer(f"{(1 - b_share) * 100}%")


@card(108)
def _(c):
    k = F(18 - 12, 14 - 12)
    c.says("so k = 3", k)
    c.says("the numbers are 12", 4 * k)
    c.says("the numbers are 12 and 21", 7 * k)
    c.holds(F(4 * k + 6, 7 * k + 6) == F(2, 3), "(4k + 6) : (7k + 6) = 2 : 3")
    c.says("Check: 18 : 27", 7 * k + 6)


@card(109)
def _(c):
    a_leaves, b_leaves = 9, 10
    ahead = 40 * (b_leaves - a_leaves)
    hours = F(ahead, 60 - 40)
    c.says("A is 40", ahead)
    c.says("60 &minus; 40 = 20", 60 - 40)
    c.says("40 &divide; 20 = 2", hours)
    c.says("both 120", 60 * hours)
    c.holds(60 * hours == 40 * (hours + b_leaves - a_leaves), "both have driven as far")
    c.answer(f"{b_leaves + hours}:00")


@card(110)
def _(c):
    rate = F(240, 6 * 4)
    c.says("240 &divide; (6 &times; 4) = 10", rate)
    c.says("9 &times; 5 &times; 10 = 450", 9 * 5 * rate)
    c.says("240 &times; (9/6) &times; (5/4) = 450", 240 * F(9, 6) * F(5, 4))


@card(111)
def _(c):
    ab, bc, ac = F(1, 12), F(1, 15), F(1, 20)
    everyone = (ab + bc + ac) / 2
    c.says("5/60 + 4/60 + 3/60 = 1/5", ab + bc + ac)
    c.says("A + B + C = 1/10", everyone)
    c.says("all three take 10", 1 / everyone)
    c.says("= 1/30", everyone - bc)
    c.says("A alone takes 30", 1 / (everyone - bc))


@card(112)
def _(c):
    digits = [int(d) for d in "918082"]
    alternating = sum(d if i % 2 == 0 else -d for i, d in enumerate(digits))
    c.says("9 &minus; 1 + 8 &minus; 0 + 8 &minus; 2 = 22", alternating)
    c.says("918,082 = 11 &times; 83,462", F(918082, 11))
    c.holds(918082 % 11 == 0, "918,082 is divisible by 11")
    c.holds(all((n % 6 == 0) == (n % 2 == 0 and n % 3 == 0) for n in range(1, 3000)), "the rule for 6")
    c.holds(all((n % 8 == 0) == (n % 1000 % 8 == 0) for n in range(1, 30000)), "the rule for 8")


@card(113)
def _(c):
    candidates = [n for n in range(1, 2000) if n * n % 72 == 0]
    must = math.gcd(*candidates)
    c.says("2<sup>2</sup> &times; 3 = 12", must)
    c.says("The smallest such n is 12", candidates[0])
    c.says("144 = 2", 144 // 72)
    c.answer(str(must))


@card(114)
def _(c):
    text = str(math.factorial(25))
    zeros = len(text) - len(text.rstrip("0"))
    c.says("25 &divide; 5 = 5", 25 // 5)
    c.says("25 &divide; 25 = 1", 25 // 25)
    c.says("5 + 1 = 6", zeros)


@card(115)
def _(c):
    x = next(x for x in range(-10, 10) if F(4) ** x == F(8) ** (x - 1))
    c.says("so x = 3", x)
    c.says("4<sup>3</sup> = 64", 4**x)
    c.says("8<sup>2</sup> = 64", 8 ** (x - 1))


@card(116)
def _(c):
    f = lambda x: 2 * x * x - 3
    c.says("f(&minus;2) = 2 &times; 4 &minus; 3 = 5", f(-2))
    c.says("f(2) = 5", f(2))
    c.says("2 &times; 25 &minus; 3 = 47", f(f(2)))


@card(117)
def _(c):
    r, s = F(7 + 3, 2), F(7 - 3, 2)
    c.says("so r = 5", r)
    c.says("and s = 2", s)
    c.says("k = rs = 10", r * s)
    c.holds(r + s == 7 and r - s == 3, "the roots add to 7 and differ by 3")
    c.holds(all(x * x - 7 * x + r * s == 0 for x in (r, s)), "both are roots")


@card(118)
def _(c):
    small = solutions(lambda x: x * x < x, -3, 3, F(1, 8))
    c.holds(min(small) == F(1, 8) and max(small) == F(7, 8), "x^2 < x between 0 and 1")
    c.says("so 0 &lt; x &lt; 1", max(small) + F(1, 8))
    negative = solutions(lambda x: x * x - x - 6 < 0)
    c.says("&minus;2 &lt; x", min(negative) - F(1, 4))
    c.says("&minus;2 &lt; x &lt; 3", max(negative) + F(1, 4))


@card(119)
def _(c):
    best = max(
        max(g)
        for g in itertools.combinations(range(1, 51), 5)
        if sum(g) == 50 and sorted(g)[2] == 12
    )
    c.says("5 &times; 10 = 50", 5 * 10)
    c.says("50 &minus; (1 + 2 + 12 + 13) = 22", best)
    c.answer(str(best))


@card(120)
def _(c):
    x = F(4 * 21 - 30, 6)
    c.says("4 &times; 21 = 84", 4 * 21)
    c.says("6x = 54", 6 * x)
    c.says("x = 9", x)
    c.says("9 + 18 + 27 + 30 = 84", x + 2 * x + 3 * x + 30)


@card(121)
def _(c):
    c.says("radius &radic;25 = 5", math.sqrt(25))
    c.says("9 + 16 = 25", (5 - 2) ** 2 + (3 + 1) ** 2)


@card(122)
def _(c):
    circumference = 2 * F(22, 7) * 35
    c.says("2 &times; 22/7 &times; 35 = 220", circumference)
    c.says("1.1 km = 110,000", F(11, 10) * 100000)
    c.says("110,000 &divide; 220 = 500", F(110000) / circumference)


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT
    rows = json.loads(path.read_text(encoding="utf-8"))["cards"]
    failures = []
    for row in rows:
        checker = CHECKERS.get(row["id"])
        if checker is None:
            failures.append(f"card {row['id']}: no checker recomputes its numbers")
            continue
        c = Card(row)
        checker(c)
        if not c.confirmed:
            c.fail("its checker confirmed nothing")
        # The problem's data: every number of the face (not of its choices) is one the checker
        # computes with, so that a changed face cannot leave the check working out another problem.
        literals = set(re.findall(r"\d+(?:\.\d+)?", inspect.getsource(checker)))
        for number in re.findall(r"\d+(?:\.\d+)?", plain(" ".join(row["face"]))):
            if number not in literals and number not in c.ignored:
                c.fail(f"its checker does not use the face's number {number}")
        failures += c.failures
    for identifier in sorted(set(CHECKERS) - {row["id"] for row in rows}):
        failures.append(f"card {identifier}: has a checker but is not in the deck")
    for failure in failures:
        print(failure)
    print(f"{len(rows)} cards checked, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
