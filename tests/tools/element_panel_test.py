#!/usr/bin/env python3
"""Which characters the element panel keeps from the record of the pages read
(tools/extract/element_panel.py), on small hand-made records."""
import os
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "extract"))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import element_panel  # noqa: E402


def record(lines):
    f = tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".tsv", delete=False)
    f.write("页面\t五行\t字\n" + "".join(line + "\n" for line in lines))
    f.close()
    return f.name


class Panel(unittest.TestCase):
    def test_which_characters_are_kept(self):
        path = record([
            "https://a.example/1\t水\t江海",
            "https://b.example/2\t水\t江",
            "https://c.example/3\t木\t江海",   # 江: 2 against 1 -> kept; 海: 1 against 1 -> out
            "https://a.example/1\t火\t明",
            "https://b.example/2\t火\t明",
            "https://c.example/3\t水\t明",
            "https://d.example/4\t水\t明",     # 明: 2 against 2 -> out
            "https://a.example/1\t金\t铭",     # one page only -> out
            "https://a.example/1\t土\t坤",
            "https://b.example/2\t土\t坤",     # 坤: agreed, but not in the table -> out
        ])
        try:
            rows = element_panel.build_panel(element_panel.read_pages(path), known=set("江海明铭"))
        finally:
            os.unlink(path)
        self.assertEqual(rows, [("江", "水", ["https://a.example/1", "https://b.example/2"])])

    def test_record_errors(self):
        cases = [
            ("an element that is none of the five", ["https://a.example/1\t风\t江"]),
            ("a page that is no address", ["a.example/1\t水\t江"]),
            ("one page giving one character twice", ["https://a.example/1\t水\t江", "https://a.example/1\t木\t江"]),
        ]
        for what, lines in cases:
            with self.subTest(what):
                path = record(lines)
                try:
                    with self.assertRaises(ValueError):
                        element_panel.read_pages(path)
                finally:
                    os.unlink(path)


if __name__ == "__main__":
    unittest.main()
