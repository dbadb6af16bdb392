#!/usr/bin/env python3
"""Prints the figures of libFuzzer logs (run with -print_final_stats=1) as
rows of a Markdown table: target, executions, time, exec/s, cov, ft, corpus."""
import pathlib
import re
import sys


def figures(log: pathlib.Path) -> str:
    text = log.read_text(errors="replace")
    runs = re.search(r"stat::number_of_executed_units:\s*(\d+)", text)
    rate = re.search(r"stat::average_exec_per_sec:\s*(\d+)", text)
    done = re.search(r"Done \d+ runs in (\d+) second", text)
    status = re.findall(r"cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)", text)
    crash = "ERROR" in text or "check failed" in text
    cov, ft, corp, size = status[-1] if status else ("?", "?", "?", "?")
    name = log.stem
    return "| `{}_fuzz` | {} | {} s | {} | {} | {} | {} inputs / {} | {} |".format(
        name,
        f"{int(runs.group(1)):,}" if runs else "?",
        done.group(1) if done else "?",
        f"{int(rate.group(1)):,}" if rate else "?",
        cov, ft, corp, size,
        "crash" if crash else "clean",
    )


print("| Target | Executions | Time | exec/s | cov | ft | corpus | result |")
print("|---|---|---|---|---|---|---|---|")
for arg in sys.argv[1:]:
    print(figures(pathlib.Path(arg)))
