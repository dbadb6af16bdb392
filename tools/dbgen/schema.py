"""The nine tables of the shipped database, in creation order, with their
column lists (name, type code, length). Mirrors src/core/data/Schema.cpp."""

TYPE_NAMES = {3: "Integer", 10: "VarChar"}


def _i(name):
    return (name, 3, 10)


def _v(name, length):
    return (name, 10, length)


ARTICLES = [_i("ID"), _v("分类ID", 50), _v("分类标题", 20), _v("标题", 100), _v("内容", 2000)]

TABLES = [
    ("NM_CNWord", [_i("Id"), _i("code"), _v("汉字", 2), _v("简体", 2), _v("繁体", 2), _i("简体笔画数"),
                   _i("繁体笔画数"), _v("拼音1", 20), _v("拼音2", 20), _v("声母", 1), _v("韵母", 3),
                   _v("部首", 1), _v("五行属性", 2), _v("五笔", 4), _v("基本解释", 700), _v("详细解释", 700)]),
    ("NM_三才配置", [_i("Id"), _v("三才", 6), _v("吉凶", 4), _v("解释一", 140), _v("解释二", 80), _v("总论", 92),
                  _v("性格", 200), _v("意志", 100), _v("事业", 100), _v("家庭", 100), _v("婚姻", 100),
                  _v("子女", 100), _v("社交", 100), _v("精神", 100), _v("财运", 100), _v("健康", 100),
                  _v("老运", 100), _v("对基础运的影响", 100), _v("对成功运的影响", 100),
                  _v("对人际关系的影响", 100), _v("对性格的影响", 150)]),
    ("NM_八一灵动数", [_i("Id"), _v("吉凶", 4), _v("解释一", 100), _v("解释二", 100), _v("解释三", 1000),
                   _v("基业", 1000), _v("家庭", 1000), _v("健康", 1000), _v("含义", 1000), _v("数理暗示", 1000)]),
    ("NM_EName", [_i("Id"), _v("EIndex", 1), _v("EIndex2", 2), _v("Name", 20), _v("NameLength", 10), _i("Sex"),
                  _v("Cnword", 50), _v("Morphology", 20), _v("Languag", 20), _v("Mean", 20)]),
    ("NM_Poet", [_i("Id"), _v("Poet", 10), _v("PoemCount", 10), _i("OrderId")]),
    ("NM_全唐诗", [_i("Id"), _v("标题", 30), _v("作者", 10), _v("内容", 1000), _v("首字母", 400), _i("内容长度")]),
    ("NM_育儿百科", ARTICLES),
    ("NM_算命风水", ARTICLES),
    ("NM_百家姓", [_i("Id"), _v("姓", 8), _v("姓氏起源", 1000), _v("聚集地", 1000), _v("历史名人", 1000)]),
]

# Created after the nine: how a name reads and sounds (mirrors adviceTables()).
ADVICE_TABLES = [
    ("NM_起名用字", [_i("Id"), _v("字", 2), _v("用字", 1), _v("性别", 1), _v("常用度", 3), _v("说明", 100)]),
    ("NM_谐音", [_i("Id"), _v("拼音", 60), _v("词", 20), _v("类别", 2), _v("说明", 100)]),
    ("NM_字音", [_i("Id"), _v("字", 2), _v("读音", 60)]),
]


# Tables beyond the nine of the program's schema: the program reads them when a
# database has them and does without them otherwise.
EXTRA_TABLES = [
    ("NM_姓氏读音", [_v("姓", 8), _v("拼音", 40)]),
]


# The lookup indexes, written into the shipped file so that the program finds
# them ready. The texts are those the program checks at start (a file whose
# index reads otherwise gets it rebuilt there).
INDEXES = [
    "CREATE INDEX NewIndex1 on NM_CNWord(汉字 ASC)",
    "CREATE INDEX NewIndex2 on NM_八一灵动数(Id ASC)",
    "CREATE INDEX NewIndex3 on NM_三才配置(三才 ASC)",
    "CREATE INDEX NewIndex4 on NM_起名用字(字 ASC)",
    "CREATE INDEX NewIndex5 on NM_字音(字 ASC)",
]


def create_table_sql(name, columns):
    parts = []
    for col, code, length in columns:
        text = col + " " + TYPE_NAMES[code]
        if length:
            text += "(%d)" % length
        parts.append(text)
    return "create table " + name + " (" + ",".join(parts) + ")"
