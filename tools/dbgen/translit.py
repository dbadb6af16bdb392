"""Chinese transcription of an English given name, for the names we have not
transcribed by hand.

It follows the syllable table of the Xinhua English-Chinese transliteration
conventions (英汉译音表) as far as spelling allows: the name is read into rough
sounds (consonants, the vowels a e i o u, the diphthongs [ai] [ei] [au], the
vowel of "er"), the sounds are cut into syllables of consonant + vowel (with a
following n or ng joined to the vowel), and every syllable is written with the
character of the table. A consonant without a vowel gets its own character
(b 布, d 德, k 克, s 斯, l 尔, m 姆 ...), and a post-vocalic r is silent, as in
British pronunciation (Carter 卡特). Female names use the female forms of the
table (娜 for 纳, 莉 for 利, 丝 for 斯 ...).

Spelling is a poor guide to English sounds, so the result is a plausible
transcription, not always the established one (David gives 达维德, not 戴维):
the common names are transcribed by hand in data/texts/english_names/."""

# Columns of the table: vowel sounds, then the nasal finals.
COLUMNS = ("a", "e", "i", "o", "u", "ai", "ei", "ao", "er", "an", "en", "in", "on", "un", "ang", "ing")

# onset: (15 + 1 characters in COLUMNS order, the consonant alone)
TABLE = {
    "":   ("阿 埃 伊 奥 乌 艾 埃 奥 厄 安 恩 因 昂 昂 昂 英", ""),
    "b":  ("巴 贝 比 博 布 拜 贝 鲍 伯 班 本 宾 邦 本 邦 宾", "布"),
    "p":  ("帕 佩 皮 波 普 派 佩 保 珀 潘 彭 平 庞 彭 庞 平", "普"),
    "d":  ("达 德 迪 多 杜 戴 戴 道 德 丹 登 丁 东 敦 当 丁", "德"),
    "t":  ("塔 特 蒂 托 图 泰 泰 陶 特 坦 滕 廷 通 顿 唐 廷", "特"),
    "g":  ("加 盖 吉 戈 古 盖 盖 高 格 甘 根 金 贡 贡 冈 金", "格"),
    "k":  ("卡 凯 基 科 库 凯 凯 考 克 坎 肯 金 孔 昆 康 金", "克"),
    "f":  ("法 费 菲 福 富 法 费 福 弗 凡 芬 芬 丰 丰 方 芬", "夫"),
    "v":  ("瓦 维 维 沃 武 瓦 维 沃 弗 万 文 文 冯 文 旺 文", "夫"),
    "s":  ("萨 塞 西 索 苏 赛 塞 绍 瑟 桑 森 辛 松 孙 桑 辛", "斯"),
    "z":  ("扎 泽 齐 佐 祖 宰 泽 藻 泽 赞 曾 津 宗 尊 藏 津", "兹"),
    "th": ("萨 塞 西 索 苏 赛 塞 绍 瑟 桑 森 辛 松 孙 桑 辛", "思"),
    "sh": ("沙 谢 希 肖 舒 夏 谢 肖 舍 尚 申 欣 尚 舜 尚 欣", "什"),
    "zh": ("扎 热 日 若 茹 扎 热 饶 热 然 任 金 容 准 让 金", "日"),
    "ch": ("查 切 奇 乔 丘 柴 切 乔 彻 钱 琴 钦 琼 春 昌 钦", "奇"),
    "j":  ("贾 杰 吉 乔 朱 贾 杰 焦 哲 詹 真 金 琼 准 章 金", "奇"),
    "h":  ("哈 赫 希 霍 胡 海 黑 豪 赫 汉 亨 欣 洪 洪 杭 欣", "赫"),
    "m":  ("马 梅 米 莫 穆 迈 梅 毛 默 曼 门 明 蒙 蒙 芒 明", "姆"),
    "n":  ("纳 内 尼 诺 努 奈 内 瑙 纳 南 嫩 宁 农 农 南 宁", "恩"),
    "l":  ("拉 莱 利 洛 卢 莱 莱 劳 勒 兰 伦 林 隆 伦 朗 林", "尔"),
    "r":  ("拉 雷 里 罗 鲁 赖 雷 劳 勒 兰 伦 林 龙 伦 朗 林", "尔"),
    "w":  ("瓦 韦 威 沃 伍 怀 韦 沃 沃 万 文 温 旺 文 旺 温", "夫"),
    "y":  ("亚 耶 伊 约 尤 耶 耶 尧 耶 扬 延 因 扬 云 扬 英", "伊"),
    "kw": ("夸 奎 奎 阔 库 奎 奎 阔 奎 宽 昆 昆 孔 昆 匡 昆", "克"),
    "ks": ("克萨 克塞 克西 克索 克苏 克赛 克塞 克绍 克瑟 克桑 克森 克辛 克松 克孙 克桑 克辛", "克斯"),
    "ts": ("察 采 齐 措 楚 蔡 采 曹 策 灿 岑 钦 聪 聪 仓 钦", "茨"),
}
TABLE = {k: (dict(zip(COLUMNS, v[0].split())), v[1]) for k, v in TABLE.items()}
assert all(len(cols) == len(COLUMNS) for cols, _ in TABLE.values())

