#!/usr/bin/env python3
"""Extracts the modern readings of every character of data/cnword_base.tsv.xz
from Unihan (Debian `unicode-data`) and writes data/readings.tsv.xz:

    字 <TAB> 读音      readings in toned pinyin, space-separated, customary first

The readings are those of the 通用规范汉字字典 (kTGHZ2013); a character that
dictionary lacks takes those of the 现代汉语词典 (kXHC1983), then kMandarin.
Old and literary readings of kHanyuPinyin are left out on purpose: the table
serves to hear a name as people read it today. The customary reading
(kMandarin) comes first when it is among them.

Run by hand when unicode-data changes; the build only reads the output.
"""
import bz2
import glob
import lzma
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FIELDS = ("kTGHZ2013", "kXHC1983", "kMandarin")


def read_unihan():
    entries = {}
    for path in sorted(glob.glob("/usr/share/unicode/Unihan_*.txt.bz2")):
        with bz2.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                if not line.startswith("U+"):
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in FIELDS:
                    entries.setdefault(chr(int(cp[2:], 16)), {})[field] = value
    return entries


def listed(value):
    """'0792.070:míng,mìng 0793.010:míng' or 'míng mìng' -> readings in order, once each."""
    out = []
    for item in value.split():
        for r in item.split(":", 1)[-1].split(","):
            r = r.rstrip("*")
            if r and r not in out:
                out.append(r)
    return out


def readings(entry):
    for field in FIELDS[:2]:
        found = listed(entry.get(field, ""))
        if found:
            break
    else:
        found = listed(entry.get("kMandarin", ""))
    for preferred in reversed(listed(entry.get("kMandarin", ""))):
        if preferred in found:
            found.remove(preferred)
            found.insert(0, preferred)
    return found


def main():
    with lzma.open(os.path.join(ROOT, "data", "cnword_base.tsv.xz"), "rt", encoding="utf-8") as f:
        chars = [line.split("\t", 1)[0] for line in f.read().rstrip("\n").split("\n")[1:]]
    unihan = read_unihan()
    lines = ["字\t读音"]
    for ch in chars:
        found = readings(unihan.get(ch, {}))
        if found:
            lines.append(ch + "\t" + " ".join(found))
    out = os.path.join(ROOT, "data", "readings.tsv.xz")
    with lzma.open(out, "wt", encoding="utf-8", preset=9) as f:
        f.write("\n".join(lines) + "\n")
    print("wrote", out, len(lines) - 1, "characters of", len(chars))


if __name__ == "__main__":
    main()
