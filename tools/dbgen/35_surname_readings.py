"""NM_姓氏读音: the reading of every surname of NM_百家姓, in its order.

A surname reads as the first readings of its characters (NM_CNWord 拼音2), unless
data/surname_readings.tsv gives the reading the surname has (单 shàn, 仇 qiú,
万俟 mò qí), one syllable per character separated by spaces. Lines starting
with `#` are comments."""
import os

from dbgen.authored import DataError, warn

HEADER = ["姓", "读音", "依据"]


def read_readings(data_dir):
    path = os.path.join(data_dir, "surname_readings.tsv")
    readings = {}
    if not os.path.exists(path):
        return readings
    with open(path, encoding="utf-8") as f:
        lines = [(n, line.rstrip("\n")) for n, line in enumerate(f, start=1) if not line.startswith("#")]
    if not lines or lines[0][1].split("\t") != HEADER:
        raise DataError("%s: the first line after the comments must be %s" % (path, "\t".join(HEADER)))
    for number, line in lines[1:]:
        if not line.strip():
            continue
        cells = line.split("\t")
        if len(cells) != len(HEADER):
            raise DataError("%s:%d: %d cells, expected %d" % (path, number, len(cells), len(HEADER)))
        name, reading, source = (c.strip() for c in cells)
        if len(reading.split()) != len(name):
            raise DataError("%s:%d: %s has %d characters but %d syllables" % (path, number, name, len(name),
                                                                                len(reading.split())))
        if not source:
            raise DataError("%s:%d: %s needs the pages that give its reading" % (path, number, name))
        if name in readings:
            raise DataError("%s:%d: %s given twice" % (path, number, name))
        readings[name] = reading
    return readings


def load(conn, data_dir):
    overrides = read_readings(data_dir)
    pinyin = dict(conn.execute("select 汉字, 拼音2 from NM_CNWord"))
    surnames = [row[0] for row in conn.execute("select 姓 from NM_百家姓 order by Id")]
    for name in overrides:
        if name not in surnames:
            warn("surname %s has a reading but is in no surname list" % name)
    rows = []
    for name in surnames:
        reading = overrides.get(name) or " ".join(pinyin.get(c, "") for c in name).strip()
        rows.append((name, reading))
    conn.executemany("insert into NM_姓氏读音 values (?,?)", rows)
