"""NM_起名用字, NM_谐音 and NM_字音: what the program knows of how a name reads.

- data/suitability/*.tsv (字 用字 性别 常用度 说明): for each character whether it
  is fit for a given name (宜), odd in one (僻) or unfit (忌), its leaning in
  given names (男 女 中) and its usage level (常用 次常用 生僻); 说明 gives the
  reason and is required for 僻 and 忌.
- data/homophones/*.tsv (拼音 词 类别 说明): words a full name must not sound
  like. 拼音 is syllables separated by spaces, each optionally followed by its
  tone digit 1-5 when the tone matters; ü is written v.
- data/readings.tsv.xz (字 读音): the modern readings of every character,
  customary first (tools/extract/readings.py).

Files are read in name order; a character given twice keeps its first row.
A missing folder leaves its table empty."""
import glob
import os
import re

from dbgen.authored import DataError, read_tsv, warn

SUITABILITY_HEADER = ("字", "用字", "性别", "常用度", "说明")
HOMOPHONE_HEADER = ("拼音", "词", "类别", "说明")
READING_HEADER = ("字", "读音")
USAGES = {"宜", "僻", "忌"}
LEANINGS = {"男", "女", "中"}
LEVELS = {"常用", "次常用", "生僻"}
CATEGORIES = {"身体", "疾病", "辱骂", "粗俗", "动物", "不祥", "笑话", "其他"}
SYLLABLE = re.compile(r"^[a-z]+[1-5]?$")


def rows_of(data_dir, folder, header):
    rows = []
    for path in sorted(glob.glob(os.path.join(data_dir, folder, "*.tsv"))):
        rows.extend(read_tsv(path, header))
    return rows


def suitability_rows(data_dir):
    out, seen = [], {}
    for path, number, (ch, usage, leaning, level, reason) in rows_of(data_dir, "suitability", SUITABILITY_HEADER):
        where = "%s:%d" % (path, number)
        if len(ch) != 1:
            raise DataError("%s: 字 must be one character, found %r" % (where, ch))
        if usage not in USAGES or leaning not in LEANINGS or level not in LEVELS:
            raise DataError("%s: %s: 用字 %r, 性别 %r or 常用度 %r is not a known value" % (where, ch, usage, leaning, level))
        if usage != "宜" and not reason:
            raise DataError("%s: %s is %s and needs 说明" % (where, ch, usage))
        if ch in seen:
            warn("%s: %s already given at %s; ignored" % (where, ch, seen[ch]))
            continue
        seen[ch] = where
        out.append((ch, usage, leaning, level, reason))
    return out


def homophone_rows(data_dir):
    out, seen = [], set()
    for path, number, (pinyin, word, category, note) in rows_of(data_dir, "homophones", HOMOPHONE_HEADER):
        where = "%s:%d" % (path, number)
        syllables = pinyin.lower().replace("ü", "v").replace("u:", "v").split()
        if len(syllables) < 2 or not all(SYLLABLE.match(s) for s in syllables):
            raise DataError("%s: 拼音 %r must be two or more syllables such as 'du zi teng' or 'yang2 wei3'"
                            % (where, pinyin))
        if not word or category not in CATEGORIES:
            raise DataError("%s: empty 词 or unknown 类别 %r" % (where, category))
        key = (" ".join(syllables), word)
        if key in seen:
            warn("%s: %s %s given twice; ignored" % (where, pinyin, word))
            continue
        seen.add(key)
        out.append((" ".join(syllables), word, category, note))
    return out


def load(conn, data_dir):
    conn.executemany("insert into NM_起名用字 values (?,?,?,?,?,?)",
                     [(i,) + row for i, row in enumerate(suitability_rows(data_dir), 1)])
    conn.executemany("insert into NM_谐音 values (?,?,?,?,?)",
                     [(i,) + row for i, row in enumerate(homophone_rows(data_dir), 1)])
    readings = os.path.join(data_dir, "readings.tsv.xz")
    if os.path.exists(readings):
        conn.executemany("insert into NM_字音 values (?,?,?)",
                         [(i, ch, text) for i, (_, _, (ch, text)) in enumerate(read_tsv(readings, READING_HEADER), 1)])
