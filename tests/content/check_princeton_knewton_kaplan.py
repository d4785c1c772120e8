#!/usr/bin/env python3
"""Recomputes the keyed answer of every problem-solving and data-sufficiency question of the
Princeton Review, Knewton and Kaplan sets from the checks in princeton_knewton_kaplan_checks.py.

A problem-solving check returns the answer's value (or its exact text); exactly one option must
hold that value and it must be the keyed one. A data-sufficiency check lists the possible cases
with the question and the two statements as functions; the letter follows from which statements
leave one answer, and the script prints (with -v) a counterexample pair for each statement that
does not.
The test fails if a record has no check or a check disagrees with the key. The checks are in
princeton_review_checks.py, knewton_checks.py and kaplan_checks.py."""

import html
import json
import math
import re
import sys
from fractions import Fraction
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import kaplan_checks  # noqa: E402,F401  (importing a module registers its checks)
import knewton_checks  # noqa: E402,F401
import princeton_review_checks  # noqa: E402,F401
from princeton_knewton_kaplan_support import CHECKS, DS  # noqa: E402

SETS = {"PR": "MPrincetonReviewSet", "KN": "MKnewtonSet", "KA": "MKaplanSet"}
DATA = HERE.parent.parent / "resources" / "question_sets"


def option_text(option):
    text = re.sub(r"<[^>]+>", "", option)
    return " ".join(html.unescape(text).split())


def option_value(option):
    """The number an option states, or None when it is not a number."""
    text = re.sub(r"<sup>(.*?)</sup>", r"**(\1)", option)
    text = re.sub(r"<[^>]+>", "", text)
    text = html.unescape(text).replace("\u2212", "-").replace("\u00d7", "*").replace("\u221a", " sqrt")
    text = text.replace("\u03c0", " pi").replace("$", "").replace(",", "").replace("%", "")
    text = re.sub(r"\b(sq|square|cubic)?\s*(feet|foot|inches|inch|miles|mile|meters|hours|hour|minutes|"
                  r"days|years|dollars|cents|percent|units|degrees|cm|km|per|mph|liters|gallons|pounds|"
                  r"kilograms|ounces|seconds|weeks|months|people|students|points|items)\b", " ", text)
    text = re.sub(r"sqrt\s*(\d+(\.\d+)?|\([^)]*\))", r"sqrt(\1)", text)
    text = re.sub(r"(\d|\))\s*(sqrt|pi|\()", r"\1*\2", text)
    text = text.strip()
    if not text or not re.fullmatch(r"[-+*/().\d\s a-z]*", text) or re.search(r"[a-z]", text.replace(
            "sqrt", "").replace("pi", "")):
        return None
    try:
        return eval(text, {"__builtins__": {}}, {"sqrt": math.sqrt, "pi": math.pi})
    except Exception:
        return None


def same(a, b):
    if a is None or b is None:
        return False
    return math.isclose(float(a), float(b), rel_tol=1e-9, abs_tol=1e-9)


def ps_letter(where, record, value):
    if isinstance(value, str):
        hits = [i for i, o in enumerate(record["options"]) if option_text(o) == value]
    else:
        hits = [i for i, o in enumerate(record["options"]) if same(option_value(o), value)]
    if len(hits) != 1:
        return None, f"{where}: the computed answer {value!r} matches {len(hits)} options"
    return hits[0] + 1, None


def ds_letter(where, check):
    def answers(pred):
        found = {}
        for case in check.cases:
            if pred(case):
                found.setdefault(check.question(case), case)
        return found

    one = answers(check.s1)
    two = answers(check.s2)
    both = answers(lambda c: check.s1(c) and check.s2(c))
    if not both:
        return None, f"{where}: no case satisfies both statements"
    notes = []
    for name, found in (("(1)", one), ("(2)", two), ("(1)+(2)", both)):
        if len(found) > 1:
            (qa, ca), (qb, cb) = list(found.items())[:2]
            notes.append(f"{name} insufficient: {ca} gives {qa}, {cb} gives {qb}")
    if len(one) == 1 and len(two) == 1:
        if set(one) != set(two):
            return None, f"{where}: the statements contradict each other"
        letter = 4
    elif len(one) == 1:
        letter = 1
    elif len(two) == 1:
        letter = 2
    elif len(both) == 1:
        letter = 3
    else:
        letter = 5
    return letter, "; ".join(notes)


def main():
    failures, checked = [], 0
    verbose = "-v" in sys.argv
    for short, builder in SETS.items():
        data = json.loads((DATA / f"{builder}.json").read_text(encoding="utf-8"))
        for record in data["records"]:
            if record["type"] not in (1, 2):
                continue
            where = f"{builder} {record['number']}"
            check = CHECKS.get((short, record["number"]))
            if check is None:
                failures.append(f"{where}: no check")
                continue
            result = check()
            if record["type"] == 2:
                if not isinstance(result, DS):
                    failures.append(f"{where}: a data-sufficiency check must describe its cases")
                    continue
                letter, note = ds_letter(where, result)
            else:
                letter, note = ps_letter(where, record, result)
            checked += 1
            if letter is None:
                failures.append(note)
            elif letter != record["answer"]:
                failures.append(f"{where}: computed {'ABCDE'[letter - 1]}, keyed {'ABCDE'[record['answer'] - 1]}"
                                + (f" ({note})" if note else ""))
            elif verbose and note:
                print(f"{where}: {note}")
    unused = set(CHECKS) - {(s, r["number"]) for s, b in SETS.items()
                            for r in json.loads((DATA / f"{b}.json").read_text(encoding="utf-8"))["records"]
                            if r["type"] in (1, 2)}
    failures += [f"check for {s} {n} has no question" for s, n in sorted(unused)]
    for line in failures:
        print("FAIL", line)
    print(f"{checked} numeric questions checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
