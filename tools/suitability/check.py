#!/usr/bin/env python3
"""Checks the hand-reviewed name-suitability tables and the sound-alike list.

data/suitability/*.tsv  字 用字 性别 常用度 说明
data/homophones/*.tsv   拼音 词 类别 说明

Exits non-zero and prints every problem when a file is malformed, a character
is missing or listed twice, a 常用度 differs from the kTGH rule, or a word's
pinyin is not a reading of its characters. With --stats it prints the counts
that data/NOTES.md quotes.
"""
import bz2
import collections
import glob
import os
import re
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
UNIHAN = "/usr/share/unicode"
SUIT_HEADER = ["字", "用字", "性别", "常用度", "说明"]
HOMO_HEADER = ["拼音", "词", "类别", "说明"]
USES = ("宜", "僻", "忌")
SEXES = ("男", "女", "中")
LEVELS = ("常用", "次常用", "生僻")
CATEGORIES = ("身体", "疾病", "辱骂", "粗俗", "动物", "不祥", "笑话", "其他")
TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}


def read(path, header, problems):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines[0] != "\t".join(header):
        problems.append("%s:1: header must be %s" % (path, "\t".join(header)))
        return
    for n, line in enumerate(lines[1:], start=2):
        if not line:
            continue
        cells = line.split("\t")
        if len(cells) != len(header) or any(c != c.strip() for c in cells):
            problems.append("%s:%d: %d cells or stray spaces" % (path, n, len(cells)))
            continue
        yield "%s:%d" % (os.path.relpath(path, ROOT), n), cells


def unihan(name, fields):
    """{char: {field: value}} for the given fields of one Unihan file."""
    out = collections.defaultdict(dict)
    path = os.path.join(UNIHAN, name)
    if not os.path.exists(path):
        return None
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if not line.startswith("U+"):
                continue
            cp, field, value = line.rstrip("\n").split("\t", 2)
            if field in fields:
                out[chr(int(cp[2:], 16))][field] = value
    return out


def tgh_index():
    data = unihan("Unihan_OtherMappings.txt.bz2", {"kTGH"})
    if data is None:
        return None
    # "2013:1234" — the index in the 2013 通用规范汉字表; a character has one entry.
    return {c: min(int(v.split(":")[1]) for v in d["kTGH"].split()) for c, d in data.items()}


def level_of(index):
    # The three levels of the 通用规范汉字表: 1-3500 common, 3501-6500 less common, the rest rare.
    if index is not None and index <= 3500:
        return "常用"
    if index is not None and index <= 6500:
        return "次常用"
    return "生僻"


def readings():
    """{char: {(toneless pinyin with ü as v, tone)}} from every reading field."""
    fields = {"kMandarin", "kHanyuPinyin", "kTGHZ2013", "kXHC1983"}
    data = unihan("Unihan_Readings.txt.bz2", fields)
    if data is None:
        return None
    out = {}
    for c, d in data.items():
        for value in d.values():
            for token in re.split(r"[ ,]", value):
                token = token.split(":")[-1]
                if not token or token[0].isdigit():
                    continue
                s = unicodedata.normalize("NFD", token)
                tone = next((t for m, t in TONE_MARKS.items() if m in s), 0)
                base = "".join(ch for ch in s if ch not in TONE_MARKS)
                base = unicodedata.normalize("NFC", base).replace("ü", "v")
                out.setdefault(c, set()).add((base, tone))
    return out


def list_characters():
    chars = set()
    for path in glob.glob(os.path.join(ROOT, "resources", "lists", "*.txt")):
        with open(path, encoding="utf-8") as f:
            chars.update(c for c in f.read() if "\u4e00" <= c <= "\u9fff")
    return chars


