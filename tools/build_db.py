#!/usr/bin/env python3
"""Builds the shipped database data/namedata.db from the committed source
tables under data/ and our authored texts. Deterministic: the same inputs
give the same rows in the same order. Each module in tools/dbgen/ named
NN_*.py fills one part of the database through its load(conn, data_dir)."""
import argparse
import importlib.util
import os
import sqlite3
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)

from dbgen.schema import ADVICE_TABLES, EXTRA_TABLES, INDEXES, TABLES, create_table_sql  # noqa: E402


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", required=True)
    ap.add_argument("--data", default=os.path.join(ROOT, "data"))
    ap.add_argument("--only", help="comma-separated module numbers to run (e.g. 10,20); default all")
    args = ap.parse_args()

    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    tmp = args.out + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    conn = sqlite3.connect(tmp)
    for name, columns in TABLES + EXTRA_TABLES + ADVICE_TABLES:
        conn.execute(create_table_sql(name, columns))
    gen_dir = os.path.join(HERE, "dbgen")
    for fname in sorted(os.listdir(gen_dir)):
        if not (fname[:2].isdigit() and fname.endswith(".py")):
            continue
        if args.only and fname[:2] not in args.only.split(","):
            continue
        module_spec = importlib.util.spec_from_file_location("dbgen_" + fname[:-3], os.path.join(gen_dir, fname))
        module = importlib.util.module_from_spec(module_spec)
        module_spec.loader.exec_module(module)
        module.load(conn, args.data)
        conn.commit()
    for sql in INDEXES:
        conn.execute(sql)
    conn.commit()
    conn.execute("VACUUM")
    conn.close()
    os.replace(tmp, args.out)
    print("wrote", args.out)


if __name__ == "__main__":
    main()
