#!/usr/bin/env python3
"""Draws the naming samples that a reader rates.

Six families of naming runs (two, three and four characters with nothing
fixed; two with 鑫 fixed first, three with 华 fixed first, four with 金 fixed
first), five birth charts each, twenty distinct bodies per chart from a run
with a fixed seed; where a chart gives fewer (a fixed character that cannot
supply what the chart lacks gives none), the other charts of the family make
up the hundred: 600 bodies, written to samples.tsv beside this script
(columns family, chart, body) in a shuffled order, so that the reader does not
rate family by family.

Run from the repository after a build:
    python3 refdata/review/naming/make_samples.py [build/bin/korvani-cli]
"""

import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", "..", ".."))
CLI = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "korvani-cli")

FAMILIES = [
    ("2", 2, {}),
    ("3", 3, {}),
    ("4", 4, {}),
    ("2鑫", 2, {"--fix1": "鑫"}),
    ("3华", 3, {"--fix1": "华"}),
    ("4金", 4, {"--fix1": "金"}),
]
CHARTS = [  # year, month, day, hour, minute, sex
    ("1985", "6", "15", "9", "30", "男"),
    ("1990", "3", "3", "14", "0", "女"),
    ("1978", "11", "20", "6", "45", "男"),
    ("2000", "1", "1", "12", "0", "女"),
    ("1968", "8", "8", "20", "10", "男"),
]
PER_CHART = 20


def bodies(length, fixed, chart, seed):
    y, m, d, h, mi, sex = chart
    args = [CLI, "name", "--surname", "张", "--sex", sex, "--calendar", "solar", "--year", y,
            "--month", m, "--day", d, "--hour", h, "--minute", mi, "--length", str(length),
            "--seed", str(seed), "--pages", "3"]
    for option, value in fixed.items():
        args += [option, value]
    out = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    seen = []
    for line in out.splitlines()[1:]:
        fields = line.split("\t")
        if len(fields) == 9 and fields[4] and fields[4] not in seen:
            seen.append(fields[4])
    return seen


def main():
    rows = []
    for family, length, fixed in FAMILIES:
        # A body that an earlier chart of the family gave already is not rated twice.
        found = {}
        seen = set()
        for number, chart in enumerate(CHARTS, 1):
            found[number] = [b for b in bodies(length, fixed, chart, 1000 + number) if b not in seen]
            seen.update(found[number][:PER_CHART])
        taken = {number: min(PER_CHART, len(b)) for number, b in found.items()}
        for number, b in found.items():
            if len(b) < PER_CHART:
                print(f"family {family}, chart {number}: {len(b)} bodies", file=sys.stderr)
        # Make up the hundred from the charts that have more.
        while sum(taken.values()) < PER_CHART * len(CHARTS):
            more = [n for n in found if taken[n] < len(found[n])]
            if not more:
                break
            taken[max(more, key=lambda n: len(found[n]) - taken[n])] += 1
        for number, b in found.items():
            rows += [(family, str(number), body) for body in b[:taken[number]]]
    random.Random(2026).shuffle(rows)
    with open(os.path.join(HERE, "samples.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("family\tchart\tbody\n")
        for row in rows:
            f.write("\t".join(row) + "\n")
    print(f"{len(rows)} bodies written to {os.path.relpath(os.path.join(HERE, 'samples.tsv'), ROOT)}")


if __name__ == "__main__":
    main()
