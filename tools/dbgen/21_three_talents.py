"""NM_三才配置: the readings of the 125 three-talents keys from our authored
data/texts/three_talents.tsv, numbered 1, 2, ... in file order. Without that
file the table stays empty. A cell must fit its declared size in GBK bytes (the
program's pages are GBK), and no text may stand for two keys in one column:
every key reads as its own."""
import os

from dbgen.schema import TABLES
from dbgen.tsv import read_tsv

HEADER = ("三才", "吉凶", "解释一", "解释二", "总论", "性格", "意志", "事业", "家庭", "婚姻", "子女", "社交", "精神",
          "财运", "健康", "老运", "对基础运的影响", "对成功运的影响", "对人际关系的影响", "对性格的影响")
GRADES = ("大吉", "吉", "中", "凶", "大凶")
ELEMENTS = "木火土金水"
SIZES = {name: length for name, _, length in dict(TABLES)["NM_三才配置"]}


def read_three_talents(path):
    rows = []
    seen = set()
    texts = {}
    for where, cells in read_tsv(path, HEADER):
        key = cells[0]
        if len(key) != 3 or any(c not in ELEMENTS for c in key):
            raise ValueError("%s: %r is not three of %s" % (where, key, ELEMENTS))
        if key in seen:
            raise ValueError("%s: %s given twice" % (where, key))
        seen.add(key)
        if cells[1] not in GRADES:
            raise ValueError("%s: grade %r is not one of %s" % (where, cells[1], " ".join(GRADES)))
        for column, text in zip(HEADER[2:], cells[2:]):
            if len(text.encode("gb18030")) > SIZES[column]:
                raise ValueError("%s: %s is longer than its %d bytes" % (where, column, SIZES[column]))
            other = texts.setdefault((column, text), key)
            if other != key:
                raise ValueError("%s: %s of %s repeats that of %s" % (where, column, key, other))
        rows.append((len(rows) + 1, *cells))
    return rows


def load(conn, data_dir):
    path = os.path.join(data_dir, "texts", "three_talents.tsv")
    if os.path.exists(path):
        conn.executemany("insert into NM_三才配置 values (%s)" % ",".join("?" * (len(HEADER) + 1)),
                         read_three_talents(path))
