#!/usr/bin/env python3
"""The element panel: what published name-study pages say about the element (五行)
of name characters, and how well the element rule agrees with them.

data/element_pages.tsv is the record of reading the pages, one line per page and
element:   页面 <TAB> 五行 <TAB> the characters that page gives that element
A page that gives one character two elements, or hedges between several, is not
recorded for that character; the same article copied onto several sites counts once.

From it this script writes data/element_panel.tsv: the characters of the character
table on which two or more pages agree, and more pages agree than disagree, with
the agreeing pages. Characters that only one page names, or on which the pages are
split, stay in the record only.

    python3 tools/extract/element_panel.py            # rewrite element_panel.tsv
    python3 tools/extract/element_panel.py --check    # fails when it is out of date
    python3 tools/extract/element_panel.py --measure  # agreement of the rule with the panel
"""
import argparse
import collections
import runpy
import types
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(ROOT, "data")
PAGES = os.path.join(DATA, "element_pages.tsv")
PANEL = os.path.join(DATA, "element_panel.tsv")
sys.path.insert(0, os.path.join(ROOT, "tools"))

from dbgen.elements import ELEMENTS  # noqa: E402
from dbgen.tsv import read_tsv  # noqa: E402

PANEL_HEAD = """\
# Elements of common name characters as published name-study pages give them: a character is kept
# only where two or more pages agree (and more pages agree than disagree). Written by
# tools/extract/element_panel.py from element_pages.tsv; used by the tests and to measure the
# element rule; see data/NOTES.md.
字\t五行\t页面
"""


def read_pages(path=PAGES):
    """Character -> element -> sorted pages, from the record of the pages read."""
    says = collections.defaultdict(lambda: collections.defaultdict(set))
    seen = set()
    for where, (page, element, chars) in read_tsv(path, ("页面", "五行", "字")):
        if element not in ELEMENTS:
            raise ValueError("%s: %r is not one of %s" % (where, element, "".join(ELEMENTS)))
        if not page.startswith(("http://", "https://")):
            raise ValueError("%s: %r is not a page address" % (where, page))
        for char in chars:
            if (page, char) in seen:
                raise ValueError("%s: %s already recorded for this page" % (where, char))
            seen.add((page, char))
            says[char][element].add(page)
    return says


def verdict(by_element):
    """(element, agreeing pages, disagreeing pages) of one character: the element most pages give."""
    ranked = sorted(by_element.items(), key=lambda kv: (-len(kv[1]), ELEMENTS.index(kv[0])))
    element, pages = ranked[0]
    others = sum(len(p) for e, p in ranked[1:])
    return element, len(pages), others


def table_characters():
    """The character table's build module (its readers of the data files)."""
    path = os.path.join(ROOT, "tools", "dbgen", "10_cnword.py")
    return types.SimpleNamespace(**runpy.run_path(path, run_name="cnword"))


def build_panel(says, known):
    """Rows (char, element, pages) of the panel, in code-point order."""
    rows = []
    for char in sorted(says, key=ord):
        element, agree, disagree = verdict(says[char])
        if char in known and agree >= 2 and agree > disagree:
            rows.append((char, element, sorted(says[char][element])))
    return rows


def panel_text(rows):
    return PANEL_HEAD + "".join("%s\t%s\t%s\n" % (c, e, " ".join(p)) for c, e, p in rows)


def measure(says, rows, cnword):
    """Prints the rule's agreement with the panel and with the characters the panel leaves out."""
    base = {r["字"]: r for r in cnword.read_base(DATA)}
    corrections = cnword.read_corrections(DATA)
    authored = cnword.read_authored(DATA)
    old = cnword.read_old_initials(DATA)

    def ours(char):
        return cnword.element_of(base[char], corrections, authored, old)

    pages = {p for by in says.values() for ps in by.values() for p in ps}
    print("pages read: %d; characters named: %d" % (len(pages), len(says)))
    agree = [c for c, e, _ in rows if ours(c)[0] == e]
    print("panel: %d characters, %d agree (%.1f %%)" % (len(rows), len(agree), 100.0 * len(agree) / max(1, len(rows))))
    steps = collections.Counter(ours(c)[1] for c, _, _ in rows)
    print("  the rule's step for the panel's characters: " + ", ".join("%s %d" % kv for kv in steps.most_common()))
    for c, e, p in rows:
        got, how = ours(c)
        if got != e:
            print("  %s pages %s (%d), rule %s by %s" % (c, e, len(p), got, how))
    in_panel = {c for c, _, _ in rows}
    single, split = [], []
    for char, by in sorted(says.items(), key=lambda kv: ord(kv[0])):
        if char in in_panel or char not in base:
            continue
        element, n_agree, n_disagree = verdict(by)
        (single if n_agree + n_disagree == 1 else split).append((char, element, by))
    hits = sum(1 for c, e, _ in single if ours(c)[0] == e)
    print("one page only: %d characters, %d agree (%.1f %%)" % (len(single), hits, 100.0 * hits / max(1, len(single))))
    print("  disagreeing: " + " ".join("%s%s/%s" % (c, e, ours(c)[0]) for c, e, _ in single if ours(c)[0] != e))
    print("pages split: " + "; ".join(
        "%s %s, rule %s" % (c, " ".join("%s%d" % (e, len(p)) for e, p in by.items()), ours(c)[0]) for c, _, by in split))
    missing = sorted(set(says) - set(base), key=ord)
    if missing:
        print("not in the character table: " + "".join(missing))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--check", action="store_true", help="fail when element_panel.tsv is out of date")
    ap.add_argument("--measure", action="store_true", help="print the rule's agreement with the panel")
    args = ap.parse_args()

    says = read_pages()
    cnword = table_characters()
    known = {r["字"] for r in cnword.read_base(DATA)}
    rows = build_panel(says, known)
    text = panel_text(rows)
    if args.measure:
        measure(says, rows, cnword)
        return 0
    if args.check:
        with open(PANEL, encoding="utf-8") as f:
            if f.read() != text:
                print("data/element_panel.tsv is out of date: run tools/extract/element_panel.py", file=sys.stderr)
                return 1
        return 0
    with open(PANEL, "w", encoding="utf-8") as f:
        f.write(text)
    print("wrote %s: %d characters" % (PANEL, len(rows)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
