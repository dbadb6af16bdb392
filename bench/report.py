#!/usr/bin/env python3
"""Runs the benchmark suite and the command-line timings and writes bench/RESULTS.md.

    bench/report.py BUILD_DIR DATABASE [--out bench/RESULTS.md] [--repeats 7]

The Google Benchmark suite runs on DATABASE (the shipped database); the
command-line timings run whole `jiaming-cli` processes, so they include
start-up and loading the database into memory.
"""
import argparse
import datetime
import json
import os
import platform
import sqlite3
import statistics
import subprocess
import sys
import time


def machine():
    cpu = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    mem = ""
    try:
        with open("/proc/meminfo") as f:
            kb = int(f.readline().split()[1])
            mem = ", %.0f GB memory" % (kb / 1024 / 1024)
    except (OSError, ValueError, IndexError):
        pass
    return "%s, %d cores%s, %s %s" % (cpu, os.cpu_count() or 0, mem, platform.system(), platform.release())


def run_suite(build, db):
    exe = os.path.join(build, "jiaming-bench")
    env = dict(os.environ, JIAMING_DB=db)
    out = subprocess.run([exe, "--benchmark_format=json", "--benchmark_min_time=0.5"], env=env,
                         check=True, capture_output=True, text=True).stdout
    return {b["name"]: b for b in json.loads(out)["benchmarks"]}


def time_command(args, repeats):
    """Median and best wall time in ms of a command and its peak resident
    memory in MB (the largest of the runs); None when it fails."""
    times = []
    peak = 0
    for _ in range(repeats):
        start = time.perf_counter()
        p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        err = p.stderr.read().decode("utf-8", "replace")
        _, status, usage = os.wait4(p.pid, 0)
        p.returncode = os.waitstatus_to_exitcode(status)
        elapsed = (time.perf_counter() - start) * 1000
        if p.returncode != 0:
            return None, err.strip().splitlines()[-1:] or ["exit %d" % p.returncode]
        times.append(elapsed)
        peak = max(peak, usage.ru_maxrss / 1024)
    return (statistics.median(times), min(times), peak), None


def poem_characters(db, poet, title):
    """Every character of a poem of the database, punctuation left out."""
    with sqlite3.connect("file:%s?mode=ro" % db, uri=True) as c:
        row = c.execute("select 内容 from NM_全唐诗 where 作者=? and 标题=?", (poet, title)).fetchone()
    return "".join(ch for ch in (row[0] if row else "") if "\u4e00" <= ch <= "\u9fff")


