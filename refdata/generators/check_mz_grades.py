#!/usr/bin/env python3
"""Checks the reviewed grades of the two-character name words and shows sample joins.

refdata/pools/mz_grades.tsv (columns zi, grade, place) grades every word of
refdata/pools/mz_words_1.tsv and mz_words_2.tsv once more, by reading: grade A
marks a word that stands on its own as the main body of a shop, brand or
company name; place says where an A word sits in a four-character body made
of two words:
    head  reads well as the first half (宏图, 华信),
    tail  reads well as the second half (兴业, 通达),
    both  reads well in either half (恒通, 永泰).
Any head word (head or both) followed by any tail word (tail or both) is
meant to read as one plausible name. B words leave place empty. The choice
itself is a reader's judgement and is not repeated here.

This script writes nothing. It checks the form of the file:
  - UTF-8, LF line ends, one LF at the end, header "zi<TAB>grade<TAB>place",
    three fields a row, every word two characters that GBK encodes;
  - the words are exactly those of mz_words_1.tsv then mz_words_2.tsv, in
    file order, a word listed in both only once (at its first place);
  - grade is A or B; place is head, tail or both for A and empty for B.
It then prints the counts (A, B, each place, words usable at the head and at
the tail, the head-tail pairs that repeat a character, A words with a
character outside refdata/pools/cyzi.txt) and a number of random head+tail
joins for a reader to judge by eye; a join that repeats a character is
marked with "*".

    python3 refdata/generators/check_mz_grades.py              # 30 joins, seed 1
    python3 refdata/generators/check_mz_grades.py --joins 50 --seed 7

Exit status 0 when the form is right, 1 otherwise (each fault is printed).
Standard library only.
"""

import argparse
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
POOLS = os.path.join(HERE, "..", "pools")
SOURCES = ("mz_words_1.tsv", "mz_words_2.tsv")
GRADES = "mz_grades.tsv"
POOL = "cyzi.txt"
HEADER = ["zi", "grade", "place"]
PLACES = ("head", "tail", "both")

# Wishes for the size of the A list: enough words for the element and stroke
# filters to still fill a page of four-character bodies.
WANT_A, WANT_HEAD, WANT_TAIL = 400, 150, 150


def read_lines(name, faults):
    """Returns the lines of a pool file without their LF, noting form faults."""
    path = os.path.join(POOLS, name)
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        faults.append(f"{name}: not UTF-8 ({e})")
        return []
    if "\r" in text:
        faults.append(f"{name}: holds a CR")
    if not text.endswith("\n") or text.endswith("\n\n"):
        faults.append(f"{name}: must end with exactly one LF")
    return text.rstrip("\n").split("\n")


def source_words(faults):
    """The source words in file order, each once."""
    words, seen = [], set()
    for name in SOURCES:
        lines = read_lines(name, faults)
        for line in lines[1:]:
            zi = line.split("\t")[0]
            if zi not in seen:
                seen.add(zi)
                words.append(zi)
    return words


def check_grades(words, faults):
    """Checks mz_grades.tsv against the source words; returns {zi: place or ''}."""
    lines = read_lines(GRADES, faults)
    if not lines:
        faults.append(f"{GRADES}: empty")
        return {}
    if lines[0].split("\t") != HEADER:
        faults.append(f"{GRADES}: header must be {'<TAB>'.join(HEADER)}")
    graded, order = {}, []
    for no, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != 3:
            faults.append(f"{GRADES}:{no}: {len(fields)} fields, want 3")
            continue
        zi, grade, place = fields
        where = f"{GRADES}:{no} {zi}"
        if len(zi) != 2:
            faults.append(f"{where}: a word has two characters")
        try:
            zi.encode("gbk")
        except UnicodeEncodeError:
            faults.append(f"{where}: not encodable in GBK")
        if zi in graded:
            faults.append(f"{where}: listed twice")
            continue
        if grade == "A":
            if place not in PLACES:
                faults.append(f"{where}: an A word needs place head, tail or both, not {place!r}")
        elif grade == "B":
            if place:
                faults.append(f"{where}: a B word leaves place empty, not {place!r}")
        else:
            faults.append(f"{where}: grade {grade!r}, want A or B")
        graded[zi] = place if grade == "A" else ""
        order.append(zi)
    missing = [w for w in words if w not in graded]
    extra = [w for w in order if w not in set(words)]
    if missing:
        faults.append(f"{GRADES}: {len(missing)} source words missing: {' '.join(missing[:20])}")
    if extra:
        faults.append(f"{GRADES}: {len(extra)} words not in the sources: {' '.join(extra[:20])}")
    if not missing and not extra and order != words:
        first = next(i for i, (a, b) in enumerate(zip(order, words)) if a != b)
        faults.append(f"{GRADES}: order differs from the sources from row {first + 2} ({order[first]})")
    return graded


def report(graded, joins, seed):
    """Prints the counts and the sample joins."""
    a_words = [w for w, p in graded.items() if p]
    heads = [w for w in a_words if graded[w] in ("head", "both")]
    tails = [w for w in a_words if graded[w] in ("tail", "both")]
    count = {p: sum(1 for w in a_words if graded[w] == p) for p in PLACES}
    print(f"words {len(graded)}: A {len(a_words)}, B {len(graded) - len(a_words)}")
    print(f"A by place: head {count['head']}, tail {count['tail']}, both {count['both']}")
    print(f"usable as first half {len(heads)}, as second half {len(tails)}, "
          f"head+tail pairs {len(heads) * len(tails)}")
    repeat = sum(1 for h in heads for t in tails if set(h) & set(t))
    print(f"pairs that repeat a character (to skip when drawing): {repeat}")
    with open(os.path.join(POOLS, POOL), encoding="utf-8") as f:
        pool = {line.strip() for line in f if line.strip()}
    outside = [w for w in a_words if not set(w) <= pool]
    print(f"A words with a character outside {POOL}: {len(outside)}"
          + (f" ({' '.join(outside)})" if outside else ""))
    short = []
    if len(a_words) < WANT_A:
        short.append(f"A {len(a_words)} < {WANT_A}")
    if len(heads) < WANT_HEAD:
        short.append(f"first half {len(heads)} < {WANT_HEAD}")
    if len(tails) < WANT_TAIL:
        short.append(f"second half {len(tails)} < {WANT_TAIL}")
    if short:
        print("below the wished sizes: " + ", ".join(short))
    if heads and tails and joins > 0:
        rng = random.Random(seed)
        print(f"{joins} random joins (seed {seed}):")
        shown = []
        for _ in range(joins):
            h, t = rng.choice(heads), rng.choice(tails)
            mark = "*" if set(h) & set(t) else ""
            shown.append(f"{h}{t}{mark}")
        for i in range(0, len(shown), 10):
            print("  " + "  ".join(shown[i:i + 10]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--joins", type=int, default=30, help="random joins to print (30)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the random joins (1)")
    args = parser.parse_args()
    faults = []
    words = source_words(faults)
    graded = check_grades(words, faults)
    for fault in faults:
        print("FAULT " + fault)
    if graded:
        report(graded, args.joins, args.seed)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
