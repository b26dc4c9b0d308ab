#!/usr/bin/env python3
"""Checks the dream dictionary's texts.

Reads refdata/texts/dream/categories.tsv (ZMID, ZMCLASS) and one file per
category, refdata/texts/dream/<ZMID>.tsv (columns title, text), and reports:
entries per category, texts outside 80..250 characters, titles used twice,
texts that are not GBK or hold TAB, "|" or line breaks, and sentences that
recur in more than one entry (with their share of all sentences).

Run: python3 refdata/generators/check_dream_texts.py [--strict]
With --strict it exits 1 on any fault, a category under 40 entries, fewer
than 1,500 entries in all, or repeated sentences above 2 % of all.
"""

import os
import re
import sys
from collections import Counter, defaultdict

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FOLDER = os.path.join(ROOT, "refdata", "texts", "dream")
SENTENCE_END = re.compile(r"(?<=[。！？；])")


def read_tsv(path, header):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != header:
        raise SystemExit(f"{path}: header must be {header!r}")
    rows = []
    for no, line in enumerate(lines[1:], 2):
        fields = line.split("\t")
        if len(fields) != 2:
            raise SystemExit(f"{path}:{no}: {len(fields)} fields, expected 2")
        rows.append((no, fields[0].strip(), fields[1].strip()))
    return rows


def main():
    strict = "--strict" in sys.argv
    faults = []
    categories = read_tsv(os.path.join(FOLDER, "categories.tsv"), "ZMID\tZMCLASS")
    titles = defaultdict(list)
    sentences = Counter()
    sentence_owner = defaultdict(set)
    total = 0
    for _, zmid, name in categories:
        path = os.path.join(FOLDER, f"{zmid}.tsv")
        if not os.path.exists(path):
            print(f"{zmid} {name}: no file yet")
            faults.append(f"{zmid}: missing")
            continue
        rows = read_tsv(path, "title\ttext")
        lengths = [len(t) for _, _, t in rows]
        print(f"{zmid} {name}: {len(rows)} entries, text length {min(lengths, default=0)}..{max(lengths, default=0)}")
        if len(rows) < 40:
            faults.append(f"{zmid} {name}: only {len(rows)} entries")
        total += len(rows)
        for no, title, text in rows:
            where = f"{zmid}.tsv:{no} {title}"
            titles[title].append(where)
            if not title.startswith("梦见") and not title.startswith("梦到"):
                faults.append(f"{where}: title does not start with 梦见")
            if not 80 <= len(text) <= 250:
                faults.append(f"{where}: {len(text)} characters")
            if any(c in text for c in "|\r\n") or any(c in title for c in "|\r\n"):
                faults.append(f"{where}: holds | or a line break")
            try:
                (title + text).encode("gbk")
            except UnicodeEncodeError as e:
                faults.append(f"{where}: not GBK: {(title + text)[e.start:e.end]!r}")
            for s in SENTENCE_END.split(text):
                s = s.strip()
                if len(s) >= 6:
                    sentences[s] += 1
                    sentence_owner[s].add(where)
    for title, wheres in titles.items():
        if len(wheres) > 1:
            faults.append(f"title {title} used {len(wheres)} times: {', '.join(wheres)}")
    all_sentences = sum(sentences.values())
    repeated = {s: n for s, n in sentences.items() if n > 1}
    repeated_count = sum(repeated.values())
    share = 100.0 * repeated_count / all_sentences if all_sentences else 0.0
    print(f"{total} entries in {len(categories)} categories; {all_sentences} sentences, "
          f"{repeated_count} of them ({share:.1f} %) repeat a sentence of another entry")
    for s, n in sorted(repeated.items(), key=lambda kv: -kv[1])[:30]:
        print(f"  repeated {n}x: {s}")
    for f in faults:
        print("FAULT " + f)
    if strict and (faults or total < 1500 or share > 2.0):
        sys.exit(1)


if __name__ == "__main__":
    main()
