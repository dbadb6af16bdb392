"""NM_Poet and NM_全唐诗 from data/poems.tsv.xz (the 全唐诗 in simplified characters,
one poem a row: 作者, 标题, 内容 with every line closed by "，" or "。").

Poets: the best-known first (FAMOUS, in that order), then by number of poems
(most first, ties by name), and the unknown authors last. Id = OrderId.

Poems: grouped by poet in poet order, each poet's poems in the order of the
全唐诗, numbered from 1 in that order, so one poet's poems are contiguous and a
poet's list comes out in reading order. A poet's second poem with an already
used title gets "（二）" appended (then "（三）" …), so poet and title together
name one poem. 首字母 is the first character of every line; 内容长度 is the
length of 内容 in characters, punctuation included.

Old variant forms in titles and texts are replaced by their standard simplified
form from the reviewed table data/poem_variants.tsv (疎 → 疏, 劒 → 剑, 猨 → 猿 …).
A □ stands for a lacuna of the source."""
import os

from dbgen.authored import DataError, read_tsv

FAMOUS = [
    "李白", "杜甫", "白居易", "王维", "李商隐", "孟浩然", "杜牧", "王昌龄", "刘禹锡", "李贺",
    "岑参", "高适", "韩愈", "柳宗元", "元稹", "温庭筠", "韦应物", "贺知章", "王之涣", "张九龄",
    "陈子昂", "王勃", "骆宾王", "杨炯", "卢照邻", "张若虚", "崔颢", "王翰", "孟郊", "贾岛",
    "张籍", "王建", "李绅", "刘长卿", "韦庄", "罗隐", "杜荀鹤", "皮日休", "陆龟蒙", "张继",
    "卢纶", "李益", "钱起", "司空曙", "储光羲", "常建", "李颀", "祖咏", "綦毋潜", "王湾",
    "宋之问", "沈佺期", "杜审言", "上官仪", "张说", "崔护", "金昌绪", "朱庆余", "许浑", "张祜",
    "薛涛", "鱼玄机", "李冶", "司空图", "聂夷中", "戴叔伦", "顾况", "李端", "李峤", "刘方平",
]
UNKNOWN = ["无名氏", "不详", "佚名"]

CHINESE_NUMBERS = "一二三四五六七八九十"


def nth(n):
    if n <= 10:
        return CHINESE_NUMBERS[n - 1]
    if n < 20:
        return "十" + CHINESE_NUMBERS[n - 11]
    tens, ones = divmod(n, 10)
    return CHINESE_NUMBERS[tens - 1] + "十" + (CHINESE_NUMBERS[ones - 1] if ones else "")


def line_initials(content):
    initials, start = [], True
    for ch in content:
        if ch in "，。":
            start = True
        elif start:
            initials.append(ch)
            start = False
    return "".join(initials)


def variant_table(data_dir):
    """str.translate table of data/poem_variants.tsv (异体, 规范, 来源; # starts a comment)."""
    path = os.path.join(data_dir, "poem_variants.tsv")
    table = {}
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f]
    rows = [(n, line) for n, line in enumerate(lines, 1) if line and not line.startswith("#")]
    if not rows or rows[0][1].split("\t") != ["异体", "规范", "来源"]:
        raise DataError("%s: header must be 异体, 规范, 来源" % path)
    for number, line in rows[1:]:
        cells = line.split("\t")
        if len(cells) != 3 or len(cells[0]) != 1 or len(cells[1]) != 1 or not cells[2]:
            raise DataError("%s:%d: a row is one variant, its standard form and the source" % (path, number))
        if ord(cells[0]) in table:
            raise DataError("%s:%d: %s twice" % (path, number, cells[0]))
        table[ord(cells[0])] = cells[1]
    return table


def load(conn, data_dir):
    path = os.path.join(data_dir, "poems.tsv.xz")
    variants = variant_table(data_dir)
    by_poet = {}
    for _, number, (author, title, content) in read_tsv(path, ("作者", "标题", "内容")):
        if not content.endswith("。") or not title:
            raise DataError("%s:%d: malformed poem" % (path, number))
        by_poet.setdefault(author, []).append((title.translate(variants), content.translate(variants)))

    def rank(poet):
        if poet in FAMOUS:
            return (0, FAMOUS.index(poet), 0, poet)
        if poet in UNKNOWN:
            return (2, UNKNOWN.index(poet), 0, poet)
        return (1, 0, -len(by_poet[poet]), poet)

    poets = sorted(by_poet, key=rank)
    poet_rows, poem_rows = [], []
    for order, poet in enumerate(poets, 1):
        poems = by_poet[poet]
        poet_rows.append((order, poet, str(len(poems)), order))
        used = set()
        for title, content in poems:
            shown, count = title, 1
            while shown in used:
                count += 1
                shown = "%s（%s）" % (title, nth(count))
            used.add(shown)
            poem_rows.append((len(poem_rows) + 1, shown, poet, content, line_initials(content), len(content)))
    conn.executemany("insert into NM_Poet values (?,?,?,?)", poet_rows)
    conn.executemany("insert into NM_全唐诗 values (?,?,?,?,?,?)", poem_rows)
