#!/usr/bin/env python3
"""Recomputes the answer of every problem-solving and data-sufficiency question of the two Manhattan sets.

A problem-solving check computes the answer from the numbers in the question; the one option that
equals it must be the keyed one. A data-sufficiency check describes the cases the question allows,
the quantity asked for and the two statements; every statement that is called sufficient must give one
answer in all its cases, and every other statement must allow two cases with different answers (the
script names such a pair). The answer letter that follows must be the keyed one.

The checks are written from the questions, not from the explanations. Run with -v to see the pairs.
"""
import html
import json
import math
import os
import re
import sys
from fractions import Fraction as F
from itertools import product

sys.dont_write_bytecode = True  # keep the source tree clean when run by hand
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
SETS = os.path.join(HERE, '..', '..', 'resources', 'question_sets')

CHECKS = {}


def ps(builder, number):
    """Registers a problem-solving check: a function returning the answer (a number or an option text)."""
    def register(f):
        assert (builder, number, 1) not in CHECKS, (builder, number)
        CHECKS[(builder, number, 1)] = f
        return f
    return register


def ds(builder, number, space, ask, s1, s2):
    """Registers a data-sufficiency check.

    space: the cases the question allows, as tuples; ask(*case): the answer to the question in that
    case; s1(*case), s2(*case): whether the statement holds in that case.
    """
    assert (builder, number, 2) not in CHECKS, (builder, number)
    CHECKS[(builder, number, 2)] = (space, ask, s1, s2)


def grid(lo, hi, step=F(1)):
    """The numbers lo, lo + step, ..., hi as exact fractions."""
    out, x = [], F(lo)
    while x <= hi:
        out.append(x)
        x += step
    return out


def ints(lo, hi):
    return range(lo, hi + 1)


def near(a, b):
    return abs(a - b) <= 1e-9 * max(1.0, abs(a), abs(b))


def option_text(option):
    text = html.unescape(re.sub(r'<[^>]+>', '', option))
    return ' '.join(text.replace('\u2212', '-').replace('\u2013', '-').split())


def option_value(option):
    """The number an option states, or None when it is not a plain number."""
    t = option_text(option).replace(',', '').replace('$', '').replace('%', '').replace(' ', '')
    t = re.sub(r'(\d)(\u221a|\u03c0|\()', r'\1*\2', t)
    t = re.sub(r'(\))(\d|\u221a|\u03c0)', r'\1*\2', t)
    t = re.sub(r'\u221a(\d+)', r'sqrt(\1)', t).replace('\u221a(', 'sqrt(')
    t = t.replace('\u03c0', 'pi').replace('\u00d7', '*').replace('^', '**')
    if not re.fullmatch(r'[-+*/().\d]*(sqrt|pi)?[-+*/().\dsqrtpi]*', t) or not t:
        return None
    try:
        return float(eval(t, {'__builtins__': {}}, {'sqrt': math.sqrt, 'pi': math.pi}))
    except Exception:
        return None


def check_ps(key, record, f):
    want = f()
    matches = []
    for i, o in enumerate(record['options']):
        if isinstance(want, str):
            if option_text(o) == want:
                matches.append(i)
        else:
            v = option_value(o)
            if v is not None and near(v, float(want)):
                matches.append(i)
    if len(matches) != 1:
        return 'computed %r, which matches options %s' % (want, [chr(65 + i) for i in matches])
    if matches[0] + 1 != record['answer']:
        return 'computed %r = option %s, keyed %s' % (want, chr(65 + matches[0]), chr(64 + record['answer']))
    return None


def answers(space, ask, holds):
    found = {}
    for case in space:
        if holds(*case):
            a = ask(*case)
            if a not in found:
                found[a] = case
    return found