# Female forms of the table (新华社 uses them in women's names).
FEMALE = str.maketrans("马纳尼利亚林萨斯西迪戴卢真维奇夫", "玛娜妮莉娅琳莎丝茜蒂黛露珍薇琪芙")

VOWELS = set("aeiouy")
NASAL = {"a": "an", "e": "en", "i": "in", "o": "on", "u": "un", "ai": "an", "ei": "en", "ao": "on", "er": "en"}
NASAL_NG = {"a": "ang", "e": "en", "i": "ing", "o": "ang", "u": "un", "ai": "ang", "ei": "en", "ao": "ang",
            "er": "en"}


def _sounds(name):
    """Reads a lower-case spelling into a list of sounds: ('C', onset) and ('V', column)."""
    s = full = name.lower()
    out = []
    n = len(s)
    long_vowel = -1
    # Silent final e: lengthens a single vowel before a single consonant (Kate, Mike, Rose).
    if n > 3 and s.endswith("e") and s[-2] not in VOWELS:
        if s[-3] in "aiou" and s[-4] not in VOWELS:
            long_vowel = n - 3
        s = s[:-1]
        n -= 1
    # Silent e of a final -es after a single consonant (James, Charles, Jones).
    elif n > 4 and s.endswith("es") and s[-3] not in VOWELS | set("sxzh"):
        if s[-4] in "aiou" and s[-5] not in VOWELS:
            long_vowel = n - 4
        s = s[:-2] + "s"
        n -= 1
    i = 0

    def vowel_at(k):
        return k < n and s[k] in VOWELS

    while i < n:
        c = s[i]
        rest = s[i:]
        prev_v = bool(out) and out[-1][0] == "V"
        y_consonant = c == "y" and vowel_at(i + 1) and (i == 0 or prev_v)
        if c in VOWELS and not y_consonant:
            # vowels and digraphs
            if rest.startswith("igh"):
                out.append(("V", "ai")); i += 3; continue
            two = rest[:2]
            end2 = i + 2 >= n
            if two in ("ai", "ay"):
                out.append(("V", "ei")); i += 2; continue
            if two in ("au", "aw"):
                out.append(("V", "ao")); i += 2; continue
            if two in ("ea", "ee", "ei") or (two in ("ie", "ey") and end2):
                out.append(("V", "i")); i += 2; continue
            if two == "ey":
                out.append(("V", "ei")); i += 2; continue
            if two == "oe" and end2 and n > 2 and s[0] != "j":
                out.append(("V", "o")); out.append(("V", "i")); i += 2; continue  # Chloe, Zoe
            if two == "ie" and rest == "iel":
                out.append(("V", "i")); i += 2; continue  # Daniel, Nathaniel
            if (two == "oa" and i + 2 < n and s[i + 2] != "h") or two == "oe" or \
                    (two == "ow" and not vowel_at(i + 2)):
                out.append(("V", "o")); i += 2; continue
            if two in ("oo", "ou", "ue", "ew", "eu"):
                out.append(("V", "u")); i += 2; continue
            if two in ("oi", "oy"):
                out.append(("V", "o")); out.append(("V", "i")); i += 2; continue
            if c == "u" and out and out[-1] == ("C", "g") and vowel_at(i + 1):
                i += 1; continue  # silent u of Guy, Guinevere
            col = {"a": "a", "e": "e", "i": "i", "o": "o", "u": "u", "y": "i"}[c]
            if c == "y" and i + 1 < n and s[i + 1] in "aeo" and not prev_v:
                col = "ai"  # Ryan, Bryan
            if c == "o" and rest in ("on", "or") and i > 1 and any(ch in VOWELS for ch in s[:i - 1]):
                col = "er"  # an unstressed final -on (Jason, Gordon)
            if i == long_vowel:
                col = {"a": "ei", "i": "ai", "o": "o", "u": "u"}[c]
            elif c == "y" and not prev_v and i + 1 < n and not vowel_at(i + 1) and out and i + 2 >= n:
                col = "ai"  # Kyle, Lyle: y before a final consonant
            # a post-vocalic r (not before a vowel) is silent; er, ir, ur, yr become the vowel of "her"
            if i + 1 < n and s[i + 1] == "r" and not vowel_at(i + 2) and not (i + 2 < n and s[i + 2] == "r"):
                if c in "eiuy":
                    col = "er"
                out.append(("V", col)); i += 2; continue
            out.append(("V", col)); i += 1; continue
        # consonants
        if c == "y":
            out.append(("C", "y")); i += 1; continue
        three = rest[:3]
        two = rest[:2]
        if c == s[i - 1:i] and (c != "n" or not vowel_at(i + 1)) and two != "th":
            i += 1; continue  # double consonant
        if three == "tch":
            out.append(("C", "ch")); i += 3; continue
        if three == "sch":
            out.append(("C", "sh")); i += 3; continue
        if two == "ch":
            out.append(("C", "k" if (i + 2 < n and not vowel_at(i + 2)) else "ch")); i += 2; continue
        if two in ("ph",):
            out.append(("C", "f")); i += 2; continue
        if two == "th":
            out.append(("C", "th" if i > 0 else "t" if s.startswith("thom") else "th")); i += 2; continue
        if two == "sh":
            out.append(("C", "sh")); i += 2; continue
        if two == "ck":
            out.append(("C", "k")); i += 2; continue
        if two == "qu":
            out.append(("C", "kw")); i += 2; continue
        if two == "wh":
            out.append(("C", "w")); i += 2; continue
        if two == "dg":
            out.append(("C", "j")); i += 2; continue
        if two in ("kn", "wr", "gn") and i == 0:
            i += 1; continue
        if two == "gh":
            if i == 0:
                out.append(("C", "g"))
            i += 2; continue
        if c == "x":
            out.append(("C", "z" if i == 0 else "ks")); i += 1; continue
        if c == "c":
            out.append(("C", "s" if i + 1 < len(full) and full[i + 1] in "eiy" else "k")); i += 1; continue
        if c == "g":
            after = full[i + 1:i + 2]
            if after in ("e", "i", "y") and (i > 0 or after == "e"):
                out.append(("C", "j"))
            elif i == n - 1 and i > 0 and s[i - 1] == "n":
                pass  # the g of a final ng
            else:
                out.append(("C", "g"))
            i += 1; continue
        if c == "h":
            if vowel_at(i + 1):
                out.append(("C", "h"))
            i += 1; continue
        if c == "w":
            if vowel_at(i + 1):
                out.append(("C", "w"))
            i += 1; continue
        if c == "t" and i + 1 < n and s[i + 1] == "s" and not vowel_at(i + 2):
            out.append(("C", "ts")); i += 2; continue
        if c == "n" and i + 1 < n and s[i + 1] == "g" and not (i + 2 < n and s[i + 2] in "eiy"):
            out.append(("C", "ng")); i += 2 if i + 2 >= n or not vowel_at(i + 2) else 1; continue
        out.append(("C", c if c in TABLE else {"q": "k"}.get(c, c)))
        i += 1
    return out


