"""The element (五行) of a character as name numerology reads it.

No public data set gives this, so it is derived by a fixed rule and then
corrected by hand:

1. A reviewed correction from data/element_corrections.tsv, where the meaning
   of the character points to an element that its radical and sound miss
   (春 spring is 木, 白 white is 金, 阳 the sun is 火, 子 the branch is 水 ...).
2. Meaning by radical: the Kangxi radical of the traditional form, when that
   radical is itself a thing of one element (金钅刀刂戈斤矛矢 → 金; 木艹竹禾屮瓜
   米麦麻韭 → 木; 水氵冫雨鱼川 → 水; 火灬日赤 → 火; 土山田石阝(阜)厂里瓦 → 土).
3. Sound, after the five notes (五音) of the old initials (聲母 of the 廣韻, from
   data/guangyun_initials.tsv.xz, looked up by the traditional form): the
   molars 牙 見溪羣疑 → 木; the linguals 舌 端透定泥 知徹澄孃 and 來 → 火; the
   dentals 齒 精清從心邪 莊初崇生俟 章昌常書船 and 日 → 金; the gutturals 喉
   影云以 → 土 and 曉匣 → 水; the labials 唇 幫滂並明 → 水. So 月 語 雅 (疑)
   are 木 though they read y- today, 哲 卓 (知) are 火, 文 (明) is 水.
   A character the 廣韻 lacks takes the modern initial instead: g k h j q x
   → 木, d t n l → 火, z c s zh ch sh r → 金, b p m f → 水, y w and none → 土.

An authored character text may still set another element; see 10_cnword.py.
"""
import lzma
import os

from dbgen.tsv import read_tsv

ELEMENTS = ("金", "木", "水", "火", "土")

RADICAL_ELEMENT = {}
for _element, _radicals in (
        ("金", (167, 18, 62, 69, 110, 111)),          # 金 刀 戈 斤 矛 矢
        ("木", (75, 140, 118, 115, 45, 97, 119, 199, 200, 179)),  # 木 艸 竹 禾 屮 瓜 米 麥 麻 韭
        ("水", (85, 15, 173, 195, 47)),               # 水 冫 雨 魚 巛
        ("火", (86, 72, 155)),                        # 火 日 赤
        ("土", (32, 46, 102, 112, 170, 27, 166, 98)),  # 土 山 田 石 阜 厂 里 瓦
):
    for _r in _radicals:
        RADICAL_ELEMENT[_r] = _element

# The old initials that each modern initial can come from: of a character with
# several readings, the first old initial that fits today's reading is taken
# (角 jiǎo is 見, not the 來 of 角里 lù).
MODERN_FROM_OLD = {
    "b": "幫滂並", "p": "幫滂並", "m": "明", "f": "幫滂並明",
    "d": "端透定知澄", "t": "端透定徹澄", "n": "泥孃疑", "l": "來",
    "g": "見溪羣", "k": "見溪羣", "h": "曉匣見溪", "j": "見溪羣精清從心邪", "q": "見溪羣精清從心邪",
    "x": "曉匣見溪羣精清從心邪", "zh": "知徹澄莊初崇章昌常書船", "ch": "知徹澄莊初崇生章昌常書船",
    "sh": "莊初崇生俟章昌常書船", "r": "日以", "z": "精清從莊初崇知", "c": "精清從莊初崇", "s": "精清從心邪莊生俟書",
    "y": "影云以疑日", "w": "影云以疑明", "": "影云以疑匣",
}

OLD_INITIAL_ELEMENT = {}
for _element, _initials in (
        ("木", "見溪羣疑"),
        ("火", "端透定泥知徹澄孃來"),
        ("金", "精清從心邪莊初崇生俟章昌常書船日"),
        ("土", "影云以"),
        ("水", "曉匣幫滂並明"),
):
    for _i in _initials:
        OLD_INITIAL_ELEMENT[_i] = _element

INITIAL_ELEMENT = {}
for _element, _initials in (
        ("木", "g k h j q x"),
        ("火", "d t n l"),
        ("金", "z c s zh ch sh r"),
        ("水", "b p m f"),
        ("土", "y w"),
):
    for _i in _initials.split():
        INITIAL_ELEMENT[_i] = _element


def rule_element(kangxi_radical, initial, old_initials=()):
    """(element, which step gave it) by radical meaning, then by the old
    initial (the first of `old_initials`, the 廣韻 initials of the character),
    then by the modern `initial`."""
    if kangxi_radical in RADICAL_ELEMENT:
        return RADICAL_ELEMENT[kangxi_radical], "部首"
    fitting = [old for old in old_initials if old in MODERN_FROM_OLD.get(initial, "")]
    for old in fitting or old_initials:
        if old in OLD_INITIAL_ELEMENT:
            return OLD_INITIAL_ELEMENT[old], "古声母"
    return INITIAL_ELEMENT.get(initial, "土"), "声母"


def read_old_initials(data_dir):
    """Character -> its 廣韻 initials, from data/guangyun_initials.tsv.xz (an uncompressed
    guangyun_initials.tsv, as small test inputs give, is read as well; absent file: none)."""
    path = os.path.join(data_dir, "guangyun_initials.tsv")
    opener = open if os.path.exists(path) else lzma.open
    path = path if os.path.exists(path) else path + ".xz"
    if not os.path.exists(path):
        return {}
    with opener(path, "rt", encoding="utf-8") as f:
        lines = f.read().rstrip("\n").split("\n")
    if lines[0] != "字\t聲母":
        raise ValueError("%s: the first line must be 字<TAB>聲母" % path)
    return {char: tuple(names.split()) for char, names in (line.split("\t") for line in lines[1:])}


def read_corrections(data_dir):
    """Character -> element from data/element_corrections.tsv (字, 五行, 理由)."""
    path = os.path.join(data_dir, "element_corrections.tsv")
    corrections = {}
    if not os.path.exists(path):
        return corrections
    for where, (char, element, _reason) in read_tsv(path, ("字", "五行", "理由")):
        if len(char) != 1 or element not in ELEMENTS:
            raise ValueError("%s: expected a character and one of %s" % (where, "".join(ELEMENTS)))
        if char in corrections:
            raise ValueError("%s: %s corrected twice" % (where, char))
        corrections[char] = element
    return corrections
