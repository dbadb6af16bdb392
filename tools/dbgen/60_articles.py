"""NM_育儿百科 and NM_算命风水: our articles from data/texts/articles/*.tsv
(表, 分类标题, 标题, 内容). ID counts from 1 in each table in file order (files
by name, then lines). 分类ID is the number of the category in CATEGORIES (the
order of the menus, see data/texts/articles/CATEGORIES.md), as text."""
from dbgen.authored import DataError, first_by_key, read_authored

HEADER = ("表", "分类标题", "标题", "内容")

CATEGORIES = [
    ("育儿百科", c) for c in (
        "备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南",
        "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理", "学前教育",
        "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全", "饮食宜忌",
        "均衡营养", "护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册",
        "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全")
] + [
    ("算命风水", c) for c in ("起名知识", "算命知识", "星座算命", "相术算命", "血型算命", "风水知识", "开运技巧")
]
CATEGORY_ID = {key: str(i) for i, key in enumerate(CATEGORIES, 1)}
assert len(CATEGORY_ID) == 45


def load(conn, data_dir):
    rows = {"育儿百科": [], "算命风水": []}
    authored = first_by_key(read_authored(data_dir, "articles", HEADER), lambda c: (c[0], c[2]), "article")
    for path, number, (table, category, title, content) in authored:
        if (table, category) not in CATEGORY_ID:
            raise DataError("%s:%d: %s/%s is no category of the menus (see CATEGORIES.md)" %
                            (path, number, table, category))
        if not content:
            raise DataError("%s:%d: article %s has no content" % (path, number, title))
        target = rows[table]
        target.append((len(target) + 1, CATEGORY_ID[(table, category)], category, title, content))
    for table, table_rows in rows.items():
        conn.executemany("insert into NM_%s values (?,?,?,?,?)" % table, table_rows)
