"""NM_CNWord: one row per character of data/cnword_base.tsv.xz.

The facts (forms, strokes, pinyin, radical, Wubi code) come from the base
table; the element from dbgen/elements.py; the two explanations from our
authored files data/texts/characters/*.tsv where present, otherwise a short
text built from the facts, so that no character shows an empty page.

Authored files: UTF-8, a header line, tab-separated, `<br>` for a line break
inside a cell:  字 <TAB> 五行 <TAB> 基本解释 <TAB> 详细解释
An empty cell keeps what the data gives (the rule's element, the built text).
Files are read in name order; for each cell the first file giving it wins.
"""
import glob
import html
import lzma
import os
import sys

from dbgen.elements import ELEMENTS, read_corrections, read_old_initials, rule_element
from dbgen.tsv import read_tsv

AUTHORED_HEADER = ["字", "五行", "基本解释", "详细解释"]



def read_base(data_dir):
    """The extracted facts; an uncompressed cnword_base.tsv (small test inputs) is read as well."""
    path = os.path.join(data_dir, "cnword_base.tsv")
    opener = open if os.path.exists(path) else lzma.open
    with opener(path if os.path.exists(path) else path + ".xz", "rt", encoding="utf-8") as f:
        lines = f.read().rstrip("\n").split("\n")
    header = lines[0].split("\t")
    return [dict(zip(header, line.split("\t"))) for line in lines[1:]]


def read_authored(data_dir):
    """Character -> {column: text} from data/texts/characters/*.tsv (absent folder: nothing)."""
    authored = {}
    for path in sorted(glob.glob(os.path.join(data_dir, "texts", "characters", "*.tsv"))):
        seen = set()
        for where, (char, element, basic, detailed) in read_tsv(path, AUTHORED_HEADER):
            if len(char) != 1:
                raise ValueError("%s: %r is not one character" % (where, char))
            if element and element not in ELEMENTS:
                raise ValueError("%s: element %r is not one of %s" % (where, element, "".join(ELEMENTS)))
            if char in seen:
                raise ValueError("%s: %s appears twice in this file" % (where, char))
            seen.add(char)
            entry = authored.setdefault(char, {})
            for column, value in (("五行", element), ("基本解释", basic), ("详细解释", detailed)):
                if not value:
                    continue
                if column in entry and entry[column] != value:
                    print("%s: %s %s already given by an earlier file; kept the earlier one" % (where, char, column),
                          file=sys.stderr)
                    continue
                entry[column] = value
    return authored


def element_of(row, corrections, authored, old_initials):
    """(element, how it was found) for one base-table row. The old initials are
    those of the traditional form, else of the character itself."""
    char = row["字"]
    if authored.get(char, {}).get("五行"):
        return authored[char]["五行"], "authored"
    if char in corrections:
        return corrections[char], "correction"
    old = old_initials.get(row["繁体"]) or old_initials.get(char) or ()
    return rule_element(int(row["康熙部首"]), row["声母"], old)


def built_texts(row):
    """The two explanations of a character without written texts: the readings
    and the forms in Chinese; Unihan's English gloss only as an extra line."""
    readings = row["读音"].split()
    definition = html.escape(row["英文释义"], quote=False)
    basic = ["读音：" + ("、".join(readings) if readings else "未详")]
    if row["繁体"] != row["字"]:
        basic.append("繁体作“%s”。" % row["繁体"])
    if definition:
        basic.append("英文释义：" + definition)
    detailed = ["部首：%s；简体 %s 画，康熙笔画 %s 画。" % (row["部首"], row["简体笔画数"], row["繁体笔画数"])]
    return "<br>".join(basic), "<br>".join(detailed)


def load(conn, data_dir):
    corrections = read_corrections(data_dir)
    old_initials = read_old_initials(data_dir)
    authored = read_authored(data_dir)
    rows = read_base(data_dir)
    known = {r["字"] for r in rows}
    unknown = sorted(set(authored) - known)
    if unknown:
        print("characters with texts but no data (skipped): " + "".join(unknown), file=sys.stderr)

    records = []
    for number, row in enumerate(rows, start=1):
        element, _how = element_of(row, corrections, authored, old_initials)
        basic, detailed = built_texts(row)
        texts = authored.get(row["字"], {})
        records.append((
            number, int(row["code"]), row["字"], row["字"], row["繁体"], int(row["简体笔画数"]),
            int(row["繁体笔画数"]), row["拼音1"], row["拼音2"], row["声母"], row["韵母"], row["部首"], element,
            row["五笔"], texts.get("基本解释") or basic, texts.get("详细解释") or detailed,
        ))
    conn.executemany("insert into NM_CNWord values (%s)" % ",".join("?" * 16), records)
