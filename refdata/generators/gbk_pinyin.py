#!/usr/bin/env python3
"""Writes the pinyin tables of the net-name reading:

  src/tools/PinyinSyllableTable.inc  the syllables, in alphabetical order,
                                     numbered from 1 (ü written v)
  src/tools/GbkPinyinIndex.inc       one entry per GBK double-byte code, the
                                     number of its character's syllable or 0

The index has one entry per lead byte 0x81..0xFE and trail byte 0x40..0xFE,
trail 0x7F included as a hole, so that

    index = (lead - 0x81) * 191 + (trail - 0x40)

as in src/base/GbkTable.inc. Both files are bodies of array initializers only.

A code carries a syllable when it decodes (Python's 'gbk' codec, code page
936) to a CJK unified or compatibility ideograph that has a reading: the first
value of Unihan's kMandarin, tone marks removed, ü written v. A compatibility
ideograph without kMandarin reads as its canonical equivalent (its
kCompatibilityVariant). Where the first kMandarin value is not the reading in
everyday use, MENDED gives the usual one. Every other code (punctuation,
kana, Greek, Cyrillic, box drawing, 〇 and the other symbols) carries 0, as do
the ideographs without any reading, which the generator lists.

Source: /usr/share/unicode/Unihan_Readings.txt.bz2 and
Unihan_IRGSources.txt.bz2 (Debian package unicode-data).

Run:   python3 refdata/generators/gbk_pinyin.py
Check: python3 refdata/generators/gbk_pinyin.py --check
       (writes nothing; exit 1 when the committed files differ from what the
       generator makes, 77 when the Unihan files are not installed)
"""

import argparse
import bz2
import os
import re
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
SYLLABLES_OUT = os.path.join(ROOT, "src", "tools", "PinyinSyllableTable.inc")
INDEX_OUT = os.path.join(ROOT, "src", "tools", "GbkPinyinIndex.inc")
UNIHAN_DIR = "/usr/share/unicode"
UNIHAN_FILES = ("Unihan_Readings.txt.bz2", "Unihan_IRGSources.txt.bz2")
UNIHAN_FIELDS = {"kMandarin", "kCompatibilityVariant"}

LEADS = range(0x81, 0xFF)
TRAILS = range(0x40, 0xFF)
ENTRIES = 126 * 191  # 24,066
SKIPPED = 77         # ctest's mark of a test that could not run here

# First kMandarin values that are not the everyday reading: 佛 is listed as
# fú (彷佛) first, but read fó almost everywhere.
MENDED = {"佛": "fo"}

# Characters whose syllable the generator checks: the three the old table left
# without a reading, and a few everyday ones.
EXPECTED = {"佛": "fo", "给": "gei", "髟": "biao", "小": "xiao", "明": "ming",
            "张": "zhang", "中": "zhong", "女": "nv", "绿": "lv", "略": "lve",
            "虐": "nve", "郎": "lang", "\uF92C": "lang"}

SYLLABLE_RE = re.compile(r"[a-z]{1,6}")


def is_ideograph(cp):
    return 0x3400 <= cp <= 0x4DBF or 0x4E00 <= cp <= 0x9FFF or 0xF900 <= cp <= 0xFAFF


def load_unihan():
    data = {}
    for name in UNIHAN_FILES:
        path = os.path.join(UNIHAN_DIR, name)
        with bz2.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in UNIHAN_FIELDS:
                    data.setdefault(int(code[2:], 16), {})[field] = value
    return data


def plain_syllable(reading):
    """The reading without tone marks, ü as v, ê as e."""
    out = []
    for ch in unicodedata.normalize("NFD", reading.lower()):
        if ch == "\u0308":          # diaeresis: u + ¨ is ü
            if not out or out[-1] != "u":
                raise ValueError(reading)
            out[-1] = "v"
        elif unicodedata.combining(ch):
            continue
        else:
            out.append(ch)
    return "".join(out)


