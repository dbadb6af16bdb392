#!/usr/bin/env python3
"""Extracts the character facts of the dictionary table from installed Debian
packages and writes data/cnword_base.tsv.xz (sorted by code point).

Run by hand when a source package changes or the character lists grow; the
build only reads the output.

    python3 tools/extract/cnword.py                 # uses the committed surname list
    python3 tools/extract/cnword.py --baijiaxing /tmp/x/package/dist/mengxue/baijiaxing.json
                                                    # also rewrites data/surname_characters.txt
    python3 tools/extract/cnword.py --check         # fails when the committed table is out of date

Sources (see data/NOTES.md):
  unicode-data     /usr/share/unicode/Unihan_*.txt(.bz2) or Unihan.zip, CJKRadicals.txt
  opencc           the `opencc` tool with s2t.json / t2s.json
  rime-data-wubi   /usr/share/rime-data/wubi86.dict.yaml
"""
import argparse
import bz2
import io
import json
import lzma
import os
import shutil
import subprocess
import sys
import unicodedata
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

UNIHAN_FIELDS = {
    "kGB0", "kTGH", "kRSKangXi", "kRSUnicode", "kTotalStrokes", "kMandarin", "kHanyuPinyin", "kXHC1983",
    "kTGHZ2013", "kDefinition", "kTraditionalVariant", "kRSAdobe_Japan1_6",
}

SKIP = 77  # the exit code CTest reads as "skipped"

# Characters whose traditional form by the general rule (traditional_form)
# belongs to another word: as a name or surname the character keeps its own
# form (于 is not 於, 范 is not 範 ...), or takes the form a name uses. Reviewed
# one by one against every character that OpenCC changes although Unihan lists
# the character as a traditional form of its own; most of those (刘 劉, 罗 羅,
# 郑 鄭, 丰 豐, 云 雲 ...) rightly take the other form and are not listed here.
TRADITIONAL_FORM = {
    "于": ("于", "surname 于, distinct from the preposition 於"),
    "余": ("余", "surname and pronoun 余, not 餘 (surplus)"),
    "范": ("范", "surname 范, not 範 (model)"),
    "岳": ("岳", "surname 岳 and 岳父, not 嶽 (high mountain)"),
    "游": ("游", "surname 游 and swimming, not 遊 (to travel)"),
    "谷": ("谷", "valley and surname 谷, not 穀 (grain)"),
    "杰": ("杰", "杰 is written so in traditional names too; 傑 is the other word form"),
    "后": ("后", "surname 后 and empress, not 後 (behind)"),
    "郁": ("郁", "surname 郁 and 郁郁 (lush, fragrant), not 鬱 (gloomy)"),
    "朴": ("朴", "surname 朴 and plain, simple; 樸 is the other word"),
    "咸": ("咸", "surname 咸 and 'all', not 鹹 (salty)"),
    "斗": ("斗", "the Dipper 北斗 and the measure, not 鬥 (fight)"),
    "丑": ("丑", "the earthly branch and surname 丑, not 醜 (ugly)"),
    "里": ("里", "village, mile and surname 里, not 裏 (inside)"),
    "采": ("采", "surname 采 and 风采, not 採 (to pick)"),
    "征": ("征", "to journey, 长征; 徵 (to summon) is the other word"),
    "党": ("党", "surname 党 of the 党项, distinct from 黨"),
    "涂": ("涂", "surname 涂, distinct from 塗 (to smear)"),
    "栗": ("栗", "chestnut and surname 栗, not 慄 (to shiver)"),
    "占": ("占", "surname 占 and to divine, not 佔 (to occupy)"),
    "干": ("干", "surname 干 and shield, 干城; not 幹 or 乾"),
    "群": ("群", "群 is the usual traditional form; OpenCC gives the old variant 羣"),
    "峰": ("峰", "峰 is the usual traditional form; OpenCC gives the old variant 峯"),
    "冲": ("沖", "in names 冲 is 沖 (to soar, young), not 衝 (to charge)"),
    "净": ("淨", "淨 is the standard traditional form; Unihan's 凈 is a variant"),
    "勋": ("勳", "勳 is the standard traditional form; Unihan's 勛 is a variant"),
}

