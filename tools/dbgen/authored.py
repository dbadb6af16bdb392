"""Readers for the texts we write ourselves under data/texts/<kind>/*.tsv and for the
committed source tables.

An authored file is UTF-8, tab-separated, with a fixed header line; a cell holds
no tab and no newline (HTML such as <br> or <p> may stand in a cell). Files are
read in sorted name order, lines in file order. A malformed file stops the build
with its name and line; a key written twice keeps its first row and warns."""
import glob
import lzma
import os
import sys


class DataError(Exception):
    pass


def warn(message):
    print("warning:", message, file=sys.stderr)


def read_tsv(path, header):
    """Rows of one tab-separated file (plain or .xz) as tuples, after checking its header."""
    opener = lzma.open if path.endswith(".xz") else open
    with opener(path, "rt", encoding="utf-8", newline="\n") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines:
        raise DataError("%s: empty file" % path)
    first = lines[0].lstrip("\ufeff").rstrip("\r")
    if first.split("\t") != list(header):
        raise DataError("%s:1: header must be %r, found %r" % (path, "\t".join(header), first))
    rows = []
    for number, line in enumerate(lines[1:], 2):
        line = line.rstrip("\r")
        if not line.strip():
            continue
        cells = line.split("\t")
        if len(cells) != len(header):
            raise DataError("%s:%d: %d cells, expected %d" % (path, number, len(cells), len(header)))
        rows.append((path, number, tuple(c.strip() for c in cells)))
    return rows


def read_authored(data_dir, kind, header):
    """Every row of data/texts/<kind>/*.tsv as (path, line, cells), files in sorted order."""
    rows = []
    for path in sorted(glob.glob(os.path.join(data_dir, "texts", kind, "*.tsv"))):
        rows.extend(read_tsv(path, header))
    return rows


def first_by_key(rows, key_of, what):
    """Keeps the first row of every key; later rows with the same key are reported and dropped."""
    kept, seen = [], {}
    for path, number, cells in rows:
        key = key_of(cells)
        if not key or (isinstance(key, tuple) and not all(key)):
            raise DataError("%s:%d: empty %s" % (path, number, what))
        if key in seen:
            warn("%s:%d: %s %s already given at %s; ignored" % (path, number, what, key, seen[key]))
            continue
        seen[key] = "%s:%d" % (os.path.relpath(path, os.path.dirname(os.path.dirname(path))), number)
        kept.append((path, number, cells))
    return kept