def transliterate(name, female=False):
    sounds = _sounds(name)
    parts = []
    i = 0
    n = len(sounds)
    while i < n:
        kind, value = sounds[i]
        if kind == "C" and value == "ng":
            parts.append("恩"); i += 1; continue
        if kind == "C" and (i + 1 >= n or sounds[i + 1][0] != "V"):
            if value in ("f", "v") and i + 1 < n:
                parts.append("弗")  # in a cluster: Frank 弗兰克
            elif value in TABLE:
                parts.append(TABLE[value][1])
            i += 1
            continue
        if kind == "C":
            onset, col = value, sounds[i + 1][1]
            i += 2
        else:
            hiatus = i > 0 and sounds[i - 1][0] == "V"
            onset, col = ("y" if hiatus and sounds[i - 1][1] in ("i", "ai", "u", "o") else ""), value
            i += 1
        if onset not in TABLE:
            onset = ""
        # a following n or ng (not before a vowel) closes the syllable
        if i < n and sounds[i][0] == "C" and sounds[i][1] in ("n", "ng") and \
                (i + 1 >= n or sounds[i + 1][0] != "V" or sounds[i][1] == "n" and
                 i + 1 < n and sounds[i + 1] == ("C", "n")):
            table = NASAL if sounds[i][1] == "n" else NASAL_NG
            col = table.get(col, col)
            if onset == "y" and col in ("an", "en", "in"):
                onset = ""
            i += 1
        parts.append(TABLE[onset][0][col])
    text = "".join(parts)
    if female:
        text = text.translate(FEMALE)
    return text