def first_reading(data, cp):
    entry = data.get(cp, {})
    value = entry.get("kMandarin")
    if value is None and "kCompatibilityVariant" in entry:
        value = data.get(int(entry["kCompatibilityVariant"][2:], 16), {}).get("kMandarin")
    return value.split()[0] if value else None


def gbk_codes():
    """(index, lead, trail, code point or 0) of every entry."""
    for lead in LEADS:
        for trail in TRAILS:
            index = (lead - 0x81) * 191 + (trail - 0x40)
            try:
                text = bytes((lead, trail)).decode("gbk")
            except UnicodeDecodeError:
                text = ""
            yield index, lead, trail, ord(text) if len(text) == 1 else 0


def build(data):
    """(syllables, index, characters without a reading); exits on a failed check."""
    readings = {}
    unread = []
    for index, lead, trail, cp in gbk_codes():
        if not cp or not is_ideograph(cp):
            continue
        ch = chr(cp)
        if ch in MENDED:
            readings[index] = MENDED[ch]
            continue
        reading = first_reading(data, cp)
        if reading is None:
            unread.append(ch)
            continue
        readings[index] = plain_syllable(reading)

    syllables = sorted(set(readings.values()))
    bad = [s for s in syllables if not SYLLABLE_RE.fullmatch(s)]
    if bad:
        sys.exit(f"gbk_pinyin: syllables that are not 1 to 6 letters a-z: {bad}")
    number = {s: i + 1 for i, s in enumerate(syllables)}
    index = [0] * ENTRIES
    for i, s in readings.items():
        index[i] = number[s]

    for ch, expected in EXPECTED.items():
        b = ch.encode("gbk")
        got = index[(b[0] - 0x81) * 191 + (b[1] - 0x40)]
        if got == 0 or syllables[got - 1] != expected:
            sys.exit(f"gbk_pinyin: {ch} reads {syllables[got - 1] if got else 'nothing'}, "
                     f"expected {expected}")
    return syllables, index, unread


def render(syllables, index):
    head = ("// Generated by refdata/generators/gbk_pinyin.py from Unihan's kMandarin; "
            "do not edit by hand.")
    lines = [head]
    for start in range(0, len(syllables), 12):
        lines.append(" ".join(f'"{s}",' for s in syllables[start:start + 12]))
    syllable_text = "\n".join(lines) + "\n"

    lines = [head]
    for lead in LEADS:
        row = index[(lead - 0x81) * 191:(lead - 0x80) * 191]
        lines.append(f"// lead byte 0x{lead:02X}")
        for start in range(0, len(row), 16):
            lines.append(" ".join(f"{n}," for n in row[start:start + 16]))
    return syllable_text, "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed files, write nothing")
    args = parser.parse_args()

    if not all(os.path.exists(os.path.join(UNIHAN_DIR, n)) for n in UNIHAN_FILES):
        print(f"gbk_pinyin: the Unihan files are not in {UNIHAN_DIR} "
              "(apt-get install unicode-data)", file=sys.stderr)
        return SKIPPED if args.check else 1

    syllables, index, unread = build(load_unihan())
    syllable_text, index_text = render(syllables, index)
    read = sum(1 for n in index if n)

    if args.check:
        for path, text in ((SYLLABLES_OUT, syllable_text), (INDEX_OUT, index_text)):
            with open(path, encoding="ascii") as f:
                if f.read() != text:
                    print(f"gbk_pinyin: {os.path.relpath(path, ROOT)} differs from Unihan's "
                          "readings; rerun the generator", file=sys.stderr)
                    return 1
    else:
        for path, text in ((SYLLABLES_OUT, syllable_text), (INDEX_OUT, index_text)):
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="ascii", newline="\n") as f:
                f.write(text)

    print(f"{len(syllables)} syllables; {read} GBK characters read, "
          f"{len(unread)} without a reading: {''.join(unread)} "
          f"({' '.join(f'U+{ord(c):04X}' for c in unread)})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
