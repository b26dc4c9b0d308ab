#!/usr/bin/env python3
"""Lists the candidates for the pool of name characters (refdata/pools/cyzi.txt).

The candidates are the 3,500 characters of the first table of the 2013
通用规范汉字表, taken from Unihan's kTGH field ("2013:NNNN", NNNN <= 3500).
Each is printed on one line with its number, the character, its Mandarin
reading (kMandarin) and a short English gloss (kDefinition), tab-separated,
in table order. The pool was chosen by reading this list.

    python3 refdata/generators/cyzi_candidates.py            # all 3,500
    python3 refdata/generators/cyzi_candidates.py 201 400    # numbers 201..400
    python3 refdata/generators/cyzi_candidates.py --check    # check the pool

--check verifies that every character of cyzi.txt and cyzi_excluded.tsv is
one of the 3,500, that none is in both files nor twice in one, that together
they hold all 3,500, and that both files follow table order.

Standard library only; reads /usr/share/unicode/Unihan_*.txt.bz2.
"""

import bz2
import os
import sys

UNIHAN = "/usr/share/unicode"
FIRST_TABLE = 3500
DEF_WIDTH = 60

POOLS = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pools"))
KEPT = os.path.join(POOLS, "cyzi.txt")
EXCLUDED = os.path.join(POOLS, "cyzi_excluded.tsv")


def unihan_field(filename, field):
    """Maps character -> value of one Unihan field."""
    out = {}
    with bz2.open(os.path.join(UNIHAN, filename), "rt", encoding="utf-8") as f:
        for line in f:
            if not line.startswith("U+"):
                continue
            cp, key, value = line.rstrip("\n").split("\t", 2)
            if key == field:
                out[chr(int(cp[2:], 16))] = value
    return out


def candidates():
    """Returns [(number, character)] of the first table, in table order."""
    found = []
    for ch, value in unihan_field("Unihan_OtherMappings.txt.bz2", "kTGH").items():
        for item in value.split():
            year, _, number = item.partition(":")
            if year == "2013" and int(number) <= FIRST_TABLE:
                found.append((int(number), ch))
    found.sort()
    numbers = [n for n, _ in found]
    if numbers != list(range(1, FIRST_TABLE + 1)):
        sys.exit("error: kTGH does not give numbers 1..%d exactly once" % FIRST_TABLE)
    return found


def read_kept():
    with open(KEPT, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip()]


def read_excluded():
    with open(EXCLUDED, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines[0] != "zi\treason":
        sys.exit("error: %s: header must be 'zi<TAB>reason'" % EXCLUDED)
    rows = []
    for i, line in enumerate(lines[1:], 2):
        if not line:
            continue
        fields = line.split("\t")
        if len(fields) != 2 or not fields[1]:
            sys.exit("error: %s:%d: expected two non-empty fields" % (EXCLUDED, i))
        rows.append(fields[0])
    return rows


def check():
    table = candidates()
    number = {ch: n for n, ch in table}
    for path in (KEPT, EXCLUDED):
        if not os.path.exists(path):
            print("error: missing " + path, file=sys.stderr)
            return 1
    kept = read_kept()
    excluded = read_excluded()
    errors = []

    for name, chars in (("cyzi.txt", kept), ("cyzi_excluded.tsv", excluded)):
        seen = set()
        for ch in chars:
            if ch not in number:
                errors.append("%s: %r is not in the first table" % (name, ch))
            if ch in seen:
                errors.append("%s: %s appears twice" % (name, ch))
            seen.add(ch)
        order = [number[ch] for ch in chars if ch in number]
        if order != sorted(order):
            errors.append("%s: not in table order" % name)

    both = sorted(set(kept) & set(excluded), key=lambda c: number.get(c, 0))
    if both:
        errors.append("in both files: " + "".join(both))
    missing = [ch for _, ch in table if ch not in set(kept) | set(excluded)]
    if missing:
        errors.append("in neither file: " + "".join(missing))
    if len(kept) + len(excluded) != FIRST_TABLE:
        errors.append("kept %d + excluded %d != %d"
                      % (len(kept), len(excluded), FIRST_TABLE))

    for e in errors:
        print("error: " + e, file=sys.stderr)
    if errors:
        return 1
    print("ok: %d kept + %d excluded = %d" % (len(kept), len(excluded), FIRST_TABLE))
    return 0


def main(argv):
    if argv[:1] == ["--check"]:
        return check()
    lo, hi = 1, FIRST_TABLE
    if len(argv) == 2:
        lo, hi = int(argv[0]), int(argv[1])
    elif argv:
        sys.exit(__doc__)
    reading = unihan_field("Unihan_Readings.txt.bz2", "kMandarin")
    gloss = unihan_field("Unihan_Readings.txt.bz2", "kDefinition")
    for n, ch in candidates():
        if lo <= n <= hi:
            d = gloss.get(ch, "")
            if len(d) > DEF_WIDTH:
                d = d[:DEF_WIDTH - 1] + "…"
            print("%d\t%s\t%s\t%s" % (n, ch, reading.get(ch, ""), d))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
