#!/usr/bin/env bash
# Runs every built fuzz target for a bounded time from its seed corpus.
# A crash, leak or sanitizer report makes libFuzzer exit non-zero, and so this script.
#   run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)

shopt -s nullglob
targets=()
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] && targets+=("$target")
done
((${#targets[@]})) || { echo "error: no fuzz targets were built in $build/fuzz"; exit 1; }

for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus="$build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/fuzz/seeds/$name"
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  echo "--- $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -print_final_stats=1 "$corpus" 2>"$build/fuzz/$name.log" || { tail -n 60 "$build/fuzz/$name.log"; exit 1; }
  grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$build/fuzz/$name.log" || true
done
