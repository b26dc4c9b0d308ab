#!/usr/bin/env python3
"""Writes refdata/dream/chenggu1.tsv .. chenggu4.tsv: the weights of the bone-weight fortune (称骨).

A birth is weighed by four weights from the traditional table attributed to 袁天罡: that of the
stem-branch of the lunar year, of the lunar month, of the lunar day and of the two-hour period of
the hour of birth. Their sum, between 2两1钱 and 7两1钱, selects a verse of the bone-weight rhyme
(refdata/dream/chenggu.tsv, kept by hand).

  chenggu1.tsv  year    weight   lunar years 1900..2100, by the year's stem-branch
  chenggu2.tsv  month2  weight   lunar months 1..12
  chenggu3.tsv  day2    weight   lunar days 1..30
  chenggu4.tsv  time    weight   hours 0..23, by their two-hour branch

Weights are written in 两 with one decimal (1钱 = 0.1两). The script then adds the weights of
every combination of year, month, day and hour, as the program does, and checks that each total
lies between 2两1钱 and 7两1钱 and has its row in chenggu.tsv.

Run: python3 refdata/generators/bone_weight.py
"""
import itertools
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DREAM = os.path.join(ROOT, "refdata", "dream")
VERSES = os.path.join(DREAM, "chenggu.tsv")
CYCLE_FILE = os.path.join(ROOT, "refdata", "Tgcode", "jiazi.tsv")

FIRST_YEAR, LAST_YEAR = 1900, 2100
LIGHTEST, HEAVIEST = 21, 71  # in 钱

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"

# Weight of the year by its stem-branch, in 两, in cycle order.
YEAR_WEIGHTS = {
    "甲子": 1.2, "乙丑": 0.9, "丙寅": 0.6, "丁卯": 0.7, "戊辰": 1.2,
    "己巳": 0.5, "庚午": 0.9, "辛未": 0.8, "壬申": 0.7, "癸酉": 0.8,
    "甲戌": 1.5, "乙亥": 0.9, "丙子": 1.6, "丁丑": 0.8, "戊寅": 0.8,
    "己卯": 1.9, "庚辰": 1.2, "辛巳": 0.6, "壬午": 0.8, "癸未": 0.7,
    "甲申": 0.5, "乙酉": 1.5, "丙戌": 0.6, "丁亥": 1.6, "戊子": 1.5,
    "己丑": 0.7, "庚寅": 0.9, "辛卯": 1.2, "壬辰": 1.0, "癸巳": 0.7,
    "甲午": 1.5, "乙未": 0.6, "丙申": 0.5, "丁酉": 1.4, "戊戌": 1.4,
    "己亥": 0.9, "庚子": 0.7, "辛丑": 0.7, "壬寅": 0.9, "癸卯": 1.2,
    "甲辰": 0.8, "乙巳": 0.7, "丙午": 1.3, "丁未": 0.5, "戊申": 1.4,
    "己酉": 0.5, "庚戌": 0.9, "辛亥": 1.7, "壬子": 0.5, "癸丑": 0.7,
    "甲寅": 1.2, "乙卯": 0.8, "丙辰": 0.8, "丁巳": 0.6, "戊午": 1.9,
    "己未": 0.6, "庚申": 0.8, "辛酉": 1.6, "壬戌": 1.0, "癸亥": 0.6,
}

# Weight of the lunar month, 正月 first.
MONTH_WEIGHTS = {
    "正月": 0.6, "二月": 0.7, "三月": 1.8, "四月": 0.9, "五月": 0.5, "六月": 1.6,
    "七月": 0.9, "八月": 1.5, "九月": 1.8, "十月": 0.8, "十一月": 0.9, "十二月": 0.5,
}

# Weight of the lunar day, 初一 first.
DAY_WEIGHTS = {
    "初一": 0.5, "初二": 1.0, "初三": 0.8, "初四": 1.5, "初五": 1.6,
    "初六": 1.5, "初七": 0.8, "初八": 1.6, "初九": 0.8, "初十": 1.6,
    "十一": 0.9, "十二": 1.7, "十三": 0.8, "十四": 1.7, "十五": 1.0,
    "十六": 0.8, "十七": 0.9, "十八": 1.8, "十九": 0.5, "二十": 1.5,
    "廿一": 1.0, "廿二": 0.9, "廿三": 0.8, "廿四": 0.9, "廿五": 1.5,
    "廿六": 1.8, "廿七": 0.7, "廿八": 0.8, "廿九": 1.6, "三十": 0.6,
}

# Weight of the two-hour period by its branch.
HOUR_WEIGHTS = {
    "子": 1.6, "丑": 0.6, "寅": 0.7, "卯": 1.0, "辰": 0.9, "巳": 1.6,
    "午": 1.0, "未": 0.8, "申": 0.8, "酉": 0.9, "戌": 0.6, "亥": 0.6,
}


def fail(message):
    sys.exit("bone_weight.py: " + message)


