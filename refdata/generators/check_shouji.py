#!/usr/bin/env python3
"""Checks the telephone readings of refdata/dream/shouji.tsv (table shouji of dream.dll).

The telephone window turns the last four digits of a mobile number into a key
1..79 (their value modulo 80) and shows the row of that key: a phrase (title),
a verdict (jx) and a description (content). The verdict of key n is the
verdict of the traditional number n in the program's 81-number table, entry
n - 1 of src/numerology/NumberVerdictData.cpp, so the two never disagree.

Checked, stopping at the first fault:
- the file: UTF-8, LF line ends, one LF at the end, header
  num<TAB>title<TAB>jx<TAB>content, then 79 rows with keys 1..79 in order;
- title: four clauses of four Chinese characters joined by "，", not the
  phrase of the same number in the program's table and sharing no clause
  with it;
- jx: the verdict of that table entry;
- content: two or three sentences, each ending in "。", 40 to 100
  characters, worded with reserve (或许, 往往 or 多半) and never as a promise;
- every field encodable in GBK, free of TAB and "|"; no title or content
  used twice.

Run: python3 refdata/generators/check_shouji.py
"""

import os
import re
import sys
from collections import Counter

ROOT = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CPP = os.path.join(ROOT, "src", "numerology", "NumberVerdictData.cpp")
TSV = os.path.join(ROOT, "refdata", "dream", "shouji.tsv")

HEADER = "num\ttitle\tjx\tcontent"
KEYS = range(1, 80)
VERDICTS = ("吉", "凶", "吉带凶", "凶带吉")
HEDGES = ("或许", "往往", "多半")
PROMISES = ("一定", "必定", "必然", "肯定", "注定", "保证", "绝对")

ENTRY_RE = re.compile(r'^    \{"([^"\\]*)", "([^"\\]*)", (\d+)\}, // (\d+)$')
CLAUSE_RE = re.compile(r"[\u4e00-\u9fff]{4}")


def fail(message):
    print("check_shouji: " + message, file=sys.stderr)
    sys.exit(1)


def read_table():
    """(phrase, verdict) of the 81 entries, in entry order."""
    with open(CPP, encoding="utf-8") as f:
        lines = f.read().split("\n")
    entries = []
    for no, line in enumerate(lines, 1):
        m = ENTRY_RE.match(line)
        if not m:
            continue
        if int(m.group(4)) != len(entries):
            fail(f"{CPP}:{no}: entry comment // {m.group(4)}, expected // {len(entries)}")
        entries.append((m.group(1), m.group(2)))
    if len(entries) != 81:
        fail(f"{CPP}: {len(entries)} entries, expected 81")
    return entries


def check_field(where, text):
    if not text:
        fail(f"{where}: empty")
    if "|" in text or "\t" in text:
        fail(f"{where}: holds '|' or TAB: {text}")
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        fail(f"{where}: not encodable in GBK ({text[e.start:e.end]!r}): {text}")


def check_title(where, title, phrase):
    clauses = title.split("，")
    if len(clauses) != 4 or not all(CLAUSE_RE.fullmatch(c) for c in clauses):
        fail(f"{where}: title is not four clauses of four characters: {title}")
    if title == phrase:
        fail(f"{where}: title repeats the table's phrase: {title}")
    shared = set(clauses) & set(phrase.split("，"))
    if shared:
        fail(f"{where}: title shares {sorted(shared)} with the table's phrase {phrase}")


def check_content(where, content):
    if not content.endswith("。"):
        fail(f"{where}: content does not end in 。: {content}")
    sentences = content[:-1].split("。")
    if not 2 <= len(sentences) <= 3 or any(not s for s in sentences):
        fail(f"{where}: content needs two or three sentences: {content}")
    if not 40 <= len(content) <= 100:
        fail(f"{where}: content has {len(content)} characters, expected 40 to 100")
    if not any(h in content for h in HEDGES):
        fail(f"{where}: content speaks without reserve (no 或许/往往/多半): {content}")
    promised = [p for p in PROMISES if p in content]
    if promised:
        fail(f"{where}: content promises ({', '.join(promised)}): {content}")


def main():
    entries = read_table()
    with open(TSV, "rb") as f:
        raw = f.read()
    if b"\r" in raw:
        fail(f"{TSV}: CR line end")
    if not raw.endswith(b"\n") or raw.endswith(b"\n\n"):
        fail(f"{TSV}: must end with exactly one LF")
    try:
        lines = raw.decode("utf-8").split("\n")[:-1]
    except UnicodeDecodeError as e:
        fail(f"{TSV}: not UTF-8 ({e})")
    if lines[0] != HEADER:
        fail(f"{TSV}: header {lines[0]!r}, expected {HEADER!r}")
    rows = lines[1:]
    if len(rows) != len(KEYS):
        fail(f"{TSV}: {len(rows)} rows, expected {len(KEYS)}")

    verdicts = Counter()
    titles, contents = Counter(), Counter()
    for key, line in zip(KEYS, rows):
        fields = line.split("\t")
        if len(fields) != 4:
            fail(f"{TSV}: key {key}: {len(fields)} fields, expected 4")
        num, title, jx, content = fields
        if num != str(key):
            fail(f"{TSV}: row {key}: num {num!r}, expected {key}")
        where = f"key {key}"
        for text in fields:
            check_field(where, text)
        phrase, verdict = entries[key - 1]
        if jx not in VERDICTS:
            fail(f"{where}: unknown verdict {jx}")
        if jx != verdict:
            fail(f"{where}: verdict {jx}, the table gives number {key} {verdict}")
        check_title(where, title, phrase)
        check_content(where, content)
        verdicts[jx] += 1
        titles[title] += 1
        contents[content] += 1

    twice = [t for t, n in titles.items() if n > 1]
    if twice:
        fail(f"titles used more than once: {twice}")
    twice = [c for c, n in contents.items() if n > 1]
    if twice:
        fail(f"contents used more than once: {twice}")

    counts = ", ".join(f"{v} {verdicts[v]}" for v in VERDICTS)
    print(f"{len(rows)} telephone readings ({counts}), verdicts agree with the 81-number table: OK")


if __name__ == "__main__":
    main()
