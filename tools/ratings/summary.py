#!/usr/bin/env python3
"""Prints the figures data/NOTES.md quotes for the lists read as a parent.

data/ratings/{before,after}.tsv  list rank name rating note
Per list: the number of names rated (the top 25, fewer when the list is
shorter), the mean rating, the share rated 4-5, the share rated 1-2 and the
count rated 1. With --check CLI, it also regenerates every list with the
given jiaming-cli and fails when the top names differ from after.tsv.
"""
import os
import statistics
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RATINGS = os.path.join(ROOT, "data", "ratings")


def read(name):
    by_list = {}
    with open(os.path.join(RATINGS, name), encoding="utf-8") as f:
        for line in f.read().split("\n")[1:]:
            if line:
                lst, rank, person, rating, _note = line.split("\t")
                by_list.setdefault(lst, []).append((int(rank), person, int(rating)))
    return by_list


def figures(rows):
    r = [x[2] for x in rows]
    return "%2d  %.2f  %3.0f%%  %3.0f%%  %d" % (len(r), statistics.mean(r), 100 * sum(v >= 4 for v in r) / len(r),
                                            100 * sum(v <= 2 for v in r) / len(r), sum(v == 1 for v in r))


def check(cli, after):
    with open(os.path.join(RATINGS, "lists.tsv"), encoding="utf-8") as f:
        lists = [line.split("\t") for line in f.read().strip().split("\n")[1:]]
    bad = 0
    for lst, args in lists:
        out = subprocess.run([cli, "generate", *args.split(), "--format", "tsv"], capture_output=True, text=True,
                             check=True).stdout
        lines = out.split("\n")
        if lines[0].startswith("编号"):
            names = [line.split("\t")[1] for line in lines[1:] if line]
        else:
            names = out.split()
        want = [x[1] for x in after[lst]]
        if names[:len(want)] != want:
            print("%s: the list now starts %s" % (lst, " ".join(names[:len(want)])), file=sys.stderr)
            bad += 1
    return bad


def main():
    before, after = read("before.tsv"), read("after.tsv")
    print("list  before: n mean 4-5 1-2 ones | after: n mean 4-5 1-2 ones")
    for lst in sorted(after):
        print("%s  %s | %s" % (lst, figures(before[lst]), figures(after[lst])))
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        return 1 if check(sys.argv[2], after) else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