# Kangxi radical order: (last radical number of the section, strokes of its radicals).
RADICAL_SECTIONS = [
    (6, 1), (29, 2), (60, 3), (94, 4), (117, 5), (146, 6), (166, 7), (175, 8), (186, 9), (194, 10),
    (200, 11), (204, 12), (208, 13), (210, 14), (211, 15), (213, 16), (214, 17),
]

# Radicals that a character may carry in a reduced form, with the strokes of the
# full form and of the reduced form as written: 氵 水, 扌 手, 忄 心, 犭 犬, 礻 示,
# 衤 衣, 王 玉, 月 肉, 艹 艸, 辶 辵, 罒 网, left 阝 阜, right 阝 邑.
REDUCED_RADICALS = {
    85: (4, 3), 64: (4, 3), 61: (4, 3), 94: (4, 3), 113: (5, 4), 145: (6, 5), 96: (5, 4), 130: (6, 4),
    140: (6, 3), 162: (7, 3), 122: (6, 5), 170: (8, 2), 163: (7, 2),
}

# Readings that names use although Unihan lists another reading first.
NAME_READINGS = {
    "珲": ("huī", "瑷珲 and the jade 珲 read huī; hún is the place name 珲春 only"),
}

NUMERALS = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8, "九": 9, "十": 10}

INITIALS = ["zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j", "q", "x", "r", "z",
            "c", "s", "y", "w"]

COLUMNS = ["字", "code", "繁体", "简体笔画数", "繁体笔画数", "拼音1", "拼音2", "声母", "韵母", "部首", "五笔",
           "康熙部首", "读音", "英文释义", "来源"]


def radical_section_strokes(radical):
    for last, strokes in RADICAL_SECTIONS:
        if radical <= last:
            return strokes
    raise ValueError("radical number out of range: %d" % radical)


def open_unihan_files(unihan_dir):
    """Yields text streams of the Unihan files, from Unihan.zip or the loose files."""
    zpath = os.path.join(unihan_dir, "Unihan.zip")
    if os.path.exists(zpath):
        with zipfile.ZipFile(zpath) as z:
            for name in sorted(z.namelist()):
                if name.endswith(".txt"):
                    yield io.TextIOWrapper(z.open(name), encoding="utf-8")
        return
    names = sorted(n for n in os.listdir(unihan_dir) if n.startswith("Unihan_"))
    if not names:
        sys.exit("no Unihan files in " + unihan_dir)
    for name in names:
        path = os.path.join(unihan_dir, name)
        if name.endswith(".bz2"):
            yield bz2.open(path, "rt", encoding="utf-8")
        elif name.endswith(".txt"):
            yield open(path, encoding="utf-8")


def read_unihan(unihan_dir):
    data = {}
    for stream in open_unihan_files(unihan_dir):
        with stream:
            for line in stream:
                if not line.startswith("U+"):
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in UNIHAN_FIELDS:
                    data.setdefault(chr(int(cp[2:], 16)), {})[field] = value
    return data


