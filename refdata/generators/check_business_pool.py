#!/usr/bin/env python3
"""Checks the pool of business-name characters and prints its supply.

    python3 refdata/generators/check_business_pool.py

Reads, and writes nothing:
- refdata/pools/business_pool.tsv (zi, role, element, gloss): the reviewed
  characters a shop, company or brand name is drawn from;
- refdata/generators/word_element_exceptions.tsv (zi, element,
  rule_element, reason): each pool character whose element, read by meaning
  first, differs from the rule of word.tsv (Kangxi radical, else the initial);
- refdata/pools/business_pool_excluded.tsv (zi, reason): the characters of
  cyzi.txt left out of the pool;
- refdata/Zelmar/word.tsv and refdata/pools/cyzi.txt.

Checks: each file is UTF-8 with LF line ends, ends with one LF, has the
expected header and the same field count on every row; every zi is one
character of word.tsv and appears once; role is first, last or either;
element is one of 金 木 水 火 土; the gloss is 1 to 16 characters and the
reason of an exception 1 to 30; all text encodes in GBK. A pool character
whose element differs from word.tsv has an exception row, and every
exception row names a pool character, repeats its element, gives the rule's
element and differs from it (word.tsv may already carry the exception, so
its element must be either the rule's or the pool's). No excluded character
is in the pool, and pool plus exclusions cover cyzi.txt.

Then prints the count of each element in each role, and how many characters
of each element can stand first (first or either) and last (last or
either): at least 30 first and 20 last, so that a run filtered on one
element still fills its pages (only real trade endings such as 达 昌 顺 隆
may close a body, so fewer characters stand last than first). Exits with
status 1 when anything fails.
Standard library only.
"""

import collections
import os
import sys

REFDATA = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
POOL = os.path.join(REFDATA, "pools", "business_pool.tsv")
EXCEPTIONS = os.path.join(REFDATA, "generators", "word_element_exceptions.tsv")
EXCLUDED = os.path.join(REFDATA, "pools", "business_pool_excluded.tsv")
WORD = os.path.join(REFDATA, "Zelmar", "word.tsv")
CYZI = os.path.join(REFDATA, "pools", "cyzi.txt")

ELEMENTS = "金木水火土"
ROLES = ("first", "last", "either")
MIN_FIRST = 30
MIN_LAST = 20
MAX_GLOSS = 16
MAX_REASON = 30

errors = []


def fail(message):
    errors.append(message)


def read_table(path, header):
    """Returns the rows of a TSV file as lists of fields, after checking its form."""
    name = os.path.relpath(path, REFDATA)
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        fail(f"{name}: not UTF-8 ({e})")
        return []
    if "\r" in text:
        fail(f"{name}: CR line end")
    if not text.endswith("\n") or text.endswith("\n\n"):
        fail(f"{name}: must end with exactly one LF")
    lines = text.rstrip("\n").split("\n")
    if lines[0].split("\t") != header:
        fail(f"{name}: header is {lines[0]!r}, expected {chr(9).join(header)!r}")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != len(header):
            fail(f"{name}:{number}: {len(fields)} fields, expected {len(header)}")
            continue
        for field in fields:
            if not field or field != field.strip():
                fail(f"{name}:{number}: empty field or stray spaces")
            try:
                field.encode("gbk")
            except UnicodeEncodeError:
                fail(f"{name}:{number}: {field!r} does not encode in GBK")
        rows.append((number, fields))
    return rows


def read_word():
    with open(WORD, encoding="utf-8") as f:
        lines = f.read().rstrip("\n").split("\n")
    header = lines[0].split("\t")
    word = {}
    for line in lines[1:]:
        row = dict(zip(header, line.split("\t")))
        word[row["zi"]] = row["wuhang"]
    return word


def check_zi(name, number, zi, word, seen):
    if len(zi) != 1 or zi not in word:
        fail(f"{name}:{number}: {zi!r} is not one character of word.tsv")
    if zi in seen:
        fail(f"{name}:{number}: {zi} appears twice")
    seen.add(zi)


def main():
    word = read_word()

    pool = {}
    seen = set()
    endings = collections.Counter()
    for number, (zi, role, element, gloss, ending) in read_table(POOL, ["zi", "role", "element", "gloss", "ending"]):
        if ending not in ("0", "1"):
            fail(f"business_pool.tsv:{number}: ending {ending!r}, expected 0 or 1")
        if ending == "1":
            if role == "first":
                fail(f"business_pool.tsv:{number}: {zi} is a trade ending but may only open a body")
            endings[element] += 1
        check_zi("business_pool.tsv", number, zi, word, seen)
        if role not in ROLES:
            fail(f"business_pool.tsv:{number}: role {role!r}")
        if len(element) != 1 or element not in ELEMENTS:
            fail(f"business_pool.tsv:{number}: element {element!r}")
        if len(gloss) > MAX_GLOSS:
            fail(f"business_pool.tsv:{number}: gloss of {zi} has {len(gloss)} characters")
        pool[zi] = (role, element)

    exceptions = {}
    seen = set()
    header = ["zi", "element", "rule_element", "reason"]
    for number, (zi, element, rule, reason) in read_table(EXCEPTIONS, header):
        check_zi("word_element_exceptions.tsv", number, zi, word, seen)
        where = f"word_element_exceptions.tsv:{number}"
        # The file covers the pool and the characters most used in names; a pool character's
        # element must be the reviewed one.
        if zi in pool and pool[zi][1] != element:
            fail(f"{where}: {zi} is {pool[zi][1]} in the pool, {element} here")
        if element == rule:
            fail(f"{where}: {zi} does not depart from the rule")
        if zi in word and word[zi] not in (rule, element):
            fail(f"{where}: word.tsv gives {zi} {word[zi]}, neither {rule} nor {element}")
        if len(reason) > MAX_REASON:
            fail(f"{where}: reason of {zi} has {len(reason)} characters")
        exceptions[zi] = element
    for zi, (role, element) in pool.items():
        if zi in word and word[zi] != element and zi not in exceptions:
            fail(f"business_pool.tsv: {zi} is {element}, word.tsv {word[zi]}, no exception row")

    excluded = set()
    for number, (zi, reason) in read_table(EXCLUDED, ["zi", "reason"]):
        check_zi("business_pool_excluded.tsv", number, zi, word, excluded)
        if zi in pool:
            fail(f"business_pool_excluded.tsv:{number}: {zi} is also in the pool")
    with open(CYZI, encoding="utf-8") as f:
        cyzi = f.read().split()
    missing = [zi for zi in cyzi if zi not in pool and zi not in excluded]
    if missing:
        fail(f"cyzi.txt characters neither pooled nor excluded: {''.join(missing)}")

    print(f"pool {len(pool)} characters, {len(exceptions)} element exceptions, "
          f"{len(excluded)} excluded")
    print("element  first   last  either  | can stand first  can stand last")
    for element in ELEMENTS:
        counts = {role: 0 for role in ROLES}
        for role, e in pool.values():
            if e == element and role in counts:
                counts[role] += 1
        as_first = counts["first"] + counts["either"]
        as_last = counts["last"] + counts["either"]
        print(f"{element}       {counts['first']:5d}  {counts['last']:5d}  {counts['either']:6d}"
              f"  | {as_first:15d}  {as_last:14d}")
        if as_first < MIN_FIRST:
            fail(f"{element}: only {as_first} characters can stand first")
        if as_last < MIN_LAST:
            fail(f"{element}: only {as_last} characters can stand last")

    for message in errors:
        print("error:", message, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
