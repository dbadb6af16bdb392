#!/usr/bin/env python3
"""Prints the characters that still need written explanations, with the facts the
writer needs: every character of the built-in lists, of the surnames and 小儿阿, in
code-point order, numbered from 0; rows FROM..TO (inclusive) of that order.

    tools/extract/character_worklist.py build/data/namedata.db 800 1528
"""
import os
import sqlite3
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def characters():
    chars = set()
    for name in ("MaleCharacters", "FemaleCharacters", "MalePleasantCharacters", "FemalePleasantCharacters"):
        with open(os.path.join(ROOT, "resources", "lists", name + ".txt"), encoding="utf-8") as f:
            chars |= set(f.read().strip())
    with open(os.path.join(ROOT, "data", "surnames.tsv"), encoding="utf-8") as f:
        for line in f.read().splitlines()[1:]:
            chars |= set(line.split("\t")[0])
    chars |= set("小儿阿")
    return sorted(c for c in chars if not c.isspace())


def main():
    db, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    conn = sqlite3.connect(db)
    print("序号\t字\t拼音\t繁体\t康熙笔画\t部首\t规则五行\t现有解释")
    for i, c in enumerate(characters()):
        if not first <= i <= last:
            continue
        row = conn.execute(
            "select 拼音1, 繁体, 繁体笔画数, 部首, 五行属性, 基本解释 from NM_CNWord where 汉字 = ?", (c,)
        ).fetchone() or ("", "", "", "", "", "")
        print(f"{i}\t{c}\t" + "\t".join(str(v).replace("\t", " ").replace("\n", " ") for v in row))


if __name__ == "__main__":
    main()