def read_radicals(unicode_dir):
    """Radical number text ("85", "120'") -> the unified ideograph of that radical."""
    radicals = {}
    with open(os.path.join(unicode_dir, "CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            number, _radical, ideograph = [p.strip() for p in line.split(";")]
            if ideograph:
                radicals[number] = chr(int(ideograph, 16))
    return radicals


def read_wubi(path):
    """Character -> its longest Wubi 86 code (the heaviest one when several are longest)."""
    best = {}
    with open(path, encoding="utf-8") as f:
        body = False
        for line in f:
            line = line.rstrip("\n")
            if line == "...":
                body = True
                continue
            if not body or not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) < 2 or len(parts[0]) != 1:
                continue
            weight = int(parts[2]) if len(parts) > 2 and parts[2].isdigit() else 0
            key = (len(parts[1]), weight, [-ord(c) for c in parts[1]])
            if parts[0] not in best or key > best[parts[0]][0]:
                best[parts[0]] = (key, parts[1])
    return {c: v[1] for c, v in best.items()}


def opencc_convert(chars, config):
    """Converts each character on a line of its own, so no phrase context applies."""
    out = subprocess.run(["opencc", "-c", config], input="\n".join(chars) + "\n", capture_output=True,
                         text=True, check=True).stdout.split("\n")
    return dict(zip(chars, out[:len(chars)]))


def plain_pinyin(marked):
    """zhāng -> zhang, lǜ -> lv."""
    out = []
    for ch in unicodedata.normalize("NFD", marked.lower()):
        if ch == "\u0308" and out and out[-1] == "u":
            out[-1] = "v"
        elif not unicodedata.combining(ch):
            out.append(ch)
    return "".join(out)


def split_syllable(plain):
    for initial in INITIALS:
        if plain.startswith(initial) and len(plain) > len(initial):
            return initial, plain[len(initial):]
    return "", plain


def readings_of(entry):
    """All Mandarin readings, the preferred one first.

    Unihan's kMandarin is the customary reading, but for a few characters it
    is a rare one (罗 luō, 卓 zhuō, 子 zi); when the 通用规范汉字字典 readings
    (kTGHZ2013) do not contain it, their first reading is preferred."""
    standard = []
    for item in entry.get("kTGHZ2013", "").split():
        for r in item.split(":", 1)[1].split(","):
            if r not in standard:
                standard.append(r)
    readings = []
    for r in entry.get("kMandarin", "").split():
        if (not standard or r in standard) and r not in readings:
            readings.append(r)
    for field in ("kTGHZ2013", "kHanyuPinyin", "kXHC1983"):
        for item in entry.get(field, "").split():
            for r in item.split(":", 1)[-1].split(","):
                r = r.rstrip("*")
                if r and r not in readings:
                    readings.append(r)
    # A name never uses a toneless reading (卜 bo, 匙 shi): the first toned one leads.
    if readings and not has_tone(readings[0]):
        toned = [r for r in readings if has_tone(r)]
        if toned:
            readings.remove(toned[0])
            readings.insert(0, toned[0])
    return readings


def has_tone(marked):
    return any(unicodedata.combining(ch) and ch != "\u0308" for ch in unicodedata.normalize("NFD", marked))


def parse_rs(value):
    """First radical/stroke value "85.7" or "120'.4" -> (radical text, residual strokes)."""
    first = value.split()[0]
    radical, residual = first.split(".")
    return radical, int(residual)


def total_strokes(entry, traditional=False):
    values = entry.get("kTotalStrokes", "").split()
    if not values:
        return 0
    return int(values[-1] if traditional else values[0])


def code_points(value):
    """"U+6F22 U+6F22<kFenn" -> the characters, in order."""
    return [chr(int(item.split("<")[0][2:], 16)) for item in value.split()]


def traditional_form(char, unihan, s2t):
    """The traditional form of `char` (before the reviewed TRADITIONAL_FORM list).

    Unihan's kTraditionalVariant decides whether a character has one: without it
    the character is its own traditional form (岩, 凶, 托, 咨, 熏 are written so in
    traditional text too, although OpenCC turns them into other words). Where
    Unihan lists several, OpenCC picks among them (刘 → 劉 although Unihan also
    lists 刘 itself); where OpenCC's form is none of them, Unihan's first other
    form is taken (众 → 眾, 艳 → 艷)."""
    variants = code_points(unihan.get(char, {}).get("kTraditionalVariant", ""))
    if not variants:
        return char
    if s2t[char] in variants:
        return s2t[char]
    others = [v for v in variants if v != char]
    return others[0] if others else char


def written_radical_strokes(entry, radical):
    """Strokes of the radical as the character writes it, from the Adobe-Japan1
    radical/stroke data (85.3.13: radical 85 written with 3 strokes), or None."""
    for item in entry.get("kRSAdobe_Japan1_6", "").split():
        parts = item.split("+")[2].split(".")
        if int(parts[0]) == radical:
            return int(parts[1])
    return None


def kangxi_strokes(char, trad, unihan, radicals):
    """The name-numerology stroke count of `char`, whose traditional form is `trad`.

    The larger of two counts: (a) the strokes of the full-form radical's section
    plus the Kangxi dictionary's residual (kRSKangXi), which follows the
    dictionary's own glyphs (成 7, 及 4, 鬼 10, 廴 3) but undercounts where the
    dictionary files a character under fewer residual strokes than it has (紫 is
    糸 + 5, yet 此 has 6); (b) the real stroke count of the traditional form
    (kTotalStrokes) plus the strokes that the full radical adds where the
    character carries the reduced one (潞 16 + 1 for 氵 = 17). Numerals count
    by value; a character that is a radical itself (residual 0) keeps its
    real count (王 4, 氵 3)."""
    if char in NUMERALS:
        return NUMERALS[char], "数字"
    entry = unihan.get(trad, {})
    total = total_strokes(entry)
    rs = entry.get("kRSKangXi") or entry.get("kRSUnicode")
    if not rs:
        return total, "总笔画"
    radical, residual = parse_rs(rs)
    number = int(radical.rstrip("'"))
    own_form = radicals.get(str(number)) == trad
    if residual < 0 or (residual == 0 and not own_form):
        return total, "总笔画"
    section = radical_section_strokes(number) + residual
    real = total
    if number in REDUCED_RADICALS:
        full, reduced = REDUCED_RADICALS[number]
        written = written_radical_strokes(entry, number)
        if written is None:  # not in the Adobe set: judge by the residual
            written = total - residual
            is_reduced = written <= (full + reduced) // 2
        else:
            is_reduced = written < full
        if is_reduced:
            real += full - reduced
    if real > section:
        return real, "总笔画"
    return section, "部首段"


def read_list_characters(lists_dir):
    chars = set()
    for name in sorted(os.listdir(lists_dir)):
        if name.endswith(".txt"):
            with open(os.path.join(lists_dir, name), encoding="utf-8") as f:
                chars.update(c for c in f.read() if ord(c) >= 0x3400)
    return chars


def write_surname_characters(baijiaxing, path):
    """The characters of the 百家姓 surnames (simplified, in the order of the text).

    Both the text and its list of surnames are read: the list has a few slips
    (庚 for 庾, 逢 for 逄) that the text has right; the closing words 百家姓終
    of the text are no surnames."""
    with open(baijiaxing, encoding="utf-8") as f:
        data = json.load(f)
    surnames = [o["surname"] for o in data["origin"]]
    text = "".join(data["paragraphs"])
    text = text[:text.rindex("百家姓終")]
    pieces = surnames + [c for c in text if c not in "，。"]
    simplified = opencc_convert(pieces, "t2s.json")
    chars = []
    for s in pieces:
        for c in simplified[s]:
            if c not in chars:
                chars.append(c)
    with open(path, "w", encoding="utf-8") as f:
        f.write("# Characters of the %d surnames of 百家姓 (chinese-poetry, MIT), simplified by OpenCC t2s.\n"
                % len(surnames))
        f.write("".join(chars) + "\n")
    print("wrote %s: %d surnames, %d characters" % (path, len(surnames), len(chars)))


def read_surname_characters(path):
    with open(path, encoding="utf-8") as f:
        return {c for line in f if not line.startswith("#") for c in line.strip()}


def read_extra_characters(path):
    """data/extra_characters.txt: one character a line, `#` starts a comment; absent file: none."""
    chars = set()
    if not os.path.exists(path):
        return chars
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, start=1):
            text = line.split("#", 1)[0].strip()
            if not text:
                continue
            if len(text) != 1:
                sys.exit("%s:%d: expected one character, found %r" % (path, number, text))
            chars.add(text)
    return chars


