#!/usr/bin/env python3
"""Checks the association filter for company and shop main bodies and its cases.

Reads refdata/Zelmar/avoid.tsv (kind, text, reason: the table avoid of Zelmar.dll),
refdata/pools/association_cases.tsv (body, prefix, suffix, entry) and the
readings of refdata/Zelmar/word.tsv (column py: the first Mandarin reading
without its tone, u-umlaut written v). Writes nothing; prints the counts and
every fault, and exits with status 1 when there is one.

The list is written to be read this way:
  char    the character anywhere in the body (fixed characters included);
  pair    the two characters next to each other anywhere in prefix + body +
          suffix, where at least one of the two belongs to the body (so a
          body ending 鑫 before a suffix beginning 窑 is read as 鑫窑);
  pinyin  the readings of one body character, or of two neighbouring body
          characters joined by one blank. Readings are not taken across the
          join with the prefix or the suffix: the region and the trade are
          spoken as words of their own, and reading across them would turn
          长沙 + 碧源 into "sha bi" or 沈阳 + 伟业 into "yang wei".

Checks:
  - both files: UTF-8 without BOM, LF line ends, one LF at the end, the exact
    header, the right number of fields, every text encodable in GBK;
  - kinds are char, pair or pinyin; a char entry is one character, a pair two,
    both in the character table; a pinyin entry is one or two syllables of
    a-z (v for u-umlaut) joined by one blank, each a reading the character
    table holds; a reason is Chinese, at most 20 characters;
  - no entry twice, no pair that holds a character entry (that entry already
    catches it), no pair whose reading is a pinyin entry;
  - cases: a body of 2 to 4 characters from the character table; the entry
    named is in the list and catches its case; every entry has a case; 40
    good bodies with no entry are caught by nothing.

Run: python3 refdata/generators/check_association_filter.py [--verbose]
     (--verbose also lists cases that more than one entry catches)
"""

import argparse
import os
import re
import sys

ROOT = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FILTER = os.path.join(ROOT, "refdata", "Zelmar", "avoid.tsv")
CASES = os.path.join(ROOT, "refdata", "pools", "association_cases.tsv")
WORD = os.path.join(ROOT, "refdata", "Zelmar", "word.tsv")

FILTER_HEADER = ["kind", "text", "reason"]
CASES_HEADER = ["body", "prefix", "suffix", "entry"]
KINDS = ("char", "pair", "pinyin")
GOOD_BODIES = 40
REASON_MAX = 20
PINYIN_RE = re.compile(r"^[a-z]+( [a-z]+)?$")

faults = []


def fault(where, message):
    faults.append(f"{where}: {message}")


