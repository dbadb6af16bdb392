#!/usr/bin/env bash
# Runs the benchmark suite of a build made with -DBUILD_BENCHMARKS=ON.
#   bench/run.sh BUILD_DIR [benchmark options]
# JIAMING_DB=path/to/namedata.db times the runs on that database instead of
# the generated fixture.
set -euo pipefail
build="${1:-build-bench}"
shift || true
exe="$build/jiaming-bench"
if [ ! -x "$exe" ]; then
  echo "bench/run.sh: $exe not found (configure with -DBUILD_BENCHMARKS=ON)" >&2
  exit 1
fi
"$exe" --benchmark_counters_tabular=true "$@"