def check_ds(key, record, check, verbose):
    space, ask, s1, s2 = check
    space = list(space)
    one = answers(space, ask, s1)
    two = answers(space, ask, s2)
    both = answers(space, ask, lambda *c: s1(*c) and s2(*c))
    if not one or not two or not both:
        return 'a statement (or the two together) holds in no case of the space'
    suff1, suff2, suffb = len(one) == 1, len(two) == 1, len(both) == 1
    letter = 'D' if suff1 and suff2 else 'A' if suff1 else 'B' if suff2 else 'C' if suffb else 'E'
    if verbose:
        for name, found in (('(1)', one), ('(2)', two), ('both', both)):
            cases = list(found.items())[:2]
            print('   %s %s: %s' % (key, name, '; '.join('%s gives %s' % (c, a) for a, c in cases)))
    if letter != chr(64 + record['answer']):
        return 'the statements give %s, keyed %s' % (letter, chr(64 + record['answer']))
    return None


MR_TAGS = ["Arithmetic", "Fractions", "Algebra", "Rate", "Roots", "Geometry", "Work", "Sets", "Statistics",
           "Mixture", "Inequalities", "Percents", "Triangles", "Remainder", "Ratios", "Counting", "Equations",
           "Mixtures", "Area", "Profit/Loss", "Logical Predication", "Parallelism", "Agreement", "Pronouns",
           "Comparisons", "Usage/Style", "Idiom", "Verb Errors (Tense)", "Verb Errors (Number)",
           "Verb Errors (Tense)/Idiom", "Diction/Redundancy", "Pronouns/Parallelism", "Sentence Construction",
           "Parallelism/Idiom", "Diction", "Pronoun/Idiom", "Strengthen", "Weaken", "Plan/Proposal",
           "Inference", "ID Assumption", "Paradox", "Explanation", "Conclusion"]


def check_tags(records, complete):
    """Manhattan Review's tags: the set's strings in their order of first use, and how many each record has."""
    problems, first = [], []
    per = {1: 0, 2: 0, 3: 0}
    untagged = {1: 0, 2: 0}
    for r in records:
        tags = r.get('tags')
        if tags is None:
            if r['type'] not in (1, 2):
                problems.append('record %d/%d has no tags' % (r['number'], r['type']))
            else:
                untagged[r['type']] += 1
            continue
        if not 1 <= len(tags) <= 3:
            problems.append('record %d/%d has %d tags' % (r['number'], r['type'], len(tags)))
            continue
        per[len(tags)] += 1
        for t in tags:
            if t not in MR_TAGS:
                problems.append('record %d/%d: unknown tag %r' % (r['number'], r['type'], t))
            elif t not in first:
                first.append(t)
    if first != MR_TAGS[:len(first)]:
        problems.append('tags first used in the order %s' % first)
    if complete and (first != MR_TAGS or per != {1: 166, 2: 16, 3: 1} or untagged != {1: 26, 2: 27}):
        problems.append('tag counts %s, untagged %s, %d strings used' % (per, untagged, len(first)))
    return problems


def main():
    verbose = '-v' in sys.argv
    # The check files register with the module of this name, which is not this script's own module
    # when the script is run directly.
    import check_manhattan as core
    import checks_manhattan_review  # noqa: F401
    import checks_manhattan_orva  # noqa: F401
    checks = core.CHECKS
    failures, checked = [], 0
    for builder, short, size in (('MManhattanReviewSet', 'MR', 236), ('MManhattanORVASet', 'OR', 77)):
        with open(os.path.join(SETS, builder + '.json'), encoding='utf-8') as f:
            records = json.load(f)['records']
        seen = set()
        for r in records:
            if r['type'] not in (1, 2):
                continue
            key = (short, r['number'], r['type'])
            seen.add(key)
            check = checks.get(key)
            if check is None:
                failures.append('%s %d/%d: no check' % key)
                continue
            problem = check_ps(key, r, check) if r['type'] == 1 else check_ds(key, r, check, verbose)
            checked += 1
            if problem:
                failures.append('%s %d/%d: %s' % (key + (problem,)))
        for key in checks:
            if key[0] == short and key not in seen:
                failures.append('%s %d/%d: a check for a question that is not there' % key)
        if short == 'MR':
            failures += ['MR tags: ' + p for p in check_tags(records, len(records) == size)]
        else:
            failures += ['OR %d: tags must be an empty array' % r['number'] for r in records if r.get('tags') != []]
    for line in failures:
        print('FAIL', line)
    print('%d questions checked, %d failures' % (checked, len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