def build_rows(args):
    surname_file = os.path.join(args.data, "surname_characters.txt")
    unihan = read_unihan(args.unicode_dir)
    radicals = read_radicals(args.unicode_dir)
    wubi = read_wubi(args.wubi)

    sources = {}

    def add(chars, tag):
        for c in chars:
            sources.setdefault(c, []).append(tag)

    add(sorted(c for c, e in unihan.items() if "kGB0" in e), "GB2312")
    add(sorted(c for c, e in unihan.items() if "kTGH" in e), "通用规范")
    add(sorted(read_list_characters(args.lists)), "名字表")
    add(sorted(read_surname_characters(surname_file)), "姓氏")
    add("小儿阿", "常用")
    add(sorted(read_extra_characters(os.path.join(args.data, "extra_characters.txt"))), "补充")

    # A character taken in only because a poem holds it must have a Mandarin reading in Unihan: without
    # one it could not be read aloud, scored by sound or given an initial, and stays unknown instead.
    unread = [c for c, tags in sources.items() if tags == ["补充"] and not readings_of(unihan.get(c, {}))]
    for c in unread:
        del sources[c]
    chars = sorted(sources, key=ord)
    missing = [c for c in chars if "kTotalStrokes" not in unihan.get(c, {})]
    if missing:
        sys.exit("characters without Unihan data: " + "".join(missing))
    s2t = opencc_convert(chars, "s2t.json")

    rows = []
    for c in chars:
        entry = unihan[c]
        trad = TRADITIONAL_FORM[c][0] if c in TRADITIONAL_FORM else traditional_form(c, unihan, s2t)
        if len(trad) != 1:
            sys.exit("no single traditional form for %s: %r" % (c, trad))
        readings = readings_of(entry)
        if c in NAME_READINGS:
            name_reading = NAME_READINGS[c][0]
            readings = [name_reading] + [r for r in readings if r != name_reading]
        marked = readings[0] if readings else ""
        plain = plain_pinyin(marked)
        initial, final = split_syllable(plain)
        radical_key, _ = parse_rs(entry["kRSUnicode"])
        trad_entry = unihan.get(trad, {})
        kangxi_radical = parse_rs(trad_entry.get("kRSKangXi") or trad_entry.get("kRSUnicode") or entry["kRSUnicode"])[0]
        strokes, _how = kangxi_strokes(c, trad, unihan, radicals)
        rows.append([
            c, str(ord(c)), trad, str(total_strokes(entry)), str(strokes),
            plain, marked, initial, final, radicals.get(radical_key, radicals.get(radical_key.rstrip("'"), "")),
            wubi.get(c, ""), kangxi_radical.rstrip("'"), " ".join(readings),
            entry.get("kDefinition", "").replace("\t", " "), ",".join(sources[c]),
        ])
    return rows


