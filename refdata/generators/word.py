#!/usr/bin/env python3
"""Writes refdata/Zelmar/word.tsv: the character table of Zelmar.dll.

One row per Chinese character that GBK (code page 936) holds, ordered by code
point, with four columns:

  zi      the character
  bh      stroke count for name numerology: the Kangxi count of the
          traditional form (full-form radical strokes plus residual strokes)
  ft      the traditional form (one character, encodable in GBK)
  wuhang  the element: a reviewed reading by meaning where the meaning plainly
          carries an element (word_element_exceptions.tsv), else by the Kangxi
          radical of the traditional form, else by the initial of the Mandarin
          reading (five sounds), else 土
  py      the first Mandarin reading without its tone, ü written v ("" when
          Unihan has none); the naming run reads bodies by it

Sources: the Unihan database (/usr/share/unicode/Unihan_*.txt.bz2) and
OpenCC's STCharacters table, dumped with opencc_dict into a temporary folder
(or read from a dump given with --stcharacters). Reviewed choices of the
traditional form are read from word_ft_exceptions.tsv beside this file.

Run: python3 refdata/generators/word.py [--stcharacters FILE]
"""

import argparse
import bz2
import collections
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(ROOT, "refdata", "Zelmar", "word.tsv")
EXCEPTIONS = os.path.join(HERE, "word_ft_exceptions.tsv")
ELEMENT_EXCEPTIONS = os.path.join(HERE, "word_element_exceptions.tsv")
UNIHAN_DIR = "/usr/share/unicode"
UNIHAN_FILES = ("Unihan_RadicalStrokeCounts.txt.bz2",
                "Unihan_IRGSources.txt.bz2",
                "Unihan_Readings.txt.bz2")
UNIHAN_FIELDS = {"kRSKangXi", "kRSUnicode", "kTotalStrokes",
                 "kCompatibilityVariant", "kMandarin", "kHanyuPinyin"}
OPENCC_DICT = "/usr/share/opencc/STCharacters.ocd2"

# Blocks searched for characters beyond U+4E00..U+9FA5; a code point is taken
# when the gbk codec encodes it.
EXTRA_RANGES = (
    (0x2E80, 0x2FDF),   # CJK radicals supplement, Kangxi radicals
    (0x3007, 0x3007),   # 〇
    (0x3400, 0x4DBF),   # CJK extension A
    (0x9FA6, 0x9FFF),   # later additions to the unified block
    (0xF900, 0xFAFF),   # CJK compatibility ideographs
)

# Strokes of each Kangxi radical in its full form, by ranges of radical number.
RADICAL_STROKE_RANGES = (
    (1, 6, 1), (7, 29, 2), (30, 60, 3), (61, 94, 4), (95, 117, 5),
    (118, 146, 6), (147, 166, 7), (167, 175, 8), (176, 186, 9),
    (187, 194, 10), (195, 200, 11), (201, 204, 12), (205, 208, 13),
    (209, 210, 14), (211, 211, 15), (212, 213, 16), (214, 214, 17),
)

# Numerals count by their value in name numerology.
NUMERAL_STROKES = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5,
                   "六": 6, "七": 7, "八": 8, "九": 9, "十": 10}

# 〇 has no Unihan entry; it is written with one stroke.
OWN_STROKES = {"〇": 1}

# Element by Kangxi radical number.
RADICAL_ELEMENT = {
    167: "金",
    75: "木", 118: "木", 140: "木", 115: "木",
    85: "水", 15: "水", 173: "水",
    86: "火", 72: "火",
    32: "土", 46: "土", 112: "土", 102: "土",
}

# Element by the initial of the reading (five sounds).
INITIAL_ELEMENT = {}
for _initials, _element in (("b p m f", "水"), ("d t n l", "火"),
                            ("g k h", "木"),
                            ("z c s zh ch sh r j q x", "金")):
    for _i in _initials.split():
        INITIAL_ELEMENT[_i] = _element
VOWEL_ELEMENT = "土"  # no initial, y, w
FALLBACK_ELEMENT = "土"

