#!/usr/bin/env python3
"""Checks the texts of the 81 numbers.

Reads src/numerology/NumberVerdictData.cpp (phrase, verdict and personality
type of every remainder 0..80, and the nine personality texts) and
refdata/OrvFile/namefx.tsv (the meaning text of every number 0..80), and stops
at the first text that does not fit its form. Every text is stored in GBK on
the way out and joined with "|" into one answer, so each must be encodable in
GBK and free of "|".

Run: python3 refdata/generators/check_number_texts.py
"""

import os
import re
import sys
from collections import Counter

ROOT = os.path.normpath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CPP = os.path.join(ROOT, "src", "numerology", "NumberVerdictData.cpp")
NAMEFX = os.path.join(ROOT, "refdata", "OrvFile", "namefx.tsv")

COUNT = 81
VERDICT_COUNTS = {"吉": 35, "凶": 30, "吉带凶": 13, "凶带吉": 3}

# Phrases that come down with the table unchanged.
FIXED_PHRASES = {
    0: "大展鸿图，信用得固，名利双收，可获成功",
    1: "根基不固，摇摇欲坠，一盛一衰，劳而无获",
    26: "一成一败，一盛一衰，惟靠谨慎，可守成功",
    27: "鱼临旱地，难逃恶运，此数大凶，不如更名",
    39: "一成一衰，沉浮不定，知难而退，自获天佑",
    51: "草木逢春，雨过天晴，渡过难关，即获得成功",
    80: "最极之数，还本归元，能得繁荣，发达成功",
}
TYPE1_TEXT = ("主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，"
              "深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。")

ENTRY_RE = re.compile(r'^    \{"([^"\\]*)", "([^"\\]*)", (\d+)\}, // (\d+)$')
PERSONALITY_RE = re.compile(r'^    "(主人性格类型：[^"\\]*)",$')
CJK4 = re.compile(r"[\u4e00-\u9fff]{4}")
CJK5 = re.compile(r"[\u4e00-\u9fff]{5}")


def fail(message):
    print("check_number_texts: " + message, file=sys.stderr)
    sys.exit(1)


def check_text(where, text):
    if not text:
        fail(f"{where}: empty text")
    if "|" in text or "\t" in text or "\n" in text or "\r" in text:
        fail(f"{where}: text holds '|', TAB or a line break: {text}")
    if "TODO" in text:
        fail(f"{where}: text still reads TODO")
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        fail(f"{where}: not encodable in GBK ({text[e.start:e.end]!r}): {text}")


def sentences(text):
    """The sentences of a text that must end in "。"; None if it does not."""
    if not text.endswith("。"):
        return None
    parts = text[:-1].split("。")
    if any(not p for p in parts):
        return None
    return parts


def read_cpp():
    with open(CPP, encoding="utf-8") as f:
        lines = f.read().split("\n")
    entries = []
    personality = []
    for no, line in enumerate(lines, 1):
        m = ENTRY_RE.match(line)
        if m:
            phrase, verdict, ptype, index = m.group(1), m.group(2), int(m.group(3)), int(m.group(4))
            if index != len(entries):
                fail(f"{CPP}:{no}: entry comment // {index}, expected // {len(entries)}")
            entries.append((phrase, verdict, ptype))
            continue
        m = PERSONALITY_RE.match(line)
        if m:
            personality.append(m.group(1))
            continue
        if "{\"" in line or line.startswith("    \""):
            fail(f"{CPP}:{no}: line not in the form of an entry: {line}")
    return entries, personality


