#!/usr/bin/env python3
"""Recomputes the right answer of every question of the hard quantitative set from its own numbers
and compares it with the answer the data files give. Fails when a record has no check, when a check
disagrees with the record's answer, or when a problem-solving record's computed value matches no
option or more than one.

    tests/content/check_hard_quant.py [RESOURCES_DIR]"""
import html
import json
import math
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import hard_quant_checks_1  # noqa: E402
import hard_quant_checks_200  # noqa: E402

LETTERS = "ABCDE"


def option_value(fragment):
    """The number an option shows, or its plain text when it is not a number."""
    text = re.sub(r'&radic;<span style="text-decoration: overline">(.*?)</span>', r"sqrt(\1)", fragment)
    text = re.sub(r"<sup>3</sup>sqrt\(", "cbrt(", text)
    text = re.sub(r"<sup>(.*?)</sup>", r"**(\1)", text)
    text = html.unescape(re.sub(r"<[^>]+>", "", text)).strip()
    plain = text
    expr = text.replace("\u2212", "-").replace("\u00d7", "*").replace("\u03c0", "pi").replace("\u221a", "sqrt")
    expr = expr.replace("$", "").replace(",", "").replace("%", "").strip()
    expr = re.sub(r"(\d|\))\s*(sqrt|cbrt|pi|\()", r"\1*\2", expr)
    expr = re.sub(r"pi\s*(\d|\()", r"pi*\1", expr)
    if not re.fullmatch(r"[-+*/().0-9 a-z]*", expr) or re.search(r"[a-z]", re.sub(r"sqrt|cbrt|pi", "", expr)):
        return plain
    try:
        return float(eval(expr, {"__builtins__": {}},
                          {"sqrt": math.sqrt, "cbrt": lambda v: v ** (1 / 3), "pi": math.pi}))
    except (SyntaxError, ZeroDivisionError, TypeError):
        return plain


def same(value, shown):
    if isinstance(value, str) or isinstance(shown, str):
        return isinstance(value, str) and isinstance(shown, str) and " ".join(value.split()) == " ".join(shown.split())
    return math.isclose(float(value), shown, rel_tol=1e-9, abs_tol=1e-9)


def check_builder(path, table):
    with open(path, encoding="utf-8") as f:
        records = json.load(f)["records"]
    faults = []
    for record in records:
        number, kind = record["number"], record["type"]
        where = f"{table.builder} {number}"
        if number not in table.checks:
            faults.append(f"{where}: no check")
            continue
        check_kind, check = table.checks[number]
        if check_kind != kind:
            faults.append(f"{where}: the check is for type {check_kind}, the record has type {kind}")
            continue
        keyed = LETTERS[record["answer"] - 1]
        try:
            result = check()
        except Exception as error:  # a check that cannot run is a fault of the record
            faults.append(f"{where}: the check failed: {error!r}")
            continue
        if kind == 2:
            if result != keyed:
                faults.append(f"{where}: the cases give {result}, the record says {keyed}")
            continue
        shown = [option_value(o) for o in record["options"]]
        matches = [LETTERS[k] for k, o in enumerate(shown) if same(result, o)]
        if matches != [keyed]:
            faults.append(f"{where}: computed {result!r} matches options {matches}, the record says {keyed} "
                          f"(options read as {shown})")
    unused = sorted(set(table.checks) - {r["number"] for r in records})
    return faults, len(records), unused


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    resources = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources")
    failed = False
    for table in (hard_quant_checks_1.TABLE, hard_quant_checks_200.TABLE):
        path = os.path.join(resources, "question_sets", table.builder + ".json")
        faults, count, unused = check_builder(path, table)
        for fault in faults:
            print(fault)
        print(f"{table.builder}: {count} records, {count - len(faults)} agree with their checks"
              + (f"; checks without a record: {unused}" if unused else ""))
        failed = failed or bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
