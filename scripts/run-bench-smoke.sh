#!/usr/bin/env bash
# Runs every benchmark once, briefly, to show that each still runs: one line per
# benchmark in the log. Fails when the suite was not built, when it exits
# non-zero, or when any benchmark stopped with an error (SkipWithError), which
# Google Benchmark itself does not count as a failure.
#   run-bench-smoke.sh BUILD_DIR
set -euo pipefail
build=$1
bench="$build/bench/orvek_bench"
log="$build/bench-smoke.log"

[ -x "$bench" ] || { echo "error: the benchmark suite $bench was not built"; exit 1; }
"$bench" --benchmark_min_time=0.001 --benchmark_color=false 2>&1 | tee "$log"

if grep -q 'ERROR OCCURRED' "$log"; then
  echo "error: these benchmarks stopped with an error:"
  grep 'ERROR OCCURRED' "$log"
  exit 1
fi
# The results follow the second rule of dashes, one line per benchmark.
echo "benchmarks ran: $(awk '/^-+$/ {rules++; next} rules >= 2 && NF' "$log" | wc -l)"
