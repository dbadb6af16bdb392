"""The element (五行) of a character as name numerology reads it.

No public data set gives this, so it is derived by a fixed rule and then
corrected by hand:

1. A reviewed correction from data/element_corrections.tsv, where the meaning
   of the character points to an element that its radical and sound miss
   (春 spring is 木, 白 white is 金, 阳 the sun is 火, 子 the branch is 水 ...).
2. Meaning by radical: the Kangxi radical of the traditional form, when that
   radical is itself a thing of one element (金钅刀刂戈斤矛矢 → 金; 木艹竹禾屮瓜
   米麦麻韭 → 木; 水氵冫雨鱼川 → 水; 火灬日赤 → 火; 土山田石阝(阜)厂里瓦 → 土).
3. Sound of the initial, after the five notes (五音): the velars and palatals
   g k h j q x → 木, the alveolars d t n l → 火, the sibilants z c s zh ch sh
   r → 金, the labials b p m f → 水, and y, w or no initial → 土.

An authored character text may still set another element; see 10_cnword.py.
"""
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


def rule_element(kangxi_radical, initial):
    """(element, which step gave it) by radical meaning, then by sound."""
    if kangxi_radical in RADICAL_ELEMENT:
        return RADICAL_ELEMENT[kangxi_radical], "部首"
    return INITIAL_ELEMENT.get(initial, "土"), "声母"


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