RS_PATTERN = re.compile(r"^(\d+)('*)\.(-?\d+)$")


def radical_strokes(radical):
    for low, high, strokes in RADICAL_STROKE_RANGES:
        if low <= radical <= high:
            return strokes
    raise ValueError(f"radical number {radical} out of range")


def in_gbk(ch):
    try:
        return len(ch) == 1 and len(ch.encode("gbk")) == 2
    except UnicodeEncodeError:
        return False


def read_unihan():
    """Returns ({code point: {field: value}}, Unihan version)."""
    data = collections.defaultdict(dict)
    version = None
    for name in UNIHAN_FILES:
        path = os.path.join(UNIHAN_DIR, name)
        with bz2.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#"):
                    m = re.match(r"#\s*Unicode version:\s*(\S+)", line)
                    if m:
                        if version and version != m.group(1):
                            sys.exit(f"error: Unihan files disagree on the "
                                     f"version ({version}, {m.group(1)})")
                        version = m.group(1)
                    continue
                parts = line.rstrip("\n").split("\t")
                if len(parts) != 3 or parts[1] not in UNIHAN_FIELDS:
                    continue
                cp = int(parts[0][2:], 16)
                if cp > 0xFFFF:
                    continue
                data[cp][parts[1]] = parts[2]
    if not version:
        sys.exit("error: no Unicode version in the Unihan headers")
    return data, version


def read_stcharacters(path):
    table = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            key, _, value = line.partition("\t")
            candidates = value.split(" ")
            if not key or not value or any(not c for c in candidates):
                sys.exit(f"error: {path}:{number}: unexpected line {line!r}")
            if key in table:
                sys.exit(f"error: {path}:{number}: {key} listed twice")
            table[key] = candidates
    return table


def dump_stcharacters():
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "STCharacters.txt")
        subprocess.run(["opencc_dict", "-i", OPENCC_DICT, "-o", out,
                        "-f", "ocd2", "-t", "text"], check=True)
        return read_stcharacters(out)