def check_cpp():
    entries, personality = read_cpp()
    if len(entries) != COUNT:
        fail(f"{len(entries)} verdict entries, expected {COUNT}")

    verdicts = Counter()
    for index, (phrase, verdict, ptype) in enumerate(entries):
        where = f"entry {index}"
        check_text(where, phrase)
        check_text(where, verdict)
        if verdict not in VERDICT_COUNTS:
            fail(f"{where}: unknown verdict {verdict}")
        verdicts[verdict] += 1
        if not 1 <= ptype <= 9:
            fail(f"{where}: personality type {ptype} outside 1..9")
        if index in FIXED_PHRASES:
            if phrase != FIXED_PHRASES[index]:
                fail(f"{where}: phrase changed: {phrase}")
        clauses = phrase.split("，")
        if index in (51, 67):  # these two end with a clause of five characters
            ok = (len(clauses) == 4 and all(CJK4.fullmatch(c) for c in clauses[:3])
                  and CJK5.fullmatch(clauses[3]))
        else:
            ok = len(clauses) == 4 and all(CJK4.fullmatch(c) for c in clauses)
        if not ok:
            fail(f"{where}: phrase is not four clauses of four characters: {phrase}")
    if dict(verdicts) != VERDICT_COUNTS:
        fail(f"verdict counts {dict(verdicts)}, expected {VERDICT_COUNTS}")

    phrases = [e[0] for e in entries]
    if len(set(phrases)) != COUNT:
        dup = [p for p, n in Counter(phrases).items() if n > 1]
        fail(f"phrases used more than once: {dup}")

    if len(personality) != 9:
        fail(f"{len(personality)} personality texts, expected 9")
    if len(set(personality)) != 9:
        fail("two personality texts are alike")
    if personality[0] != TYPE1_TEXT:
        fail("personality type 1 changed")
    for n, text in enumerate(personality, 1):
        where = f"personality type {n}"
        check_text(where, text)
        m = re.fullmatch(r"主人性格类型：\[([^\]]+)\]，其具体表现为：(.+)", text)
        if not m:
            fail(f"{where}: does not open with 主人性格类型：[title]，其具体表现为：")
        if n == 1:
            continue  # type 1 comes down with the table as it is
        body = sentences(m.group(2))
        if body is None or not 2 <= len(body) <= 3:
            fail(f"{where}: needs two or three sentences, each ending in 。: {m.group(2)}")
    return verdicts, entries


def check_namefx():
    with open(NAMEFX, "rb") as f:
        raw = f.read()
    if b"\r" in raw:
        fail(f"{NAMEFX}: CR line end")
    if not raw.endswith(b"\n") or raw.endswith(b"\n\n"):
        fail(f"{NAMEFX}: must end with exactly one LF")
    lines = raw.decode("utf-8").split("\n")[:-1]
    if lines[0] != "num\tnr":
        fail(f"{NAMEFX}: header {lines[0]!r}, expected 'num<TAB>nr'")
    rows = lines[1:]
    if len(rows) != COUNT:
        fail(f"{NAMEFX}: {len(rows)} rows, expected {COUNT}")
    texts = []
    for i, line in enumerate(rows):
        fields = line.split("\t")
        if len(fields) != 2:
            fail(f"{NAMEFX}:{i + 2}: {len(fields)} fields, expected 2")
        num, nr = fields
        if num != str(i):
            fail(f"{NAMEFX}:{i + 2}: num {num!r}, expected {i}")
        check_text(f"namefx {num}", nr)
        body = sentences(nr)
        if body is None or not 2 <= len(body) <= 4:
            fail(f"namefx {num}: needs two to four sentences, each ending in 。: {nr}")
        if not 30 <= len(nr) <= 130:
            fail(f"namefx {num}: {len(nr)} characters, far from the usual 40 to 110")
        texts.append(nr)
    if len(set(texts)) != COUNT:
        fail(f"{NAMEFX}: two meaning texts are alike")
    if "还本归元" not in texts[0]:
        fail("namefx 0 should explain 81 (还本归元)")
    return texts


def main():
    verdicts, entries = check_cpp()
    texts = check_namefx()
    counts = ", ".join(f"{v} {verdicts[v]}" for v in VERDICT_COUNTS)
    print(f"{len(entries)} entries ({counts}), 9 personality texts, {len(texts)} namefx rows: OK")


if __name__ == "__main__":
    main()