def gbk_ok(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def read_table(path, header):
    """Rows (line number, fields) of a TSV file; faults for its form."""
    name = os.path.relpath(path, ROOT)
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        fault(name, "starts with a byte order mark")
    if b"\r" in raw:
        fault(name, "holds a CR")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        fault(name, f"not UTF-8 ({e})")
        return []
    if not text.endswith("\n") or text.endswith("\n\n"):
        fault(name, "must end with exactly one LF")
    lines = text.split("\n")
    if lines[-1] == "":
        lines.pop()
    if not lines or lines[0].split("\t") != header:
        fault(name, f"header must be {chr(9).join(header)!r}")
        return []
    rows = []
    for number, line in enumerate(lines[1:], 2):
        fields = line.split("\t")
        if len(fields) != len(header):
            fault(f"{name}:{number}", f"expected {len(header)} fields, found {len(fields)}")
            continue
        if not gbk_ok(line.replace("\t", "")):
            fault(f"{name}:{number}", "not encodable in GBK")
        rows.append((number, fields))
    return rows


def read_readings():
    """zi -> toneless reading ("" when the table has none)."""
    readings = {}
    with open(WORD, encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        zi, py = header.index("zi"), header.index("py")
        for line in f:
            fields = line.rstrip("\n").split("\t")
            readings[fields[zi]] = fields[py]
    return readings


def catches(kind, text, body, prefix, suffix, readings):
    """Whether one entry catches a body between its prefix and suffix."""
    if kind == "char":
        return text in body
    if kind == "pair":
        whole = prefix + body + suffix
        start, end = len(prefix), len(prefix) + len(body)
        return any(whole[i:i + 2] == text and i < end and i + 1 >= start
                   for i in range(len(whole) - 1))
    syllables = text.split(" ")
    said = [readings.get(c, "") for c in body]
    n = len(syllables)
    return any(said[i:i + n] == syllables for i in range(len(said) - n + 1))


def catches_across(text, body, prefix, suffix, readings):
    """A two-syllable reading taken across the joins (for the note only)."""
    whole = prefix + body + suffix
    said = [readings.get(c, "") for c in whole]
    start, end = len(prefix), len(prefix) + len(body)
    syllables = text.split(" ")
    return len(syllables) == 2 and any(
        said[i:i + 2] == syllables and i < end and i + 1 >= start
        for i in range(len(whole) - 1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--verbose", action="store_true",
                        help="list cases that more than one entry catches")
    args = parser.parse_args()

    readings = read_readings()
    syllables = {r for r in readings.values() if r}
    fname = os.path.relpath(FILTER, ROOT)
    cname = os.path.relpath(CASES, ROOT)

    entries = []           # (kind, text)
    seen = {}
    for number, (kind, text, reason) in read_table(FILTER, FILTER_HEADER):
        where = f"{fname}:{number}"
        if kind not in KINDS:
            fault(where, f"unknown kind {kind!r}")
            continue
        if text in seen:
            fault(where, f"{text!r} already listed on line {seen[text]}")
            continue
        seen[text] = number
        if kind == "char":
            if len(text) != 1 or text not in readings:
                fault(where, f"{text!r} is not one character of the character table")
        elif kind == "pair":
            if len(text) != 2 or any(c not in readings for c in text):
                fault(where, f"{text!r} is not two characters of the character table")
        else:
            if not PINYIN_RE.match(text):
                fault(where, f"{text!r}: one or two syllables of a-z (v for u-umlaut), one blank between")
            else:
                for s in text.split(" "):
                    if s not in syllables:
                        fault(where, f"{s!r} is no reading of any character")
        if not reason or len(reason) > REASON_MAX:
            fault(where, f"reason must be 1 to {REASON_MAX} characters")
        elif re.search(r"[A-Za-z0-9]", reason) or not re.search(r"[\u4e00-\u9fff]", reason):
            fault(where, f"reason {reason!r} must be Chinese")
        entries.append((kind, text))

    chars = {t for k, t in entries if k == "char"}
    pinyins = {t for k, t in entries if k == "pinyin"}
    for kind, text in entries:
        if kind != "pair":
            continue
        held = [c for c in text if c in chars]
        if held:
            fault(fname, f"pair {text} holds the character entry {held[0]}")
        reading = " ".join(readings.get(c, "") for c in text)
        if reading in pinyins:
            fault(fname, f"pair {text} reads {reading!r}, a pinyin entry")

    kinds = dict((t, k) for k, t in entries)
    covered = set()
    good = 0
    multiple = []
    across = []
    case_seen = set()
    for number, (body, prefix, suffix, entry) in read_table(CASES, CASES_HEADER):
        where = f"{cname}:{number}"
        if (body, prefix, suffix, entry) in case_seen:
            fault(where, "row listed twice")
        case_seen.add((body, prefix, suffix, entry))
        if not 2 <= len(body) <= 4:
            fault(where, f"body {body!r} must have 2 to 4 characters")
        if any(c not in readings for c in body + prefix + suffix):
            fault(where, "a character outside the character table")
        hit = [t for k, t in entries if catches(k, t, body, prefix, suffix, readings)]
        if entry == "":
            good += 1
            if hit:
                fault(where, f"good body {prefix}[{body}]{suffix} caught by {', '.join(hit)}")
            for k, t in entries:
                if k == "pinyin" and catches_across(t, body, prefix, suffix, readings):
                    across.append(f"{prefix}[{body}]{suffix} ~ {t}")
            continue
        if entry not in kinds:
            fault(where, f"entry {entry!r} is not in the list")
            continue
        covered.add(entry)
        if entry not in hit:
            fault(where, f"{prefix}[{body}]{suffix} is not caught by {entry!r}")
        elif len(hit) > 1:
            multiple.append(f"{prefix}[{body}]{suffix}: {', '.join(hit)}")

    for kind, text in entries:
        if text not in covered:
            fault(fname, f"{kind} {text!r} has no case")
    if good != GOOD_BODIES:
        fault(cname, f"{good} good bodies, expected {GOOD_BODIES}")

    counts = {k: sum(1 for kk, _ in entries if kk == k) for k in KINDS}
    single = sorted(t for t in pinyins if " " not in t)
    print(f"entries: {len(entries)} ({', '.join(f'{k} {n}' for k, n in counts.items())})")
    print(f"cases: {len(case_seen) - good} caught, {good} good")
    if single:
        print("one-syllable readings (every character of each must be unfit):", ", ".join(single))
    print(f"cases caught by more than one entry: {len(multiple)}")
    if args.verbose:
        for line in multiple:
            print("  " + line)
    if across:
        print("good bodies a reading across the joins would catch (not read so):")
        for line in across:
            print("  " + line)
    for line in faults:
        print("error: " + line, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
