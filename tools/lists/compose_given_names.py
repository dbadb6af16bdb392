#!/usr/bin/env python3
"""Composes resources/lists/MaleGivenNames.txt and FemaleGivenNames.txt.

The lists begin and end with fixed names. Between them come first the names
of the seed files (first character, ":", the second characters it takes),
then pairs of a first-position and a second-position character chosen for
the sex, taken round-robin over the first characters in a fixed shuffled
order, until the list holds its count. A pair is left out when a character
is not usable in the database, when both characters sound alike or are the
same, when the pair is a common word (weight above 300 in the Rime pinyin
dictionary) or when it sounds like an unlucky word.

    tools/lists/compose_given_names.py build/data/namedata.db
"""
import os, random, sqlite3, sys
here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(os.path.dirname(here))
db = sqlite3.connect(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, 'build/data/namedata.db'))
first = {}
for ch, py, e, s in db.execute('select 汉字, 拼音1, 五行属性, 简体笔画数 from NM_CNWord order by rowid'):
    first.setdefault(ch, (py or '', e, s))
usable = {c for c, (py, e, s) in first.items() if e and s}
words = {}
for line in open('/usr/share/rime-data/pinyin_simp.dict.yaml', encoding='utf-8'):
    p = line.rstrip('\n').split('\t')
    if len(p) == 3 and len(p[0]) == 2 and p[2].isdigit():
        words[p[0]] = max(words.get(p[0], 0), int(p[2]))
bad_sounds = {'siwang', 'shiti', 'bingdu', 'shabi', 'shibai', 'jinv', 'sharen', 'huaidan', 'bendan', 'liumang',
              'siren', 'tongku', 'chishi', 'fenshou', 'lihun', 'jimo', 'zaosi', 'wuhou', 'xifu', 'bingsi', 'shangxin',
              'beishang', 'shibing', 'jibing', 'yanbing', 'zisha', 'gouzi', 'zhuzi', 'laoshu', 'wugui', 'yashi',
              'sishi', 'dusi', 'shenjing', 'feiwu', 'fenbian', 'niaoniao', 'pigu', 'weiyu', 'jiaojie', 'yuanwang'}

def pinyin(c):
    return first.get(c, ('',))[0]

def ok(name, generated):
    a, b = name
    if name in {'慕强', '涵心', '梅兮', '秀蝶'}:
        return False
    if a not in usable or b not in usable:
        return False
    if generated:
        if a == b or pinyin(a) == pinyin(b):
            return False
        if words.get(name, 0) > 300:
            return False
    if (pinyin(a) + pinyin(b)) in bad_sounds:
        return False
    return True

def build(hand_file, F, S, heads, tails, count, seed):
    names, seen = [], set(heads + tails)
    dropped = []
    for line in open(hand_file, encoding='utf-8'):
        line = line.strip()
        if not line:
            continue
        a, rest = line.split(':')
        for b in rest:
            n = a + b
            if n in seen:
                continue
            if not ok(n, False):
                dropped.append(n)
                continue
            seen.add(n)
            names.append(n)
    hand = len(names)
    rng = random.Random(seed)
    per = {}
    for a in F:
        cands = [a + b for b in S if ok(a + b, True)]
        rng.shuffle(cands)
        per[a] = cands
    need = count - len(heads) - len(tails) - len(names)
    k = 0
    while need > 0:
        progressed = False
        for a in F:
            if need <= 0:
                break
            if k < len(per[a]):
                n = per[a][k]
                progressed = True
                if n not in seen:
                    seen.add(n)
                    names.append(n)
                    need -= 1
        k += 1
        if not progressed:
            raise SystemExit('not enough candidates')
    allnames = heads + names + tails
    assert len(allnames) == count and len(set(allnames)) == count
    for n in allnames:
        assert n[0] in usable and n[1] in usable, n
    print(os.path.basename(hand_file), 'seed', hand, 'generated', len(names) - hand, 'dropped', dropped, file=sys.stderr)
    return allnames

boysF = ('子浩宇博俊皓梓明睿泽天志建文晨嘉思鸿弘家旭瑞振立永鹏云海佳晓正国伟德新成承凯冠昊锦景逸烨健鑫君晟英展卓耀奕修彦铭乐'
         '向瀚亦绍世书致泓峻星骏华清启程昱煜恒维靖翰朝沐安柏宏光高江剑开康凌青润宁轩晋远树诚毅钧楷灏哲晖伯仲慕怀知擎霖焕韬宸朗泰辰允')
boysS = ('轩宇泽辰铭杰涛峰豪睿博霖瑞航浩然昊哲涵晨阳熙翔鹏宸楷源诚恒远川琦彬骏驰凯文斌林森松柏宁安康明亮晖辉光华荣峻岩磊坤'
         '勋彦伦成城龙麟麒帆舟扬凡逸钧锋锐毅刚健强伟俊奇卓越言谦贤良德仁信智勤朗煜烨炜瀚海洋波澜清澄渊')
girlsF = ('梓子欣诗雨思佳紫可心雅静晓若语梦婉怡安雪亦嘉舒依晨芷艺沐一美玉婧慧丽书琳春秋冰月明彩碧清素淑秀文惠莉筱婷萱涵妍悦瑶'
          '琪颖雯蕾菲晴昕馨灵芳兰蓉倩茜韵梅薇莹珊露璐如')
girlsS = ('涵萱琪怡彤晴璇欣妍菡琳玥诺瑶晗悦然颖蕾桐如冉蕊婷雯韵语雨菲萌嘉薇馨懿淼羽敏慧宁妮音茹心恬楠丽芙娴仪姝岚梅燕兮汐溪曦柔洁'
          '蝶璐容莹珠兰娜瑾珊芸菁蓉倩茜霏霞雅静清影月玲琴芳华')

boys = build(os.path.join(here, 'male_given_names_seed.txt'), boysF, boysS, '博涛,鑫磊,靖琪,越泽,浩南'.split(','), '博玄,彬元,世羽,苑杰,翰波'.split(','), 2910, 9)
girls = build(os.path.join(here, 'female_given_names_seed.txt'), girlsF, girlsS, '梦璐,熙雯,莉姿,煜婷,丹华'.split(','), '素花,青茜,瑜菱,芷纹,晓梅'.split(','), 2134, 9)
open(os.path.join(root, 'resources/lists/MaleGivenNames.txt'), 'w', encoding='utf-8').write(','.join(boys) + ',\n')
open(os.path.join(root, 'resources/lists/FemaleGivenNames.txt'), 'w', encoding='utf-8').write(','.join(girls) + ',\n')
