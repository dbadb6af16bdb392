"""NM_百家姓: the surnames of the 百家姓 in their traditional order, then the common
surnames of today that the 百家姓 lacks, then any further surname that only our
texts describe. 姓氏起源 and 历史名人 come from data/texts/surnames/*.tsv; 聚集地 is
our text, or "郡望：" and the ancestral seat when we have written none."""
import os

from dbgen.authored import DataError, first_by_key, read_authored, read_tsv, warn

HEADER = ("姓", "姓氏起源", "聚集地", "历史名人")


def surname_list(data_dir):
    """[(surname, ancestral seat)] in table order, each surname once."""
    ordered, seat = [], {}
    for _, _, (name, _, place) in read_tsv(os.path.join(data_dir, "surnames.tsv"), ("姓", "序号", "郡望")):
        # 郁 and 鬱 both become 郁 in simplified characters, and the text writes 后
        # twice (the second stands for 郈): the first one stays.
        if name not in seat:
            ordered.append(name)
            seat[name] = place
    with open(os.path.join(data_dir, "surnames_common.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            for name in line.split():
                if name not in seat:
                    ordered.append(name)
                    seat[name] = ""
    return [(name, seat[name]) for name in ordered]


def load(conn, data_dir):
    texts = {}
    for path, number, cells in first_by_key(read_authored(data_dir, "surnames", HEADER), lambda c: c[0], "surname"):
        name, origin, region, people = cells
        if not origin or not people:
            raise DataError("%s:%d: %s needs 姓氏起源 and 历史名人" % (path, number, name))
        texts[name] = (origin, region, people)
    surnames = surname_list(data_dir)
    known = {name for name, _ in surnames}
    for name in texts:
        if name not in known:
            warn("surname %s is in no list; added after the others" % name)
            surnames.append((name, ""))
    rows = []
    for i, (name, seat) in enumerate(surnames, 1):
        origin, region, people = texts.get(name, ("", "", ""))
        if not region and seat:
            region = "郡望：" + seat
        rows.append((i, name, origin, region, people))
    conn.executemany("insert into NM_百家姓 values (?,?,?,?,?)", rows)