def list_characters(name, count):
    """The first `count` characters of a built-in character list."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "lists", name)
    with open(path, encoding="utf-8") as f:
        return "".join(ch for ch in f.read() if "\u4e00" <= ch <= "\u9fff")[:count]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("db")
    ap.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "RESULTS.md"))
    ap.add_argument("--repeats", type=int, default=7)
    a = ap.parse_args()
    db = os.path.abspath(a.db)
    cli = os.path.join(a.build, "jiaming-cli")

    suite = run_suite(a.build, db)
    lines = ["# Benchmark results", "",
             "Written by `make bench` (bench/report.py) on %s." % datetime.date.today().isoformat(), "",
             "Machine: %s." % machine(), "",
             "Database: the shipped database (%s)." % os.path.relpath(db), "",
             "## Core (Google Benchmark)", "",
             "| Benchmark | Time per iteration | Throughput | Notes |", "|---|---|---|---|"]
    notes = {
        "BM_QuickScore": "integer score of 张 + two characters, cached grades, indexed character table",
        "BM_ScoreName": "full score with grids and texts, as listed rows are built",
        "BM_ScoreLiteralDesign": "baseline: list walked per character, one SQL query per grade, no cache",
        "BM_HighScoreRun/length:2/all:0": "whole high-score run, 张, boy, two-character names (default list)",
        "BM_HighScoreRun/length:1/all:0": "whole high-score run, 张, boy, one-character names (default list)",
        "BM_HighScoreRun/length:2/all:1": "the same with 显示全部名字 (the literal list, no advice)",
        "BM_HighScoreRunOnWorkerThread": "the same on the worker thread with the queued sink",
        "BM_SuperLuckyRun/nosurname:0/real_time": "super-lucky worst case: boys' list, must-have on with no box, 张",
        "BM_SuperLuckyRun/nosurname:1/real_time": "the same without a surname (threshold 0: fills 100,000 names)",
        "BM_Bootstrap": "start-up: the shipped file read into memory, checked and indexed (bootstrapDatabase)",
    }
    for name, b in suite.items():
        per = "%.2f %s" % (b["real_time"], b.get("time_unit", "ns"))
        rate = ""
        if "items_per_second" in b:
            rate = "%.2f M names/s" % (b["items_per_second"] / 1e6)
        lines.append("| %s | %s | %s | %s |" % (name, per, rate, notes.get(name, "")))
    quick = suite.get("BM_QuickScore", {}).get("items_per_second")
    literal = suite.get("BM_ScoreLiteralDesign", {}).get("items_per_second")
    if quick and literal:
        lines += ["", "Scoring throughput against the direct design, measured in the same run: "
                  "**%.0f×** (%.2f M against %.3f M names per second)." % (quick / literal, quick / 1e6, literal / 1e6)]

    targets = [
        ("high-score run in the core under 50 ms", suite.get("BM_HighScoreRun/length:2/all:0", {}).get("real_time"), 50),
        ("super-lucky worst case in the core under 1 s", suite.get("BM_SuperLuckyRun/nosurname:0/real_time", {}).get("real_time"), 1000),
        ("database ready under 50 ms", suite.get("BM_Bootstrap", {}).get("real_time"), 50),
    ]
    lines += ["", "Targets: at least 5 M names scored per second on one core: %s; " % (
        "met (%.1f M)" % (quick / 1e6) if quick and quick >= 5e6 else "not met") + "; ".join(
        "%s: %s" % (label, "met (%.1f ms)" % value if value is not None and value < limit else "not met")
        for label, value, limit in targets) + "."]

    commands = [
        ("start-up to a ready database (load + one score)", [cli, "score", "张", "三丰", "--db", db]),
        ("high-score run, 张 男 二字", [cli, "generate", "--surname", "张", "--sex", "男", "--length", "2",
                                        "--mode", "high", "--seed", "1", "--db", db]),
        ("super-lucky worst case (must-have on, no box)", [cli, "generate", "--surname", "张", "--sex", "男",
                                                        "--length", "2", "--mode", "super", "--filter", "must:",
                                                        "--seed", "1", "--db", db]),
        ("poem-mode run, 李白 静夜思", [cli, "generate", "--surname", "张", "--sex", "男", "--length", "2",
                                       "--mode", "poem", "--poet", "李白", "--title", "静夜思", "--db", db]),
        ("classic mode, boy, two characters", [cli, "generate", "--surname", "张", "--sex", "男", "--length", "2",
                                               "--mode", "classic", "--seed", "1", "--db", db]),
    ]
    mengqiu = poem_characters(db, "李瀚", "蒙求")
    if mengqiu:
        for all_names in (False, True):
            commands.append(("poem worst case: every character of 李瀚 蒙求 (%d, %d distinct)%s"
                             % (len(mengqiu), len(set(mengqiu)), ", 显示全部名字" if all_names else ""),
                             [cli, "generate", "--surname", "张", "--sex", "男", "--length", "2", "--mode", "poem",
                              "--poet", "李瀚", "--title", "蒙求", "--chars", mengqiu, "--db", db]
                             + (["--all"] if all_names else [])))
    combo = list_characters("MaleCharacters.txt", 1500)
    for all_names in (False, True):
        commands.append(("combination, the first %d characters of the boys' list%s"
                         % (len(combo), ", 显示全部名字" if all_names else ""),
                         [cli, "generate", "--surname", "张", "--sex", "男", "--length", "2", "--mode", "combo",
                          "--chars", combo, "--db", db] + (["--all"] if all_names else [])))
    lines += ["", "## Whole commands (`jiaming-cli`, wall time of the process)", "",
              "Median and best of %d runs; each includes process start-up and loading the database into memory."
              % a.repeats, "", "| Command | Median | Best | Peak memory |", "|---|---|---|---|"]
    for label, args in commands:
        result, error = time_command(args, a.repeats)
        if result is None:
            lines.append("| %s | not available: %s | | |" % (label, " ".join(error)))
        else:
            lines.append("| %s | %.1f ms | %.1f ms | %.0f MB |" % (label, result[0], result[1], result[2]))
    text = "\n".join(lines) + "\n"
    # Sections measured by hand (fuzzing, memory of bounded runs) follow the
    # marker and are kept as they are.
    marker = "<!-- measured by hand below: kept by report.py -->"
    if os.path.exists(a.out):
        with open(a.out, encoding="utf-8") as f:
            old = f.read()
        if marker in old:
            text += "\n" + old[old.index(marker):]
    with open(a.out, "w", encoding="utf-8") as f:
        f.write(text)
    sys.stdout.write(text)


if __name__ == "__main__":
    main()