def opencc_version():
    try:
        r = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "opencc"],
                           capture_output=True, text=True, check=True)
        return r.stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def read_exceptions():
    result = {}
    with open(EXCEPTIONS, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines[-1] != "":
        sys.exit(f"error: {EXCEPTIONS} does not end with a line end")
    if lines[0] != "zi\tft\treason":
        sys.exit(f"error: {EXCEPTIONS}: unexpected header {lines[0]!r}")
    for number, line in enumerate(lines[1:-1], 2):
        fields = line.split("\t")
        if len(fields) != 3 or not fields[2] or "\r" in line:
            sys.exit(f"error: {EXCEPTIONS}:{number}: expected zi, ft, reason")
        zi, ft, _ = fields
        if zi in result:
            sys.exit(f"error: {EXCEPTIONS}:{number}: {zi} listed twice")
        if not in_gbk(zi) or not in_gbk(ft):
            sys.exit(f"error: {EXCEPTIONS}:{number}: {zi} {ft} must be single "
                     "characters encodable in GBK")
        result[zi] = ft
    return result


def row_chars():
    cps = list(range(0x4E00, 0x9FA6))
    for low, high in EXTRA_RANGES:
        cps.extend(cp for cp in range(low, high + 1) if in_gbk(chr(cp)))
    return [chr(cp) for cp in sorted(set(cps))]


class Unihan:
    def __init__(self, data):
        self.data = data

    def field(self, ch, name):
        """The field of ch, or of its canonical equivalent for a
        compatibility ideograph that lacks it."""
        entry = self.data.get(ord(ch), {})
        if name in entry:
            return entry[name]
        variant = entry.get("kCompatibilityVariant")
        if variant:
            return self.data.get(int(variant[2:], 16), {}).get(name)
        return None

    def radical_residual(self, ch):
        """(radical number, residual strokes, source field) or None.

        A kRSKangXi residual larger than the whole character's stroke count
        cannot be right (愹 61.19, 剿 18.14); kRSUnicode is used instead."""
        total = self.total_strokes(ch)
        rejected = False
        for name in ("kRSKangXi", "kRSUnicode"):
            value = self.field(ch, name)
            if value:
                first = value.split()[0]
                m = RS_PATTERN.match(first)
                if not m:
                    sys.exit(f"error: U+{ord(ch):04X} {name} {value!r}")
                residual = int(m.group(3))
                if (name == "kRSKangXi" and total is not None
                        and residual > total):
                    rejected = True
                    continue
                if name == "kRSUnicode" and rejected:
                    name += " (kRSKangXi residual too large)"
                return int(m.group(1)), residual, name
        return None

    def total_strokes(self, ch):
        value = self.field(ch, "kTotalStrokes")
        if not value:
            return None
        # With two values the second is the count in traditional writing.
        return int(value.split()[-1])

    def reading(self, ch):
        """(first reading, source field) or (None, None)."""
        value = self.field(ch, "kMandarin")
        if value:
            return value.split()[0], "kMandarin"
        value = self.field(ch, "kHanyuPinyin")
        if value:
            first = value.split()[0]
            return first.split(":", 1)[1].split(",")[0], "kHanyuPinyin"
        return None, None


def read_element_exceptions():
    """zi -> (element, element by the rule, reason), from the reviewed element file."""
    result = {}
    if not os.path.exists(ELEMENT_EXCEPTIONS):
        return result
    with open(ELEMENT_EXCEPTIONS, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines[-1] != "":
        sys.exit(f"error: {ELEMENT_EXCEPTIONS} does not end with a line end")
    if lines[0] != "zi\telement\trule_element\treason":
        sys.exit(f"error: {ELEMENT_EXCEPTIONS}: unexpected header {lines[0]!r}")
    for number, line in enumerate(lines[1:-1], 2):
        fields = line.split("\t")
        if len(fields) != 4 or fields[1] not in "金木水火土" or len(fields[1]) != 1:
            sys.exit(f"error: {ELEMENT_EXCEPTIONS}:{number}: expected zi, element, rule_element, reason")
        if fields[0] in result:
            sys.exit(f"error: {ELEMENT_EXCEPTIONS}:{number}: {fields[0]} listed twice")
        result[fields[0]] = (fields[1], fields[2], fields[3])
    return result


def toneless(reading):
    """A pinyin reading without its tone mark, ü as v: "lǜ" -> "lv"."""
    decomposed = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def initial_element(reading):
    plain = "".join(c for c in unicodedata.normalize("NFD", reading.lower())
                    if not unicodedata.combining(c))
    if plain[:2] in ("zh", "ch", "sh"):
        return INITIAL_ELEMENT[plain[:2]]
    return INITIAL_ELEMENT.get(plain[:1], VOWEL_ELEMENT)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--stcharacters",
                        help="text dump of STCharacters.ocd2 (default: dump it "
                             "with opencc_dict into a temporary folder)")
    args = parser.parse_args()

    data, unihan_version = read_unihan()
    unihan = Unihan(data)
    opencc = (read_stcharacters(args.stcharacters) if args.stcharacters
              else dump_stcharacters())
    exceptions = read_exceptions()
    element_exceptions = read_element_exceptions()
    chars = row_chars()
    char_set = set(chars)

    ok = True

    def error(message):
        nonlocal ok
        ok = False
        print("error: " + message, file=sys.stderr)

    # Every character whose own form is a later OpenCC candidate needs a
    # reviewed decision; every decision must name a row.
    for zi, candidates in sorted(opencc.items()):
        if zi in char_set and zi in candidates[1:] and zi not in exceptions:
            error(f"{zi} → {' '.join(candidates)}: no decision in "
                  f"{os.path.basename(EXCEPTIONS)}")
    for zi in exceptions:
        if zi not in char_set:
            error(f"{zi} in {os.path.basename(EXCEPTIONS)} is not a row")

    stats = collections.Counter()
    elements = collections.Counter()
    not_first = []      # OpenCC's first candidate not in GBK
    overrides = []      # kTotalStrokes taken over radical + residual
    rows = []
    for zi in chars:
        # Traditional form.
        lookup = unicodedata.normalize("NFC", zi)
        candidates = opencc.get(lookup) or opencc.get(zi)
        if zi in exceptions:
            ft = exceptions[zi]
            stats["ft from the exceptions file"] += 1
        elif candidates:
            usable = [c for c in candidates if in_gbk(c)]
            ft = usable[0] if usable else zi
            if ft != candidates[0]:
                not_first.append((zi, ft, candidates))
            stats["ft from OpenCC"] += 1
        else:
            ft = zi
            stats["ft is the character itself"] += 1

        # Stroke count.
        rs = unihan.radical_residual(ft)
        if zi in NUMERAL_STROKES:
            bh = NUMERAL_STROKES[zi]
            stats["bh by numeral value"] += 1
        elif zi in OWN_STROKES and rs is None:
            bh = OWN_STROKES[zi]
            stats["bh as written (no Unihan entry)"] += 1
        elif rs is None:
            error(f"{zi} (ft {ft}): no radical and residual strokes")
            continue
        else:
            radical, residual, source = rs
            bh = radical_strokes(radical) + residual
            total = unihan.total_strokes(ft)
            if residual > 0 and total is not None and bh < total:
                overrides.append((zi, ft, bh, total))
                bh = total
            stats[f"bh from {source}"] += 1
        if bh < 1:
            error(f"{zi} (ft {ft}): stroke count {bh}")

        # Element: the reviewed reading by meaning first, then the rule.
        if rs is not None and rs[0] in RADICAL_ELEMENT:
            wuhang = RADICAL_ELEMENT[rs[0]]
            stats["wuhang by radical"] += 1
        else:
            reading, source = unihan.reading(zi)
            if reading:
                wuhang = initial_element(reading)
                stats[f"wuhang by reading ({source})"] += 1
            else:
                wuhang = FALLBACK_ELEMENT
                stats["wuhang fallback 土"] += 1
                print(f"note: {zi} U+{ord(zi):04X} has no reading; element "
                      f"{FALLBACK_ELEMENT}", file=sys.stderr)
        if zi in element_exceptions:
            element, rule_element, _ = element_exceptions.pop(zi)
            if rule_element != wuhang:
                error(f"{zi} in {os.path.basename(ELEMENT_EXCEPTIONS)}: the rule gives {wuhang}, "
                      f"the file says {rule_element}")
            if element == wuhang:
                error(f"{zi} in {os.path.basename(ELEMENT_EXCEPTIONS)}: {element} is what the rule gives")
            wuhang = element
            stats["wuhang by meaning (reviewed)"] += 1
        elements[wuhang] += 1
        reading, _ = unihan.reading(zi)
        py = toneless(reading) if reading else ""

        if not (in_gbk(zi) and in_gbk(ft)):
            error(f"{zi} {ft}: not encodable in GBK")
        rows.append((zi, bh, ft, wuhang, py))

    for zi in element_exceptions:
        error(f"{zi} in {os.path.basename(ELEMENT_EXCEPTIONS)} is not a row")
    if not ok:
        return 1

    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write("zi\tbh\tft\twuhang\tpy\n")
        for zi, bh, ft, wuhang, py in rows:
            f.write(f"{zi}\t{bh}\t{ft}\t{wuhang}\t{py}\n")

    print(f"{os.path.relpath(OUT)}: {len(rows)} rows "
          f"(Unihan {unihan_version}, OpenCC {opencc_version()})")
    for key in sorted(stats):
        print(f"  {key}: {stats[key]}")
    print("  elements: " + ", ".join(f"{e} {elements[e]}" for e in "金木水火土"))
    print(f"  kTotalStrokes overrides: {len(overrides)}")
    for zi, ft, candidates in not_first:
        print(f"  OpenCC's first candidate not in GBK: {zi} → "
              f"{' '.join(candidates)}; took {ft}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
