"""The maths review's eight pages: each is there with its style sheet and figures, and every answer a
worked example states (each `<span class="answer" data-check="KEY">`) is recomputed here and must
read exactly as the page writes it."""
import html
import math
import pathlib
import re
import sys
from fractions import Fraction
from itertools import product
from statistics import fmean, pstdev

resources = pathlib.Path(sys.argv[1])
pages = ["math_number_theory_index", "math_per_index", "math_abs_index", "math_tri_index", "math_cir_index",
         "math_cg_index", "math_std_index", "math_pro_index"]


def divisors(n):
    return [d for d in range(1, n + 1) if n % d == 0]


def fraction(f):
    f = Fraction(f)
    text = str(f.numerator) if f.denominator == 1 else f"{f.numerator}/{f.denominator}"
    return text.replace("-", "\u2212")


def decimals(x, places=2):
    return f"{x:.{places}f}"


def number(x):
    text = f"{x:,.2f}" if isinstance(x, float) and x != int(x) else f"{int(round(x)):d}"
    return text.replace("-", "\u2212")


sd_a = [2, 4, 4, 4, 5, 5, 7, 9]
sd_b = [4, 5, 5, 5, 5, 5, 5, 6]
A, B = (-2, -1), (4, 3)
slope = Fraction(B[1] - A[1], B[0] - A[0])
dice = list(product(range(1, 7), repeat=2))
expected = {
    "nt-divisors-360": str(len(divisors(360))),
    "nt-gcd": str(math.gcd(84, 126)),
    "nt-lcm": str(math.lcm(84, 126)),
    "nt-remainder": str({(4 * n) % 7 for n in range(3, 300, 7)}.pop()),
    "nt-sum-20-60": str(sum(range(20, 61))),
    "per-part": f"{Fraction(30, 120) * 100}%",
    "per-up-down": number(80 * Fraction(125, 100) * Fraction(80, 100)),
    "per-change": f"{abs(Fraction(200 - 250, 250) * 100)}%",
    "per-compound": f"{1000 * 1.05 ** 2:,.2f}",
    "abs-count": str(sum(1 for x in range(-50, 50) if abs(x - 2) <= 3)),
    "abs-sum": number(sum(x for x in range(-50, 50) if abs(2 * x + 1) == 7)),
    "abs-min": str(min(abs(Fraction(x, 10)) + abs(Fraction(x, 10) - 4) for x in range(-100, 100))),
    "tri-hyp": number(math.hypot(6, 8)),
    "tri-area": number(6 * 8 / 2),
    "tri-3060-hyp": number(2 * 5),
    "tri-3060-leg": decimals(5 * math.sqrt(3)),
    "tri-third-side": str(sum(1 for c in range(1, 50) if 9 - 4 < c < 9 + 4)),
    "tri-equilateral": decimals(6 ** 2 * math.sqrt(3) / 4),
    "cir-circumference": decimals(2 * math.pi * 5),
    "cir-area": decimals(math.pi * 25),
    "cir-sector": decimals(72 / 360 * math.pi * 25),
    "cir-arc": decimals(72 / 360 * 2 * math.pi * 5),
    "cir-square": number((2 * 5) ** 2 / 2),
    "cg-slope": fraction(slope),
    "cg-perpendicular": fraction(-1 / slope),
    "cg-intercept": fraction(B[1] - slope * B[0]),
    "cg-distance": decimals(math.dist(A, B)),
    "cg-midpoint": f"({number((A[0] + B[0]) / 2)}, {number((A[1] + B[1]) / 2)})",
    "std-basic": number(pstdev(sd_a)),
    "std-close": f"{pstdev(sd_b):g}",
    "std-transformed": number(pstdev([3 * (x + 10) for x in sd_a])),
    "pro-dice": fraction(Fraction(sum(1 for a, b in dice if a + b == 7), len(dice))),
    "pro-heads": fraction(Fraction(sum(1 for t in product("HT", repeat=3) if "H" in t), 8)),
    "pro-marbles": fraction(Fraction(5, 8) * Fraction(4, 7)),
    "pro-union": f"{0.5 + 0.4 - 0.2:.1f}",
}
assert fmean(sd_a) == fmean(sd_b) == 5

failures = []
found = {}
for name in pages:
    path = resources / f"{name}.htm"
    if not path.is_file():
        failures.append(f"{name}.htm is missing")
        continue
    page = path.read_text(encoding="utf-8")
    if 'href="ReferencePages.css"' not in page or not (resources / "ReferencePages.css").is_file():
        failures.append(f"{name}.htm lacks the style sheet")
    pictures = re.findall(r'src="([^"]+)"', page)
    if not pictures:
        failures.append(f"{name}.htm has no figure")
    for source in pictures:
        if not (resources / "images" / source).is_file() and not (resources / source).is_file():
            failures.append(f"{name}.htm names the missing picture {source}")
    if page.count('class="example"') < 3:
        failures.append(f"{name}.htm has fewer than three worked examples")
    for key, text in re.findall(r'<span class="answer" data-check="([^"]+)">(.*?)</span>', page):
        found[key] = name
        if key not in expected:
            failures.append(f"{name}.htm: the answer {key} has no check")
        elif html.unescape(text) != expected[key]:
            failures.append(f"{name}.htm: {key} reads {html.unescape(text)!r}, recomputed {expected[key]!r}")
for key in expected:
    if key not in found:
        failures.append(f"no page states the answer {key}")

for failure in failures:
    print(failure)
print(f"{len(expected)} answers checked, {len(failures)} failures")
sys.exit(1 if failures else 0)
