"""Upstream word and character lists shared by the name-word shortlist scripts.

The 3,500 characters of the first table of the 2013 通用规范汉字表 (Unihan kTGH), the two-character
words of the jieba dictionary with frequency and tag, and those of the rime essay with weight.
Standard library only; the files come from Debian's unicode-data, python3-jieba and rime-essay.
"""
import bz2
import glob
import sys

UNIHAN_GLOB = "/usr/share/unicode/Unihan_*.txt.bz2"
JIEBA_DICT = "/usr/lib/python3/dist-packages/jieba/dict.txt"
RIME_ESSAY = "/usr/share/rime-data/essay.txt"
FIRST_TABLE = 3500


def common_chars():
    """The 3,500 characters of the first table, from Unihan kTGH."""
    chars = set()
    for path in sorted(glob.glob(UNIHAN_GLOB)):
        with bz2.open(path, "rt", encoding="utf-8") as fh:
            for line in fh:
                if "\tkTGH\t" not in line:
                    continue
                cp, _, value = line.rstrip("\n").split("\t")
                for item in value.split():
                    year, _, num = item.partition(":")
                    if year == "2013" and int(num) <= FIRST_TABLE:
                        chars.add(chr(int(cp[2:], 16)))
    if len(chars) != FIRST_TABLE:
        sys.exit("error: expected %d common characters, found %d" % (FIRST_TABLE, len(chars)))
    return chars


def load_jieba():
    """Two-character words of the jieba dictionary: word -> (frequency, tag)."""
    words = {}
    with open(JIEBA_DICT, encoding="utf-8") as fh:
        for line in fh:
            parts = line.split()
            if len(parts) >= 2 and len(parts[0]) == 2:
                tag = parts[2] if len(parts) > 2 else "-"
                words[parts[0]] = (int(parts[1]), tag)
    return words


def load_essay():
    """Two-character words of the rime essay: word -> largest weight."""
    words = {}
    with open(RIME_ESSAY, encoding="utf-8") as fh:
        for line in fh:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 2 and len(parts[0]) == 2 and parts[1].isdigit():
                words[parts[0]] = max(words.get(parts[0], 0), int(parts[1]))
    return words
