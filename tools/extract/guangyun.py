#!/usr/bin/env python3
"""Extracts the initials (聲母, the 三十六字母 as 切韻 positions name them) of every
character of the 廣韻 from the npm package tshet-uinh and writes
data/guangyun_initials.tsv.xz, sorted by code point:

    字 <TAB> 聲母 (the initials of its positions, distinct, in the dictionary's order)

Run by hand when the package changes; the build only reads the output.

    (cd /tmp && npm pack tshet-uinh@0.15.4 && tar xzf tshet-uinh-0.15.4.tgz)
    python3 tools/extract/guangyun.py --package /tmp/package
    python3 tools/extract/guangyun.py --package /tmp/package --check   # fails when the table is stale

Needs `node`. The package is MIT-licensed (see data/NOTES.md).
"""
import argparse
import lzma
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT = os.path.join(ROOT, "data", "guangyun_initials.tsv.xz")
SKIP = 77  # the exit code CTest reads as "skipped"

# Every position, then every character of it; a character's positions are
# taken again through query字頭 so that they come in the dictionary's order.
DUMP = r"""
const T = require(process.argv[1]);
const chars = new Set();
for (const d of T.資料.iter音韻地位())
  for (const r of T.資料.query音韻地位(d)) chars.add(r.字頭);
const out = [];
for (const c of [...chars].sort((a, b) => a.codePointAt(0) - b.codePointAt(0))) {
  const initials = [];
  for (const r of T.資料.query字頭(c)) {
    const m = r.音韻地位.母;
    if (!initials.includes(m)) initials.push(m);
  }
  out.push(c + "\t" + initials.join(" "));
}
process.stdout.write(out.join("\n") + "\n");
"""


def table_text(package):
    out = subprocess.run(["node", "-e", DUMP, os.path.abspath(package)], capture_output=True, text=True,
                         check=True).stdout
    return "字\t聲母\n" + out


def compress(text):
    # A fixed preset and no timestamps: the same inputs give the same bytes.
    return lzma.compress(text.encode("utf-8"), format=lzma.FORMAT_XZ, preset=9 | lzma.PRESET_EXTREME)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--package", default=os.environ.get("TSHET_UINH_DIR", ""),
                    help="the unpacked tshet-uinh package (default: $TSHET_UINH_DIR)")
    ap.add_argument("--out", default=OUT)
    ap.add_argument("--check", action="store_true", help="compare with the committed table instead of writing")
    args = ap.parse_args()

    package = args.package
    if not package or not os.path.exists(os.path.join(package, "package.json")):
        print("skipped: the tshet-uinh package is not unpacked here (give --package or set TSHET_UINH_DIR)")
        sys.exit(SKIP if args.check else 2)
    try:
        text = table_text(package)
    except FileNotFoundError:
        print("skipped: node is not installed")
        sys.exit(SKIP if args.check else 2)
    if args.check:
        with lzma.open(args.out, "rt", encoding="utf-8") as f:
            committed = f.read()
        if committed != text:
            sys.exit("%s is out of date: run tools/extract/guangyun.py --package %s" % (args.out, package))
        print("%s is up to date" % args.out)
        return
    with open(args.out, "wb") as f:
        f.write(compress(text))
    print("wrote %s: %d characters" % (args.out, text.count("\n") - 1))


if __name__ == "__main__":
    main()