def check_suitability(problems, stats):
    tgh = tgh_index()
    rows = {}
    for path in sorted(glob.glob(os.path.join(ROOT, "data", "suitability", "*.tsv"))):
        for where, (char, use, sex, level, note) in read(path, SUIT_HEADER, problems):
            if len(char) != 1:
                problems.append("%s: one character per line" % where)
            if char in rows:
                problems.append("%s: %s already in %s" % (where, char, rows[char][0]))
            if use not in USES or sex not in SEXES or level not in LEVELS:
                problems.append("%s: 用字 %s, 性别 %s or 常用度 %s is not allowed" % (where, use, sex, level))
            if use != "宜" and not note:
                problems.append("%s: %s needs a reason" % (where, use))
            if tgh is not None and level != level_of(tgh.get(char)):
                problems.append("%s: 常用度 of %s is %s by kTGH" % (where, char, level_of(tgh.get(char))))
            rows[char] = (where, use, sex, level, note)
    wanted = list_characters()
    if tgh is not None:
        wanted |= {c for c, i in tgh.items() if i <= 3500}
    missing = sorted(wanted - rows.keys())
    if missing:
        problems.append("data/suitability: %d characters missing: %s" % (len(missing), "".join(missing)))
    if stats:
        lists = list_characters()
        count = collections.Counter((r[1], r[2]) for r in rows.values())
        print("suitability: %d characters, %d from the built-in lists" % (len(rows), len(lists & rows.keys())))
        for use in USES:
            print("  %s %d (%s)" % (use, sum(v for k, v in count.items() if k[0] == use),
                                    " ".join("%s %d" % (s, count[(use, s)]) for s in SEXES)))
        print("  " + " ".join("%s %d" % (lv, sum(1 for r in rows.values() if r[3] == lv)) for lv in LEVELS))
        inlist = collections.Counter(rows[c][1] for c in lists if c in rows)
        print("  list characters: " + " ".join("%s %d" % (u, inlist[u]) for u in USES))


def check_homophones(problems, stats):
    reads = readings()
    seen = {}
    count = collections.Counter()
    lengths = collections.Counter()
    for path in sorted(glob.glob(os.path.join(ROOT, "data", "homophones", "*.tsv"))):
        for where, (pinyin, word, category, note) in read(path, HOMO_HEADER, problems):
            syllables = pinyin.split(" ")
            toned = [re.fullmatch(r"[a-z]+[1-4]", s) is not None for s in syllables]
            plain = [re.fullmatch(r"[a-z]+", s) is not None for s in syllables]
            if not (all(toned) or all(plain)):
                problems.append("%s: %s: every syllable with a tone digit 1-4, or none" % (where, pinyin))
            if not 2 <= len(syllables) <= 5 or len(syllables) != len(word):
                problems.append("%s: %s has %d syllables for %s" % (where, pinyin, len(syllables), word))
            if category not in CATEGORIES or not note:
                problems.append("%s: category %s or an empty note" % (where, category))
            if (pinyin, word) in seen:
                problems.append("%s: repeats %s" % (where, seen[(pinyin, word)]))
            seen[(pinyin, word)] = where
            if reads is not None and len(syllables) == len(word):
                for s, c in zip(syllables, word):
                    base, tone = re.fullmatch(r"([a-z]+)([1-4]?)", s).groups() if re.fullmatch(
                        r"[a-z]+[1-4]?", s) else (s, "")
                    known = reads.get(c, set())
                    if all(b != base for b, _ in known) or (tone and (base, int(tone)) not in known):
                        # 操 in the curse is read cào in speech; dictionaries give cāo only.
                        if not (c == "操" and s == "cao4"):
                            problems.append("%s: %s is not a reading of %s" % (where, s, c))
            count[category] += 1
            lengths[len(syllables)] += 1
    if stats:
        print("homophones: %d entries; %s; by syllables %s; with tones %d" % (
            sum(count.values()), " ".join("%s %d" % (c, count[c]) for c in CATEGORIES),
            " ".join("%d:%d" % kv for kv in sorted(lengths.items())),
            sum(1 for p, _ in seen if p[-1].isdigit())))


def main():
    problems = []
    stats = "--stats" in sys.argv
    check_suitability(problems, stats)
    check_homophones(problems, stats)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