def qian(liang):
    """A weight in 两 with at most one decimal, as a whole number of 钱."""
    q = round(liang * 10)
    if abs(q - liang * 10) > 1e-9 or not 1 <= q <= 99:
        fail(f"weight {liang} is not a whole number of 钱")
    return q


def liang_text(q):
    return f"{q // 10}.{q % 10}"


def cycle():
    """The sixty stem-branches, 甲子 first."""
    return [STEMS[i % 10] + BRANCHES[i % 12] for i in range(60)]


def check_tables():
    pillars = cycle()
    if list(YEAR_WEIGHTS) != pillars:
        fail("the year table is not the sixty stem-branches in cycle order")
    if os.path.exists(CYCLE_FILE):
        with open(CYCLE_FILE, encoding="utf-8") as f:
            listed = [line.split("\t")[0] for line in f.read().splitlines()[1:]]
        if listed != pillars:
            fail("the cycle differs from the order of refdata/Tgcode/jiazi.tsv")
    if list(HOUR_WEIGHTS) != list(BRANCHES):
        fail("the hour table is not the twelve branches in order")
    if len(MONTH_WEIGHTS) != 12 or len(DAY_WEIGHTS) != 30:
        fail("the month table needs 12 entries and the day table 30")


def year_pillar(year):
    return cycle()[(year - 4) % 60]


def hour_branch(hour):
    # 23 and 0 are 子, 1-2 丑, ... 21-22 亥.
    return BRANCHES[((hour + 3) // 2 - 1) % 12]


def tables():
    """The four tables as (file name, key column, [(key text, weight in 钱)])."""
    years = [(str(y), qian(YEAR_WEIGHTS[year_pillar(y)])) for y in range(FIRST_YEAR, LAST_YEAR + 1)]
    months = [(str(m), qian(w)) for m, w in enumerate(MONTH_WEIGHTS.values(), start=1)]
    days = [(str(d), qian(w)) for d, w in enumerate(DAY_WEIGHTS.values(), start=1)]
    hours = [(str(h), qian(HOUR_WEIGHTS[hour_branch(h)])) for h in range(24)]
    return [
        ("chenggu1.tsv", "year", years),
        ("chenggu2.tsv", "month2", months),
        ("chenggu3.tsv", "day2", days),
        ("chenggu4.tsv", "time", hours),
    ]


def write(name, column, rows):
    with open(os.path.join(DREAM, name), "w", encoding="utf-8", newline="\n") as out:
        out.write(f"{column}\tweight\n")
        for key, q in rows:
            out.write(f"{key}\t{liang_text(q)}\n")


def program_key(total):
    """The key the program makes of a total read back as a double: 3.5 -> "35", 4.0 -> "40"."""
    text = format(total, ".15g")
    if len(text) == 1:
        return text + "0"
    return text[0] + (text[2] if len(text) > 2 else "")


def verse_keys():
    if not os.path.exists(VERSES):
        fail("refdata/dream/chenggu.tsv is missing")
    with open(VERSES, encoding="utf-8") as f:
        lines = f.read().splitlines()
    if not lines or lines[0] != "weight\tcontent\tcontent2":
        fail("chenggu.tsv: the header must be weight, content, content2")
    return {line.split("\t")[0] for line in lines[1:]}


def check_totals(all_tables):
    # Distinct weights suffice for the totals; the double sums are formed in the program's order,
    # year + month + day + hour, from the weights as the data file gives them back.
    distinct = [sorted({q for _key, q in rows}) for _name, _column, rows in all_tables]
    reached = set()
    for combo in itertools.product(*distinct):
        q = sum(combo)
        if not LIGHTEST <= q <= HEAVIEST:
            fail(f"total {liang_text(q)} from {[liang_text(c) for c in combo]} is outside 2.1..7.1")
        total = 0.0
        for c in combo:
            total += float(liang_text(c))
        expected = f"{q // 10}{q % 10}"
        if program_key(total) != expected:
            fail(f"the sum {total!r} of {[liang_text(c) for c in combo]} gives key {program_key(total)}, "
                 f"not {expected}")
        reached.add(q)
    keys = verse_keys()
    missing = sorted(f"{q // 10}{q % 10}" for q in reached if f"{q // 10}{q % 10}" not in keys)
    if missing:
        fail("totals without a verse in chenggu.tsv: " + ", ".join(missing))
    return sorted(reached)


def main():
    check_tables()
    all_tables = tables()
    for name, column, rows in all_tables:
        write(name, column, rows)
    reached = check_totals(all_tables)
    counts = ", ".join(f"{name} {len(rows)}" for name, _column, rows in all_tables)
    print(f"wrote {counts} rows")
    print(f"{len(reached)} totals reached, {liang_text(reached[0])} to {liang_text(reached[-1])}: "
          + " ".join(liang_text(q) for q in reached))


if __name__ == "__main__":
    main()
