#!/usr/bin/env python3
"""The rules of the character extraction (tools/extract/cnword.py) on small
hand-made Unihan entries, so they run without the source packages."""
import os
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "extract"))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import cnword  # noqa: E402
from dbgen.elements import rule_element  # noqa: E402

RADICALS = {"85": "水", "120": "糸", "162": "辵", "163": "邑", "62": "戈", "96": "玉"}


class StrokeCounts(unittest.TestCase):
    def count(self, entry, char="x"):
        return cnword.kangxi_strokes(char, char, {char: entry}, RADICALS)[0]

    def test_cases(self):
        cases = [
            # (what, entry, count)
            ("reduced 氵 per Adobe adds one", {"kTotalStrokes": "16", "kRSKangXi": "85.12",
                                                 "kRSAdobe_Japan1_6": "C+14728+85.3.13"}, 17),
            ("full 水 at the bottom adds nothing", {"kTotalStrokes": "10", "kRSKangXi": "85.5",
                                                  "kRSAdobe_Japan1_6": "C+2873+85.5.5"}, 10),
            ("residual undercount: the real count wins", {"kTotalStrokes": "12", "kRSKangXi": "120.5"}, 12),
            ("old glyph with more strokes: the section count wins", {"kTotalStrokes": "6", "kRSKangXi": "62.3"}, 7),
            ("辶 without Adobe data: judged by the residual", {"kTotalStrokes": "13", "kRSKangXi": "162.10"}, 17),
            ("right 阝 counts as 邑 7", {"kTotalStrokes": "6", "kRSKangXi": "163.4",
                                         "kRSAdobe_Japan1_6": "C+1+163.3.4"}, 11),
            ("a radical itself keeps its real count", {"kTotalStrokes": "4", "kRSKangXi": "96.0"}, 4),
        ]
        for what, entry, expected in cases:
            with self.subTest(what):
                self.assertEqual(self.count(entry), expected)

    def test_numerals_count_by_value(self):
        self.assertEqual(cnword.kangxi_strokes("九", "九", {"九": {"kTotalStrokes": "2"}}, RADICALS)[0], 9)


class TraditionalForms(unittest.TestCase):
    def test_cases(self):
        unihan = {
            "岩": {},                                             # no variant: its own form
            "刘": {"kTraditionalVariant": "U+5218 U+5289"},        # Unihan lists itself too: OpenCC picks
            "众": {"kTraditionalVariant": "U+4F17 U+773E"},        # OpenCC's 衆 is not listed: Unihan's 眾
        }
        s2t = {"岩": "巖", "刘": "劉", "众": "衆"}
        for char, expected in (("岩", "岩"), ("刘", "劉"), ("众", "眾")):
            with self.subTest(char):
                self.assertEqual(cnword.traditional_form(char, unihan, s2t), expected)


class Readings(unittest.TestCase):
    def test_a_toned_reading_leads(self):
        entry = {"kMandarin": "bo", "kHanyuPinyin": "10000.010:bǔ,bo"}
        self.assertEqual(cnword.readings_of(entry)[0], "bǔ")
        self.assertEqual(cnword.readings_of({"kMandarin": "lǜ"})[0], "lǜ")


class ExtraCharacters(unittest.TestCase):
    def test_file_with_comments(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "extra_characters.txt")
            self.assertEqual(cnword.read_extra_characters(path), set())
            with open(path, "w", encoding="utf-8") as f:
                f.write("# from the poems\n甪\n\n䶮  # a comment after the character\n")
            self.assertEqual(cnword.read_extra_characters(path), {"甪", "䶮"})
            with open(path, "w", encoding="utf-8") as f:
                f.write("两字\n")
            with self.assertRaises(SystemExit):
                cnword.read_extra_characters(path)


class Elements(unittest.TestCase):
    def test_radical_then_old_initial_then_modern_initial(self):
        cases = [
            (85, "h", ("匣",), "水"),        # radical 水 first
            (130, "y", ("疑",), "木"),       # 月: the old 疑 initial is a molar
            (30, "zh", ("知",), "火"),       # 哲: 知 is lingual
            (67, "w", ("明",), "水"),        # 文: 明 is labial
            (40, "", ("影",), "土"),         # 安: 影 is guttural
            (148, "j", ("來", "見"), "木"),  # 角 jiǎo: the initial that fits today's reading
            (30, "x", (), "木"),             # not in the 廣韻: the modern initial
        ]
        for radical, initial, old, expected in cases:
            with self.subTest(old=old, initial=initial):
                self.assertEqual(rule_element(radical, initial, old)[0], expected)


if __name__ == "__main__":
    unittest.main()