def sources_installed(args):
    """The names of the missing source packages (empty when all are there)."""
    missing = []
    if not os.path.isdir(args.unicode_dir) or not any(n.startswith("Unihan") for n in os.listdir(args.unicode_dir)):
        missing.append("unicode-data")
    if shutil.which("opencc") is None:
        missing.append("opencc")
    if not os.path.exists(args.wubi):
        missing.append("rime-data-wubi")
    return missing


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--unicode-dir", default="/usr/share/unicode")
    ap.add_argument("--wubi", default="/usr/share/rime-data/wubi86.dict.yaml")
    ap.add_argument("--baijiaxing", help="chinese-poetry's mengxue/baijiaxing.json; rewrites the surname list")
    ap.add_argument("--data", default=os.path.join(ROOT, "data"))
    ap.add_argument("--lists", default=os.path.join(ROOT, "resources", "lists"))
    ap.add_argument("--check", action="store_true",
                    help="compare with the committed data/cnword_base.tsv.xz instead of writing it")
    args = ap.parse_args()

    missing = sources_installed(args)
    if missing:
        print("skipped: source packages not installed: " + " ".join(missing))
        sys.exit(SKIP if args.check else 2)
    if args.baijiaxing and not args.check:
        write_surname_characters(args.baijiaxing, os.path.join(args.data, "surname_characters.txt"))

    rows = build_rows(args)
    out = os.path.join(args.data, "cnword_base.tsv.xz")
    text = "\t".join(COLUMNS) + "\n" + "".join("\t".join(r) + "\n" for r in rows)
    if args.check:
        with lzma.open(out, "rt", encoding="utf-8") as f:
            committed = f.read()
        if committed != text:
            old = set(committed.split("\n"))
            stale = [line.split("\t", 1)[0] for line in text.split("\n")[1:] if line and line not in old]
            sys.exit("%s is out of date (%d rows differ, such as %s): run tools/extract/cnword.py"
                     % (out, len(stale), "".join(stale[:20])))
        print("%s is up to date: %d characters" % (out, len(rows)))
        return
    # A fixed preset and no timestamps: the same inputs give the same bytes.
    with lzma.open(out, "wb", preset=9 | lzma.PRESET_EXTREME) as f:
        f.write(text.encode("utf-8"))
    print("wrote %s: %d characters" % (out, len(rows)))


if __name__ == "__main__":
    main()
