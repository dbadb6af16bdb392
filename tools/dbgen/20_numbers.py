"""NM_八一灵动数: the readings of the numbers 1 to 81 from our authored
data/texts/numbers81.tsv. Without that file the table stays empty."""
import os

from dbgen.tsv import read_tsv

HEADER = ("Id", "吉凶", "解释一", "解释二", "解释三", "基业", "家庭", "健康", "含义", "数理暗示")
GRADES = ("大吉", "吉", "中", "凶", "大凶")


def read_numbers(path):
    rows = []
    seen = set()
    for where, cells in read_tsv(path, HEADER):
        if not cells[0].isdigit() or not 1 <= int(cells[0]) <= 81:
            raise ValueError("%s: Id %r is not a number from 1 to 81" % (where, cells[0]))
        number = int(cells[0])
        if number in seen:
            raise ValueError("%s: number %d given twice" % (where, number))
        seen.add(number)
        if cells[1] not in GRADES:
            raise ValueError("%s: grade %r is not one of %s" % (where, cells[1], " ".join(GRADES)))
        rows.append((number, *cells[1:]))
    return sorted(rows)


def load(conn, data_dir):
    path = os.path.join(data_dir, "texts", "numbers81.tsv")
    if os.path.exists(path):
        conn.executemany("insert into NM_八一灵动数 values (%s)" % ",".join("?" * len(HEADER)), read_numbers(path))
