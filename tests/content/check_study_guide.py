"""The library's study guide: its thirteen pages are there, each with the parts the reader's page
scripts work on (lists, a block quote), every picture a page names is in the bundle, links between
pages lead to pages of the guide, and the figures the pages state are recomputed here."""
import pathlib
import re
import sys
from fractions import Fraction

resources = pathlib.Path(sys.argv[1])
files = ["01_introduction", "02_format_of_exam", "02_01_format_of_exam", "02_02_format_of_exam",
         "02_03_format_of_exam", "03_scoring", "04_topics_tested_on_the_orva", "05_what_happens_on_test_day",
         "06_admissions_process", "07_types_of_mba_programs", "08_visiting_schools", "09_interviews",
         "10_on_your_mark"]
failures = []
text = {}
for name in files:
    path = resources / f"{name}.htm"
    if not path.is_file():
        failures.append(f"{name}.htm is missing")
        continue
    page = path.read_text(encoding="utf-8")
    text[name] = page
    if "<blockquote>" not in page or not re.search(r"<(ul|ol)>", page):
        failures.append(f"{name}.htm lacks a list or a block quote")
    for source in re.findall(r'src="([^"]+)"', page):
        if not (resources / source).is_file():
            failures.append(f"{name}.htm names the missing picture {source}")
    for link in re.findall(r'href="([^"#]+\.htm)"', page):
        if link[:-4] not in files:
            failures.append(f"{name}.htm links outside the guide: {link}")
if not any("<img" in page for page in text.values()):
    failures.append("no page has a picture")


def states(name, phrase, holds):
    if phrase not in text.get(name, ""):
        failures.append(f"{name}.htm no longer says '{phrase}'")
    elif not holds:
        failures.append(f"{name}.htm says '{phrase}', which the numbers do not bear out")


awa, quant, verbal = 2 * 30, 75, 75
states("02_format_of_exam", "210 minutes of testing", awa + quant + verbal == 210)
states("02_02_format_of_exam", "just over two minutes per question", 120 < Fraction(75 * 60, 37) < 125)
states("02_03_format_of_exam", "a little under one minute and 50 seconds per question",
       105 < Fraction(75 * 60, 41) < 110)
states("03_scoring", "right one time in five", Fraction(1, 5) == Fraction(1, 5))
states("03_scoring", "the odds become one in three", Fraction(1, 5 - 2) == Fraction(1, 3))
states("03_scoring", "from 200 to 800 in steps of 10", (800 - 200) % 10 == 0)

for failure in failures:
    print(failure)
checks = len(files) + 6
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
